#pragma once

#include "ui/ToolkitServices.h"

#include <QMainWindow>
#include <map>

class AnswerBox;
class QLabel;
class QPushButton;
class QTimer;

// The game's window with its controls, reached by their names.
class TavolaWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TavolaWindow(QWidget *parent = nullptr);

    QLabel *label(Control name) const;
    AnswerBox *answerBox() const { return m_answerBox; }
    QPushButton *button(Control name) const;
    QTimer *timer() const { return m_timer; }
    QWidget *control(Control name) const;

    // The colour that shows where the background picture does not reach.
    void setBackgroundColour(const QColor &colour);

signals:
    // The window has become active for the first time.
    void firstActivated();
    // The window's size or display state has changed.
    void displayChanged();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls(QWidget *surface);
    QLabel *addLabel(QWidget *surface, Control name, const QString &objectName);

    std::map<Control, QLabel *> m_labels;
    AnswerBox *m_answerBox = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QTimer *m_timer = nullptr;
    bool m_activated = false;
};
