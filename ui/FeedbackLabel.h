#pragma once

#include "ui/OutlinedLabel.h"

// The feedback line: centred on its designed place, a text too wide for it
// widens it about its centre within its room; a text too wide for the room
// wraps onto more lines, drawn smaller when the lines at full size would run
// below the room's foot. Only a text that fits in no way is elided, in its
// middle, so its start and its end always show. The text itself stays whole.
class FeedbackLabel : public OutlinedLabel
{
    Q_OBJECT

public:
    // The room is the widest and tallest the label may become.
    explicit FeedbackLabel(const QSize &room, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    Shown shown() const override;

private:
    Shown layOut() const;

    QSize m_room;
    // The last text laid out and how.
    mutable QString m_laidOutText;
    mutable QFont m_laidOutFont;
    mutable Shown m_laidOut;
};
