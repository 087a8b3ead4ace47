#include "PayslipInvariants.h"

#include "FuzzCheck.h"
#include "NumberText.h"

#include <string>
#include <string_view>

namespace pagaluz::fuzz {

namespace {

__extension__ typedef __int128 Wide;

bool anyBasisTicked(const PayInputs &inputs)
{
    return inputs.positionChosen || inputs.secondaryHoursChosen || inputs.higherHoursChosen;
}

void checkError(const PayInputs &inputs, const CalculationError &error)
{
    if (!anyBasisTicked(inputs)) {
        check(error.kind == CalculationError::Kind::Validation && !error.field &&
                  error.message == CalculationError::kNoPayBasisMessage,
              "no kind of pay ticked gives the validation message");
        return;
    }
    check(error.kind == CalculationError::Kind::Conversion,
          "a validation error although a kind of pay is ticked");
    check(error.field.has_value(), "a conversion error names no field");
    check(!error.message.empty(), "a conversion error has no message");
    const std::string label = std::string(inputFieldLabel(*error.field)) + ":";
    if (!error.message.starts_with(label))
        fail("a conversion error's message does not start with its field's label: " +
             error.message);
}

void checkLines(const Payslip &payslip, const DecimalConventions &conv)
{
    const auto &lines = payslip.lines();
    check(lines.size() <= static_cast<std::size_t>(Payslip::kMaxLines), "more than 26 lines");
    check(!lines.empty() && lines.front().code == "001", "the payslip does not start with 001");
    bool deductionSeen = false;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const PayslipLine &line = lines[index];
        check(line.row == static_cast<int>(index), "line rows are not 0 to n - 1 in order");
        const bool deduction = line.column == AmountColumn::Deductions;
        check(deduction || !deductionSeen, "an earnings line after a deduction line");
        deductionSeen = deductionSeen || deduction;
        const std::string_view prefix = index == 0 ? Payslip::kFirstLinePrefix : Payslip::kPrefix;
        if (line.amountText != formatAmount(line.amount, prefix, conv))
            fail("line " + line.code + ": amount text " + line.amountText +
                 " is not its amount written with its prefix");
    }
}

void checkTotals(const Payslip &payslip, const DecimalConventions &conv)
{
    Wide earnings = 0;
    Wide deductions = 0;
    for (const PayslipLine &line : payslip.lines())
        (line.column == AmountColumn::Earnings ? earnings : deductions) +=
            line.amount.tenThousandths();
    check(payslip.totalEarnings().tenThousandths() == earnings,
          "Total Haberes is not the sum of the earnings column");
    check(payslip.totalDeductions().tenThousandths() == deductions,
          "Total descuentos is not the sum of the deductions column");
    check(payslip.netPay().tenThousandths() == earnings - deductions,
          "Liquido a pagar is not earnings less deductions");
    check(payslip.totalEarningsText() == formatAmount(payslip.totalEarnings(), "$ ", conv) &&
              payslip.totalDeductionsText() ==
                  formatAmount(payslip.totalDeductions(), "$ ", conv) &&
              payslip.netPayText() == formatAmount(payslip.netPay(), "$ ", conv),
          "a total's text is not its amount written after \"$ \"");
}

} // namespace

void checkResult(const PayInputs &inputs, const CalculationResult &result,
                 const DecimalConventions &conv)
{
    if (!result.succeeded()) {
        checkError(inputs, result.error());
        return;
    }
    check(anyBasisTicked(inputs), "a payslip although no kind of pay is ticked");
    const Payslip &payslip = result.payslip();
    check(payslip.conventions() == conv, "the payslip is not written in the conventions given");
    check(payslip.teacherName == inputs.teacherName, "the payslip does not carry the name");
    checkLines(payslip, conv);
    checkTotals(payslip, conv);
}

void checkSameResult(const CalculationResult &first, const CalculationResult &second)
{
    check(first.succeeded() == second.succeeded(), "the same inputs succeed once only");
    if (first.succeeded()) {
        check(first.payslip() == second.payslip(), "the same inputs give two payslips");
        return;
    }
    const CalculationError &a = first.error();
    const CalculationError &b = second.error();
    check(a.kind == b.kind && a.field == b.field && a.message == b.message,
          "the same inputs give two errors");
}

} // namespace pagaluz::fuzz
