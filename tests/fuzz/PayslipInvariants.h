#pragma once

#include "DecimalConventions.h"
#include "PayCalculator.h"
#include "PayInputs.h"

namespace pagaluz::fuzz {

// What holds for every calculation, whatever its inputs: a validation error
// exactly when no kind of pay is ticked; a conversion error with the field to
// correct and a message that starts with its label; or a payslip of at most 26
// lines on rows 0 to n - 1, earnings lines before deduction lines, every amount
// text the amount written with its prefix, the totals the exact sums of the
// columns and the net pay their difference.
void checkResult(const PayInputs &inputs, const CalculationResult &result,
                 const DecimalConventions &conv);

// Both results are the same payslip, or the same error.
void checkSameResult(const CalculationResult &first, const CalculationResult &second);

} // namespace pagaluz::fuzz
