#include "ui/ApplicationSetup.h"

#include "ui/ItalianTranslations.h"

#include <QApplication>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("tavola"));
    // No display name: on X11 Qt would append it to every window title, and
    // the window's title is the game's own text.
    QGuiApplication::setDesktopFileName(QStringLiteral("local.tavola.tavola"));
    installItalianTranslations(*qApp);
}
