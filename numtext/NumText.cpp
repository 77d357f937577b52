#include "numtext/NumText.h"

#include "contracts/Failure.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace numtext {

namespace {

// A number as its decimal digits, split at the separator: no leading zeros in
// the whole part, no trailing zeros in the fraction; zero has both empty.
struct DecimalDigits
{
    bool negative = false;
    std::string whole;
    std::string fraction;
};

// The placeholders of a pattern, and where its separator mark stands.
struct PatternLayout
{
    QStringView wholeSection;
    QStringView decimalSection;
    bool hasSeparator = false;
    int wholePlaceholders = 0;
    int requiredWholeDigits = 0;
    int decimals = 0;
};

bool isPlaceholder(QChar c)
{
    return c == u'0' || c == u'#';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

void trimDigits(DecimalDigits &digits)
{
    digits.whole.erase(0, digits.whole.find_first_not_of('0'));
    digits.fraction.erase(digits.fraction.find_last_not_of('0') + 1);
    if (digits.whole.empty() && digits.fraction.empty())
        digits.negative = false;
}

// Places the point of a mantissa "d.ddd" written with a decimal exponent.
DecimalDigits placePoint(bool negative, std::string mantissa, int exponent)
{
    DecimalDigits digits;
    digits.negative = negative;
    const int wholeCount = exponent + 1;
    if (wholeCount <= 0) {
        digits.fraction = std::string(-wholeCount, '0') + mantissa;
    } else if (wholeCount >= int(mantissa.size())) {
        digits.whole = mantissa + std::string(wholeCount - mantissa.size(), '0');
    } else {
        digits.whole = mantissa.substr(0, wholeCount);
        digits.fraction = mantissa.substr(wholeCount);
    }
    trimDigits(digits);
    return digits;
}

// The value's digits correctly rounded to the given number of significant
// digits, so that a value next to a short decimal reads as that decimal.
template <typename Real>
DecimalDigits significantDigits(Real value, int significant)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significant - 1);
    std::string_view text(buffer, result.ptr);
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (!std::isfinite(value))
        return {negative, std::string(text), {}};

    const auto exponentMark = text.find('e');
    std::string mantissa;
    for (char c : text.substr(0, exponentMark)) {
        if (isDigit(c))
            mantissa += c;
    }
    std::string_view exponentText = text.substr(exponentMark + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    return placePoint(negative, std::move(mantissa), exponent);
}

DecimalDigits exactDigits(int16_t value)
{
    DecimalDigits digits;
    digits.negative = value < 0;
    digits.whole = std::to_string(std::abs(int(value)));
    trimDigits(digits);
    return digits;
}

// Adds one unit in the last place, carrying leftwards into the whole part.
void incrementLastDigit(DecimalDigits &digits)
{
    for (auto *part : {&digits.fraction, &digits.whole}) {
        for (auto it = part->rbegin(); it != part->rend(); ++it) {
            if (*it != '9') {
                ++*it;
                return;
            }
            *it = '0';
        }
    }
    digits.whole.insert(digits.whole.begin(), '1');
}

// Rounds half away from zero to exactly the given number of decimals,
// padding the fraction with zeros when it is shorter.
void roundToDecimals(DecimalDigits &digits, int decimals)
{
    const auto kept = std::size_t(decimals);
    if (digits.fraction.size() > kept) {
        const bool up = digits.fraction[kept] >= '5';
        digits.fraction.resize(kept);
        if (up)
            incrementLastDigit(digits);
    }
    digits.fraction.resize(kept, '0');
    if (digits.whole.empty() && digits.fraction.find_first_not_of('0') == std::string::npos)
        digits.negative = false;
}

PatternLayout readPattern(QStringView pattern)
{
    PatternLayout layout;
    const qsizetype separator = pattern.indexOf(u'.');
    layout.hasSeparator = separator >= 0;
    layout.wholeSection = layout.hasSeparator ? pattern.left(separator) : pattern;
    layout.decimalSection = layout.hasSeparator ? pattern.mid(separator + 1) : QStringView();
    for (QChar c : layout.wholeSection) {
        layout.wholePlaceholders += isPlaceholder(c);
        layout.requiredWholeDigits += c == u'0';
    }
    for (QChar c : layout.decimalSection)
        layout.decimals += isPlaceholder(c);
    return layout;
}

// Writes the whole part into the integer section: digits fill the
// placeholders from the right, the leftmost placeholder takes any extra ones,
// and other characters stay where they are.
QString writeWholeSection(QStringView section, const std::string &digits, int wholePlaceholders)
{
    if (wholePlaceholders == 0)
        return section.toString() + QLatin1StringView(digits.data(), qsizetype(digits.size()));
    QString out;
    std::size_t unwritten = digits.size();
    int placeholdersLeft = wholePlaceholders;
    for (auto it = section.rbegin(); it != section.rend(); ++it) {
        if (!isPlaceholder(*it)) {
            out.prepend(*it);
            continue;
        }
        const std::size_t take = --placeholdersLeft == 0 ? unwritten : std::min<std::size_t>(unwritten, 1);
        unwritten -= take;
        out.prepend(QLatin1StringView(digits.data() + unwritten, qsizetype(take)));
    }
    return out;
}

// How many decimals are written: trailing zeros on "#" placeholders are not.
std::size_t keptDecimals(QStringView section, const std::string &fraction)
{
    std::size_t kept = 0;
    std::size_t place = 0;
    for (QChar c : section) {
        if (!isPlaceholder(c))
            continue;
        if (fraction[place] != '0' || c == u'0')
            kept = place + 1;
        ++place;
    }
    return kept;
}

// Writes the decimals one per placeholder, other characters in place.
QString writeDecimalSection(QStringView section, const std::string &fraction)
{
    const std::size_t kept = keptDecimals(section, fraction);
    QString out;
    std::size_t place = 0;
    for (QChar c : section) {
        if (!isPlaceholder(c))
            out += c;
        else if (place++ < kept)
            out += QLatin1Char(fraction[place - 1]);
    }
    return out;
}

QString formatDigits(DecimalDigits digits, const QString &pattern)
{
    const PatternLayout layout = readPattern(pattern);
    if (layout.wholePlaceholders + layout.decimals == 0)
        return pattern;

    roundToDecimals(digits, layout.decimals);
    if (int(digits.whole.size()) < layout.requiredWholeDigits)
        digits.whole.insert(0, layout.requiredWholeDigits - digits.whole.size(), '0');

    QString out = digits.negative ? QStringLiteral("-") : QString();
    out += writeWholeSection(layout.wholeSection, digits.whole, layout.wholePlaceholders);
    if (layout.hasSeparator)
        out += u',' + writeDecimalSection(layout.decimalSection, digits.fraction);
    return out;
}

// The double nearest to a plain decimal such as "-12.5"; beyond the range of
// a double it is infinite when too large and zero when too small.
double nearestDouble(std::string_view decimal)
{
    if (!decimal.empty() && decimal.front() == '+')
        decimal.remove_prefix(1);
    const bool negative = !decimal.empty() && decimal.front() == '-';
    double value = 0;
    const auto result = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool tooLarge = decimal.find_first_of("123456789") < decimal.find('.');
        value = tooLarge ? HUGE_VAL : 0.0;
        return negative ? -value : value;
    }
    return value;
}

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// True when the text is an optional sign, digits and optionally a comma with
// more digits.
bool isNumberText(std::string_view text)
{
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    const auto comma = text.find(',');
    const std::string_view whole = text.substr(0, comma);
    const std::string_view fraction = comma == std::string_view::npos
        ? std::string_view("0") : text.substr(comma + 1);
    const auto allDigits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return allDigits(whole) && allDigits(fraction);
}

} // namespace

QString FormatByPattern(int16_t value, const QString &pattern)
{
    return formatDigits(exactDigits(value), pattern);
}

QString FormatByPattern(float value, const QString &pattern)
{
    return formatDigits(significantDigits(value, 7), pattern);
}

QString FormatByPattern(double value, const QString &pattern)
{
    return formatDigits(significantDigits(value, 15), pattern);
}

QString NumberToText(double value)
{
    const DecimalDigits digits = significantDigits(value, 15);
    QString text = digits.negative ? QStringLiteral("-") : QString();
    text += digits.whole.empty() ? QStringLiteral("0") : QString::fromStdString(digits.whole);
    if (!digits.fraction.empty())
        text += u',' + QString::fromStdString(digits.fraction);
    return text;
}

double TextToNumber(const QString &text)
{
    const std::string utf8 = text.toStdString();
    std::string decimal(trimBlanks(utf8));
    if (!isNumberText(decimal))
        throw Failure::typeMismatch(text);
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    const double value = nearestDouble(decimal);
    if (std::isinf(value))
        throw Failure::overflow();
    return value;
}

double LeadingNumber(const QString &text)
{
    std::string decimal;
    for (char c : text.toStdString()) {
        if (c == ' ' || c == '\t' || c == '\n')
            continue;
        const bool sign = (c == '-' || c == '+') && decimal.empty();
        const bool point = c == '.' && decimal.find('.') == std::string::npos;
        if (!sign && !point && !isDigit(c))
            break;
        decimal += c;
    }
    if (decimal.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    return nearestDouble(decimal);
}

int16_t FloorToInt16(double value)
{
    const double floor = std::floor(value);
    if (!(floor >= -32768.0 && floor <= 32767.0))
        throw Failure::overflow();
    return int16_t(floor);
}

double TruncateFraction(double value)
{
    return std::trunc(value);
}

int16_t checkedAdd(int16_t a, int16_t b)
{
    const int sum = int(a) + int(b);
    if (sum < -32768 || sum > 32767)
        throw Failure::overflow();
    return int16_t(sum);
}

} // namespace numtext
