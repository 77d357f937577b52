#include "ui/LazySoundPlayer.h"

#include <QFileInfo>

namespace {
using CreatePlayer = SoundPlayer *(*)();
} // namespace

LazySoundPlayer::LazySoundPlayer(const QString &programFolder)
    : m_module(programFolder + QLatin1Char('/') + moduleFileName())
{
}

LazySoundPlayer::~LazySoundPlayer() = default;

QString LazySoundPlayer::moduleFileName()
{
    return QStringLiteral("tavola_sound.so");
}

void LazySoundPlayer::play(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return;
    if (SoundPlayer *player = loadedPlayer())
        player->play(path);
}

SoundPlayer *LazySoundPlayer::loadedPlayer()
{
    if (!m_loadTried) {
        m_loadTried = true;
        if (auto create = reinterpret_cast<CreatePlayer>(m_module.resolve("tavola_create_sound_player")))
            m_player.reset(create());
    }
    return m_player.get();
}
