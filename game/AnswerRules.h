#pragma once

#include <QString>
#include <cstdint>

// What the answer box does with a typed character code.
enum class KeyAction { Pass, Judge, Discard };

// Only digits, the comma and Backspace reach the box; Enter asks for a judgement.
KeyAction keyActionFor(int16_t keyCode);

// An answer is right when its text is exactly the product's text.
bool isRightAnswer(const QString &answerText, double expectedAnswer);

// The feedback line after a right answer.
QString rightAnswerMessage(const QString &playerName);

// The feedback line after a wrong answer: it shows the right product.
QString wrongAnswerMessage(double expectedAnswer);
