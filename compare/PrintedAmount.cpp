#include "PrintedAmount.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pagaluz {

namespace {

constexpr std::array<std::int64_t, 5> kUnitOfDecimals{10000, 1000, 100, 10, 1};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

} // namespace

std::int64_t PrintedAmount::tolerance() const
{
    if (exact() || decimals < 0)
        return 0;
    return kUnitOfDecimals[static_cast<std::size_t>(decimals)] / 2;
}

bool PrintedAmount::matches(Money ours) const
{
    const std::int64_t a = ours.tenThousandths();
    const std::int64_t b = value.tenThousandths();
    // The distance, as an unsigned number: no difference of two amounts overflows.
    const std::uint64_t distance =
        a >= b ? static_cast<std::uint64_t>(a) - static_cast<std::uint64_t>(b)
               : static_cast<std::uint64_t>(b) - static_cast<std::uint64_t>(a);
    return distance <= static_cast<std::uint64_t>(tolerance());
}

Money roundedHalfUp(Money amount, int decimals)
{
    if (decimals >= PrintedAmount::kExactDecimals || decimals < 0)
        return amount;
    const std::int64_t unit = kUnitOfDecimals[static_cast<std::size_t>(decimals)];
    const std::int64_t count = amount.tenThousandths();
    const std::int64_t remainder = count % unit; // the sign of `count`
    const std::int64_t toward = count - remainder;
    // An amount within a unit of the end of the range stays as it is rather than overflow.
    if (toward > INT64_MAX - unit || toward < INT64_MIN + unit)
        return amount;
    std::int64_t rounded = toward;
    if (remainder * 2 >= unit)
        rounded += unit;
    else if (-remainder * 2 >= unit)
        rounded -= unit;
    return Money::fromTenThousandths(rounded);
}

std::variant<PrintedAmount, PrintedAmountFault> readPrintedAmount(std::string_view text,
                                                                  std::string_view decimalSeparator)
{
    if (text.empty())
        return PrintedAmountFault::NotAnAmount;
    if (isBlank(text.front()) || isBlank(text.back()))
        return PrintedAmountFault::Blanks;
    std::size_t at = 0;
    const bool negative = text[at] == '-';
    if (negative)
        ++at;
    const std::size_t wholeStart = at;
    std::int64_t pesos = 0;
    bool beyond = false;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        pesos = pesos * 10 + (text[at] - '0');
        if (pesos > kLargestPrintedPesos) {
            beyond = true;
            pesos = kLargestPrintedPesos + 1;
        }
    }
    if (at == wholeStart)
        return PrintedAmountFault::NotAnAmount;
    int decimals = 0;
    std::int64_t fraction = 0;
    if (at < text.size()) {
        if (decimalSeparator.empty() ||
            text.substr(at, decimalSeparator.size()) != decimalSeparator)
            return PrintedAmountFault::NotAnAmount;
        at += decimalSeparator.size();
        const std::size_t fractionStart = at;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            if (decimals < PrintedAmount::kExactDecimals)
                fraction = fraction * 10 + (text[at] - '0');
            ++decimals;
        }
        if (at != text.size() || at == fractionStart)
            return PrintedAmountFault::NotAnAmount;
        if (decimals > PrintedAmount::kExactDecimals)
            return PrintedAmountFault::TooManyDecimals;
    }
    const std::int64_t count =
        pesos * Money::kScale + fraction * kUnitOfDecimals[static_cast<std::size_t>(decimals)];
    if (beyond || count > kLargestPrintedPesos * Money::kScale)
        return PrintedAmountFault::BeyondLimit;
    return PrintedAmount(Money::fromTenThousandths(negative ? -count : count), decimals);
}

std::string printedAmountText(Money amount, int decimals, std::string_view decimalSeparator)
{
    const std::int64_t count = amount.tenThousandths();
    const std::uint64_t magnitude =
        count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    std::string text = count < 0 ? "-" : "";
    text += std::to_string(magnitude / Money::kScale);
    if (decimals <= 0)
        return text;
    const std::string fraction = std::to_string(Money::kScale + magnitude % Money::kScale);
    const auto shown = static_cast<std::size_t>(std::min(decimals, PrintedAmount::kExactDecimals));
    return text + std::string(decimalSeparator) + fraction.substr(1, shown);
}

std::string printedAmountFaultText(PrintedAmountFault fault, std::string_view text)
{
    const std::string quoted = "«" + std::string(text) + "»";
    switch (fault) {
    case PrintedAmountFault::NotAnAmount:
        break;
    case PrintedAmountFault::Blanks:
        return quoted + " tiene blancos antes o después del importe";
    case PrintedAmountFault::TooManyDecimals:
        return quoted + " tiene más de cuatro decimales";
    case PrintedAmountFault::BeyondLimit:
        return quoted + " está fuera de ±" + std::to_string(kLargestPrintedPesos);
    }
    return quoted + " no es un importe";
}

} // namespace pagaluz
