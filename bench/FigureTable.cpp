#include "FigureTable.h"

#include <cstdio>

namespace {

std::string format(const char *pattern, double value, const std::string &unit = {})
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return unit.empty() ? text : std::string(text) + " " + unit;
}

void printRow(const std::string &name, const std::string &game, const std::string &bare, const std::string &ratio,
              const std::string &target, const std::string &verdict)
{
    std::printf("%-36s %12s %12s %7s %10s  %s\n", name.c_str(), game.c_str(), bare.c_str(), ratio.c_str(),
                target.c_str(), verdict.c_str());
}

} // namespace

void FigureTable::addCompared(const std::string &name, double game, double bare, const std::string &unit,
                              double maxRatio)
{
    const double ratio = game / bare;
    m_rows.push_back({name, format("%.1f", game, unit), format("%.1f", bare, unit), format("%.2f", ratio),
                      format("<= %.2f", maxRatio), verdictFor(ratio, maxRatio, true)});
}

void FigureTable::addLimited(const std::string &name, double value, const std::string &unit, double limit)
{
    m_rows.push_back({name, format("%.2f", value, unit), "-", "-", format("< %.0f", limit, unit),
                      verdictFor(value, limit, false)});
}

std::string FigureTable::verdictFor(double measured, double allowed, bool inclusive)
{
    const bool met = inclusive ? measured <= allowed : measured < allowed;
    if (met)
        return "met";
    return format("MISSED by %.0f%%", (measured / allowed - 1.0) * 100.0);
}

void FigureTable::print() const
{
    printRow("figure", "game", "bare window", "ratio", "target", "");
    for (const Row &row : m_rows)
        printRow(row.name, row.game, row.bare, row.ratio, row.target, row.verdict);
}
