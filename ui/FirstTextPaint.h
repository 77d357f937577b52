#pragma once

#include <QObject>

#include <functional>

class QLabel;

// Calls back once, the first time a label is painted with a text in it: the
// moment that text goes on screen. The call comes from inside the paint, so
// work posted from it runs once the picture is out.
class FirstTextPaint : public QObject
{
public:
    FirstTextPaint(QLabel *label, std::function<void()> onFirstPaint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
    std::function<void()> m_onFirstPaint;
};
