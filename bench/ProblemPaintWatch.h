#pragma once

#include <QObject>

#include <functional>

class QLabel;

// Watches the factor's label and calls back the first time it is painted
// with a problem in it.
class ProblemPaintWatch : public QObject
{
    Q_OBJECT

public:
    ProblemPaintWatch(QLabel *factorLabel, std::function<void()> onFirstPaint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_factorLabel;
    std::function<void()> m_onFirstPaint;
};
