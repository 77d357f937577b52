#include "PupilArithmetic.h"

namespace {

void dropTrailingZeros(QString &fraction)
{
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
}

QString joined(const QString &whole, const QString &fraction)
{
    return fraction.isEmpty() ? whole : whole + QLatin1Char(',') + fraction;
}

} // namespace

QString productByMovingTheComma(const QString &multiplier, const QString &factor)
{
    const qsizetype shift = multiplier.size() - 1;
    QString whole = factor.section(QLatin1Char(','), 0, 0);
    QString fraction = factor.section(QLatin1Char(','), 1).leftJustified(shift, QLatin1Char('0'));
    whole += fraction.left(shift);
    fraction.remove(0, shift);
    dropTrailingZeros(fraction);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    return joined(whole, fraction);
}

QString decimalText(qint64 units, int decimals, bool keepZeros)
{
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    QString fraction = QString::number(units % scale).rightJustified(decimals, QLatin1Char('0'));
    if (!keepZeros)
        dropTrailingZeros(fraction);
    return joined(QString::number(units / scale), fraction);
}
