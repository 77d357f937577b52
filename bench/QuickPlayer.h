#pragma once

#include <QObject>
#include <QTimer>

// A player who answers the game's boxes the moment they open: types a name
// into the name box and closes every message.
class QuickPlayer : public QObject
{
    Q_OBJECT

public:
    explicit QuickPlayer(QString name, QObject *parent = nullptr);

    // Stops looking for boxes, so the game idles undisturbed.
    void stop() { m_poll.stop(); }

private:
    void answerOpenBox();

    QString m_name;
    QTimer m_poll;
};
