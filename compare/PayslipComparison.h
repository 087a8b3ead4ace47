#pragma once

#include "Money.h"
#include "Payslip.h"
#include "SchoolPayslip.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

enum class LineStatus { Equal, Different, OnlyOurs, OnlyTheirs, NotCalculated };

// "igual", "distinto", "sólo en el nuestro", "sólo en el del establecimiento", "no lo calcula
// Pagaluz".
std::string_view lineStatusText(LineStatus status);

enum class PayslipTotal { Earnings, Deductions, NetPay };

// "Total Haberes", "Total descuentos", "Liquido a pagar".
std::string_view payslipTotalName(PayslipTotal total);

// One code of either payslip, or one of the totals, side by side.
struct ComparisonRow {
    std::string code; // the line's code, or the total's name
    std::optional<Money> ours;
    // The school's amount; for a total, the school's less the lines Pagaluz does not calculate.
    std::optional<Money> theirs;
    LineStatus status = LineStatus::Equal;
    std::optional<PayslipTotal> total; // set on the rows of the totals
    int ourLine = -1;                  // the row's line in our payslip, or -1
    int theirLine = -1;                // the row's line in the school's payslip, or -1
    int theirDecimals = PrintedAmount::kExactDecimals; // the decimals the school wrote
    // For a row equal only at the decimals the school wrote: how many, and ours rounded to them.
    std::optional<int> roundedTo;
    std::optional<Money> oursRounded;
    // For a line whose school's quantity was given and is not ours (see quantitiesEqual): both
    // quantities, as written.
    bool quantityDiffers = false;
    std::string ourQuantity;
    std::string theirQuantity;

    // Ours less theirs, an absent amount counting as zero: what the school paid short.
    Money difference() const { return ours.value_or(Money()) - theirs.value_or(Money()); }
};

// For a row equal only at the school's decimals: "igual al centavo" (at two decimals), "igual al
// peso", "igual a la décima", "igual a la milésima"; for a line whose amount is equal but not its
// quantity, "distinto en la cantidad"; otherwise the row's status.
std::string statusWithNote(const ComparisonRow &row);

// Our payslip against the school's: our lines in their order, then the codes only the school's
// has, in its order, then its lines no calculation of this pay scale writes, then the totals the
// school's payslip gives. Amounts are equal at the decimals the school wrote (see
// PrintedAmount), quantities by value (see quantitiesEqual); a total also when it is the sum of our
// lines each rounded to its decimals, half up, as a payroll office adds the lines it printed. The
// school's totals are compared less the lines Pagaluz does not calculate.
struct PayslipComparison {
    std::vector<ComparisonRow> rows;

    // Every row equal, and no line that Pagaluz does not calculate.
    bool equal() const;
    // How many rows that are lines compared (not totals, not lines Pagaluz does not calculate)
    // are equal, and how many there are.
    int matchingLines() const;
    int lineCount() const;
    std::vector<std::string> notCalculatedCodes() const;
};

PayslipComparison comparePayslips(const Payslip &ours, const SchoolPayslip &theirs);

// "Los dos recibos son iguales." or "5 de 11 líneas difieren."
std::string comparisonSummary(const PayslipComparison &comparison);

// When the school's payslip has lines Pagaluz does not calculate: "El código 509 no lo calcula
// Pagaluz: se comparan las demás líneas, y los totales del establecimiento sin esa línea."
// Otherwise empty.
std::string notCalculatedSentence(const PayslipComparison &comparison);

// How close a payslip comes to the school's, without writing the rows out: what the search for
// an explanation asks of each of its many calculations. `allEqual` leaves out the lines Pagaluz
// does not calculate.
struct PayslipMatch {
    int matchingLines = 0;
    int lineCount = 0;
    bool allEqual = false;

    friend bool operator==(const PayslipMatch &, const PayslipMatch &) = default;
};

PayslipMatch matchPayslips(const Payslip &ours, const SchoolPayslip &theirs);

// Our payslip as the school would print it, each amount rounded half up to the decimals the
// school wrote for it: two payslips with the same text are the same at the school's precision.
std::string printedAtSchoolPrecision(const Payslip &ours, const SchoolPayslip &theirs);

// For a line whose quantity differs: "la cantidad difiere (30 % en el nuestro, 40 % en el del
// establecimiento)"; otherwise empty.
std::string quantityDifferenceText(const ComparisonRow &row);

} // namespace pagaluz
