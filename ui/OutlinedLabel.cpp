#include "ui/OutlinedLabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

OutlinedLabel::OutlinedLabel(QWidget *parent) : QLabel(parent)
{
}

OutlinedLabel::Shown OutlinedLabel::shown() const
{
    return {font(), {text()}};
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
        m_shaped.clear();
        m_outline = QImage();
    }
}

const QList<QStaticText> &OutlinedLabel::shapedLines(const Shown &shown)
{
    const bool same = m_shapedFont == shown.font && m_shaped.size() == shown.lines.size()
                      && std::equal(m_shaped.cbegin(), m_shaped.cend(), shown.lines.cbegin(),
                                    [](const QStaticText &shaped, const QString &line) { return shaped.text() == line; });
    if (!same) {
        m_shaped.clear();
        for (const QString &line : shown.lines) {
            QStaticText shaped(line);
            shaped.setTextFormat(Qt::PlainText);
            shaped.prepare(QTransform(), shown.font);
            m_shaped << shaped;
        }
        m_shapedFont = shown.font;
        m_outline = QImage();
    }
    return m_shaped;
}

QList<QPoint> OutlinedLabel::lineOrigins(const QList<QStaticText> &lines, const QFont &font) const
{
    const QFontMetrics metrics(font);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    QList<QPoint> origins;
    int top = area.top();
    for (const QStaticText &line : lines) {
        const QRect row(area.left(), top, area.width(), metrics.height());
        origins << QStyle::alignedRect(layoutDirection(), alignment(), line.size().toSize(), row).topLeft();
        top += metrics.lineSpacing();
    }
    return origins;
}

const QImage &OutlinedLabel::outline(const QList<QStaticText> &lines, const QList<QPoint> &origins, const QFont &font,
                                     int room)
{
    const QColor shade = outlineColour();
    const qreal ratio = devicePixelRatioF();
    const QSize pictureSize = (size() + QSize(2 * room, 2 * room)) * ratio;
    if (m_outline.size() == pictureSize && m_outlineOrigins == origins && m_outlineShade == shade)
        return m_outline;
    m_outlineOrigins = origins;
    m_outlineShade = shade;

    // The text is drawn once in the outline shade, then that picture around
    // its place at whole-pixel offsets: the same strokes as drawing the text
    // itself at each offset, at a fraction of the cost of the clock's repaint
    // every second.
    QImage text(pictureSize, QImage::Format_ARGB32_Premultiplied);
    text.setDevicePixelRatio(ratio);
    text.fill(Qt::transparent);
    QPainter textPainter(&text);
    textPainter.setFont(font);
    textPainter.setPen(shade);
    for (qsizetype i = 0; i < lines.size(); ++i)
        textPainter.drawStaticText(origins.at(i) + QPoint(room, room), lines.at(i));
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
    const Shown lines = shown();
    const QList<QStaticText> &shaped = shapedLines(lines);
    const QList<QPoint> origins = lineOrigins(shaped, lines.font);
    // Room around the text for its strokes and for glyphs that lean out of
    // their boxes.
    const int room = outlineWidth() + QFontMetrics(lines.font).height() / 4;
    painter.drawImage(QPoint(-room, -room), outline(shaped, origins, lines.font, room));
    painter.setFont(lines.font);
    painter.setPen(palette().color(foregroundRole()));
    for (qsizetype i = 0; i < shaped.size(); ++i)
        painter.drawStaticText(origins.at(i), shaped.at(i));
}
