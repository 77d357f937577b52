#pragma once

#include <QPixmap>
#include <QWidget>

// The yardstick: a plain Qt window that shows the game's background picture
// and nothing else.
class BareWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BareWindow(const QString &picturePath, QWidget *parent = nullptr);

    bool hasPicture() const { return !m_picture.isNull(); }

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
