#include "ProblemPaintWatch.h"

#include <QEvent>
#include <QLabel>

ProblemPaintWatch::ProblemPaintWatch(QLabel *factorLabel, std::function<void()> onFirstPaint)
    : m_factorLabel(factorLabel), m_onFirstPaint(std::move(onFirstPaint))
{
    m_factorLabel->installEventFilter(this);
}

bool ProblemPaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_factorLabel->text().isEmpty()) {
        m_factorLabel->removeEventFilter(this);
        m_onFirstPaint();
    }
    return QObject::eventFilter(watched, event);
}
