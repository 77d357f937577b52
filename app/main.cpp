#include "ui/GameSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavola"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavola"));
    QGuiApplication::setDesktopFileName(QStringLiteral("local.tavola.tavola"));

    GameSession session(QtToolkit::endProcessNow, GameSession::standardRecordFolder);
    session.start();
    return QApplication::exec();
}
