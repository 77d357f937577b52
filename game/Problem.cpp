#include "game/Problem.h"

#include "numtext/NumText.h"

#include <cmath>

namespace {

// A whole factor comes out of its pattern with a bare comma ("7,"): show it as "7".
QString withoutBareComma(const QString &factorText)
{
    for (int n = 1; n <= 50; ++n) {
        if (factorText == QString::number(n) + QLatin1Char(','))
            return QString::number(n);
    }
    return factorText;
}

} // namespace

Problem Problem::pose(int16_t caseDraw, double drawnFactor)
{
    const ProblemKind &kind = problemKindFor(caseDraw);
    const double scale = std::pow(10.0, kind.decimals);

    Problem problem;
    problem.caseDraw = caseDraw;
    problem.multiplier = kind.multiplier;
    problem.operand = numtext::TruncateFraction(drawnFactor * scale) / scale;
    problem.multiplierText = numtext::FormatByPattern(problem.multiplier, QStringLiteral("#0"));
    problem.operandText = withoutBareComma(numtext::FormatByPattern(problem.operand, QString::fromLatin1(kind.pattern)));
    problem.expectedAnswer = static_cast<double>(problem.multiplier) * problem.operand;
    return problem;
}
