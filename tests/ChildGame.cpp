#include "ChildGame.h"

#include "Draws.h"
#include "FakeToolkit.h"
#include "RecordingSound.h"
#include "ScriptedRandom.h"
#include "app/EventDelivery.h"
#include "app/Tavola.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <sys/wait.h>
#include <unistd.h>

namespace {

void writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written <= 0)
            return;
        done += written;
    }
}

QByteArray readToEnd(int fd)
{
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t read; (read = ::read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, read);
    return bytes;
}

} // namespace

ChildGame::ChildGame(const Play &play)
{
    int ready[2], go[2], report[2];
    if (::pipe(ready) != 0 || ::pipe(go) != 0 || ::pipe(report) != 0)
        return;
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(ready[0]);
        ::close(go[1]);
        ::close(report[0]);
        runChild(play, ready[1], go[0], report[1]);
    }
    ::close(ready[1]);
    ::close(go[0]);
    ::close(report[1]);
    m_ready = ready[0];
    m_go = go[1];
    m_report = report[0];
}

ChildGame::~ChildGame()
{
    for (int fd : {m_ready, m_go, m_report}) {
        if (fd >= 0)
            ::close(fd);
    }
    if (m_pid > 0)
        ::waitpid(m_pid, nullptr, 0);
}

void ChildGame::runChild(const Play &play, int ready, int go, int report)
{
    if (play.prepare)
        play.prepare();
    FakeToolkit toolkit;
    ScriptedRandom random;
    RecordingSound sound;
    Tavola tavola(toolkit, random, sound, [&play] { return play.folder; });
    // The game ends the process, as the real toolkit does, after telling the parent what it saw.
    toolkit.onEnd = [&toolkit, report](int status) {
        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        stream << toolkit.messages << toolkit.failure;
        writeAll(report, bytes);
        ::_exit(status);
    };

    toolkit.nameToType = play.name;
    deliverEvent(toolkit, [&] { tavola.Form_Load(); });
    random.values = {problem268.factor, problem268.kind}; // 10 x 26,8
    deliverEvent(toolkit, [&] { tavola.Form_Activate(); });
    for (int i = 0; i < play.rightAnswers; ++i) {
        toolkit.typedAnswer = QStringLiteral("268");
        int16_t enter = 13;
        deliverEvent(toolkit, [&] { tavola.txtAnswer_KeyPress(enter); });
    }
    toolkit.messages.clear();

    ::close(ready);
    char byte = 0;
    while (::read(go, &byte, 1) < 0) {
    }
    if (play.ending == Ending::Exit)
        deliverEvent(toolkit, [&] { tavola.cmdExit_Click(); });
    for (int tick = 0; tick < 302; ++tick)
        deliverEvent(toolkit, [&] { tavola.Timer1_Timer(); });
    ::_exit(3); // the game never ended
}

void ChildGame::waitUntilReady()
{
    char byte;
    while (::read(m_ready, &byte, 1) > 0) {
    }
}

void ChildGame::letGo()
{
    const char go = 'g';
    [[maybe_unused]] const ssize_t written = ::write(m_go, &go, 1);
}

ChildGame::Outcome ChildGame::outcome()
{
    Outcome outcome;
    const QByteArray report = readToEnd(m_report);
    QDataStream stream(report);
    stream >> outcome.messages >> outcome.failure;
    int status = 0;
    if (::waitpid(m_pid, &status, 0) == m_pid) {
        if (WIFEXITED(status))
            outcome.exitStatus = WEXITSTATUS(status);
        else if (WIFSIGNALED(status))
            outcome.signal = WTERMSIG(status);
    }
    m_pid = -1;
    return outcome;
}
