#pragma once

#include "ui/ToolkitServices.h"

#include <array>

// Toolkit services that only keep the controls' texts: no window, no log,
// so that what is timed is the game's own work.
class QuietToolkit : public ToolkitServices
{
public:
    QuietToolkit();

    void SetLabelText(Control label, const QString &text) override;
    QString GetLabelText(Control label) const override;
    void SetBoxText(Control box, const QString &text) override;
    QString GetBoxText(Control box) const override;
    void EnableControl(Control, bool) override {}
    void FocusControl(Control) override {}
    void SetWindowBackground(Rgb) override {}
    void SetWindowTitle(const QString &) override {}
    DisplayState WindowDisplayState() const override { return DisplayState::Normal; }
    void ShowMessage(const QString &) override {}
    QString AskText(const QString &) override;
    QString ProgramFolder() const override;
    void TerminateProgram() override {}
    void ReportFailure(const Failure &failure) override;

private:
    std::array<QString, size_t(Control::Timer1) + 1> m_texts;
};
