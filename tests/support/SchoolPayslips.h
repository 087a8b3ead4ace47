#pragma once

// School payslips made from one of ours, as a school prints them: copied to the
// ten-thousandth, or in cents as a payroll office prints them.

#include "PayCalculator.h"
#include "PayslipComparison.h"

namespace pagaluz::test {

// Every line with its quantity, and the totals, to the ten-thousandth.
inline SchoolPayslip printed(const Payslip &payslip)
{
    SchoolPayslip school;
    for (const PayslipLine &line : payslip.lines())
        school.lines.push_back({line.code, line.amount, line.quantity, line.column});
    school.totalEarnings = payslip.totalEarnings();
    school.totalDeductions = payslip.totalDeductions();
    school.netPay = payslip.netPay();
    return school;
}

// Every line rounded half up to the cent, the totals summed from the lines printed.
inline SchoolPayslip printedInCents(const Payslip &payslip)
{
    SchoolPayslip school;
    Money earnings;
    Money deductions;
    for (const PayslipLine &line : payslip.lines()) {
        const Money cents = roundedHalfUp(line.amount, 2);
        (line.column == AmountColumn::Earnings ? earnings : deductions) += cents;
        school.lines.push_back({line.code, PrintedAmount(cents, 2), line.quantity, line.column});
    }
    school.totalEarnings = PrintedAmount(earnings, 2);
    school.totalDeductions = PrintedAmount(deductions, 2);
    school.netPay = PrintedAmount(earnings - deductions, 2);
    return school;
}

// Whether two school payslips print the same codes, quantities and amounts, in order.
inline bool sameLines(const SchoolPayslip &a, const SchoolPayslip &b)
{
    if (a.lines.size() != b.lines.size())
        return false;
    for (std::size_t index = 0; index < a.lines.size(); ++index)
        if (a.lines[index].code != b.lines[index].code ||
            a.lines[index].amount.value != b.lines[index].amount.value ||
            a.lines[index].quantity != b.lines[index].quantity)
            return false;
    return a.totalEarnings == b.totalEarnings && a.netPay == b.netPay;
}

} // namespace pagaluz::test
