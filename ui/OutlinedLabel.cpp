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
    if (event->type() == QEvent::FontChange) {
        m_shaped = QStaticText();
        m_outline = QImage();
    }
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

const QImage &OutlinedLabel::outline(const QStaticText &shaped, int room)
{
    const QColor shade = outlineColour();
    if (!m_outline.isNull() && m_outlineText == shaped.text() && m_outlineShade == shade)
        return m_outline;
    m_outlineText = shaped.text();
    m_outlineShade = shade;

    // The text is drawn once in the outline shade, then that picture around
    // its place at whole-pixel offsets: the same strokes as drawing the text
    // itself at each offset, at a fraction of the cost of the clock's repaint
    // every second.
    const qreal ratio = devicePixelRatioF();
    QImage text((shaped.size().toSize() + QSize(2 * room, 2 * room)) * ratio, QImage::Format_ARGB32_Premultiplied);
    text.setDevicePixelRatio(ratio);
    text.fill(Qt::transparent);
    QPainter textPainter(&text);
    textPainter.setFont(font());
    textPainter.setPen(shade);
    textPainter.drawStaticText(QPoint(room, room), shaped);
    textPainter.end();

    m_outline = QImage(text.size(), text.format());
    m_outline.setDevicePixelRatio(ratio);
    m_outline.fill(Qt::transparent);
    QPainter outlinePainter(&m_outline);
    const int width = outlineWidth();
    const int diagonal = qRound(width * 0.7071);
    for (const QPoint offset : {QPoint(-width, 0), QPoint(width, 0), QPoint(0, -width), QPoint(0, width),
                                QPoint(-diagonal, -diagonal), QPoint(diagonal, -diagonal),
                                QPoint(-diagonal, diagonal), QPoint(diagonal, diagonal)}) {
        outlinePainter.drawImage(offset, text);
    }
    return m_outline;
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

    const QStaticText &shaped = shapedText();
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QPoint origin = QStyle::alignedRect(layoutDirection(), alignment(), shaped.size().toSize(), area).topLeft();
    // Room around the text for its strokes and for glyphs that lean out of
    // their boxes.
    const int room = outlineWidth() + fontMetrics().height() / 4;
    painter.drawImage(origin - QPoint(room, room), outline(shaped, room));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawStaticText(origin, shaped);
}
