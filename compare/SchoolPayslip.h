#pragma once

#include "PayslipLine.h"
#include "PrintedAmount.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace pagaluz {

// One line of the payslip the school paid: its code, its amount as printed and, where the
// payslip shows them, its quantity ("30 %", "1") and its column.
struct SchoolPayslipLine {
    std::string code;
    PrintedAmount amount;
    std::optional<std::string> quantity;
    std::optional<AmountColumn> column;

    // The column given, or the one its code stands in (see columnOfCode).
    AmountColumn columnOrGuess() const;
    // Whether a calculation of this pay scale can write the line's code.
    bool calculated() const;
};

// The school's payslip as the teacher reads it off the paper: its lines and, when given, its
// three totals.
struct SchoolPayslip {
    std::vector<SchoolPayslipLine> lines;
    std::optional<PrintedAmount> totalEarnings;
    std::optional<PrintedAmount> totalDeductions;
    std::optional<PrintedAmount> netPay;
};

// The most lines a school's payslip may have.
inline constexpr std::size_t kMostSchoolLines = 500;

// A line whose code the payslip already holds as often as one payslip can (once, or twice for
// "052"), and the earlier line of that code.
struct RepeatedCode {
    std::size_t line = 0;
    std::size_t earlier = 0;
};

std::optional<RepeatedCode> findRepeatedCode(const std::vector<SchoolPayslipLine> &lines);

} // namespace pagaluz
