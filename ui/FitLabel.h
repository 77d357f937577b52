#pragma once

#include "ui/OutlinedLabel.h"

// A label as large as its one-line text needs. Placed by its top-left corner,
// a longer text makes it grow to the right and down; with no text it keeps
// the size it was designed with, so a framed label stays a small empty box.
class FitLabel : public OutlinedLabel
{
    Q_OBJECT

public:
    FitLabel(const QSize &emptySize, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize m_emptySize;
};
