#include "ui/FirstTextPaint.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

FirstTextPaint::FirstTextPaint(QLabel *label, std::function<void()> task)
    : QObject(label), m_label(label), m_task(std::move(task))
{
    m_label->installEventFilter(this);
}

bool FirstTextPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_label->text().isEmpty()) {
        m_label->removeEventFilter(this);
        // After the paint pass, once the picture has gone out.
        QTimer::singleShot(0, this, [this] {
            m_task();
            deleteLater();
        });
    }
    return QObject::eventFilter(watched, event);
}
