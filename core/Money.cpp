#include "Money.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace pagaluz {

namespace {

__extension__ typedef unsigned __int128 UInt128;

constexpr std::int64_t kMaxExactInDouble = std::int64_t{1} << 53;

// Rounds magnitude / 2^shift to the nearest integer, ties to even.
UInt128 shiftRoundHalfEven(UInt128 magnitude, int shift)
{
    if (shift == 0)
        return magnitude;
    if (shift >= 127)
        return 0; // below half of one ten-thousandth: magnitude < 2^68
    const UInt128 quotient = magnitude >> shift;
    const UInt128 remainder = magnitude - (quotient << shift);
    const UInt128 half = UInt128{1} << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1) != 0))
        return quotient + 1;
    return quotient;
}

// A finite double's magnitude as mantissa * 2^exponent, read from its bits:
// a 53-bit mantissa for a normal number, the bare fraction bits with the
// smallest exponent for a subnormal one.
struct BinaryParts {
    std::uint64_t mantissa;
    int exponent;
};

BinaryParts binaryParts(double value)
{
    constexpr int kFractionBits = 52;
    constexpr int kExponentBias = 1023 + kFractionBits;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto fraction = bits & ((std::uint64_t{1} << kFractionBits) - 1);
    const auto biasedExponent = static_cast<int>((bits >> kFractionBits) & 0x7FF);
    if (biasedExponent == 0)
        return {fraction, 1 - kExponentBias};
    return {fraction | (std::uint64_t{1} << kFractionBits), biasedExponent - kExponentBias};
}

// The signed count for a magnitude, or MoneyOverflow when it does not fit.
std::int64_t signedCount(UInt128 magnitude, bool negative)
{
    const auto maxPositive = static_cast<UInt128>(std::numeric_limits<std::int64_t>::max());
    if (!negative) {
        if (magnitude > maxPositive)
            throw MoneyOverflow();
        return static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > maxPositive + 1)
        throw MoneyOverflow();
    if (magnitude == maxPositive + 1)
        return std::numeric_limits<std::int64_t>::min();
    return -static_cast<std::int64_t>(magnitude);
}

} // namespace

Money Money::fromUnits(std::int64_t units)
{
    return Money::fromTenThousandths(units).timesWhole(kScale);
}

Money Money::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw MoneyOverflow();
    if (value == 0.0)
        return Money();
    // value = mantissa * 2^exponent with an integer mantissa, so the amount
    // in ten-thousandths is mantissa * 10000 * 2^exponent, which is rounded
    // exactly with 128-bit integer arithmetic.
    const auto [mantissa, exponent] = binaryParts(value);
    const UInt128 scaled = UInt128{mantissa} * static_cast<UInt128>(kScale);
    if (exponent >= 0) {
        if (exponent > 63)
            throw MoneyOverflow();
        const UInt128 limit = UInt128{1} << 64;
        if (scaled >= (limit >> exponent))
            throw MoneyOverflow();
        return Money(signedCount(scaled << exponent, value < 0));
    }
    return Money(signedCount(shiftRoundHalfEven(scaled, -exponent), value < 0));
}

double Money::toDouble() const
{
    if (m_count >= -kMaxExactInDouble && m_count <= kMaxExactInDouble)
        return static_cast<double>(m_count) / static_cast<double>(kScale);
    // Beyond 2^53 the count itself is not a double: read the exact decimal
    // text, which from_chars rounds correctly to the nearest double.
    const bool negative = m_count < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(m_count) : static_cast<std::uint64_t>(m_count);
    // At most a sign, 15 whole digits, the point and 4 fraction digits.
    std::array<char, 32> text{};
    char *end = text.data();
    if (negative)
        *end++ = '-';
    end = std::to_chars(end, text.data() + text.size(), magnitude / kScale).ptr;
    *end++ = '.';
    const std::uint64_t fraction = magnitude % kScale;
    for (std::uint64_t unit = kScale / 10; unit > 0; unit /= 10)
        *end++ = static_cast<char>('0' + fraction / unit % 10);
    double result = 0.0;
    std::from_chars(text.data(), end, result);
    return result;
}

Money Money::timesWhole(std::int64_t factor) const
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m_count, factor, &product))
        throw MoneyOverflow();
    return Money(product);
}

void Money::overflow()
{
    throw MoneyOverflow();
}

} // namespace pagaluz
