#include "ui/ItalianTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installItalianTranslations(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    // "qt" gathers the catalogues of every Qt module the game uses.
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
