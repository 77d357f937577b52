#include "ui/ControlDesign.h"

#include "contracts/DesignText.h"

using namespace Qt::StringLiterals;

namespace {

const QColor yellow(255, 255, 0);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor cyan(0, 255, 255);
const QColor silver(192, 192, 192);

const DesignFace arial48{u"Arial"_s, 48};
const DesignFace arial48Bold{u"Arial"_s, 48, true};
const DesignFace arial24{u"Arial"_s, 24};
const DesignFace arial24Bold{u"Arial"_s, 24, true};
const DesignFace arial20{u"Arial"_s, 20.25};
const DesignFace arial20Bold{u"Arial"_s, 20.25, true};
const DesignFace timesBold36{u"Times New Roman"_s, 36, true};
const DesignFace sansSerif9{u"MS Sans Serif"_s, 9.75};
const DesignFace sansSerifBold8{u"MS Sans Serif"_s, 8.25, true};
const DesignFace sansSerifBoldItalic24{u"MS Sans Serif"_s, 24, true, true};
const DesignFace arialBlackBold12{u"Arial Black"_s, 12, true};

QList<ControlDesign> designedControls()
{
    using Kind = ControlDesign::Kind;
    using Sizing = ControlDesign::Sizing;
    return {
        // The problem row: each piece keeps its designed place unless the one
        // before it has grown into it, and then moves right just enough.
        {.name = u"lblNum1"_s, .control = Control::lblNum1, .twips = {960, 0, 345, 1185}, .face = arial48Bold,
         .ink = blue, .paper = yellow, .border = true, .sizing = Sizing::FitsText, .alignment = Qt::AlignHCenter},
        {.name = u"Label2"_s, .text = u"X"_s, .twips = {2640, 0, 615, 975}, .face = arial48,
         .ink = yellow, .alignment = Qt::AlignHCenter, .after = u"lblNum1"_s},
        {.name = u"lblNum2"_s, .control = Control::lblNum2, .twips = {5280, 0, 345, 1185}, .face = arial48Bold,
         .ink = blue, .paper = yellow, .border = true, .sizing = Sizing::FitsText, .alignment = Qt::AlignHCenter,
         .after = u"Label2"_s},
        {.name = u"Label4"_s, .text = u"="_s, .twips = {6960, 0, 615, 975}, .face = arial48Bold,
         .ink = yellow, .alignment = Qt::AlignHCenter, .after = u"lblNum2"_s},
        {.name = u"txtAnswer"_s, .kind = Kind::Box, .control = Control::txtAnswer, .twips = {7800, 0, 5295, 1200},
         .face = arial48Bold, .ink = blue, .paper = yellow,
         .toolTip = u"Inserisci il risultato e  premi il tasto  Invio"_s, .after = u"Label4"_s},

        // The clock, and the feedback line beside it, which may take the room
        // from the clock to the window's edge, down to the headings.
        {.name = u"Label11"_s, .text = u"Tempo restante"_s, .twips = {0, 1320, 1575, 375}, .face = sansSerif9,
         .ink = yellow},
        {.name = u"lblconto"_s, .control = Control::lblconto, .twips = {0, 2280, 1575, 495},
         .face = arialBlackBold12, .ink = yellow, .border = true},
        {.name = u"lblMessage"_s, .control = Control::lblMessage, .twips = {1680, 2040, 6615, 615},
         .face = sansSerifBoldItalic24, .ink = red, .sizing = Sizing::WrapsAboutCentre,
         .roomTwips = {1620, 2040, 13020, 1320}, .alignment = Qt::AlignHCenter, .squarePointer = true},

        // The counts, each under its heading.
        {.name = u"Label6"_s, .text = u"Risposte esatte"_s, .twips = {60, 3360, 2925, 540}, .face = arial20,
         .ink = cyan, .border = true, .sizing = Sizing::FitsText, .alignment = Qt::AlignHCenter},
        {.name = u"lblScore"_s, .control = Control::lblScore, .twips = {1080, 4080, 555, 885}, .face = timesBold36,
         .ink = cyan, .border = true, .sizing = Sizing::FitsText, .alignment = Qt::AlignHCenter,
         .toolTip = u"Questo è il tuo punteggio. Forza con il  record"_s},
        {.name = u"Label1"_s, .text = u"Risposte errate"_s, .twips = {3960, 3360, 2850, 540}, .face = arial20,
         .ink = red, .border = true, .sizing = Sizing::FitsText},
        {.name = u"lblScore1"_s, .control = Control::lblScore1, .twips = {5160, 4080, 540, 885},
         .face = timesBold36, .ink = red, .border = true, .sizing = Sizing::FitsText, .alignment = Qt::AlignHCenter},
        {.name = u"Label3"_s, .text = u"Risposte totali"_s, .twips = {7440, 3360, 2655, 540}, .face = arial20,
         .ink = blue, .border = true, .sizing = Sizing::FitsText},
        {.name = u"lblScore2"_s, .control = Control::lblScore2, .twips = {8520, 4080, 555, 885},
         .face = timesBold36, .ink = blue, .border = true, .sizing = Sizing::FitsText, .alignment = Qt::AlignHCenter},

        // The player and the buttons.
        {.name = u"Label14"_s, .text = u"Sfidante"_s, .twips = {120, 5520, 1575, 540}, .face = arial20,
         .ink = cyan, .border = true, .sizing = Sizing::FitsText, .alignment = Qt::AlignHCenter},
        {.name = u"lblnome1"_s, .control = Control::lblnome1, .twips = {120, 6240, 180, 540}, .face = arial20Bold,
         .ink = cyan, .border = true, .sizing = Sizing::FitsText},
        {.name = u"cmdNext"_s, .kind = Kind::Button, .control = Control::cmdNext, .twips = {1800, 5160, 2055, 1095},
         .face = sansSerifBold8, .paper = silver, .toolTip = u"Go"_s, .squarePointer = true},
        {.name = u"cmdExit"_s, .kind = Kind::Button, .control = Control::cmdExit, .twips = {7680, 5160, 2055, 1095},
         .face = sansSerifBold8, .paper = silver,
         .toolTip = u"Ti prego resta ancora, forse riuscirai a farmi uscire "_s},

        // The record line. The holder's name may take the room up to "con
        // punti", the score the room to the window's edge, both down to the
        // window's foot, a line of the record files to each line of text.
        {.name = u"Label12"_s, .text = u"Il record  è di "_s, .twips = {0, 6720, 3375, 615}, .face = arial24,
         .ink = yellow},
        {.name = u"lblnome"_s, .control = Control::lblnome, .twips = {3000, 6720, 1260, 555}, .face = arial24Bold,
         .ink = yellow, .sizing = Sizing::Lines, .roomTwips = {3000, 6720, 4620, 5490}},
        {.name = u"Label13"_s, .text = u"con punti"_s, .twips = {7680, 6840, 1935, 540}, .face = arial24,
         .ink = yellow, .sizing = Sizing::FitsText},
        {.name = u"lblpunti"_s, .control = Control::lblpunti, .twips = {9960, 6840, 270, 540}, .face = arial24,
         .ink = yellow, .sizing = Sizing::Lines, .roomTwips = {9960, 6840, 4680, 5370}},
    };
}

} // namespace

QFont DesignFace::font() const
{
    QFont face(family);
    face.setPointSizeF(points);
    face.setBold(bold);
    face.setItalic(italic);
    return face;
}

QString ControlDesign::designedText() const
{
    return control ? designText(*control) : text;
}

QRect ControlDesign::place() const
{
    return fromTwips(twips);
}

QRect ControlDesign::room(const QRect &clientArea) const
{
    return roomTwips.isNull() ? clientArea : fromTwips(roomTwips);
}

const QList<ControlDesign> &controlDesigns()
{
    static const QList<ControlDesign> designs = designedControls();
    return designs;
}

QRect fromTwips(const QRect &twips)
{
    constexpr int twipsPerPixel = 15;
    return {twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, twips.width() / twipsPerPixel,
            twips.height() / twipsPerPixel};
}
