#pragma once

#include "ui/EnterGuard.h"
#include "contracts/ToolkitServices.h"

#include <QMainWindow>
#include <map>

class AnswerBox;
struct ControlDesign;
class DesignLayout;
class PictureButton;
class PictureSurface;
class QLabel;
class QPushButton;
class QTimer;

// The game's window: the photograph, the controls at their designed places,
// reached by their names, and the menu bar with the rules.
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

    // Shows the text in the label, and tells a screen reader what it means
    // for the controls it belongs to: the problem for the answer box, the
    // feedback for the new-problem button that takes the keyboard after it.
    void setLabelText(Control name, const QString &text);

    // The clock that tells a bouncing Enter from a new press.
    void setKeyClock(EnterGuard::Clock clock) { m_enterGuard->setClock(std::move(clock)); }

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
    // Tells once that the window is up and active, so the first problem is posed.
    void announceFirstActivation();
    void buildControls();
    void addControl(const ControlDesign &design);
    QLabel *addLabel(const ControlDesign &design);
    PictureButton *addButton(const ControlDesign &design);
    AnswerBox *addAnswerBox();
    void addStopwatch();
    void place(QWidget *control, const ControlDesign &design);
    // Ties each heading to its count, for a screen reader.
    void relateLabels();
    void describeProblem();

    PictureSurface *m_surface = nullptr;
    DesignLayout *m_layout = nullptr;
    std::map<Control, QLabel *> m_labels;
    AnswerBox *m_answerBox = nullptr;
    PictureButton *m_nextButton = nullptr;
    PictureButton *m_exitButton = nullptr;
    QTimer *m_timer = nullptr;
    EnterGuard *m_enterGuard = nullptr;
    bool m_activated = false;
};
