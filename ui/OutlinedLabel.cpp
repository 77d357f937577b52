#include "ui/OutlinedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

OutlinedLabel::OutlinedLabel(QWidget *parent) : QLabel(parent)
{
}

QColor OutlinedLabel::outlineColour() const
{
    const QColor ink = palette().color(foregroundRole());
    const qreal luminance = 0.2126 * ink.redF() + 0.7152 * ink.greenF() + 0.0722 * ink.blueF();
    return luminance > 0.4 ? QColor(0, 0, 0, 200) : QColor(255, 255, 255, 220);
}

int OutlinedLabel::outlineWidth() const
{
    return qMax(2, qRound(QFontInfo(font()).pixelSize() / 10.0));
}

void OutlinedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        m_shaped = QStaticText();
}

const QStaticText &OutlinedLabel::shapedText()
{
    if (m_shaped.text() != text()) {
        m_shaped.setText(text());
        m_shaped.setTextFormat(Qt::PlainText);
        m_shaped.prepare(QTransform(), font());
    }
    return m_shaped;
}

void OutlinedLabel::paintEvent(QPaintEvent *event)
{
    if (autoFillBackground() || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(font());

    // The outline is the text itself drawn around its place in the outline
    // shade, at whole-pixel offsets so the glyphs come from the cache: the
    // clock's repaint every second stays cheap.
    const QStaticText &shaped = shapedText();
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QPoint origin = QStyle::alignedRect(layoutDirection(), alignment(), shaped.size().toSize(), area).topLeft();
    const int width = outlineWidth();
    const int diagonal = qRound(width * 0.7071);
    painter.setPen(outlineColour());
    for (const QPoint offset : {QPoint(-width, 0), QPoint(width, 0), QPoint(0, -width), QPoint(0, width),
                                QPoint(-diagonal, -diagonal), QPoint(diagonal, -diagonal),
                                QPoint(-diagonal, diagonal), QPoint(diagonal, diagonal)}) {
        painter.drawStaticText(origin + offset, shaped);
    }
    painter.setPen(palette().color(foregroundRole()));
    painter.drawStaticText(origin, shaped);
}
