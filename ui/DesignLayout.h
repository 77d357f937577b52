#pragma once

#include <QLayout>
#include <QList>

// Keeps every control of a fixed design at its designed place. A control
// placed by its corner alone takes the size it asks for, and takes it as soon
// as it asks, so a label that is given a longer text grows at once. A growing
// control stays within its room, and a control that follows another on its
// row moves right to stay clear of it.
class DesignLayout : public QLayout
{
    Q_OBJECT

public:
    // The surface keeps at least the designed size of the client area.
    DesignLayout(const QSize &clientSize, QWidget *surface);
    ~DesignLayout() override;

    // The client area as designed, from the surface's top-left corner.
    QRect clientArea() const { return {QPoint(0, 0), m_clientSize}; }

    // Keeps the control at the given place and size.
    void addPlaced(QWidget *control, const QRect &place);
    // Keeps the control's top-left corner at the given point; it takes the
    // size it asks for, as far as the room reaches.
    void addFitting(QWidget *control, const QPoint &topLeft, const QRect &room);
    // Keeps a centred control at the given place, widened evenly on both
    // sides while it asks for more, as far as the room reaches.
    void addWidening(QWidget *control, const QRect &place, const QRect &room);
    // Moves the control right of one added before it, when that one has
    // grown into its place.
    void keepClearOf(QWidget *control, QWidget *before);

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    void invalidate() override;

private:
    enum class Sizing { Fixed, FitsText, WidensAboutCentre };

    // One control and where it belongs.
    struct Placement
    {
        QLayoutItem *item = nullptr;
        QRect place;
        Sizing sizing = Sizing::Fixed;
        QRect room;
        QWidget *after = nullptr;
    };

    void add(QWidget *control, const QRect &place, Sizing sizing, const QRect &room);
    void placeAll();
    static QRect sized(const QWidget &control, const Placement &placement);
    static QRect fittedInRoom(const QWidget &control, const Placement &placement);
    static QRect widenedInRoom(const QWidget &control, const Placement &placement);

    QList<Placement> m_placements;
    QSize m_clientSize;
};
