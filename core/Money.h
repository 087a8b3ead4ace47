#pragma once

#include <compare>
#include <cstdint>
#include <stdexcept>

namespace pagaluz {

// Raised when an amount leaves the range of Money. The calculation turns it
// into an error naming the input that drove the amount so high.
class MoneyOverflow : public std::overflow_error {
public:
    MoneyOverflow() : std::overflow_error("importe fuera del rango representable") {}
};

// A currency amount as a signed 64-bit count of ten-thousandths. Sums and
// differences are exact; a product with a fractional rate is formed in
// double precision and rounded back to the nearest ten-thousandth, ties to
// even. Leaving the range throws MoneyOverflow, never wraps.
class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;

    static constexpr Money fromTenThousandths(std::int64_t count) { return Money(count); }
    // A whole number of currency units (throws MoneyOverflow when out of range).
    static Money fromUnits(std::int64_t units);
    // The exact value of `value` rounded to the nearest ten-thousandth, ties
    // to even. Throws MoneyOverflow for NaN, infinities and values outside
    // the range.
    static Money fromDouble(double value);

    constexpr std::int64_t tenThousandths() const { return m_count; }
    // The double nearest to the exact amount.
    double toDouble() const;

    // Exact product with a whole factor, as for a percentage before it is
    // divided by one hundred.
    Money timesWhole(std::int64_t factor) const;
    // The amount as a double times `rate`, rounded back to Money.
    Money timesRate(double rate) const { return fromDouble(toDouble() * rate); }

    Money &operator+=(Money other)
    {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(m_count, other.m_count, &sum))
            overflow();
        m_count = sum;
        return *this;
    }
    Money &operator-=(Money other)
    {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(m_count, other.m_count, &difference))
            overflow();
        m_count = difference;
        return *this;
    }
    friend Money operator+(Money a, Money b) { return a += b; }
    friend Money operator-(Money a, Money b) { return a -= b; }

    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t count) : m_count(count) {}
    [[noreturn]] static void overflow();

    std::int64_t m_count = 0;
};

} // namespace pagaluz
