#include "ui/QtSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject *parent) : QObject(parent)
{
}

void QtSoundPlayer::load(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (m_cues.contains(path) || !QFileInfo(path).isFile())
            continue;
        auto *effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        m_cues[path] = effect;
    }
}

QSoundEffect *QtSoundPlayer::cue(const QString &path) const
{
    const auto found = m_cues.find(path);
    return found == m_cues.end() ? nullptr : found->second;
}

void QtSoundPlayer::play(const QString &path)
{
    QSoundEffect *next = cue(path);
    if (!next)
        return;
    if (m_playing)
        m_playing->stop();
    m_playing = next;
    m_playing->play();
}
