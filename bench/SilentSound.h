#pragma once

#include "game/SoundPlayer.h"

// A sound player that plays nothing: sound is the platform's work, not the game's.
class SilentSound : public SoundPlayer
{
public:
    void play(const QString &) override {}
};
