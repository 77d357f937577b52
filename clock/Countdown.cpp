#include "clock/Countdown.h"

#include "numtext/NumText.h"

namespace countdown {

QString clockText(int16_t hours, int16_t minutes, float seconds)
{
    const QString twoDigits = QStringLiteral("00");
    return numtext::FormatByPattern(hours, twoDigits) + QLatin1Char(':')
        + numtext::FormatByPattern(minutes, twoDigits) + QLatin1Char(':')
        + numtext::FormatByPattern(seconds, twoDigits);
}

void countDownOneSecond(int16_t &hours, int16_t &minutes, float &seconds)
{
    if (seconds == 0) {
        if (minutes > 0) {
            minutes = numtext::checkedAdd(minutes, -1);
        } else {
            minutes = 59;
            hours = numtext::checkedAdd(hours, -1);
        }
        seconds = 60;
    }
    seconds -= 1;
}

} // namespace countdown
