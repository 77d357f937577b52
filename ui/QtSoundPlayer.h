#pragma once

#include "game/SoundPlayer.h"

#include <QObject>

class QSoundEffect;

// Plays the game's wave files with Qt Multimedia, one at a time.
class QtSoundPlayer : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit QtSoundPlayer(QObject *parent = nullptr);

    void play(const QString &path) override;

private:
    QSoundEffect *effectFor(const QString &path);

    QSoundEffect *m_playing = nullptr;
};
