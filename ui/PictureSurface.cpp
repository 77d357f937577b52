#include "ui/PictureSurface.h"

#include <QPainter>
#include <QPaintEvent>

PictureSurface::PictureSurface(const QPixmap &picture, QWidget *parent)
    : QWidget(parent), m_picture(picture), m_colour(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void PictureSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_colour);
    painter.drawPixmap(0, 0, m_picture);
}
