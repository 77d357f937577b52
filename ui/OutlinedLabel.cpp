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
    if (event->type() == QEvent::FontChange)
        m_shaped.clear();
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
    const Shown lines = shown();
    painter.setFont(lines.font);

    // The outline is the text itself drawn around its place in the outline
    // shade, at whole-pixel offsets so the glyphs come from the cache: the
    // clock's repaint every second stays cheap.
    const QFontMetrics metrics(lines.font);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int width = outlineWidth();
    const int diagonal = qRound(width * 0.7071);
    const QColor outline = outlineColour();
    const QColor ink = palette().color(foregroundRole());
    int top = area.top();
    for (const QStaticText &shaped : shapedLines(lines)) {
        const QRect row(area.left(), top, area.width(), metrics.height());
        const QPoint origin = QStyle::alignedRect(layoutDirection(), alignment(), shaped.size().toSize(), row).topLeft();
        painter.setPen(outline);
        for (const QPoint offset : {QPoint(-width, 0), QPoint(width, 0), QPoint(0, -width), QPoint(0, width),
                                    QPoint(-diagonal, -diagonal), QPoint(diagonal, -diagonal),
                                    QPoint(-diagonal, diagonal), QPoint(diagonal, diagonal)}) {
            painter.drawStaticText(origin + offset, shaped);
        }
        painter.setPen(ink);
        painter.drawStaticText(origin, shaped);
        top += metrics.lineSpacing();
    }
}
