#pragma once

#include <QPixmap>
#include <QPushButton>

// A push button that shows a picture above its caption, with its own
// pictures for the pressed and the disabled look.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PictureButton(const QString &caption, QWidget *parent = nullptr);

    void setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &disabled);
    // The picture for the look the button has now.
    QPixmap shownPicture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
    QPixmap m_disabled;
};
