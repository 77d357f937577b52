#include "FakeToolkit.h"

#include "contracts/Failure.h"
#include "contracts/DesignText.h"

#include <cstdlib>

QString controlName(Control control)
{
    switch (control) {
    case Control::lblNum1: return QStringLiteral("lblNum1");
    case Control::lblNum2: return QStringLiteral("lblNum2");
    case Control::txtAnswer: return QStringLiteral("txtAnswer");
    case Control::cmdNext: return QStringLiteral("cmdNext");
    case Control::cmdExit: return QStringLiteral("cmdExit");
    case Control::lblMessage: return QStringLiteral("lblMessage");
    case Control::lblScore: return QStringLiteral("lblScore");
    case Control::lblScore1: return QStringLiteral("lblScore1");
    case Control::lblScore2: return QStringLiteral("lblScore2");
    case Control::lblpunti: return QStringLiteral("lblpunti");
    case Control::lblnome: return QStringLiteral("lblnome");
    case Control::lblnome1: return QStringLiteral("lblnome1");
    case Control::lblconto: return QStringLiteral("lblconto");
    case Control::Timer1: return QStringLiteral("Timer1");
    }
    return {};
}

FakeToolkit::FakeToolkit()
{
    for (Control label : {Control::lblNum1, Control::lblNum2, Control::lblMessage, Control::lblScore,
                          Control::lblScore1, Control::lblScore2, Control::lblpunti, Control::lblnome,
                          Control::lblnome1, Control::lblconto})
        m_labels[label] = designText(label);
    enabled[Control::cmdNext] = false;
    enabled[Control::cmdExit] = true;
    enabled[Control::Timer1] = true;
}

QStringList FakeToolkit::callsStartingWith(const QString &prefix) const
{
    QStringList found;
    for (const QString &call : calls) {
        if (call.startsWith(prefix))
            found << call;
    }
    return found;
}

void FakeToolkit::SetLabelText(Control label, const QString &text)
{
    log([&] { return QStringLiteral("SetLabelText %1 %2").arg(controlName(label), text); });
    m_labels[label] = text;
}

QString FakeToolkit::GetLabelText(Control label) const
{
    return m_labels.at(label);
}

void FakeToolkit::SetBoxText(Control box, const QString &text)
{
    log([&] { return QStringLiteral("SetBoxText %1 %2").arg(controlName(box), text); });
    typedAnswer = text;
}

QString FakeToolkit::GetBoxText(Control) const
{
    return typedAnswer;
}

void FakeToolkit::EnableControl(Control control, bool on)
{
    log([&] {
        const QString state = on ? QStringLiteral("on") : QStringLiteral("off");
        return QStringLiteral("EnableControl %1 %2").arg(controlName(control), state);
    });
    enabled[control] = on;
}

void FakeToolkit::FocusControl(Control control)
{
    log([&] { return QStringLiteral("FocusControl %1").arg(controlName(control)); });
    focused = control;
}

void FakeToolkit::SetWindowBackground(Rgb colour)
{
    log([&] {
        return QStringLiteral("SetWindowBackground %1 %2 %3").arg(colour.red).arg(colour.green).arg(colour.blue);
    });
    background = colour;
}

void FakeToolkit::SetWindowTitle(const QString &text)
{
    log([&] { return QStringLiteral("SetWindowTitle %1").arg(text); });
    title = text;
}

DisplayState FakeToolkit::WindowDisplayState() const
{
    return displayState;
}

void FakeToolkit::ShowMessage(const QString &text)
{
    log([&] { return QStringLiteral("ShowMessage %1").arg(text); });
    messages << text;
}

QString FakeToolkit::AskText(const QString &prompt)
{
    log([&] { return QStringLiteral("AskText %1").arg(prompt); });
    return nameToType;
}

QString FakeToolkit::ProgramFolder() const
{
    return QStringLiteral("/giochi");
}

void FakeToolkit::TerminateProgram()
{
    log([&] { return QStringLiteral("TerminateProgram"); });
    terminated = true;
    if (onEnd)
        onEnd(EXIT_SUCCESS);
}

void FakeToolkit::ReportFailure(const Failure &reported)
{
    log([&] { return QStringLiteral("ReportFailure %1").arg(reported.message()); });
    failure = reported.message();
    terminated = true;
    if (onEnd)
        onEnd(EXIT_FAILURE);
}
