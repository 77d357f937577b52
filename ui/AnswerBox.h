#pragma once

#include <QLineEdit>
#include <cstdint>
#include <functional>

// The answer box: every typed character goes, as a 16-bit code, through a
// filter that may let it in (unchanged), change it, or discard it (0).
class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    using KeyFilter = std::function<void(int16_t &keyCode)>;

    explicit AnswerBox(QWidget *parent = nullptr);

    void setKeyFilter(KeyFilter filter);

    // The code a key press types, or -1 for a key that types no character.
    static int keyCodeFor(const QKeyEvent &event);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    KeyFilter m_keyFilter;
};
