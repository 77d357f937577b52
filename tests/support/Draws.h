#pragma once

// The random draws that pose a chosen problem: the factor draw and the kind
// draw, in the order the game takes them.
struct Draws
{
    float factor;
    float kind;
};

// A kind draw that lands in the middle of the wanted caseDraw.
constexpr float kindDrawFor(int caseDraw)
{
    return (caseDraw + 0.5f) / 60.0f;
}

// A factor draw that gives the wanted factor before it is cut.
constexpr float factorDrawFor(double factor)
{
    return static_cast<float>((factor - 1) / 50);
}

// The largest value the random source gives.
inline constexpr float largestDraw = 16777215.0f / 16777216.0f;

// Problems of the worked examples.
inline constexpr Draws problem268{factorDrawFor(26.847), kindDrawFor(5)};     // 10 x 26,8
inline constexpr Draws problem234_7{factorDrawFor(23.479), kindDrawFor(15)};  // 10 x 23,47
inline constexpr Draws problem16100{factorDrawFor(16.19), kindDrawFor(35)};   // 1000 x 16,1
inline constexpr Draws problem10_6{factorDrawFor(1.0625), kindDrawFor(15)};   // 10 x 1,06
