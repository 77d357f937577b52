#include "game/AnswerRules.h"

#include "numtext/NumText.h"

namespace {
constexpr int16_t backspaceCode = 8;
constexpr int16_t enterCode = 13;
constexpr int16_t commaCode = ',';
} // namespace

KeyAction keyActionFor(int16_t keyCode)
{
    if (keyCode == commaCode || (keyCode >= '0' && keyCode <= '9') || keyCode == backspaceCode)
        return KeyAction::Pass;
    if (keyCode == enterCode)
        return KeyAction::Judge;
    return KeyAction::Discard;
}

bool isRightAnswer(const QString &answerText, double expectedAnswer)
{
    return answerText == numtext::NumberToText(expectedAnswer);
}

QString rightAnswerMessage(const QString &playerName)
{
    return QStringLiteral("Esatto! ") + playerName + QStringLiteral(" sei forte!");
}

QString wrongAnswerMessage(double expectedAnswer)
{
    return QStringLiteral("Sbagliato!! ") + numtext::NumberToText(expectedAnswer);
}
