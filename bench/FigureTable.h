#pragma once

#include <string>
#include <vector>

// The benchmark's figures, each beside its yardstick and its target, printed
// as one table.
class FigureTable
{
public:
    // A figure of the game beside the same figure of the bare window; the
    // target is the highest ratio allowed.
    void addCompared(const std::string &name, double game, double bare, const std::string &unit, double maxRatio);
    // A figure with a limit of its own, which it must stay under.
    void addLimited(const std::string &name, double value, const std::string &unit, double limit);

    void print() const;

private:
    struct Row
    {
        std::string name;
        std::string game;
        std::string bare;
        std::string ratio;
        std::string target;
        std::string verdict;
    };

    static std::string verdictFor(double measured, double allowed, bool inclusive);

    std::vector<Row> m_rows;
};
