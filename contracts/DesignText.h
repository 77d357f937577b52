#pragma once

#include "contracts/ToolkitServices.h"

// The text a control shows before the game gives it one.
inline QString designText(Control control)
{
    switch (control) {
    case Control::lblScore:
    case Control::lblScore1:
    case Control::lblScore2:
    case Control::lblpunti:
        return QStringLiteral("0");
    case Control::lblnome:
        return QStringLiteral("nome");
    case Control::lblconto:
        return QStringLiteral("00.00.00");
    case Control::cmdNext:
        return QStringLiteral("&Nuovo calcolo");
    case Control::cmdExit:
        return QStringLiteral("E&xit");
    default:
        return {};
    }
}
