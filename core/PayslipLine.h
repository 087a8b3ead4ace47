#pragma once

#include "Money.h"

#include <string>

namespace pagaluz {

enum class AmountColumn { Earnings, Deductions };

// One row of the payslip grid: the amount stands in exactly one column.
struct PayslipLine {
    int row = 0;
    std::string code;        // "001", "1010"
    std::string conceptText; // "Asign. de la categoría"
    std::string quantity;    // "1", "3 %", "7.0" or empty
    AmountColumn column = AmountColumn::Earnings;
    Money amount;
    std::string amountText; // "$979,5", "$ 65,953"

    friend bool operator==(const PayslipLine &, const PayslipLine &) = default;
};

} // namespace pagaluz
