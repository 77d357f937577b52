#pragma once

#include <QString>

// Plays a wave file in the background; silent when it cannot.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; a new sound cuts off the last one.
    virtual void play(const QString &path) = 0;
};
