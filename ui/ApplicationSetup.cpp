#include "ui/ApplicationSetup.h"

#include "ui/ItalianTranslations.h"

#include <QApplication>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("tavola"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavola"));
    QGuiApplication::setDesktopFileName(QStringLiteral("local.tavola.tavola"));
    installItalianTranslations(*qApp);
}
