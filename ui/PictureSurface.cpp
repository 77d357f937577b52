#include "ui/PictureSurface.h"

#include <QHash>
#include <QPainter>
#include <QPaintEvent>

namespace {

// The picture at the path, decoded once for the whole program.
std::shared_future<QImage> decodedOnce(const QString &path)
{
    static QHash<QString, std::shared_future<QImage>> decoded;
    auto found = decoded.find(path);
    if (found == decoded.end())
        found = decoded.insert(path, std::async(std::launch::async, [path] { return QImage(path); }).share());
    return *found;
}

} // namespace

PictureSurface::PictureSurface(const QString &picturePath, QWidget *parent)
    : QWidget(parent), m_picture(decodedOnce(picturePath)), m_colour(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureSurface::setColour(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    // The colour shows only where an opaque picture does not reach.
    const QImage &picture = m_picture.get();
    update(picture.hasAlphaChannel() ? QRegion(rect()) : QRegion(rect()).subtracted(picture.rect()));
}

void PictureSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_colour);
    painter.drawImage(0, 0, m_picture.get());
}
