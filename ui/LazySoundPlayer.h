#pragma once

#include "game/SoundPlayer.h"

#include <QLibrary>
#include <memory>

// Plays the cues through the sound module beside the program, loaded the
// first time a cue plays, so that starting the game does not wait for the
// sound system. Without the module or the file, the game stays silent.
class LazySoundPlayer : public SoundPlayer
{
public:
    explicit LazySoundPlayer(const QString &programFolder);
    ~LazySoundPlayer() override;

    void play(const QString &path) override;

    // The module's file name, beside the program.
    static QString moduleFileName();

private:
    SoundPlayer *loadedPlayer();

    QLibrary m_module;
    bool m_loadTried = false;
    std::unique_ptr<SoundPlayer> m_player;
};
