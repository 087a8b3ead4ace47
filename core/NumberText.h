#pragma once

#include "DecimalConventions.h"
#include "Money.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace pagaluz {

// Why the text of a box could not be read as the number its field needs.
enum class NumberTextFailure {
    Empty,      // nothing but blanks
    NotANumber, // letters, exponents, a second separator, misplaced grouping
    OutOfRange, // a number, but beyond what the field can hold
};

template <typename T> using NumberRead = std::variant<T, NumberTextFailure>;

// Reads the text of a box as a number: optional blanks, an optional sign,
// digits (optionally grouped in threes by the group separator) with at most
// one decimal separator, optional blanks. Anything else is a failure, never a
// zero. The value is the double nearest to the decimal text.
NumberRead<double> parseDouble(std::string_view text, const DecimalConventions &conventions);

// The same text rounded to a whole number, half to even, then range checked.
NumberRead<std::int16_t> parseInt16(std::string_view text, const DecimalConventions &conventions);
NumberRead<std::uint8_t> parseUInt8(std::string_view text, const DecimalConventions &conventions);

// The same text as an amount, rounded to the nearest ten-thousandth.
NumberRead<Money> parseMoney(std::string_view text, const DecimalConventions &conventions);

// An amount in its shortest plain form after `prefix`: the whole part, and
// only when the fraction is not zero the decimal separator and one to four
// fraction digits; no grouping; a leading "-" when negative.
// formatAmount(1234.5, "$ ") gives "$ 1234,5" under a decimal comma.
std::string formatAmount(Money amount, std::string_view prefix,
                         const DecimalConventions &conventions);

// The same text written at `out`, which has room for amountTextBound(prefix, decimalSeparator)
// bytes; returns its end.
char *writeAmount(Money amount, std::string_view prefix, std::string_view decimalSeparator,
                  char *out);
std::size_t amountTextBound(std::string_view prefix, std::string_view decimalSeparator);

// A double as a plain number: at most 15 significant digits, no exponent,
// no grouping, the locale's decimal separator, no trailing zeros.
std::string formatPlainNumber(double value, const DecimalConventions &conventions);

} // namespace pagaluz
