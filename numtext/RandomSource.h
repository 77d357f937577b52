#pragma once

// The game's random sequence, behind an interface so the problems can be
// chosen in tests.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // k / 16777216 for a whole k from 0 to 16777215, each equally likely.
    virtual float NextRandom() = 0;
    // Restarts the sequence from the time of day.
    virtual void Reseed() = 0;
};
