#include "ui/FeedbackLabel.h"

#include <QTextLayout>

namespace {

// The smallest the feedback is drawn, in points.
constexpr qreal smallestPoints = 12;

// The text broken into lines no wider than the width: between words where it
// can, anywhere in a word too long for a line.
QStringList wrapped(const QString &text, const QFont &font, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    // The blank where a line breaks is not drawn.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        while (lines[i].endsWith(u' '))
            lines[i].chop(1);
    }
    return lines;
}

int heightOf(const QFontMetrics &metrics, qsizetype lines)
{
    return metrics.height() + int(lines - 1) * metrics.lineSpacing();
}

} // namespace

FeedbackLabel::FeedbackLabel(const QSize &room, QWidget *parent) : OutlinedLabel(parent), m_room(room)
{
}

OutlinedLabel::Shown FeedbackLabel::shown() const
{
    if (m_laidOutText != text() || m_laidOutFont != font()) {
        m_laidOut = layOut();
        m_laidOutText = text();
        m_laidOutFont = font();
    }
    return m_laidOut;
}

OutlinedLabel::Shown FeedbackLabel::layOut() const
{
    // The outline and the slant of the last letter reach past the text.
    const int width = m_room.width() - 2 * (frameRoom() + outlineWidth());
    const int height = m_room.height() - 2 * frameRoom();
    for (qreal points = font().pointSizeF(); points >= smallestPoints; points -= 1) {
        QFont face = font();
        face.setPointSizeF(points);
        const QStringList lines = wrapped(text(), face, width);
        if (heightOf(QFontMetrics(face), lines.size()) <= height)
            return {face, lines};
    }
    return {font(), {QFontMetrics(font()).elidedText(text(), Qt::ElideMiddle, width)}};
}

QSize FeedbackLabel::sizeHint() const
{
    const Shown lines = shown();
    const QFontMetrics metrics(lines.font);
    int width = 0;
    for (const QString &line : lines.lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    const int room = frameRoom() + outlineWidth();
    return QSize(width, heightOf(metrics, lines.lines.size())).grownBy(QMargins(room, frameRoom(), room, frameRoom()));
}

QSize FeedbackLabel::minimumSizeHint() const
{
    return sizeHint();
}
