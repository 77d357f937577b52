#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <future>

// The window's client area: a picture drawn unscaled from the top-left corner
// over a plain colour, which shows wherever the picture does not reach.
// The picture is decoded on another thread from the moment the first surface
// is made, while the game asks the player's name, and is waited for only when
// it is first drawn; later surfaces share it.
class PictureSurface : public QWidget
{
    Q_OBJECT

public:
    PictureSurface(const QString &picturePath, QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_future<QImage> m_picture;
    QColor m_colour;
};
