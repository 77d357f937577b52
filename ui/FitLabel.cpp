#include "ui/FitLabel.h"

FitLabel::FitLabel(const QSize &emptySize, QWidget *parent) : OutlinedLabel(parent), m_emptySize(emptySize)
{
}

QSize FitLabel::sizeHint() const
{
    return text().isEmpty() ? m_emptySize : QLabel::sizeHint();
}

QSize FitLabel::minimumSizeHint() const
{
    return sizeHint();
}
