#pragma once

#include "numtext/RandomSource.h"

#include <QList>

// A random source that gives chosen values, in order, and counts reseeds.
class ScriptedRandom : public RandomSource
{
public:
    QList<float> values;
    int reseeds = 0;

    float NextRandom() override { return values.isEmpty() ? 0.0f : values.takeFirst(); }
    void Reseed() override { ++reseeds; }
};
