#include "CalculationError.h"
#include "InputReading.h"
#include "Sections.h"

#include <string>

namespace pagaluz {

namespace {

constexpr double kTransportTestRate = 0.13472;
constexpr double kTransportRate = 0.195344;
constexpr double kWeeksPerMonth = 4.0;
constexpr double kTransportTestLimit = 161.8;
const Money kTransportCeiling = Money::fromTenThousandths(2346100);

constexpr int kLowerIncomeLimit = 2300;  // belongs to the lower bracket
constexpr int kMiddleIncomeLimit = 3300; // belongs to the middle bracket
constexpr int kDisabledChildAmount = 400;
constexpr int kMaxPaidDisabledChildren = 81; // 81 × 400 still fits 16 bits
constexpr int kLargeFamilyChildren = 3;
constexpr int kLargeFamilyAmount = 3;
constexpr int kSpouseAmount = 15;

Money transportAmount(std::int16_t km)
{
    const double kilometres = km;
    if (kilometres * kTransportTestRate * kWeeksPerMonth >= kTransportTestLimit)
        return kTransportCeiling;
    return Money::fromDouble(kilometres * kTransportRate * kWeeksPerMonth);
}

// Every earnings amount computed so far, transport aside.
Money familyIncomeBase(const CarryValues &c)
{
    return c.categoryAssignment + c.basicComplement + c.code06Supplement + c.decreeProductivity +
           c.workdaySupplements + c.differentiatedTask + c.seniorityAmount + c.productivityPlus +
           c.minimumTopUp + c.zoneAmount + c.nationalIncentive + c.code113Supplement;
}

int amountPerChild(Money incomeBase)
{
    if (incomeBase <= Money::fromUnits(kLowerIncomeLimit))
        return 102;
    if (incomeBase <= Money::fromUnits(kMiddleIncomeLimit))
        return 81;
    return 61;
}

void payTransport(CalculationState &state)
{
    const std::int16_t km =
        readWholeCount(state.inputs.transportKm, InputField::TransportKm, state.conventions);
    state.carry.transportAmount = transportAmount(km);
    state.payslip.appendEarningsLine("029", "transporte por KM", "", state.carry.transportAmount);
}

void payChildren(CalculationState &state)
{
    CarryValues &carry = state.carry;
    carry.childCount =
        readUInt8(state.inputs.childCount, InputField::ChildCount, state.conventions);
    carry.childAllowance =
        Money::fromUnits(carry.childCount * amountPerChild(familyIncomeBase(carry)));
    state.payslip.appendEarningsLine("1001", "Sal fam hijo", std::to_string(carry.childCount),
                                     carry.childAllowance);
}

void payDisabledChildren(CalculationState &state)
{
    CarryValues &carry = state.carry;
    carry.disabledChildCount = readUInt8(state.inputs.disabledChildCount,
                                         InputField::DisabledChildCount, state.conventions);
    if (carry.disabledChildCount > kMaxPaidDisabledChildren)
        refuseInput(InputField::DisabledChildCount,
                    "se pueden liquidar como máximo 81 hijos con discapacidad.");
    carry.disabledChildAllowance =
        Money::fromUnits(carry.disabledChildCount * kDisabledChildAmount);
    state.payslip.appendEarningsLine("1002", "Sal fam hijo diferenciado",
                                     std::to_string(carry.disabledChildCount),
                                     carry.disabledChildAllowance);
}

void payLargeFamily(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const int familyChildren = carry.childCount + carry.disabledChildCount;
    if (familyChildren > 255)
        refuseInput(InputField::ChildCount,
                    "los hijos y los hijos diferenciados suman más de 255.");
    if (familyChildren < kLargeFamilyChildren)
        return;
    carry.largeFamilyAllowance = Money::fromUnits(kLargeFamilyAmount);
    state.payslip.appendEarningsLine("1003", "Familia numerosa", std::to_string(familyChildren),
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
        state.carry.spouseAllowance = Money::fromUnits(kSpouseAmount);
        state.payslip.appendEarningsLine("1010", "Sal fam Cony", "", state.carry.spouseAllowance);
    }
}

} // namespace pagaluz
