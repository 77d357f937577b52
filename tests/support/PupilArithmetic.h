#pragma once

#include <QString>

// The product of a problem on screen, worked out as a pupil does: the comma
// of the factor moves right by as many places as the multiplier has zeros.
// The multiplier is 10, 100 or 1000; the factor is written with a comma.
QString productByMovingTheComma(const QString &multiplier, const QString &factor);

// The decimal text of units / 10^decimals: trailing zero decimals dropped,
// and the comma with them, unless keepZeros.
QString decimalText(qint64 units, int decimals, bool keepZeros = false);
