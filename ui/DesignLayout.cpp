#include "ui/DesignLayout.h"

#include <QWidget>

#include <algorithm>

namespace {
// The room left between a control and the one it follows on its row.
constexpr int rowGap = 4;
} // namespace

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
    add(control, place, Sizing::Fixed, clientArea());
}

void DesignLayout::addFitting(QWidget *control, const QPoint &topLeft, const QRect &room)
{
    add(control, QRect(topLeft, QSize()), Sizing::FitsText, room);
}

void DesignLayout::addWidening(QWidget *control, const QRect &place, const QRect &room)
{
    add(control, place, Sizing::WidensAboutCentre, room);
}

void DesignLayout::keepClearOf(QWidget *control, QWidget *before)
{
    for (Placement &placement : m_placements) {
        if (placement.item->widget() == control)
            placement.after = before;
    }
    invalidate();
}

void DesignLayout::add(QWidget *control, const QRect &place, Sizing sizing, const QRect &room)
{
    addChildWidget(control);
    m_placements.append({new QWidgetItem(control), place, sizing, room});
    invalidate();
}

void DesignLayout::addItem(QLayoutItem *item)
{
    m_placements.append({item, item->geometry(), Sizing::Fixed, clientArea()});
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
    // In the order added, so a control that follows another is placed after it.
    for (const Placement &placement : std::as_const(m_placements)) {
        QWidget *control = placement.item->widget();
        if (!control)
            continue;
        QRect place = sized(*control, placement);
        if (placement.after)
            place.moveLeft(std::max(place.left(), placement.after->geometry().right() + 1 + rowGap));
        control->setGeometry(place);
    }
}

QRect DesignLayout::sized(const QWidget &control, const Placement &placement)
{
    switch (placement.sizing) {
    case Sizing::FitsText:
        return fittedInRoom(control, placement);
    case Sizing::WidensAboutCentre:
        return widenedInRoom(control, placement);
    case Sizing::Fixed:
        break;
    }
    return placement.place;
}

QRect DesignLayout::fittedInRoom(const QWidget &control, const Placement &placement)
{
    const QPoint corner = placement.place.topLeft();
    const QSize wanted = control.sizeHint();
    const QSize room(placement.room.right() + 1 - corner.x(), placement.room.bottom() + 1 - corner.y());
    return {corner, wanted.boundedTo(room)};
}

QRect DesignLayout::widenedInRoom(const QWidget &control, const Placement &placement)
{
    // The feedback with a long name keeps both its ends in sight.
    const QRect &place = placement.place;
    const QRect &room = placement.room;
    const QSize wanted = control.sizeHint();
    const int width = std::clamp(wanted.width(), place.width(), room.width());
    const int height = std::clamp(wanted.height(), place.height(), room.bottom() + 1 - place.top());
    const int left = std::clamp(place.center().x() - width / 2, room.left(), room.right() + 1 - width);
    return {left, place.top(), width, height};
}
