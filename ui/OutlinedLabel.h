#pragma once

#include <QImage>
#include <QLabel>
#include <QList>
#include <QStaticText>

// A text label that stays readable over the photograph: when its background
// is clear, its text gets a thin outline in a contrasting shade, dark around
// light ink and light around dark ink. A label with its own background
// colour looks like any other label.
class OutlinedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit OutlinedLabel(QWidget *parent = nullptr);

    // What the label draws: lines of its text, one under the other, and the
    // face they are drawn in. A plain label draws its text in its own font.
    struct Shown
    {
        QFont font;
        QStringList lines;
    };
    virtual Shown shown() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

    // The room the outline takes on either side of the text.
    int outlineWidth() const;
    // The room the frame and the margin take on either side of the text.
    int frameRoom() const { return frameWidth() + margin(); }

private:
    QColor outlineColour() const;
    // The lines laid out once for all the strokes that draw them, until they change.
    const QList<QStaticText> &shapedLines(const Shown &shown);

    // Where each line of the label is drawn, inside its contents.
    QList<QPoint> lineOrigins(const QList<QStaticText> &lines, const QFont &font) const;
    // The outline of the lines, all their strokes in one picture that reaches
    // room beyond the label on every side, drawn again only when the lines,
    // their places or the shade change.
    const QImage &outline(const QList<QStaticText> &lines, const QList<QPoint> &origins, const QFont &font, int room);

    QList<QStaticText> m_shaped;
    QFont m_shapedFont;
    QImage m_outline;
    QList<QPoint> m_outlineOrigins;
    QColor m_outlineShade;
};
