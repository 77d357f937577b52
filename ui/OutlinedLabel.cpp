#include "ui/OutlinedLabel.h"

#include <QPainter>
#include <QPainterPath>

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
    const QFontMetrics metrics = fontMetrics();
    const QRect textRect = metrics.boundingRect(area, int(alignment()), text());
    QPainterPath outline;
    outline.addText(textRect.left(), textRect.top() + metrics.ascent(), font(), text());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(outline, QPen(outlineColour(), outlineWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(textRect, int(alignment()), text());
}
