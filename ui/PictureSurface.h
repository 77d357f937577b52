#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The window's client area: a picture drawn unscaled from the top-left corner
// over a plain colour, which shows wherever the picture does not reach.
class PictureSurface : public QWidget
{
    Q_OBJECT

public:
    PictureSurface(const QPixmap &picture, QWidget *parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QColor m_colour;
};
