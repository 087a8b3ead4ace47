#include "Sections.h"

#include <array>
#include <string>

namespace pagaluz {

namespace {

// One deduction of the payslip, in the order the payslip lists them.
struct Deduction {
    bool DeductionChoices::*chosen;
    Money CarryValues::*amount;
    double rate;
    bool onNationalIncentiveToo; // union dues are also due on the incentive
    const char *code;
    const char *conceptText;
    const char *quantity;
};

const std::array<Deduction, 7> kDeductions{{
    {&DeductionChoices::iosper, &CarryValues::iosperAmount, 0.03, false, "505", "IOSPER", "3 %"},
    {&DeductionChoices::osplad, &CarryValues::ospladAmount, 0.03, false, "508", "OSPLAD", "3 %"},
    {&DeductionChoices::pension, &CarryValues::pensionAmount, 0.16, false, "502", "Aporte Jub.",
     "16 %"},
    {&DeductionChoices::law4035, &CarryValues::law4035Amount, 0.006, false, "504", "Ley 4035",
     "0,6 %"},
    {&DeductionChoices::unionDues, &CarryValues::unionDuesAmount, 0.02, true, "332", "UTREL",
     "2 %"},
    {&DeductionChoices::compensationFund, &CarryValues::compensationFundAmount, 0.045, false, "512",
     "Caja Comp.", "4,5 %"},
    {&DeductionChoices::insurance3011, &CarryValues::insurance3011Amount, 0.02, false, "510",
     "Seguro 3011", "2 %"},
}};

// A rate of the remunerative total, with the national incentive for the union dues.
NodePtr explainDeduction(const Deduction &deduction, Money base, Money amount,
                         const ExplanationRecord &record)
{
    const CarryExplanations &explained = record.carry;
    const NodePtr baseNode =
        deduction.onNationalIncentiveToo
            ? record.operation("base de " + std::string(deduction.conceptText), base,
                               Operation::Sum,
                               {explained.remunerativeTotal, explained.nationalIncentive})
            : explained.remunerativeTotal;
    return record.operation("descuento " + std::string(deduction.conceptText), amount,
                            Operation::Product,
                            {record.rate("porcentaje de " + std::string(deduction.conceptText),
                                         Decimal::fromDouble(deduction.rate), "de la escala"),
                             baseNode});
}

} // namespace

void applyDeductions(CalculationState &state)
{
    CarryValues &carry = state.carry;
    if (carry.absenceDeduction > Money()) {
        state.payslip.appendDeductionLine("440", "Reajuste cod. 188", state.inputs.absenceDays,
                                          carry.absenceDeduction);
        state.explainLastLine(&CarryExplanations::absenceDeduction);
    }
    for (const Deduction &deduction : kDeductions) {
        if (!(state.inputs.deductionsChosen.*deduction.chosen))
            continue;
        const Money base = deduction.onNationalIncentiveToo
                               ? carry.remunerativeTotal + carry.nationalIncentive
                               : carry.remunerativeTotal;
        carry.*deduction.amount = base.timesRate(deduction.rate);
        state.payslip.appendDeductionLine(deduction.code, deduction.conceptText, deduction.quantity,
                                          carry.*deduction.amount);
        if (state.explanation)
            state.explainLastLine(
                explainDeduction(deduction, base, carry.*deduction.amount, *state.explanation));
    }
}

} // namespace pagaluz
