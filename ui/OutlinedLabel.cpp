#include "ui/OutlinedLabel.h"

#include <QPainter>

OutlinedLabel::OutlinedLabel(QWidget *parent) : QLabel(parent)
{
}

QColor OutlinedLabel::outlineColour() const
{
    const QColor ink = palette().color(foregroundRole());
    const qreal luminance = 0.2126 * ink.redF() + 0.7152 * ink.greenF() + 0.0722 * ink.blueF();
    return luminance > 0.4 ? QColor(0, 0, 0, 200) : QColor(255, 255, 255, 220);
}

qreal OutlinedLabel::outlineWidth() const
{
    return qMax(2.0, QFontInfo(font()).pixelSize() / 10.0);
}

void OutlinedLabel::paintEvent(QPaintEvent *event)
{
    if (autoFillBackground() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);

    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = int(alignment());
    // The outline is the text itself drawn around its place in the outline
    // shade: glyphs come from the cache, so the clock's repaint every second
    // stays cheap.
    const qreal width = outlineWidth();
    const qreal diagonal = width * 0.7071;
    painter.setPen(outlineColour());
    for (const QPointF offset : {QPointF(-width, 0), QPointF(width, 0), QPointF(0, -width), QPointF(0, width),
                                 QPointF(-diagonal, -diagonal), QPointF(diagonal, -diagonal),
                                 QPointF(-diagonal, diagonal), QPointF(diagonal, diagonal)}) {
        painter.drawText(QRectF(area).translated(offset), flags, text());
    }
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, flags, text());
}
