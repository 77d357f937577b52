#include "ui/AnswerBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {
constexpr int backspaceCode = 8;
constexpr int enterCode = 13;
constexpr int pasteCode = 22; // Ctrl+V
} // namespace

AnswerBox::AnswerBox(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(8);
    setAccessibleName(QStringLiteral("Risultato"));
}

void AnswerBox::setKeyFilter(KeyFilter filter)
{
    m_keyFilter = std::move(filter);
}

int AnswerBox::keyCodeFor(const QKeyEvent &event)
{
    if (event.matches(QKeySequence::Paste))
        return pasteCode;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return backspaceCode;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return enterCode;
    default:
        break;
    }
    if (event.modifiers() & Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty() || event.modifiers() & Qt::AltModifier)
        return -1;
    return text.at(0).unicode() & 0xFFFF;
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    const int code = keyCodeFor(*event);
    // A held Enter judges once: its repeats are not new presses.
    if (code == enterCode && event->isAutoRepeat()) {
        event->accept();
        return;
    }
    if (code < 0 || !m_keyFilter) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    auto keyCode = static_cast<int16_t>(code);
    m_keyFilter(keyCode);
    if (keyCode == 0)
        event->accept();
    else
        QLineEdit::keyPressEvent(event);
}

void AnswerBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The caret waits at the start, so clearing the box for the next problem
    // moves no caret: a screen reader takes a caret move in the box, just
    // before the box takes the keyboard back, for the focus change, and then
    // says nothing of the new problem.
    if (event->reason() != Qt::PopupFocusReason)
        setCursorPosition(0);
}
