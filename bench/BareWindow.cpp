#include "BareWindow.h"

#include <QPainter>

BareWindow::BareWindow(const QString &picturePath, QWidget *parent)
    : QWidget(parent), m_picture(picturePath)
{
    setWindowTitle(QStringLiteral("Bare window"));
    setFixedSize(m_picture.size());
}

void BareWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    emit painted();
}
