#pragma once

#include "game/SoundPlayer.h"

#include <QStringList>

// A sound player that only notes what it was asked to play.
class RecordingSound : public SoundPlayer
{
public:
    QStringList played;
    void play(const QString &path) override { played << path; }
};
