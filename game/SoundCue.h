#pragma once

#include <QString>

// The two sounds that greet an answer.
enum class SoundCue { Right, Wrong };

// Full path of a cue's wave file, in "suoni" beside the program.
inline QString soundCuePath(const QString &programFolder, SoundCue cue)
{
    return programFolder
        + (cue == SoundCue::Right ? QStringLiteral("/suoni/Esatto.wav") : QStringLiteral("/suoni/no.wav"));
}
