#pragma once

#include <QImage>
#include <QLabel>
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

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor outlineColour() const;
    int outlineWidth() const;
    // The text laid out once for all the strokes that draw it, until it changes.
    const QStaticText &shapedText();
    // The outline of the text, all its strokes in one picture, drawn again
    // only when the text, font or shade changes.
    const QImage &outline(const QStaticText &shaped, int room);

    QStaticText m_shaped;
    QImage m_outline;
    QString m_outlineText;
    QColor m_outlineShade;
};
