#include "WritingChecks.h"

#include "Describe.h"
#include "FuzzCheck.h"
#include "NumberText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace pagaluz::fuzz {

namespace {

// A written number split at its decimal separator.
struct WrittenParts {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction; // empty when there is no separator
    bool hasSeparator = false;
};

bool onlyDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Splits "-123,45"; false when the text is not of that shape: a whole part
// without leading zeros, a fraction without trailing zeros.
bool splitWritten(std::string_view text, const DecimalConventions &conv, WrittenParts &parts)
{
    parts.negative = !text.empty() && text.front() == '-';
    if (parts.negative)
        text.remove_prefix(1);
    const std::size_t separator = text.find(conv.decimalSeparator);
    parts.whole = text.substr(0, separator);
    if (separator != std::string_view::npos) {
        parts.hasSeparator = true;
        parts.fraction = text.substr(separator + conv.decimalSeparator.size());
        if (!onlyDigits(parts.fraction) || parts.fraction.back() == '0')
            return false;
    }
    return onlyDigits(parts.whole) && (parts.whole.size() == 1 || parts.whole.front() != '0');
}

[[noreturn]] void failOn(std::string_view what, std::string_view text, double value,
                         const DecimalConventions &conv)
{
    char number[40];
    std::snprintf(number, sizeof number, "%.17g", value);
    fail(std::string(what) + ": " + quotedBytes(text) + " for " + number + " with " +
         describeConventions(conv));
}

std::size_t significantDigits(const WrittenParts &parts)
{
    std::string digits = std::string(parts.whole) + std::string(parts.fraction);
    digits.erase(0, digits.find_first_not_of('0'));
    const std::size_t last = digits.find_last_not_of('0');
    return last == std::string::npos ? 0 : last + 1;
}

// The value rounded to fifteen significant digits, as the C library writes and reads it.
double roundedToFifteenDigits(double value)
{
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.14e", value);
    return std::strtod(scientific, nullptr);
}

void checkAmountShape(Money amount, std::string_view text, const DecimalConventions &conv)
{
    WrittenParts parts;
    const bool plain = splitWritten(text, conv, parts) && parts.fraction.size() <= 4 &&
                       parts.negative == (amount < Money()) &&
                       parts.hasSeparator == (amount.tenThousandths() % Money::kScale != 0);
    if (!plain)
        failOn("formatAmount wrote no shortest plain amount (ten-thousandths)", text,
               static_cast<double>(amount.tenThousandths()), conv);
}

} // namespace

void checkAmountText(Money amount, const DecimalConventions &conv)
{
    const std::string text = formatAmount(amount, "", conv);
    const double count = static_cast<double>(amount.tenThousandths());
    checkAmountShape(amount, text, conv);
    if (formatAmount(amount, "$ ", conv) != "$ " + text)
        failOn("formatAmount does not write the prefix before the amount", text, count, conv);
    const NumberRead<Money> read = parseMoney(text, conv);
    if (!std::holds_alternative<Money>(read) || std::get<Money>(read) != amount)
        failOn("parseMoney does not read back what formatAmount wrote (ten-thousandths)", text,
               count, conv);
}

void checkPlainNumber(double value, const DecimalConventions &conv)
{
    const std::string text = formatPlainNumber(value, conv);
    if (text.find_first_of("eE") != std::string::npos)
        failOn("formatPlainNumber wrote an exponent", text, value, conv);
    if (!std::isfinite(value))
        return;
    WrittenParts parts;
    if (!splitWritten(text, conv, parts) || parts.negative != (value < 0) ||
        significantDigits(parts) > 15)
        failOn("formatPlainNumber wrote no plain number of at most 15 digits", text, value, conv);
    const double expected = roundedToFifteenDigits(value);
    const NumberRead<double> read = parseDouble(text, conv);
    const bool readBack = std::isinf(expected) ? std::holds_alternative<NumberTextFailure>(read)
                                               : std::holds_alternative<double>(read) &&
                                                     std::get<double>(read) == expected;
    if (!readBack)
        failOn("parseDouble does not read back what formatPlainNumber wrote", text, value, conv);
}

} // namespace pagaluz::fuzz
