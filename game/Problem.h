#pragma once

#include "game/ProblemKind.h"

#include <QString>
#include <cstdint>

// One multiplication to pose: what the window shows and the product it expects.
struct Problem
{
    int16_t caseDraw = 0;
    int16_t multiplier = 0;
    // The factor, already cut to its kind's decimals.
    double operand = 0;
    QString multiplierText;
    QString operandText;
    double expectedAnswer = 0;

    // Builds the problem of the kind that caseDraw selects from a factor drawn in [1, 51).
    static Problem pose(int16_t caseDraw, double drawnFactor);
};
