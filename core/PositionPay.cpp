#include "CalculationError.h"
#include "InputReading.h"
#include "NumberText.h"
#include "Sections.h"

namespace pagaluz {

namespace {

// points × the value of a point; an amount beyond the range is blamed on the box.
Amount pointsAmount(const Tracer &trace, const char *name, Figure points, Figure pointValue,
                    InputField field)
{
    try {
        return trace.product(name, points, pointValue);
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
    carry.fullDayPoints = readInt16(position.fullDayPoints, InputField::FullDayPoints, conv);
    carry.extendedDayPoints =
        readInt16(position.extendedDayPoints, InputField::ExtendedDayPoints, conv);
    carry.differentiatedTaskPoints =
        readMoney(position.differentiatedTaskPoints, InputField::DifferentiatedTaskPoints, conv);
    complementPoints = readDouble(position.complementPoints, InputField::ComplementPoints, conv);
}

} // namespace

// Each amount of the position is its points times the value of a point.
void payPosition(CalculationState &state)
{
    double complementPoints = 0.0;
    readPositionPoints(state, complementPoints);
    CarryValues &carry = state.carry;
    const Tracer &trace = state.trace;
    const std::string &code = state.inputs.position.code;
    const auto source = [&] { return code.empty() ? std::string() : "del cargo " + code; };
    // A count of points of the position, shown as it was read.
    const auto points = [&](const char *name, double value, const auto &shown) {
        return trace.figure(value, shown, name, source);
    };
    const Figure pointValue = trace.scaleNumber(state.scale.pointValue);
    const Figure workdayPointValue = trace.scaleNumber(state.scale.workdayPointValue);

    carry.categoryAssignment =
        pointsAmount(trace, "asignación de la categoría",
                     points("puntos básicos", carry.basicPoints,
                            [&] { return Decimal::fromInteger(carry.basicPoints); }),
                     pointValue, InputField::BasicPoints);
    if (complementPoints > 0)
        carry.basicComplement =
            pointsAmount(trace, "complemento básico",
                         points("puntos de complemento básico", complementPoints,
                                [&] { return Decimal::fromDouble(complementPoints); }),
                         pointValue, InputField::ComplementPoints);
    if (carry.fullDayPoints >= 1)
        carry.fullDayAmount =
            pointsAmount(trace, "jornada completa",
                         points("puntos de jornada completa", carry.fullDayPoints,
                                [&] { return Decimal::fromInteger(carry.fullDayPoints); }),
                         workdayPointValue, InputField::FullDayPoints);
    if (carry.extendedDayPoints >= 1)
        carry.extendedDayAmount =
            pointsAmount(trace, "prolongación de jornada",
                         points("puntos de prolongación de jornada", carry.extendedDayPoints,
                                [&] { return Decimal::fromInteger(carry.extendedDayPoints); }),
                         workdayPointValue, InputField::ExtendedDayPoints);
    carry.workdaySupplements = carry.fullDayAmount + carry.extendedDayAmount;
    if (carry.differentiatedTaskPoints > Money())
        carry.differentiatedTask = pointsAmount(
            trace, "tarea diferenciada",
            points("puntos de tarea diferenciada", carry.differentiatedTaskPoints.toDouble(),
                   [&] { return Decimal::fromMoney(carry.differentiatedTaskPoints); }),
            pointValue, InputField::DifferentiatedTaskPoints);

    state.appendEarnings("001", "Asign. de la categoría", "1", carry.categoryAssignment,
                         Payslip::kFirstLinePrefix);
    if (complementPoints > 0)
        state.appendEarnings("002", "Comp. de Básico", "", carry.basicComplement);
    if (carry.fullDayPoints >= 1)
        state.appendEarnings("052", "Jornada completa", "", carry.fullDayAmount);
    if (carry.extendedDayPoints >= 1)
        state.appendEarnings("052", "Prol. de Jornada", "", carry.extendedDayAmount);
    if (carry.differentiatedTaskPoints > Money())
        state.appendEarnings("016", "Tarea diferenciada", "", carry.differentiatedTask);
}

} // namespace pagaluz
