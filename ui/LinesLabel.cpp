#include "ui/LinesLabel.h"

#include <QRegularExpression>

LinesLabel::LinesLabel(const QSize &emptySize, const QSize &room, QWidget *parent)
    : FitLabel(emptySize, parent), m_room(room)
{
}

QStringList LinesLabel::linesOf(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

OutlinedLabel::Shown LinesLabel::shown() const
{
    const QFontMetrics metrics(font());
    const int width = m_room.width() - 2 * frameRoom();
    const int height = m_room.height() - 2 * frameRoom();
    const int fitting = qMax(1, 1 + (height - metrics.height()) / metrics.lineSpacing());

    QStringList lines = linesOf(text());
    if (lines.size() > fitting) {
        lines.resize(fitting);
        lines.last() += QChar(0x2026);
    }
    // A line elided keeps an ellipsis at its end, so the mark of the lines
    // left out stays.
    for (QString &line : lines)
        line = metrics.elidedText(line, Qt::ElideRight, width);
    return {font(), lines};
}

QSize LinesLabel::sizeHint() const
{
    if (text().isEmpty())
        return FitLabel::sizeHint();
    const Shown lines = shown();
    const QFontMetrics metrics(lines.font);
    int width = 0;
    for (const QString &line : lines.lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    const int height = metrics.height() + int(lines.lines.size() - 1) * metrics.lineSpacing();
    return QSize(width, height).grownBy(QMargins(frameRoom(), frameRoom(), frameRoom(), frameRoom()));
}
