#include "Decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace pagaluz {

namespace {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

constexpr int kMaxPower = 38; // 10^38 is the largest power of ten a signed 128-bit number holds

constexpr std::array<Int128, kMaxPower + 1> kPowersOfTen = [] {
    std::array<Int128, kMaxPower + 1> powers{};
    powers[0] = 1;
    for (std::size_t k = 1; k < powers.size(); ++k)
        powers[k] = powers[k - 1] * 10;
    return powers;
}();

Int128 powerOfTen(int exponent)
{
    if (exponent < 0 || exponent > kMaxPower)
        throw MoneyOverflow();
    return kPowersOfTen[static_cast<std::size_t>(exponent)];
}

Int128 times(Int128 a, Int128 b)
{
    constexpr Int128 kSmall = std::numeric_limits<std::int32_t>::max();
    if (a >= -kSmall && a <= kSmall && b >= -kSmall && b <= kSmall) // the usual figures
        return static_cast<Int128>(static_cast<std::int64_t>(a) * static_cast<std::int64_t>(b));
    Int128 product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw MoneyOverflow();
    return product;
}

UInt128 magnitude(Int128 value)
{
    return value < 0 ? UInt128{0} - static_cast<UInt128>(value) : static_cast<UInt128>(value);
}

int digitCount(UInt128 value)
{
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

// "00" to "99": two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t n = 0; n < 100; ++n) {
        pairs[2 * n] = static_cast<char>('0' + n / 10);
        pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

// The decimal digits of `value`, written backwards from `end`; returns where they start.
char *digitsBefore(char *end, UInt128 value)
{
    while (value > std::numeric_limits<std::uint64_t>::max()) {
        *--end = static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    }
    // Most values fit 64 bits, where dividing is much cheaper.
    auto small = static_cast<std::uint64_t>(value);
    while (small >= 100) {
        const std::size_t pair = 2 * (small % 100);
        small /= 100;
        *--end = kDigitPairs[pair + 1];
        *--end = kDigitPairs[pair];
    }
    if (small >= 10) {
        *--end = kDigitPairs[2 * small + 1];
        *--end = kDigitPairs[2 * small];
    } else {
        *--end = static_cast<char>('0' + small);
    }
    return end;
}

} // namespace

Decimal::Decimal(Int128 units, int scale) : m_units(units), m_scale(scale)
{
    if (m_units == 0) {
        m_scale = 0;
        return;
    }
    // Most values fit 64 bits, where dividing is much cheaper.
    if (m_units >= std::numeric_limits<std::int64_t>::min() &&
        m_units <= std::numeric_limits<std::int64_t>::max()) {
        auto small = static_cast<std::int64_t>(m_units);
        while (small % 10 == 0) {
            small /= 10;
            --m_scale;
        }
        m_units = small;
        return;
    }
    while (m_units % 10 == 0) {
        m_units /= 10;
        --m_scale;
    }
}

Decimal Decimal::fromMoney(Money amount)
{
    return Decimal(amount.tenThousandths(), 4);
}

Decimal Decimal::fromInteger(std::int64_t value)
{
    return Decimal(value, 0);
}

Decimal Decimal::fromScaled(std::int64_t units, int decimals)
{
    return Decimal(units, decimals);
}

Decimal Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw std::invalid_argument("Decimal::fromDouble needs a finite number");
    // The shortest text that reads back as `value`, as "6.53e-01".
    std::array<char, 32> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
    const std::string_view writtenText(text.data(),
                                       static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t exponentAt = writtenText.find('e');
    int exponent = 0;
    std::from_chars(writtenText.data() + exponentAt + 1 +
                        (writtenText[exponentAt + 1] == '+' ? 1 : 0),
                    writtenText.data() + writtenText.size(), exponent);
    const std::string_view digits = writtenText.substr(0, exponentAt);
    Int128 units = 0;
    int fractionDigits = 0;
    bool afterPoint = false;
    for (const char c : digits) {
        if (c == '.')
            afterPoint = true;
        else if (c != '-') {
            units = units * 10 + (c - '0');
            fractionDigits += afterPoint ? 1 : 0;
        }
    }
    return Decimal(value < 0 ? -units : units, fractionDigits - exponent);
}

std::optional<Decimal> Decimal::fromText(std::string_view text)
{
    const bool negative = text.starts_with('-');
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || (point != std::string_view::npos && fraction.empty()) ||
        whole.size() + fraction.size() > static_cast<std::size_t>(kMaxPower))
        return std::nullopt;
    Int128 units = 0;
    for (const std::string_view part : {whole, fraction}) {
        for (const char c : part) {
            if (c < '0' || c > '9')
                return std::nullopt;
            units = units * 10 + (c - '0');
        }
    }
    return Decimal(negative ? -units : units, static_cast<int>(fraction.size()));
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    if (a.m_units == 0 || b.m_units == 0)
        return a.m_units == 0 ? b : a;
    const int scale = std::max(a.m_scale, b.m_scale);
    Decimal::Int128 sum = 0;
    if (__builtin_add_overflow(times(a.m_units, powerOfTen(scale - a.m_scale)),
                               times(b.m_units, powerOfTen(scale - b.m_scale)), &sum))
        throw MoneyOverflow();
    return Decimal(sum, scale);
}

Decimal operator-(const Decimal &a, const Decimal &b)
{
    return a + -b;
}

Decimal operator-(const Decimal &a)
{
    return Decimal(times(a.m_units, -1), a.m_scale);
}

Decimal operator*(const Decimal &a, const Decimal &b)
{
    return Decimal(times(a.m_units, b.m_units), a.m_scale + b.m_scale);
}

// By sign, then by the place of the first digit, and only then digit by digit: values far
// apart are never brought to one scale, which could leave the range.
std::strong_ordering operator<=>(const Decimal &a, const Decimal &b)
{
    const auto sign = [](const Decimal &d) { return d.m_units < 0 ? -1 : (d.m_units > 0); };
    if (sign(a) != sign(b) || sign(a) == 0)
        return sign(a) <=> sign(b);
    const UInt128 magA = magnitude(a.m_units);
    const UInt128 magB = magnitude(b.m_units);
    const int placeA = digitCount(magA) - a.m_scale;
    const int placeB = digitCount(magB) - b.m_scale;
    std::strong_ordering byMagnitude = placeA <=> placeB;
    if (byMagnitude == 0) {
        const int scale = std::max(a.m_scale, b.m_scale);
        const auto aligned = [scale](UInt128 mag, int ownScale) {
            UInt128 result = 0;
            if (__builtin_mul_overflow(mag, static_cast<UInt128>(powerOfTen(scale - ownScale)),
                                       &result))
                throw MoneyOverflow();
            return result;
        };
        byMagnitude = aligned(magA, a.m_scale) <=> aligned(magB, b.m_scale);
    }
    return sign(a) > 0 ? byMagnitude : 0 <=> byMagnitude;
}

Decimal Decimal::roundedToTenThousandths() const
{
    constexpr int kDecimals = 4;
    if (m_scale <= kDecimals)
        return *this;
    // Beyond 38 places the whole value is below half a ten-thousandth.
    if (m_scale - kDecimals > kMaxPower)
        return {};
    const UInt128 divisor = static_cast<UInt128>(powerOfTen(m_scale - kDecimals));
    const UInt128 whole = magnitude(m_units);
    UInt128 quotient = whole / divisor;
    const UInt128 remainder = whole % divisor;
    if (2 * remainder > divisor || (2 * remainder == divisor && quotient % 2 == 1))
        ++quotient;
    const auto units = static_cast<Int128>(quotient);
    return Decimal(m_units < 0 ? -units : units, kDecimals);
}

std::string Decimal::text(std::string_view separator) const
{
    std::string text;
    appendText(text, separator);
    return text;
}

// The text is measured first and written in place: one growth of `out` however many parts.
void Decimal::appendText(std::string &out, std::string_view separator) const
{
    std::array<char, 40> buffer; // the 39 digits of the largest magnitude
    char *const end = buffer.data() + buffer.size();
    const char *const start = digitsBefore(end, magnitude(m_units));
    const auto digits = static_cast<std::size_t>(end - start);
    const std::size_t sign = m_units < 0 ? 1 : 0;
    // A whole number may end in zeros; a fraction below one starts with "0" and zeros.
    const std::size_t zerosAfter = m_scale < 0 ? static_cast<std::size_t>(-m_scale) : 0;
    const std::size_t fraction = m_scale > 0 ? static_cast<std::size_t>(m_scale) : 0;
    const std::size_t wholeDigits = digits > fraction ? digits - fraction : 0;
    const std::size_t zerosBefore = fraction > digits ? fraction - digits : 0;
    const std::size_t length = sign + std::max<std::size_t>(wholeDigits, 1) + zerosAfter +
                               (fraction > 0 ? separator.size() + fraction : 0);
    const std::size_t at = out.size();
    out.resize(at + length);
    char *next = out.data() + at;
    if (sign)
        *next++ = '-';
    if (wholeDigits == 0)
        *next++ = '0';
    else
        next = std::copy_n(start, wholeDigits, next);
    next = std::fill_n(next, zerosAfter, '0');
    if (fraction == 0)
        return;
    next = std::copy(separator.begin(), separator.end(), next);
    next = std::fill_n(next, zerosBefore, '0');
    std::copy_n(start + wholeDigits, digits - wholeDigits, next);
}

} // namespace pagaluz
