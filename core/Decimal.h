#pragma once

#include "Money.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pagaluz {

// An exact decimal number, for showing how an amount was reached: the figures a calculation
// takes (points, hours, rates as the pay scale writes them, amounts) and what adding,
// subtracting and multiplying them gives, with no rounding. Leaving the range of 38 digits
// throws MoneyOverflow; the figures of a payslip stay far inside it.
class Decimal {
public:
    constexpr Decimal() = default;

    static Decimal fromMoney(Money amount);
    static Decimal fromInteger(std::int64_t value);
    // units / 10^decimals: fromScaled(30, 2) is 0.3.
    static Decimal fromScaled(std::int64_t units, int decimals);
    // The shortest decimal that reads back as `value`, as 0.653 for the double nearest to it.
    // `value` must be finite.
    static Decimal fromDouble(double value);
    // Digits with an optional "-" and at most one "." ("343.0209"); nothing else.
    static std::optional<Decimal> fromText(std::string_view text);

    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a);
    friend Decimal operator*(const Decimal &a, const Decimal &b);
    friend std::strong_ordering operator<=>(const Decimal &a, const Decimal &b);
    // The digits are kept without trailing zeros, so equal values have equal members.
    friend bool operator==(const Decimal &, const Decimal &) = default;

    // Rounded to the nearest ten-thousandth, ties to even, as amounts are.
    Decimal roundedToTenThousandths() const;
    // The digits after the decimal separator (none for a whole number).
    int decimals() const { return m_scale > 0 ? m_scale : 0; }
    // Plain, as amounts are written: no grouping, `separator` before the fraction when there
    // is one, a leading "-" when negative. text(".") gives "343.0209".
    std::string text(std::string_view separator) const;
    // The same text appended to `out`.
    void appendText(std::string &out, std::string_view separator) const;

private:
    __extension__ typedef __int128 Int128;

    Decimal(Int128 units, int scale);

    Int128 m_units = 0; // the value is m_units / 10^m_scale
    int m_scale = 0;    // negative for whole numbers that end in zeros
};

} // namespace pagaluz
