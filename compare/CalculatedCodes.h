#pragma once

#include "PayslipLine.h"

#include <string_view>

namespace pagaluz {

// How many times one payslip of this pay scale may hold `code`: 0 for a code no calculation
// writes (a deduction of another fund), 2 for "052" (full day and extended day), else 1.
int timesCalculationsWrite(std::string_view code);

// The column of a school's line whose payslip does not say: the column our calculation writes
// the code in; for a code it never writes, deductions from "300" to "999", earnings otherwise.
AmountColumn columnOfCode(std::string_view code);

} // namespace pagaluz
