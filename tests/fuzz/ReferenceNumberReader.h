#pragma once

// A second reader of number texts, written apart from core/NumberText.cpp and
// as plainly as possible, for the number-text fuzz target to compare against.
// It follows the rules the program promises: optional blanks (space, tab), an
// optional sign, digits optionally grouped in threes by the group separator,
// at most one decimal separator, optional blanks.

#include "DecimalConventions.h"
#include "NumberText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pagaluz::fuzz {

// The digits of an accepted text, before and after the decimal separator.
struct ReferenceDigits {
    bool negative = false;
    std::string whole;
    std::string fraction;
};

NumberRead<ReferenceDigits> referenceDigits(std::string_view text, const DecimalConventions &conv);

// The double nearest to the text; out of range only beyond the largest double.
NumberRead<double> referenceDouble(std::string_view text, const DecimalConventions &conv);

// The double rounded to a whole number, half to even, within [lowest, highest].
NumberRead<std::int64_t> referenceWhole(std::string_view text, const DecimalConventions &conv,
                                        std::int64_t lowest, std::int64_t highest);

// The exact decimal value in ten-thousandths, rounded half to even, within 64 bits.
NumberRead<std::int64_t> referenceTenThousandths(std::string_view text,
                                                 const DecimalConventions &conv);

} // namespace pagaluz::fuzz
