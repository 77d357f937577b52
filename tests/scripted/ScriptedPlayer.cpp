#include "ScriptedPlayer.h"

#include "PupilArithmetic.h"
#include "ui/TavolaWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// How often the player looks at the screen.
constexpr int glanceMs = 5;
// The clock's tick once the player waits for the time to run out.
constexpr int hurriedTickMs = 1;

} // namespace

ScriptedPlayer::ScriptedPlayer(TavolaWindow &window, const QString &script, QObject *parent)
    : QObject(parent), m_window(window)
{
    for (QString line : script.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const qsizetype blank = line.indexOf(QLatin1Char(' '));
        m_steps.append(blank < 0 ? Step{line, QString()} : Step{line.left(blank), line.mid(blank + 1)});
    }
    m_eyes.setInterval(glanceMs);
    connect(&m_eyes, &QTimer::timeout, this, &ScriptedPlayer::glance);
}

void ScriptedPlayer::start()
{
    m_eyes.start();
}

// Acting straight from the timer would leave the player blind while a box
// it opened waits: a timer does not fire again inside its own slot.
void ScriptedPlayer::glance()
{
    if (m_glancePending)
        return;
    m_glancePending = true;
    QMetaObject::invokeMethod(this, &ScriptedPlayer::act, Qt::QueuedConnection);
}

void ScriptedPlayer::act()
{
    m_glancePending = false;
    QWidget *box = QApplication::activeModalWidget();
    const bool scriptDone = m_next == m_steps.size();
    if (box) {
        if (QApplication::activeWindow() != box)
            return;
        if (scriptDone || !isBoxStep(m_steps.at(m_next))) {
            logBox(box);
            mismatch(QStringLiteral("a box the script did not expect"));
        }
        closeBox(box, m_steps.at(m_next++));
        return;
    }
    if (scriptDone || isBoxStep(m_steps.at(m_next)) || QApplication::activeWindow() != &m_window
        || buttonHeldDown())
        return;
    playOnWindow(m_steps.at(m_next++));
}

// A button pressed by its Alt key stays down for a moment and acts only when
// it comes up again; the player waits for that, as a person would.
bool ScriptedPlayer::buttonHeldDown() const
{
    const QList<QAbstractButton *> buttons = m_window.findChildren<QAbstractButton *>();
    return std::any_of(buttons.begin(), buttons.end(), [](const QAbstractButton *button) { return button->isDown(); });
}

bool ScriptedPlayer::isBoxStep(const Step &step)
{
    return step.action == QLatin1String("name") || step.action == QLatin1String("ok")
        || step.action == QLatin1String("cancel");
}

QWidget *ScriptedPlayer::keyTarget()
{
    QWidget *focused = QApplication::focusWidget();
    return focused ? focused : QApplication::activeWindow();
}

void ScriptedPlayer::closeBox(QWidget *box, const Step &step)
{
    logBox(box);
    if (step.action == QLatin1String("name")) {
        auto *field = box->findChild<QLineEdit *>();
        if (!qobject_cast<QInputDialog *>(box) || !field)
            mismatch(QStringLiteral("no name box to type into"));
        QTest::keyClicks(field, step.text);
        QTest::keyClick(field, Qt::Key_Return);
    } else if (step.action == QLatin1String("ok")) {
        QTest::keyClick(keyTarget(), Qt::Key_Return);
    } else {
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
    }
}

void ScriptedPlayer::playOnWindow(const Step &step)
{
    if (step.action == QLatin1String("type")) {
        QTest::keyClicks(keyTarget(), step.text);
    } else if (step.action == QLatin1String("enter")) {
        pressEnter();
    } else if (step.action == QLatin1String("alt+n")) {
        QTest::keyClick(keyTarget(), Qt::Key_N, Qt::AltModifier);
    } else if (step.action == QLatin1String("alt+x")) {
        QTest::keyClick(keyTarget(), Qt::Key_X, Qt::AltModifier);
    } else if (step.action == QLatin1String("answer-right")) {
        typeAnswer(rightAnswer());
    } else if (step.action == QLatin1String("answer-wrong")) {
        typeAnswer(wrongAnswer());
    } else if (step.action == QLatin1String("wait-end")) {
        m_window.timer()->setInterval(hurriedTickMs);
    } else {
        mismatch(QStringLiteral("an unknown step ") + step.action);
    }
}

void ScriptedPlayer::typeAnswer(const QString &answer)
{
    QTest::keyClicks(keyTarget(), answer);
    pressEnter();
}

void ScriptedPlayer::pressEnter()
{
    QTest::keyClick(keyTarget(), Qt::Key_Return);
    std::printf("feedback\t%s\n", qUtf8Printable(labelText(QStringLiteral("lblMessage"))));
    std::fflush(stdout);
}

// The product of the problem on screen, as a pupil works it out.
QString ScriptedPlayer::rightAnswer() const
{
    const QString multiplier = labelText(QStringLiteral("lblNum1"));
    const QString factor = labelText(QStringLiteral("lblNum2"));
    const qsizetype shift = multiplier.size() - 1;
    if (shift < 1 || multiplier != QStringLiteral("1") + QString(shift, QLatin1Char('0')) || factor.isEmpty())
        mismatch(QStringLiteral("no problem on screen: ") + multiplier + QStringLiteral(" x ") + factor);

    return productByMovingTheComma(multiplier, factor);
}

// The right product with its last digit changed: as long as the right one,
// so the answer box cannot cut it back to the right answer.
QString ScriptedPlayer::wrongAnswer() const
{
    QString answer = rightAnswer();
    const int lastDigit = answer.back().digitValue();
    answer.back() = QLatin1Char(static_cast<char>('0' + (lastDigit + 1) % 10));
    return answer;
}

QString ScriptedPlayer::labelText(const QString &name) const
{
    const auto *label = m_window.findChild<QLabel *>(name);
    if (!label)
        mismatch(QStringLiteral("no label ") + name);
    return label->text();
}

void ScriptedPlayer::logBox(QWidget *box) const
{
    QString text;
    if (const auto *message = qobject_cast<QMessageBox *>(box))
        text = message->text();
    else if (const auto *input = qobject_cast<QInputDialog *>(box))
        text = input->labelText();
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    const QString shown = m_window.isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden");
    std::printf("box\t%s\t%s\t%s\n", qUtf8Printable(shown), qUtf8Printable(box->windowTitle()), qUtf8Printable(text));
    std::fflush(stdout);
}

void ScriptedPlayer::mismatch(const QString &what) const
{
    std::printf("mismatch\t%s\n", qUtf8Printable(what));
    std::fflush(nullptr);
    std::_Exit(scriptMismatchStatus);
}
