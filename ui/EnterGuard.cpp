#include "ui/EnterGuard.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

EnterGuard::EnterGuard(QWidget *button, Clock clock) : QObject(button), m_button(button), m_clock(std::move(clock))
{
    button->installEventFilter(this);
}

std::chrono::milliseconds EnterGuard::steadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

bool EnterGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_button)
        return false;
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (m_button->isEnabled())
            m_handedOverAt = m_clock();
        break;
    case QEvent::FocusIn:
        // The game moves the focus itself; the player moves it by Tab or mouse.
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::OtherFocusReason)
            m_handedOverAt = m_clock();
        break;
    case QEvent::KeyPress:
        return swallows(*event);
    default:
        break;
    }
    return false;
}

bool EnterGuard::swallows(const QEvent &event) const
{
    const auto &key = static_cast<const QKeyEvent &>(event);
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    if (key.isAutoRepeat())
        return true;
    return m_handedOverAt && m_clock() - *m_handedOverAt < settleTime;
}
