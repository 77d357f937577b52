#pragma once

#include <QString>

// The product of a problem on screen, worked out as a pupil does: the comma
// of the factor moves right by as many places as the multiplier has zeros.
// The multiplier is 10, 100 or 1000; the factor is written with a comma.
inline QString productByMovingTheComma(const QString &multiplier, const QString &factor)
{
    const qsizetype shift = multiplier.size() - 1;
    QString whole = factor.section(QLatin1Char(','), 0, 0);
    QString fraction = factor.section(QLatin1Char(','), 1).leftJustified(shift, QLatin1Char('0'));
    whole += fraction.left(shift);
    fraction.remove(0, shift);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    return fraction.isEmpty() ? whole : whole + QLatin1Char(',') + fraction;
}
