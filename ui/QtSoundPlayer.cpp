#include "ui/QtSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject *parent) : QObject(parent)
{
}

QSoundEffect *QtSoundPlayer::effectFor(const QString &path)
{
    // Each cue keeps its own loaded effect, so replaying it is instant.
    const QString name = QStringLiteral("cue:") + path;
    if (auto *known = findChild<QSoundEffect *>(name, Qt::FindDirectChildrenOnly))
        return known;
    auto *effect = new QSoundEffect(this);
    effect->setObjectName(name);
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

void QtSoundPlayer::play(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return;
    if (m_playing)
        m_playing->stop();
    m_playing = effectFor(path);
    m_playing->play();
}
