#pragma once

#include "Money.h"
#include "Payslip.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// One line of the payslip the school paid: its code, its amount and, where the payslip shows
// one, its quantity ("30 %", "1").
struct SchoolPayslipLine {
    std::string code;
    Money amount;
    std::optional<std::string> quantity;
};

// The school's payslip as the teacher reads it off the paper: its lines and, when given, its
// three totals.
struct SchoolPayslip {
    std::vector<SchoolPayslipLine> lines;
    std::optional<Money> totalEarnings;
    std::optional<Money> totalDeductions;
    std::optional<Money> netPay;
};

enum class LineStatus { Equal, Different, OnlyOurs, OnlyTheirs };

// "igual", "distinto", "sólo en el nuestro", "sólo en el del establecimiento".
std::string_view lineStatusText(LineStatus status);

// One code of either payslip, or one of the totals, side by side.
struct ComparisonRow {
    std::string code; // the line's code, or "Total Haberes", "Total descuentos", "Liquido a pagar"
    std::optional<Money> ours;
    std::optional<Money> theirs;
    LineStatus status = LineStatus::Equal;
    bool total = false;

    // Ours less theirs, an absent amount counting as zero: what the school paid short.
    Money difference() const { return ours.value_or(Money()) - theirs.value_or(Money()); }
};

// Our payslip against the school's: our lines in their order, then the codes only the school's
// has, in its order, then the totals the school's payslip gives.
struct PayslipComparison {
    std::vector<ComparisonRow> rows;

    bool equal() const;
    // How many rows that are lines (not totals) are equal, and how many there are.
    int matchingLines() const;
    int lineCount() const;
};

PayslipComparison comparePayslips(const Payslip &ours, const SchoolPayslip &theirs);

// How close a payslip comes to the school's, without writing the rows out: what the search for
// an explanation asks of each of its many calculations.
struct PayslipMatch {
    int matchingLines = 0;
    int lineCount = 0;
    bool allEqual = false;

    friend bool operator==(const PayslipMatch &, const PayslipMatch &) = default;
};

PayslipMatch matchPayslips(const Payslip &ours, const SchoolPayslip &theirs);

} // namespace pagaluz
