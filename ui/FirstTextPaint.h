#pragma once

#include <QObject>

#include <functional>

class QLabel;

// Runs a task once, as soon as a label has been painted with a text in it:
// the moment that text is on screen.
class FirstTextPaint : public QObject
{
public:
    FirstTextPaint(QLabel *label, std::function<void()> task);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
    std::function<void()> m_task;
};
