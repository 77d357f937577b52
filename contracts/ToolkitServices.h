#pragma once

#include <QString>
#include <cstdint>

class Failure;

// The controls the game logic reaches by name.
enum class Control {
    lblNum1,
    lblNum2,
    txtAnswer,
    cmdNext,
    cmdExit,
    lblMessage,
    lblScore,
    lblScore1,
    lblScore2,
    lblpunti,
    lblnome,
    lblnome1,
    lblconto,
    Timer1,
};

// A colour as red, green and blue from 0 to 255.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// How the window is shown: the values the logic compares with.
enum class DisplayState : int16_t { Normal = 0, Minimised = 1, Maximised = 2 };

// What the game logic asks of the window toolkit. The Qt window implements
// it for play; tests use a recording fake.
class ToolkitServices
{
public:
    virtual ~ToolkitServices() = default;

    // A label gives back exactly the text it was last given.
    virtual void SetLabelText(Control label, const QString &text) = 0;
    virtual QString GetLabelText(Control label) const = 0;
    virtual void SetBoxText(Control box, const QString &text) = 0;
    virtual QString GetBoxText(Control box) const = 0;
    virtual void EnableControl(Control control, bool on) = 0;
    virtual void FocusControl(Control control) = 0;
    virtual void SetWindowBackground(Rgb colour) = 0;
    virtual void SetWindowTitle(const QString &title) = 0;
    virtual DisplayState WindowDisplayState() const = 0;
    // Modal box with one OK button; returns when the player closes it.
    virtual void ShowMessage(const QString &text) = 0;
    // Modal box asking for a line of text; Cancel gives the empty text.
    virtual QString AskText(const QString &prompt) = 0;
    // The folder of the program file, without a trailing separator.
    virtual QString ProgramFolder() const = 0;
    // Ends the process. A caller returns right after it, so that a fake that
    // only records the call leaves nothing else to run.
    virtual void TerminateProgram() = 0;
    // Tells the player about a failure nothing handled, then ends the process
    // with a non-zero status.
    virtual void ReportFailure(const Failure &failure) = 0;
};
