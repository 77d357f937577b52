#include "ScriptedPlayer.h"

#include "ui/GameSession.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

// The real game, played by the script named on the command line instead of
// a pupil at the keyboard.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavola"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavola"));

    const QStringList arguments = QApplication::arguments();
    QFile script(arguments.value(1));
    if (arguments.size() != 2 || !script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "usage: tavola-scripted SCRIPT-FILE\n");
        return 2;
    }

    GameSession session(QtToolkit::endProcessNow, GameSession::standardRecordFolder);
    ScriptedPlayer player(session.window(), QString::fromUtf8(script.readAll()));
    player.start();
    session.start();
    return QApplication::exec();
}
