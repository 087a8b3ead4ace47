#pragma once

#include "DecimalConventions.h"
#include "Money.h"

namespace pagaluz::fuzz {

// formatAmount writes `amount` in its shortest plain form (no grouping, one to
// four fraction digits without trailing zeros, only when the fraction is not
// zero), after its prefix, and parseMoney reads the text back as `amount`.
void checkAmountText(Money amount, const DecimalConventions &conv);

// formatPlainNumber writes `value` without an exponent, without grouping, in at
// most fifteen significant digits without trailing fraction zeros, and
// parseDouble reads the text back as `value` rounded to fifteen digits.
void checkPlainNumber(double value, const DecimalConventions &conv);

} // namespace pagaluz::fuzz
