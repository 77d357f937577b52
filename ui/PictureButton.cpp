#include "ui/PictureButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
// Room between the picture and the caption.
constexpr int captionGap = 4;
} // namespace

PictureButton::PictureButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
}

void PictureButton::setPictures(const QPixmap &normal, const QPixmap &pressed, const QPixmap &disabled)
{
    m_normal = normal;
    m_pressed = pressed;
    m_disabled = disabled;
    update();
}

QPixmap PictureButton::shownPicture() const
{
    if (!isEnabled())
        return m_disabled;
    return isDown() ? m_pressed : m_normal;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QPixmap picture = shownPicture();
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    const int captionHeight = fontMetrics().height();
    const int top = contents.top() + (contents.height() - pictureSize.height() - captionGap - captionHeight) / 2;
    const QRect pictureRect(QPoint(contents.center().x() - pictureSize.width() / 2, top), pictureSize);
    painter.drawPixmap(pictureRect, picture);

    const QRect captionRect(contents.left(), pictureRect.bottom() + 1 + captionGap, contents.width(), captionHeight);
    painter.drawItemText(captionRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                         isEnabled(), text(), QPalette::ButtonText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
