#include "HourLevel.h"
#include "NumberText.h"
#include "Sections.h"

#include <string>

namespace pagaluz {

namespace {

constexpr double kProductivityRate = 0.07;
constexpr double kProductivityQuantity = 0.7; // shown as "0,7" or "0.7" by locale

// The quantity of rows "006", "084" and "113": empty for a position; for
// hours the cap as a whole number once the count reaches it, otherwise the
// count's text exactly as typed.
std::string hourQuantity(const CalculationState &state, double count, const std::string &typed,
                         int cap)
{
    if (state.positionMode())
        return {};
    return count >= cap ? std::to_string(cap) : typed;
}

Money productivityBase(const CarryValues &carry)
{
    return carry.categoryAssignment + carry.basicComplement + carry.differentiatedTask +
           carry.workdaySupplements + carry.seniorityAmount + carry.zoneAmount;
}

// The productivity of the decree is a share of the "006" amount; the productivity plus the
// same share of the position's or the hours' pay with seniority and zone.
void explainDecreeSupplements(const CalculationState &state, Money plusBase,
                              ExplanationRecord &record)
{
    const CarryValues &carry = state.carry;
    CarryExplanations &explained = record.carry;
    const NodePtr rate = record.rate("porcentaje de productividad",
                                     Decimal::fromDouble(kProductivityRate), "de la escala");
    explained.decreeProductivity =
        record.operation("productividad del decreto 5863/05", carry.decreeProductivity,
                         Operation::Product, {rate, explained.code06Supplement});
    const NodePtr base = record.operation("base de productividad", plusBase, Operation::Sum,
                                          {explained.categoryAssignment, explained.basicComplement,
                                           explained.fullDayAmount, explained.extendedDayAmount,
                                           explained.differentiatedTask, explained.seniorityAmount,
                                           explained.zoneAmount});
    explained.productivityPlus = record.operation("plus de productividad", carry.productivityPlus,
                                                  Operation::Product, {rate, base});
    if (carry.nationalIncentive > Money())
        return;
    record.note(state.positionMode()
                    ? "Sin «Incentivo de Nación» (084): la casilla «Incentivo» no está marcada."
                    : "Sin «Incentivo de Nación» (084): no hay horas con incentivo.");
}

} // namespace

void payDecreeSupplements(CalculationState &state)
{
    const PayInputs &in = state.inputs;
    const bool hoursMode = !state.positionMode();
    const HourLevel *level = hoursMode ? &hourLevel(state.mode) : nullptr;
    const auto cap = [level](int HourLevel::*member) { return level ? level->*member : 0; };
    CarryValues &carry = state.carry;
    Payslip &payslip = state.payslip;

    payslip.appendEarningsLine(
        "006", "Adic. Art 2 y 3 Dcrto 5863/05",
        hourQuantity(state, state.hours.code06, in.code06Hours, cap(&HourLevel::code06QuantityCap)),
        carry.code06Supplement);
    state.explainLastLine(&CarryExplanations::code06Supplement);
    carry.decreeProductivity = carry.code06Supplement.timesRate(kProductivityRate);
    const Money plusBase = productivityBase(carry);
    carry.productivityPlus = plusBase.timesRate(kProductivityRate);
    if (state.explanation)
        explainDecreeSupplements(state, plusBase, *state.explanation);

    payslip.appendEarningsLine("014", "Product Dcrto 5863/05",
                               formatPlainNumber(kProductivityQuantity, state.conventions),
                               carry.decreeProductivity);
    state.explainLastLine(&CarryExplanations::decreeProductivity);
    if (carry.nationalIncentive > Money()) {
        payslip.appendEarningsLine("084", "Incentivo de Nación",
                                   hourQuantity(state, state.hours.incentive, in.incentiveHours,
                                                cap(&HourLevel::incentiveQuantityCap)),
                                   carry.nationalIncentive);
        state.explainLastLine(&CarryExplanations::nationalIncentive);
    }
    payslip.appendEarningsLine("113", "Negro de Nación",
                               hourQuantity(state, state.hours.code113, in.code113Hours,
                                            cap(&HourLevel::code113QuantityCap)),
                               carry.code113Supplement);
    state.explainLastLine(&CarryExplanations::code113Supplement);
    payslip.appendEarningsLine("188", "Plus Productividad", "7.0", carry.productivityPlus);
    state.explainLastLine(&CarryExplanations::productivityPlus);
}

} // namespace pagaluz
