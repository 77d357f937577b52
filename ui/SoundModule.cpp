#include "ui/QtSoundPlayer.h"

// The sound module's one entry: the game asks it for a player on its first cue.
extern "C" Q_DECL_EXPORT SoundPlayer *tavola_create_sound_player()
{
    return new QtSoundPlayer;
}
