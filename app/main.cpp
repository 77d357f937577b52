#include "ui/GameSession.h"
#include "ui/ItalianTranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavola"));
    QGuiApplication::setDesktopFileName(QStringLiteral("local.tavola.tavola"));
    installItalianTranslations(app);

    GameSession session(QtToolkit::endProcessNow, GameSession::standardRecordFolder);
    session.start();
    return QApplication::exec();
}
