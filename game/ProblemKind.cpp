#include "game/ProblemKind.h"

#include <array>

namespace {

struct KindRange
{
    int16_t lastDraw;
    ProblemKind kind;
};

// Each kind takes the draws up to its last one.
constexpr std::array<KindRange, 6> kinds{{
    {10, {'A', 10, 1, "#.#"}},
    {20, {'B', 10, 2, "##.#0"}},
    {30, {'C', 100, 3, "#.###"}},
    {40, {'D', 1000, 1, "#.#"}},
    {50, {'E', 1000, 2, "#.##"}},
    {59, {'F', 100, 2, "#.##"}},
}};

} // namespace

const ProblemKind &problemKindFor(int16_t caseDraw)
{
    for (const KindRange &range : kinds) {
        if (caseDraw <= range.lastDraw)
            return range.kind;
    }
    return kinds.back().kind;
}
