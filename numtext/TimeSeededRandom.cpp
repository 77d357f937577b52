#include "numtext/TimeSeededRandom.h"

#include <QTime>

#include <bit>

TimeSeededRandom::TimeSeededRandom(TimeOfDay secondsSinceMidnight)
    : m_secondsSinceMidnight(std::move(secondsSinceMidnight))
{
}

float TimeSeededRandom::NextRandom()
{
    return valueOf(m_draw(m_engine));
}

void TimeSeededRandom::Reseed()
{
    // Every bit of the time, fraction included, goes into the seed.
    const auto bits = std::bit_cast<uint64_t>(m_secondsSinceMidnight());
    std::seed_seq seed{uint32_t(bits), uint32_t(bits >> 32)};
    m_engine.seed(seed);
    m_draw.reset();
}

float TimeSeededRandom::valueOf(uint32_t k)
{
    return float(k) / 16777216.0f;
}

double TimeSeededRandom::currentTimeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
