#include "Sections.h"

#include <array>
#include <string>

namespace pagaluz {

namespace {

// One deduction of the payslip, in the order the payslip lists them.
struct Deduction {
    bool DeductionChoices::*chosen;
    Amount CarryValues::*amount;
    DeductionRate DeductionScale::*rate;
    bool onNationalIncentiveToo; // union dues are also due on the incentive
    const char *code;
    const char *conceptText;
};

const std::array<Deduction, 7> kDeductions{{
    {&DeductionChoices::iosper, &CarryValues::iosperAmount, &DeductionScale::iosper, false, "505",
     "IOSPER"},
    {&DeductionChoices::osplad, &CarryValues::ospladAmount, &DeductionScale::osplad, false, "508",
     "OSPLAD"},
    {&DeductionChoices::pension, &CarryValues::pensionAmount, &DeductionScale::pension, false,
     "502", "Aporte Jub."},
    {&DeductionChoices::law4035, &CarryValues::law4035Amount, &DeductionScale::law4035, false,
     "504", "Ley 4035"},
    {&DeductionChoices::unionDues, &CarryValues::unionDuesAmount, &DeductionScale::unionDues, true,
     "332", "UTREL"},
    {&DeductionChoices::compensationFund, &CarryValues::compensationFundAmount,
     &DeductionScale::compensationFund, false, "512", "Caja Comp."},
    {&DeductionChoices::insurance3011, &CarryValues::insurance3011Amount,
     &DeductionScale::insurance3011, false, "510", "Seguro 3011"},
}};

// A rate of the remunerative total, with the national incentive for the union dues.
Amount deducted(const CalculationState &state, const Deduction &deduction)
{
    const CarryValues &c = state.carry;
    const Tracer &trace = state.trace;
    const std::string_view conceptText = deduction.conceptText;
    const Amount base = deduction.onNationalIncentiveToo
                            ? trace.sum([&] { return "base de " + std::string(conceptText); },
                                        {c.remunerativeTotal, c.nationalIncentive})
                            : c.remunerativeTotal;
    return trace.share([&] { return "descuento " + std::string(conceptText); },
                       trace.scaleRate((state.scale.deductions.*deduction.rate).rate), base);
}

} // namespace

void applyDeductions(CalculationState &state)
{
    CarryValues &carry = state.carry;
    if (carry.absenceDeduction > Money())
        state.appendDeduction("440", "Reajuste cod. 188", state.inputs.absenceDays,
                              carry.absenceDeduction);
    for (const Deduction &deduction : kDeductions) {
        if (!(state.inputs.deductionsChosen.*deduction.chosen))
            continue;
        carry.*deduction.amount = deducted(state, deduction);
        state.appendDeduction(deduction.code, deduction.conceptText,
                              (state.scale.deductions.*deduction.rate).quantity,
                              carry.*deduction.amount);
    }
}

} // namespace pagaluz
