#pragma once

#include "contracts/ToolkitServices.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <optional>

// A typeface at the size and style the window was designed with.
struct DesignFace
{
    QString family{};
    qreal points = 0;
    bool bold = false;
    bool italic = false;

    QFont font() const;
};

// How one control of the window looks as designed: where it stands, its
// typeface, colours, frame, text and tooltip.
struct ControlDesign
{
    // The widget that carries the control.
    enum class Kind { Label, Box, Button };

    QString name{};
    Kind kind = Kind::Label;
    // The name the game logic reaches the control by, if it reaches it.
    std::optional<Control> control{};
    // The fixed text of a label the game logic never touches.
    QString text{};
    // Left, top, width and height in twips.
    QRect twips{};
    DesignFace face{};
    QColor ink{};
    // No colour: the picture behind shows through.
    QColor paper{};
    bool border = false;
    // How the control's size follows its text.
    enum class Sizing {
        // Keeps the designed place and size.
        Fixed,
        // Takes the size its one-line text needs, keeping left and top.
        FitsText,
        // Centred on its designed place, it widens about its centre, then wraps
        // its text, then draws it smaller, all within its room.
        WrapsAboutCentre,
        // Shows each line of its text, from its left and top, within its room.
        Lines,
    };
    Sizing sizing = Sizing::Fixed;
    // Where a growing control may spread, in twips; none: the client area.
    QRect roomTwips{};
    Qt::Alignment alignment = Qt::AlignLeft;
    QString toolTip{};
    // The pointer shows the small square inside a square.
    bool squarePointer = false;
    // The control before it on its row, which it moves right to stay clear of.
    QString after{};

    // The text the control shows before the game gives it one.
    QString designedText() const;
    // The place in pixels at the usual 96 dots per inch.
    QRect place() const;
    // The room in pixels; the given client area when none is designed.
    QRect room(const QRect &clientArea) const;
};

// Every text control of the window, in reading order: top to bottom, each
// heading just before what it heads. Nothing overlaps, so this is also the
// order they are drawn in.
const QList<ControlDesign> &controlDesigns();

// A place designed in twips, in pixels: 15 twips make one pixel.
QRect fromTwips(const QRect &twips);
