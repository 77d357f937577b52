#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <sys/types.h>

// A game of the real logic and file layer on the recording fake, played in a
// process of its own against a record folder that other games may share.
// The child starts, makes its right answers, then waits for letGo() before it
// ends its game; what the fake saw comes back when the child has ended.
class ChildGame
{
public:
    enum class Ending { Exit, TimeUp };

    // What a finished child reports.
    struct Outcome
    {
        QStringList messages;
        QString failure;
        int exitStatus = -1; // -1 when a signal ended the child
        int signal = 0;
    };

    struct Play
    {
        QString folder;
        QString name;
        int rightAnswers = 0;
        Ending ending = Ending::Exit;
        // Runs first in the child: limits, a lesser user.
        std::function<void()> prepare;
    };

    explicit ChildGame(const Play &play);
    ~ChildGame();
    ChildGame(const ChildGame &) = delete;
    ChildGame &operator=(const ChildGame &) = delete;

    // Returns once the child has made its answers, or has ended before that.
    void waitUntilReady();
    // Lets the child end its game.
    void letGo();
    // Waits for the child's end.
    Outcome outcome();

private:
    [[noreturn]] static void runChild(const Play &play, int ready, int go, int report);

    pid_t m_pid = -1;
    int m_ready = -1;
    int m_go = -1;
    int m_report = -1;
};
