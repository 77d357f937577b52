#pragma once

#include <QString>
#include <cstdint>

// The countdown's text and its one-second step; the time itself lives in the window.
namespace countdown {

// What the clock reads when the time is up.
inline const QString timeUpText = QStringLiteral("00:00:00");

// Hours, minutes and seconds, two digits each, joined by colons.
QString clockText(int16_t hours, int16_t minutes, float seconds);

// Counts one second down, borrowing a minute or an hour when needed.
// The clock must be above zero.
void countDownOneSecond(int16_t &hours, int16_t &minutes, float &seconds);

} // namespace countdown
