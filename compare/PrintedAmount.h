#pragma once

#include "Money.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace pagaluz {

// An amount as the school's payslip prints it: its value and how many decimals were written
// ("979,50" has two, "979.5" one, "979" none). It equals one of our amounts when the two differ
// by at most half a unit of its last decimal place (0,005 for cents, so that rounding half up
// and half to even are both accepted); written with four decimals, only when they are the same.
struct PrintedAmount {
    static constexpr int kExactDecimals = 4;

    Money value;
    int decimals = kExactDecimals;

    PrintedAmount() = default;
    // An amount of ours copied as it is, or one read with `written` decimals.
    PrintedAmount(Money amount, int written = kExactDecimals) : value(amount), decimals(written) {}

    bool exact() const { return decimals >= kExactDecimals; }
    // Half a unit of the last decimal written, in ten-thousandths: 50 for cents, 0 for four
    // decimals.
    std::int64_t tolerance() const;
    bool matches(Money ours) const;

    friend bool operator==(const PrintedAmount &, const PrintedAmount &) = default;
};

// `amount` rounded to `decimals` (0 to 4), half away from zero, as a payroll office prints it.
Money roundedHalfUp(Money amount, int decimals);

// The largest amount a school's payslip may hold, in pesos either side of zero.
inline constexpr std::int64_t kLargestPrintedPesos = 100'000'000;

enum class PrintedAmountFault {
    NotAnAmount,     // letters, a second separator, nothing at all
    Blanks,          // blanks before or after the amount
    TooManyDecimals, // more than four decimals
    BeyondLimit,     // beyond ±100 000 000
};

// Reads an amount as printed: an optional "-", digits, and optionally `decimalSeparator` and one
// to four decimals; no blanks, no digit grouping. The value is exact.
std::variant<PrintedAmount, PrintedAmountFault>
readPrintedAmount(std::string_view text, std::string_view decimalSeparator);

// `amount` written with exactly `decimals` decimals after `decimalSeparator`: "979,50".
std::string printedAmountText(Money amount, int decimals, std::string_view decimalSeparator);

// "más de cuatro decimales", "fuera de ±100000000"...: why `text` was refused.
std::string printedAmountFaultText(PrintedAmountFault fault, std::string_view text);

} // namespace pagaluz
