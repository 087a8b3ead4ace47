#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

namespace pagaluz {

namespace {

__extension__ typedef unsigned __int128 UInt128;

// The parts of a number text, digits only.
struct NumberParts {
    bool negative = false;
    std::string wholeDigits;
    std::string fractionDigits;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Moves the leading digits of `text` into `digits`; returns how many.
std::size_t takeDigits(std::string_view &text, std::string &digits)
{
    std::size_t count = 0;
    while (count < text.size() && isDigit(text[count]))
        ++count;
    digits.append(text.substr(0, count));
    text.remove_prefix(count);
    return count;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

// The whole part: plain digits, or 1 to 3 digits followed by groups of
// exactly three digits, each after the group separator.
bool takeWholePart(std::string_view &text, std::string &digits, const DecimalConventions &conv)
{
    const std::size_t leading = takeDigits(text, digits);
    if (!startsWith(text, conv.groupSeparator))
        return true;
    if (leading == 0 || leading > 3)
        return false;
    while (startsWith(text, conv.groupSeparator)) {
        text.remove_prefix(conv.groupSeparator.size());
        if (takeDigits(text, digits) != 3)
            return false;
    }
    return true;
}

std::optional<NumberParts> splitNumber(std::string_view text, const DecimalConventions &conv)
{
    NumberParts parts;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        parts.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!takeWholePart(text, parts.wholeDigits, conv))
        return std::nullopt;
    if (startsWith(text, conv.decimalSeparator)) {
        text.remove_prefix(conv.decimalSeparator.size());
        takeDigits(text, parts.fractionDigits);
    }
    if (!text.empty() || (parts.wholeDigits.empty() && parts.fractionDigits.empty()))
        return std::nullopt;
    return parts;
}

NumberRead<NumberParts> readParts(std::string_view text, const DecimalConventions &conv)
{
    text = trimBlanks(text);
    if (text.empty())
        return NumberTextFailure::Empty;
    auto parts = splitNumber(text, conv);
    if (!parts)
        return NumberTextFailure::NotANumber;
    return *parts;
}

double partsToDouble(const NumberParts &parts, bool &inRange)
{
    // "-whole.fraction", with "0" for an empty part, built in place.
    std::string text;
    text.reserve(parts.wholeDigits.size() + parts.fractionDigits.size() + 4);
    if (parts.negative)
        text += '-';
    text += parts.wholeDigits.empty() ? std::string_view("0") : parts.wholeDigits;
    text += '.';
    text += parts.fractionDigits.empty() ? std::string_view("0") : parts.fractionDigits;
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range &&
        parts.wholeDigits.find_first_not_of('0') == std::string::npos) {
        // Below the smallest double: the nearest double is zero, not an overflow.
        inRange = true;
        return parts.negative ? -0.0 : 0.0;
    }
    inRange = result.ec == std::errc() && std::isfinite(value);
    return value;
}

template <typename Integer>
NumberRead<Integer> parseInteger(std::string_view text, const DecimalConventions &conv)
{
    const NumberRead<double> read = parseDouble(text, conv);
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return *failure;
    // nearbyint rounds in the default mode: to nearest, ties to even.
    const double rounded = std::nearbyint(std::get<double>(read));
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Integer>::max()))
        return NumberTextFailure::OutOfRange;
    return static_cast<Integer>(rounded);
}

// Ten-thousandths of the digits, rounded half to even on the digits beyond
// the fourth decimal; nullopt when beyond the range of Money.
std::optional<std::int64_t> partsToTenThousandths(const NumberParts &parts)
{
    std::string digits = parts.wholeDigits + parts.fractionDigits.substr(0, 4);
    digits.append(4 - std::min<std::size_t>(4, parts.fractionDigits.size()), '0');
    const std::string rest = parts.fractionDigits.size() > 4 ? parts.fractionDigits.substr(4) : "";
    const auto firstSignificant = digits.find_first_not_of('0');
    if (firstSignificant != std::string::npos && digits.size() - firstSignificant > 19)
        return std::nullopt;
    UInt128 magnitude = 0;
    for (char c : digits)
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    if (!rest.empty()) {
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) !=
                                                                       std::string::npos);
        const bool exactHalf = rest[0] == '5' && !aboveHalf;
        if (aboveHalf || (exactHalf && magnitude % 2 == 1))
            ++magnitude;
    }
    const auto limit = static_cast<UInt128>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > limit + (parts.negative ? 1 : 0))
        return std::nullopt;
    if (parts.negative)
        return magnitude == limit + 1 ? std::numeric_limits<std::int64_t>::min()
                                      : -static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(magnitude);
}

// The text most boxes hold: a whole number of at most 14 digits with an
// optional sign and no separators, read without building any text. It is
// exact as a double and in ten-thousandths, and the general reading gives
// the same value for it (-0 included).
struct PlainWholeNumber {
    bool negative = false;
    std::uint64_t magnitude = 0;
};

std::optional<PlainWholeNumber> plainWholeNumber(std::string_view text)
{
    constexpr std::size_t kMaxDigits = 14;
    text = trimBlanks(text);
    PlainWholeNumber number;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > kMaxDigits)
        return std::nullopt;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        number.magnitude = number.magnitude * 10 + static_cast<unsigned>(c - '0');
    }
    return number;
}

// Writes the few characters of `part` at `out`; returns the end. A plain
// loop: the parts of an amount are a handful of characters each, too short
// for a call to memcpy to pay.
char *putChars(std::string_view part, char *out)
{
    for (char c : part)
        *out++ = c;
    return out;
}

} // namespace

NumberRead<double> parseDouble(std::string_view text, const DecimalConventions &conventions)
{
    if (const auto plain = plainWholeNumber(text)) {
        const auto magnitude = static_cast<double>(plain->magnitude);
        return plain->negative ? -magnitude : magnitude;
    }
    const NumberRead<NumberParts> read = readParts(text, conventions);
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return *failure;
    bool inRange = false;
    const double value = partsToDouble(std::get<NumberParts>(read), inRange);
    if (!inRange)
        return NumberTextFailure::OutOfRange;
    return value;
}

NumberRead<std::int16_t> parseInt16(std::string_view text, const DecimalConventions &conventions)
{
    return parseInteger<std::int16_t>(text, conventions);
}

NumberRead<std::uint8_t> parseUInt8(std::string_view text, const DecimalConventions &conventions)
{
    return parseInteger<std::uint8_t>(text, conventions);
}

NumberRead<Money> parseMoney(std::string_view text, const DecimalConventions &conventions)
{
    if (const auto plain = plainWholeNumber(text)) {
        const auto count = static_cast<std::int64_t>(plain->magnitude) * Money::kScale;
        return Money::fromTenThousandths(plain->negative ? -count : count);
    }
    const NumberRead<NumberParts> read = readParts(text, conventions);
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return *failure;
    const auto count = partsToTenThousandths(std::get<NumberParts>(read));
    if (!count)
        return NumberTextFailure::OutOfRange;
    return Money::fromTenThousandths(*count);
}

std::size_t amountTextBound(std::string_view prefix, std::string_view decimalSeparator)
{
    // The sign, the digits of any 64-bit number and four fraction digits.
    return prefix.size() + 1 + 20 + decimalSeparator.size() + 4;
}

char *writeAmount(Money amount, std::string_view prefix, std::string_view decimalSeparator,
                  char *out)
{
    const std::int64_t count = amount.tenThousandths();
    const std::uint64_t magnitude =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    out = putChars(prefix, out);
    if (count < 0)
        *out++ = '-';
    out = std::to_chars(out, out + 20, magnitude / Money::kScale).ptr;
    const auto fraction = static_cast<unsigned>(magnitude % Money::kScale);
    if (fraction == 0)
        return out;
    out = putChars(decimalSeparator, out);
    // The four fraction digits without their trailing zeros.
    const std::array<char, 4> digits{
        static_cast<char>('0' + fraction / 1000), static_cast<char>('0' + fraction / 100 % 10),
        static_cast<char>('0' + fraction / 10 % 10), static_cast<char>('0' + fraction % 10)};
    std::size_t length = digits.size();
    while (digits[length - 1] == '0')
        --length;
    return putChars({digits.data(), length}, out);
}

std::string formatAmount(Money amount, std::string_view prefix,
                         const DecimalConventions &conventions)
{
    // Written on the stack and copied once: a short text then needs no allocation at all.
    std::array<char, 64> onStack{};
    std::string onHeap; // only for an unusually long prefix or separator
    char *start = onStack.data();
    const std::size_t bound = amountTextBound(prefix, conventions.decimalSeparator);
    if (bound > onStack.size()) {
        onHeap.resize(bound);
        start = onHeap.data();
    }
    const char *end = writeAmount(amount, prefix, conventions.decimalSeparator, start);
    return std::string(start, static_cast<std::size_t>(end - start));
}

namespace {

// A nonzero finite double rounded to 15 significant digits, as the digits
// without their trailing zeros and the power of ten of the first digit:
// 1042.8 gives "10428" and 3.
struct SignificantDigits {
    bool negative = false;
    std::array<char, 16> digits{};
    std::size_t count = 0;
    int exponent = 0;

    std::string_view text() const { return {digits.data(), count}; }
};

// The digits and the exponent of the value in scientific form with fifteen
// significant digits, e.g. "1.04280000000000e+03".
SignificantDigits readScientific(std::string_view scientific)
{
    SignificantDigits parts;
    parts.negative = scientific.front() == '-';
    const std::size_t mantissaStart = parts.negative ? 1 : 0;
    const std::size_t exponentMark = scientific.find('e');
    for (char c : scientific.substr(mantissaStart, exponentMark - mantissaStart))
        if (isDigit(c))
            parts.digits[parts.count++] = c;
    while (parts.count > 0 && parts.digits[parts.count - 1] == '0')
        --parts.count;
    std::string_view exponent = scientific.substr(exponentMark + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), parts.exponent);
    return parts;
}

SignificantDigits significantDigits(double value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 14);
    return readScientific({buffer.data(), result.ptr});
}

} // namespace

std::string formatPlainNumber(double value, const DecimalConventions &conventions)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    if (value == 0.0)
        return "0";
    const SignificantDigits parts = significantDigits(value);
    const std::string_view digits = parts.text();
    std::string text = parts.negative ? "-" : "";
    const int wholeCount = parts.exponent + 1;
    if (wholeCount <= 0) {
        text += '0';
        text += conventions.decimalSeparator;
        text.append(static_cast<std::size_t>(-wholeCount), '0');
        text += digits;
    } else if (static_cast<std::size_t>(wholeCount) >= digits.size()) {
        text += digits;
        text.append(static_cast<std::size_t>(wholeCount) - digits.size(), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(wholeCount));
        text += conventions.decimalSeparator;
        text += digits.substr(static_cast<std::size_t>(wholeCount));
    }
    return text;
}

} // namespace pagaluz
