#pragma once

#include "ui/FitLabel.h"

// A label that shows each line of its text (a line ends at CR LF, LF or CR)
// and grows to the right and down to show them, within its room: a line
// wider than the room is elided, and the lines below the room's foot are left
// out, the last one shown ending in an ellipsis. The text itself stays whole.
class LinesLabel : public FitLabel
{
    Q_OBJECT

public:
    // The room is the size the label may take from its designed corner.
    LinesLabel(const QSize &emptySize, const QSize &room, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    Shown shown() const override;

    // The lines of a text, without the end of the last one.
    static QStringList linesOf(const QString &text);

private:
    QSize m_room;
};
