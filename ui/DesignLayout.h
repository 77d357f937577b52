#pragma once

#include <QLayout>
#include <QList>

// Keeps every control of a fixed design at its designed place. A control
// placed by its corner alone takes the size it asks for, and takes it as soon
// as it asks, so a label that is given a longer text grows at once.
class DesignLayout : public QLayout
{
    Q_OBJECT

public:
    // The surface keeps at least the designed size of the client area.
    DesignLayout(const QSize &clientSize, QWidget *surface);
    ~DesignLayout() override;

    // Keeps the control at the given place and size.
    void addPlaced(QWidget *control, const QRect &place);
    // Keeps the control's top-left corner at the given point.
    void addFitting(QWidget *control, const QPoint &topLeft);
    // Keeps a centred label at the given place, widened evenly on both sides
    // while its text is longer than the place.
    void addWidening(QWidget *control, const QRect &place);

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
    };

    void add(QWidget *control, const QRect &place, Sizing sizing);
    void placeAll();
    QRect widenedToText(const QWidget &control, const QRect &place) const;

    QList<Placement> m_placements;
    QSize m_clientSize;
};
