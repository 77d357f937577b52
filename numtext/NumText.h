#pragma once

#include <QString>
#include <cstdint>

// How numbers become text and text becomes numbers: always the decimal comma,
// never a thousands separator.
namespace numtext {

// Renders a value by a pattern of "0" (required) and "#" (optional) digit
// placeholders, with "." marking where the comma goes.
QString FormatByPattern(int16_t value, const QString &pattern);
QString FormatByPattern(float value, const QString &pattern);
QString FormatByPattern(double value, const QString &pattern);

// The default text of a double: 15 significant digits, no trailing zeros.
QString NumberToText(double value);

// Reads a whole text as a number; throws Failure (type mismatch) otherwise.
double TextToNumber(const QString &text);

// Reads the number at the start of a text ("." as separator); never fails.
double LeadingNumber(const QString &text);

// Floor as a 16-bit integer; throws Failure (overflow) outside its range.
int16_t FloorToInt16(double value);

// Drops the fraction, toward zero.
double TruncateFraction(double value);

// 16-bit sum that throws Failure (overflow) when it leaves -32768..32767.
int16_t checkedAdd(int16_t a, int16_t b);

} // namespace numtext
