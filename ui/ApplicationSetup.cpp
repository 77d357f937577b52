#include "ui/ApplicationSetup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's own texts in Italian, for the buttons and menus Qt itself draws.
void installTranslations()
{
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("tavola"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavola"));
    QGuiApplication::setDesktopFileName(QStringLiteral("local.tavola.tavola"));
    installTranslations();
}
