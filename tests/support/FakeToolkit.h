#pragma once

#include "contracts/ToolkitServices.h"

#include <QStringList>
#include <functional>
#include <map>

// Toolkit services without a window: keeps the controls' state, answers the
// name box from a script and logs every call in order, unless it is quiet.
class FakeToolkit : public ToolkitServices
{
public:
    FakeToolkit();

    void SetLabelText(Control label, const QString &text) override;
    QString GetLabelText(Control label) const override;
    void SetBoxText(Control box, const QString &text) override;
    QString GetBoxText(Control box) const override;
    void EnableControl(Control control, bool on) override;
    void FocusControl(Control control) override;
    void SetWindowBackground(Rgb colour) override;
    void SetWindowTitle(const QString &title) override;
    DisplayState WindowDisplayState() const override;
    void ShowMessage(const QString &text) override;
    QString AskText(const QString &prompt) override;
    QString ProgramFolder() const override;
    void TerminateProgram() override;
    void ReportFailure(const Failure &failure) override;

    // What the name box answers (the empty text stands for Cancel).
    QString nameToType;
    // What the player has typed into the answer box.
    QString typedAnswer;
    DisplayState displayState = DisplayState::Normal;

    // Every call, one line each, such as "SetLabelText lblnome1 Anna".
    QStringList calls;
    // Logs nothing, so that a benchmark times the game's own work alone.
    bool quiet = false;
    QStringList messages;
    std::map<Control, bool> enabled;
    Control focused = Control::cmdExit;
    Rgb background{212, 208, 200};
    QString title;
    bool terminated = false;
    QString failure;
    // Called with the exit status when the game ends the program, for a test
    // whose process is to end then as the real program's does.
    std::function<void(int status)> onEnd;

    // The calls whose line starts with the prefix.
    QStringList callsStartingWith(const QString &prefix) const;

private:
    template <typename Line>
    void log(Line line)
    {
        if (!quiet)
            calls << line();
    }
    std::map<Control, QString> m_labels;
};

// The name of a control as the window knows it.
QString controlName(Control control);
