#include "ui/DesignLayout.h"

#include <QWidget>

#include <algorithm>

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
    add(control, place, Sizing::Fixed);
}

void DesignLayout::addFitting(QWidget *control, const QPoint &topLeft)
{
    add(control, QRect(topLeft, QSize()), Sizing::FitsText);
}

void DesignLayout::addWidening(QWidget *control, const QRect &place)
{
    add(control, place, Sizing::WidensAboutCentre);
}

void DesignLayout::add(QWidget *control, const QRect &place, Sizing sizing)
{
    addChildWidget(control);
    m_placements.append({new QWidgetItem(control), place, sizing});
    invalidate();
}

void DesignLayout::addItem(QLayoutItem *item)
{
    m_placements.append({item, item->geometry(), Sizing::Fixed});
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
        switch (placement.sizing) {
        case Sizing::Fixed:
            control->setGeometry(placement.place);
            break;
        case Sizing::FitsText:
            control->setGeometry(QRect(placement.place.topLeft(), control->sizeHint()));
            break;
        case Sizing::WidensAboutCentre:
            control->setGeometry(widenedToText(*control, placement.place));
            break;
        }
    }
}

QRect DesignLayout::widenedToText(const QWidget &control, const QRect &place) const
{
    // The feedback with a long name keeps both its ends in sight.
    const int needed = control.sizeHint().width();
    if (needed <= place.width())
        return place;
    const int width = std::min(needed, m_clientSize.width());
    const int left = std::clamp(place.center().x() - width / 2, 0, m_clientSize.width() - width);
    return {left, place.top(), width, place.height()};
}
