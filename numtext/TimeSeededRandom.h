#pragma once

#include "numtext/RandomSource.h"

#include <cstdint>
#include <functional>
#include <random>

// The game's random source: a Mersenne Twister restarted from the time of day.
class TimeSeededRandom : public RandomSource
{
public:
    // Gives the seconds since midnight, with their fraction.
    using TimeOfDay = std::function<double()>;

    explicit TimeSeededRandom(TimeOfDay secondsSinceMidnight = currentTimeOfDay);

    float NextRandom() override;
    void Reseed() override;

    // The value drawn for the whole number k, 0 to 16777215.
    static float valueOf(uint32_t k);

private:
    static double currentTimeOfDay();

    TimeOfDay m_secondsSinceMidnight;
    std::mt19937 m_engine;
    std::uniform_int_distribution<uint32_t> m_draw{0, 16777215};
};
