#include "CalculationError.h"
#include "InputReading.h"
#include "Sections.h"

#include <limits>
#include <string>

namespace pagaluz {

namespace {

// The lesser of the kilometres' amount and the cap. From a distance on the amount is the cap:
// the test uses a rate of its own.
void payTransport(CalculationState &state)
{
    const std::int16_t km =
        readWholeCount(state.inputs.transportKm, InputField::TransportKm, state.conventions);
    const TransportScale &transport = state.scale.transport;
    const Tracer &trace = state.trace;
    const double kilometres = km;
    const bool capped =
        kilometres * transport.testRate * transport.weeksPerMonth.value >= transport.testLimit;
    state.carry.transportAmount = trace.cappedProduct(
        "transporte", "importe de los kilómetros",
        {trace.figure(
             kilometres, [&] { return Decimal::fromInteger(km); }, "kilómetros por semana", ""),
         trace.scaleNumber(transport.perKm), trace.scaleNumber(transport.weeksPerMonth)},
        trace.scaleAmount(transport.cap), capped);
    state.appendEarnings("029", "transporte por KM", "", state.carry.transportAmount);
}

// Every earnings amount computed so far, transport aside.
Money familyIncome(const CarryValues &c)
{
    return c.categoryAssignment + c.basicComplement + c.code06Supplement + c.decreeProductivity +
           c.workdaySupplements + c.differentiatedTask + c.seniorityAmount + c.productivityPlus +
           c.minimumTopUp + c.zoneAmount + c.nationalIncentive + c.code113Supplement;
}

// The row of the table of the amount per child for the family's income.
const ChildAmount &childAmount(const FamilyScale &family, Money income)
{
    for (const ChildAmount &row : family.perChild)
        if (&row == &family.perChild.back() || income <= Money::fromUnits(row.upToIncome))
            return row;
    return family.perChild.back();
}

// The amount per child is a cell of a table by the family's income.
void payChildren(CalculationState &state)
{
    CarryValues &carry = state.carry;
    carry.childCount =
        readUInt8(state.inputs.childCount, InputField::ChildCount, state.conventions);
    const Money income = familyIncome(carry);
    const ChildAmount &row = childAmount(state.scale.family, income);
    const Tracer &trace = state.trace;
    const auto text = [&] {
        const ExplanationRecord &record = *trace.record();
        return record.number(Decimal::fromInteger(row.amount)) +
               " por hijo, de la tabla del salario familiar: " + row.incomes +
               "; los ingresos son " + record.number(income) +
               ", todos los haberes salvo el transporte";
    };
    carry.childAllowance = trace.wholeProduct(
        "salario por hijo", trace.whole(carry.childCount, "hijos", ""),
        {row.amount,
         trace.cell([&] { return Decimal::fromInteger(row.amount); },
                    [&] { return "tabla del salario por hijo, fila " + row.incomes; }, text)});
    state.appendEarnings("1001", "Sal fam hijo", std::to_string(carry.childCount),
                         carry.childAllowance);
}

void payDisabledChildren(CalculationState &state)
{
    CarryValues &carry = state.carry;
    carry.disabledChildCount = readUInt8(state.inputs.disabledChildCount,
                                         InputField::DisabledChildCount, state.conventions);
    const ScaleNumber &perChild = state.scale.family.perDisabledChild;
    const auto perChildUnits = static_cast<int>(perChild.value);
    // The allowance is kept within a 16-bit number.
    const int mostPaid = std::numeric_limits<std::int16_t>::max() / perChildUnits;
    if (carry.disabledChildCount > mostPaid)
        refuseInput(InputField::DisabledChildCount, "se pueden liquidar como máximo " +
                                                        std::to_string(mostPaid) +
                                                        " hijos con discapacidad.");
    const Tracer &trace = state.trace;
    carry.disabledChildAllowance =
        trace.wholeProduct("salario por hijo con discapacidad",
                           trace.whole(carry.disabledChildCount, "hijos con discapacidad", ""),
                           {perChildUnits, trace.scaleNumber(perChild).node});
    state.appendEarnings("1002", "Sal fam hijo diferenciado",
                         std::to_string(carry.disabledChildCount), carry.disabledChildAllowance);
}

void payLargeFamily(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const FamilyScale &family = state.scale.family;
    const int familyChildren = carry.childCount + carry.disabledChildCount;
    if (familyChildren > std::numeric_limits<std::uint8_t>::max())
        refuseInput(InputField::ChildCount,
                    "los hijos y los hijos diferenciados suman más de 255.");
    const auto from = [&] { return std::to_string(family.largeFamilyChildren); };
    if (familyChildren < family.largeFamilyChildren) {
        if (ExplanationRecord *record = state.trace.record(); record && familyChildren > 0)
            record->note("Sin «Familia numerosa» (1003): " + std::to_string(familyChildren) +
                         (familyChildren == 1 ? " hijo" : " hijos") +
                         " en total; corresponde desde " + from() + ".");
        return;
    }
    carry.largeFamilyAllowance = state.trace.amount(family.largeFamily, "familia numerosa", [&] {
        return "importe fijo por " + from() + " hijos o más (tiene " +
               std::to_string(familyChildren) + ")";
    });
    state.appendEarnings("1003", "Familia numerosa", std::to_string(familyChildren),
                         carry.largeFamilyAllowance);
}

} // namespace

void payFamilyAndTransport(CalculationState &state)
{
    const PayInputs &in = state.inputs;
    if (in.transport)
        payTransport(state);
    if (in.children)
        payChildren(state);
    if (in.disabledChildren)
        payDisabledChildren(state);
    payLargeFamily(state);
    if (in.spouse) {
        state.carry.spouseAllowance = state.trace.scaleAmount(state.scale.family.spouse);
        state.appendEarnings("1010", "Sal fam Cony", "", state.carry.spouseAllowance);
    }
}

} // namespace pagaluz
