#include "ui/FirstTextPaint.h"

#include <QEvent>
#include <QLabel>

FirstTextPaint::FirstTextPaint(QLabel *label, std::function<void()> onFirstPaint)
    : QObject(label), m_label(label), m_onFirstPaint(std::move(onFirstPaint))
{
    m_label->installEventFilter(this);
}

bool FirstTextPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_label->text().isEmpty()) {
        m_label->removeEventFilter(this);
        m_onFirstPaint();
    }
    return QObject::eventFilter(watched, event);
}
