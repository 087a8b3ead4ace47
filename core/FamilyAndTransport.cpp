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

// From about 300 km a week the transport is a fixed sum: the test uses a rate of its own.
bool transportCapped(std::int16_t km)
{
    const double kilometres = km;
    return kilometres * kTransportTestRate * kWeeksPerMonth >= kTransportTestLimit;
}

Money transportAmount(std::int16_t km)
{
    if (transportCapped(km))
        return kTransportCeiling;
    const double kilometres = km;
    return Money::fromDouble(kilometres * kTransportRate * kWeeksPerMonth);
}

// Every earnings amount computed so far, transport aside.
Money familyIncomeBase(const CarryValues &c)
{
    return c.categoryAssignment + c.basicComplement + c.code06Supplement + c.decreeProductivity +
           c.workdaySupplements + c.differentiatedTask + c.seniorityAmount + c.productivityPlus +
           c.minimumTopUp + c.zoneAmount + c.nationalIncentive + c.code113Supplement;
}

// One row of the table of the amount per child, by the family's income.
struct ChildBracket {
    int amount;
    const char *incomes;
};
constexpr ChildBracket kLowerIncomes{102, "ingresos hasta 2300"};
constexpr ChildBracket kMiddleIncomes{81, "ingresos de más de 2300 hasta 3300"};
constexpr ChildBracket kHigherIncomes{61, "ingresos de más de 3300"};

const ChildBracket &childBracket(Money incomeBase)
{
    if (incomeBase <= Money::fromUnits(kLowerIncomeLimit))
        return kLowerIncomes;
    if (incomeBase <= Money::fromUnits(kMiddleIncomeLimit))
        return kMiddleIncomes;
    return kHigherIncomes;
}

// The lesser of the kilometres' amount and the fixed sum.
NodePtr explainTransport(std::int16_t km, Money amount, const ExplanationRecord &record)
{
    const std::initializer_list<NodePtr> terms{
        record.figure("kilómetros por semana", Decimal::fromInteger(km), ""),
        record.figure("importe por kilómetro", Decimal::fromDouble(kTransportRate), "de la escala"),
        record.figure("semanas por mes", Decimal::fromDouble(kWeeksPerMonth), "")};
    const NodePtr kilometres =
        transportCapped(km)
            ? record.roundedResult("importe de los kilómetros", Operation::Product, terms)
            : record.operation("importe de los kilómetros", amount, Operation::Product, terms);
    return record.operation(
        "transporte", amount, Operation::Minimum,
        {kilometres, record.figure("tope", kTransportCeiling, "de la escala, desde 301 km")});
}

// The amount per child is a cell of a table by the family's income.
NodePtr explainChildren(const CarryValues &carry, Money incomeBase, const ChildBracket &bracket,
                        const ExplanationRecord &record)
{
    const std::string row = bracket.incomes;
    const Decimal amount = Decimal::fromInteger(bracket.amount);
    return record.operation(
        "salario por hijo", carry.childAllowance, Operation::Product,
        {record.figure("hijos", Decimal::fromInteger(carry.childCount), ""),
         record.leaf("tabla del salario por hijo, fila " + row, amount,
                     record.number(amount) + " por hijo, de la tabla del salario familiar: " + row +
                         "; los ingresos son " + record.number(incomeBase) +
                         ", todos los haberes salvo el transporte")});
}

void payTransport(CalculationState &state)
{
    const std::int16_t km =
        readWholeCount(state.inputs.transportKm, InputField::TransportKm, state.conventions);
    state.carry.transportAmount = transportAmount(km);
    state.payslip.appendEarningsLine("029", "transporte por KM", "", state.carry.transportAmount);
    if (state.explanation)
        state.explainLastLine(
            explainTransport(km, state.carry.transportAmount, *state.explanation));
}

void payChildren(CalculationState &state)
{
    CarryValues &carry = state.carry;
    carry.childCount =
        readUInt8(state.inputs.childCount, InputField::ChildCount, state.conventions);
    const Money incomeBase = familyIncomeBase(carry);
    const ChildBracket &bracket = childBracket(incomeBase);
    carry.childAllowance = Money::fromUnits(carry.childCount * bracket.amount);
    state.payslip.appendEarningsLine("1001", "Sal fam hijo", std::to_string(carry.childCount),
                                     carry.childAllowance);
    if (state.explanation)
        state.explainLastLine(explainChildren(carry, incomeBase, bracket, *state.explanation));
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
    if (const ExplanationRecord *record = state.explanation)
        state.explainLastLine(record->operation(
            "salario por hijo con discapacidad", carry.disabledChildAllowance, Operation::Product,
            {record->figure("hijos con discapacidad",
                            Decimal::fromInteger(carry.disabledChildCount), ""),
             record->figure("importe por hijo con discapacidad",
                            Decimal::fromInteger(kDisabledChildAmount), "de la escala")}));
}

void payLargeFamily(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const int familyChildren = carry.childCount + carry.disabledChildCount;
    if (familyChildren > 255)
        refuseInput(InputField::ChildCount,
                    "los hijos y los hijos diferenciados suman más de 255.");
    if (familyChildren < kLargeFamilyChildren) {
        if (state.explanation && familyChildren > 0)
            state.explanation->note(
                "Sin «Familia numerosa» (1003): " + std::to_string(familyChildren) +
                (familyChildren == 1 ? " hijo" : " hijos") + " en total; corresponde desde 3.");
        return;
    }
    carry.largeFamilyAllowance = Money::fromUnits(kLargeFamilyAmount);
    state.payslip.appendEarningsLine("1003", "Familia numerosa", std::to_string(familyChildren),
                                     carry.largeFamilyAllowance);
    if (state.explanation)
        state.explainLastLine(state.explanation->figure(
            "familia numerosa", carry.largeFamilyAllowance,
            "importe fijo por 3 hijos o más (tiene " + std::to_string(familyChildren) + ")"));
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
        if (state.explanation)
            state.explainLastLine(state.explanation->figure(
                "salario por cónyuge", state.carry.spouseAllowance, "importe fijo de la escala"));
    }
}

} // namespace pagaluz
