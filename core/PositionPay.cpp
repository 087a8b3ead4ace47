#include "CalculationError.h"
#include "InputReading.h"
#include "NumberText.h"
#include "PointValue.h"
#include "Sections.h"

namespace pagaluz {

namespace {

// points × rate as Money; an amount beyond the range is blamed on the box.
Money pointsAmount(double points, double rate, InputField field)
{
    try {
        return Money::fromDouble(points * rate);
    } catch (const MoneyOverflow &) {
        refuseInput(field, "el valor es tan grande que el importe excede el máximo posible.");
    }
}

// The header's points are the basic points paid. The basic points of the
// selection screen's current row can differ from them: "Salir sin datos"
// leaves that row while it puts "0" in the point boxes, which are paid.
void fillPositionHeader(CalculationState &state)
{
    const SelectedPosition &position = state.inputs.position;
    state.payslip.header = {"Código del cargo", position.code,
                            std::to_string(state.carry.basicPoints), position.name, true};
}

bool isBlank(const std::string &text)
{
    return text.find_first_not_of(" \t") == std::string::npos;
}

void readPositionPoints(CalculationState &state, double &complementPoints)
{
    const SelectedPosition &position = state.inputs.position;
    const DecimalConventions &conv = state.conventions;
    CarryValues &carry = state.carry;
    // The selection screen leaves its basic points (a box the user cannot
    // type into) empty only while no position is chosen there.
    if (isBlank(position.basicPoints))
        refuseInput(InputField::BasicPoints,
                    "no hay un cargo elegido; elija uno por su nombre o escriba su código en "
                    "\"Selección de cargo\".");
    // Negative points would pay a negative position and a negative
    // productivity plus, which absences would then turn into a negative
    // deduction: no position has them, so they are refused.
    carry.basicPoints = readWholeCount(position.basicPoints, InputField::BasicPoints, conv);
    fillPositionHeader(state);
    carry.categoryAssignment =
        pointsAmount(carry.basicPoints, kPointValue, InputField::BasicPoints);
    carry.fullDayPoints = readInt16(position.fullDayPoints, InputField::FullDayPoints, conv);
    carry.extendedDayPoints =
        readInt16(position.extendedDayPoints, InputField::ExtendedDayPoints, conv);
    carry.differentiatedTaskPoints =
        readMoney(position.differentiatedTaskPoints, InputField::DifferentiatedTaskPoints, conv);
    complementPoints = readDouble(position.complementPoints, InputField::ComplementPoints, conv);
}

// Each amount of the position is its points times the value of a point.
void explainPositionPay(const CalculationState &state, double complementPoints,
                        ExplanationRecord &record)
{
    const CarryValues &carry = state.carry;
    const std::string &code = state.inputs.position.code;
    const std::string source = code.empty() ? std::string() : "del cargo " + code;
    const NodePtr pointValue =
        record.figure("valor del punto", Decimal::fromDouble(kPointValue), "de la escala");
    const NodePtr workdayPointValue = record.figure(
        "valor del punto de jornada", Decimal::fromDouble(kWorkdayPointValue), "de la escala");
    const auto pointsTimes = [&](const char *name, Money amount, const char *pointsName,
                                 const Decimal &points, const NodePtr &value) {
        return record.operation(name, amount, Operation::Product,
                                {record.figure(pointsName, points, source), value});
    };
    CarryExplanations &explained = record.carry;
    explained.categoryAssignment =
        pointsTimes("asignación de la categoría", carry.categoryAssignment, "puntos básicos",
                    Decimal::fromInteger(carry.basicPoints), pointValue);
    if (complementPoints > 0)
        explained.basicComplement =
            pointsTimes("complemento básico", carry.basicComplement, "puntos de complemento básico",
                        Decimal::fromDouble(complementPoints), pointValue);
    if (carry.fullDayPoints >= 1)
        explained.fullDayAmount =
            pointsTimes("jornada completa", carry.fullDayAmount, "puntos de jornada completa",
                        Decimal::fromInteger(carry.fullDayPoints), workdayPointValue);
    if (carry.extendedDayPoints >= 1)
        explained.extendedDayAmount = pointsTimes(
            "prolongación de jornada", carry.extendedDayAmount, "puntos de prolongación de jornada",
            Decimal::fromInteger(carry.extendedDayPoints), workdayPointValue);
    if (carry.differentiatedTaskPoints > Money())
        explained.differentiatedTask = pointsTimes(
            "tarea diferenciada", carry.differentiatedTask, "puntos de tarea diferenciada",
            Decimal::fromMoney(carry.differentiatedTaskPoints), pointValue);
}

} // namespace

void payPosition(CalculationState &state)
{
    double complementPoints = 0.0;
    readPositionPoints(state, complementPoints);
    CarryValues &carry = state.carry;
    if (complementPoints > 0)
        carry.basicComplement =
            pointsAmount(complementPoints, kPointValue, InputField::ComplementPoints);
    if (carry.fullDayPoints >= 1)
        carry.fullDayAmount =
            pointsAmount(carry.fullDayPoints, kWorkdayPointValue, InputField::FullDayPoints);
    if (carry.extendedDayPoints >= 1)
        carry.extendedDayAmount = pointsAmount(carry.extendedDayPoints, kWorkdayPointValue,
                                               InputField::ExtendedDayPoints);
    carry.workdaySupplements = carry.fullDayAmount + carry.extendedDayAmount;
    if (carry.differentiatedTaskPoints > Money())
        carry.differentiatedTask = pointsAmount(carry.differentiatedTaskPoints.toDouble(),
                                                kPointValue, InputField::DifferentiatedTaskPoints);

    if (state.explanation)
        explainPositionPay(state, complementPoints, *state.explanation);

    Payslip &payslip = state.payslip;
    payslip.appendEarningsLine("001", "Asign. de la categoría", "1", carry.categoryAssignment,
                               Payslip::kFirstLinePrefix);
    state.explainLastLine(&CarryExplanations::categoryAssignment);
    if (complementPoints > 0) {
        payslip.appendEarningsLine("002", "Comp. de Básico", "", carry.basicComplement);
        state.explainLastLine(&CarryExplanations::basicComplement);
    }
    if (carry.fullDayPoints >= 1) {
        payslip.appendEarningsLine("052", "Jornada completa", "", carry.fullDayAmount);
        state.explainLastLine(&CarryExplanations::fullDayAmount);
    }
    if (carry.extendedDayPoints >= 1) {
        payslip.appendEarningsLine("052", "Prol. de Jornada", "", carry.extendedDayAmount);
        state.explainLastLine(&CarryExplanations::extendedDayAmount);
    }
    if (carry.differentiatedTaskPoints > Money()) {
        payslip.appendEarningsLine("016", "Tarea diferenciada", "", carry.differentiatedTask);
        state.explainLastLine(&CarryExplanations::differentiatedTask);
    }
}

} // namespace pagaluz
