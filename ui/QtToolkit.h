#pragma once

#include "contracts/ToolkitServices.h"

#include <functional>

class QWidget;
class TavolaWindow;

// The toolkit services on the real Qt window. Every box of the game opens
// here, so the clock can hold its ticks while one is open.
class QtToolkit : public ToolkitServices
{
public:
    // Ends the process with the given status.
    using EndProcess = std::function<void(int status)>;

    QtToolkit(TavolaWindow &window, EndProcess endProcess);

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

    // True while one of the game's boxes waits for the player.
    bool isBoxOpen() const { return m_openBoxes > 0; }

    // Ends the process at once, skipping everything still queued or unwinding.
    static void endProcessNow(int status);

private:
    QWidget *boxParent() const;

    TavolaWindow &m_window;
    EndProcess m_endProcess;
    int m_openBoxes = 0;
};
