#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

class TavolaWindow;

// Plays the game like a pupil at the keyboard: it watches the screen and,
// whenever a box or the window waits for it, presses the keys of the next
// line of its script. Every box it closes is written to standard output as
// "box<TAB>shown|hidden<TAB>title<TAB>text", the middle field saying whether
// the game's window was on screen then, line breaks in the text as "\n";
// after every Enter on the window the feedback line follows "feedback<TAB>".
//
// Box lines: "name TEXT" types TEXT into the name box and presses Enter,
// "ok" presses Enter, "cancel" presses Escape.
// Window lines: "type TEXT", "enter", "alt+n", "alt+x", "answer-right" and
// "answer-wrong" (type an answer to the problem on screen and press Enter),
// "wait-end" (hurry the clock so that the time runs out soon).
class ScriptedPlayer : public QObject
{
    Q_OBJECT

public:
    ScriptedPlayer(TavolaWindow &window, const QString &script, QObject *parent = nullptr);

    // Starts watching the screen; call before the game opens its first box.
    void start();

    // The process status when the script does not fit what is on screen.
    static constexpr int scriptMismatchStatus = 70;

private:
    // One line of the script: what to do, and the text it acts with.
    struct Step
    {
        QString action;
        QString text;
    };

    void glance();
    void act();
    void closeBox(QWidget *box, const Step &step);
    bool buttonHeldDown() const;
    void playOnWindow(const Step &step);
    void typeAnswer(const QString &answer);
    void pressEnter();
    QString rightAnswer() const;
    QString wrongAnswer() const;
    QString labelText(const QString &name) const;
    void logBox(QWidget *box) const;
    [[noreturn]] void mismatch(const QString &what) const;

    static bool isBoxStep(const Step &step);
    static QWidget *keyTarget();

    TavolaWindow &m_window;
    QVector<Step> m_steps;
    qsizetype m_next = 0;
    QTimer m_eyes;
    bool m_glancePending = false;
};
