#pragma once

#include "game/SoundPlayer.h"

#include <QObject>
#include <QStringList>
#include <map>

class QSoundEffect;

// Plays the game's wave files with Qt Multimedia, in the background and one
// at a time. Only loaded files play: any other stays silent.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject *parent = nullptr);

    // Loads each file that exists, so that it later starts at once.
    void load(const QStringList &paths);
    // Stops the cue that plays, then plays the loaded file from its start.
    void play(const QString &path) override;

    // The loaded sound of a file, or none.
    QSoundEffect *cue(const QString &path) const;

private:
    std::map<QString, QSoundEffect *> m_cues;
    QSoundEffect *m_playing = nullptr;
};
