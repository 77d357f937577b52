#pragma once

#include <QLabel>

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

private:
    QColor outlineColour() const;
    qreal outlineWidth() const;
};
