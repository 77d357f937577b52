#include "ui/ApplicationSetup.h"
#include "ui/GameSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();

    GameSession session(QtToolkit::endProcessNow, GameSession::standardRecordFolder);
    session.start();
    return QApplication::exec();
}
