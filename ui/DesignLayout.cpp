#include "ui/DesignLayout.h"

#include <QWidget>

DesignLayout::DesignLayout(const QSize &clientSize, QWidget *surface) : QLayout(surface), m_clientSize(clientSize)
{
    setContentsMargins(0, 0, 0, 0);
}

DesignLayout::~DesignLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void DesignLayout::addPlaced(QWidget *control, const QRect &place)
{
    add(control, place, false);
}

void DesignLayout::addFitting(QWidget *control, const QPoint &topLeft)
{
    add(control, QRect(topLeft, QSize()), true);
}

void DesignLayout::add(QWidget *control, const QRect &place, bool fits)
{
    addChildWidget(control);
    m_placements.append({new QWidgetItem(control), place, fits});
    invalidate();
}

void DesignLayout::addItem(QLayoutItem *item)
{
    m_placements.append({item, item->geometry(), false});
    invalidate();
}

QLayoutItem *DesignLayout::itemAt(int index) const
{
    return index >= 0 && index < m_placements.size() ? m_placements.at(index).item : nullptr;
}

QLayoutItem *DesignLayout::takeAt(int index)
{
    return index >= 0 && index < m_placements.size() ? m_placements.takeAt(index).item : nullptr;
}

int DesignLayout::count() const
{
    return int(m_placements.size());
}

QSize DesignLayout::sizeHint() const
{
    return m_clientSize;
}

QSize DesignLayout::minimumSize() const
{
    return m_clientSize;
}

void DesignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    placeAll();
}

void DesignLayout::invalidate()
{
    QLayout::invalidate();
    // A control that asks for a new size gets it now, not on a later pass of
    // the event loop: the game reads and writes labels within one handler.
    placeAll();
}

void DesignLayout::placeAll()
{
    for (const Placement &placement : std::as_const(m_placements)) {
        QWidget *control = placement.item->widget();
        if (!control)
            continue;
        if (placement.fits)
            control->setGeometry(QRect(placement.place.topLeft(), control->sizeHint()));
        else
            control->setGeometry(placement.place);
    }
}
