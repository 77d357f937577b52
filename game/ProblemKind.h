#pragma once

#include <QString>
#include <cstdint>

// One of the six kinds of problem: the multiplier and how the factor is cut and shown.
struct ProblemKind
{
    char name;
    int16_t multiplier;
    int decimals;
    const char *pattern;
};

// The kind that a draw from 0 to 59 selects.
const ProblemKind &problemKindFor(int16_t caseDraw);
