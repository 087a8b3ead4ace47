#include "NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
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
    const std::string text = (parts.negative ? "-" : "") +
                             (parts.wholeDigits.empty() ? std::string("0") : parts.wholeDigits) +
                             "." + (parts.fractionDigits.empty() ? "0" : parts.fractionDigits);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
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

} // namespace

NumberRead<double> parseDouble(std::string_view text, const DecimalConventions &conventions)
{
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
    const NumberRead<NumberParts> read = readParts(text, conventions);
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return *failure;
    const auto count = partsToTenThousandths(std::get<NumberParts>(read));
    if (!count)
        return NumberTextFailure::OutOfRange;
    return Money::fromTenThousandths(*count);
}

std::string formatAmount(Money amount, std::string_view prefix,
                         const DecimalConventions &conventions)
{
    const std::int64_t count = amount.tenThousandths();
    const std::uint64_t magnitude =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    std::string text(prefix);
    if (count < 0)
        text += '-';
    text += std::to_string(magnitude / Money::kScale);
    std::uint64_t fraction = magnitude % Money::kScale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += conventions.decimalSeparator;
        text += digits;
    }
    return text;
}

std::string formatPlainNumber(double value, const DecimalConventions &conventions)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    if (value == 0.0)
        return "0";
    // Fifteen significant digits in scientific form, e.g. "1.04280000000000e+03",
    // then written out without the exponent.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(),
                                      static_cast<std::size_t>(result.ptr - buffer.data()));
    const bool negative = scientific.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    for (char c : scientific.substr(mantissaStart, exponentMark - mantissaStart))
        if (isDigit(c))
            digits += c;
    const int exponent = std::atoi(std::string(scientific.substr(exponentMark + 1)).c_str());
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string whole;
    std::string fraction;
    const int wholeCount = exponent + 1;
    if (wholeCount <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-wholeCount), '0') + digits;
    } else if (static_cast<std::size_t>(wholeCount) >= digits.size()) {
        whole = digits + std::string(static_cast<std::size_t>(wholeCount) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(wholeCount));
        fraction = digits.substr(static_cast<std::size_t>(wholeCount));
    }
    std::string text = negative ? "-" : "";
    text += whole;
    if (!fraction.empty())
        text += conventions.decimalSeparator + fraction;
    return text;
}

} // namespace pagaluz
