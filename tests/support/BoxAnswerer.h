#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

// Answers the game's boxes the moment they open, at the keyboard as a quick
// player would: types the name into the name box and presses Enter (or
// Escape, to cancel it), and closes every message with Enter.
class BoxAnswerer : public QObject
{
public:
    // A box as it was answered.
    struct Box
    {
        QString title;
        QString text;
        // Whether the game's window was on screen at the time.
        bool windowShown = false;
    };

    explicit BoxAnswerer(QString name, QObject *parent = nullptr);

    // Escape in the name box instead of the name.
    void cancelName() { m_cancelName = true; }

    // Every box answered, in order; the texts of the message boxes, and the
    // titles of all.
    QList<Box> boxes;
    QStringList messages;
    QStringList titles;
    // Told of each box once it has been answered.
    std::function<void(const Box &)> answered;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answer(QWidget *box);

    QString m_name;
    bool m_cancelName = false;
};
