#include "CalculationError.h"
#include "HourLevel.h"
#include "InputReading.h"
#include "NumberText.h"
#include "Sections.h"

namespace pagaluz {

namespace {

const HourLevel kSecondaryLevel{&PayScale::secondaryHours,  "Hs. N. Medio",
                                "Horas de nivel medio",     "horas de nivel medio",
                                InputField::SecondaryHours, &PayInputs::secondaryHoursText};

const HourLevel kHigherLevel{&PayScale::higherHours,    "Hs. N. Superior",
                             "Horas de nivel superior", "horas de nivel superior",
                             InputField::HigherHours,   &PayInputs::higherHours};

// The hours line is hours times points per hour times the value of a point.
Amount baseHoursPay(const CalculationState &state, double hours, const HourLevel &level)
{
    const Tracer &trace = state.trace;
    try {
        return trace.product(
            "asignación por horas",
            trace.figure(
                hours, [&] { return Decimal::fromDouble(hours); }, level.hoursName, ""),
            trace.scaleNumber((state.scale.*level.figures).pointsPerHour),
            trace.scaleNumber(state.scale.pointValue));
    } catch (const MoneyOverflow &) {
        refuseInput(level.countField,
                    "la cantidad de horas es tan grande que el importe excede el máximo posible.");
    }
}

// A supplement of so much an hour up to its cap: the lesser of the hours' amount and the cap.
// `capped` says the cap is reached.
Amount cappedByHours(const Tracer &trace, const char *name, double hours, const char *hoursName,
                     const ScaleNumber &perHour, const ScaleAmount &cap, bool capped)
{
    return trace.cappedProduct(
        name, "importe de las horas",
        {trace.figure(
             hours, [&] { return Decimal::fromDouble(hours); }, hoursName, ""),
         trace.scaleNumber(perHour)},
        trace.scaleAmount(cap), capped);
}

// Capped when the hours' amount reaches the cap.
bool reachesCap(double hours, const ScaleNumber &perHour, const ScaleAmount &cap)
{
    return hours * perHour.value >= cap.value.toDouble();
}

void readHourCounts(CalculationState &state)
{
    const PayInputs &in = state.inputs;
    state.hours.code06 = readCount(in.code06Hours, InputField::Code06Hours, state.conventions);
    state.hours.incentive =
        readCount(in.incentiveHours, InputField::IncentiveHours, state.conventions);
    state.hours.code113 = readCount(in.code113Hours, InputField::Code113Hours, state.conventions);
}

} // namespace

const HourLevel &hourLevel(PayMode mode)
{
    return mode == PayMode::HigherHours ? kHigherLevel : kSecondaryLevel;
}

// The code-06 amount is capped from a count of hours on; the incentive and the "113" amount
// when their hours' amount reaches the cap.
void payHours(CalculationState &state)
{
    const HourLevel &level = hourLevel(state.mode);
    const HourScale &figures = state.scale.*level.figures;
    const std::string &typed = state.inputs.*level.countText;
    const double hours = readCount(typed, level.countField, state.conventions);
    state.payslip.header = {
        "Cantidad de horas", typed,
        formatPlainNumber(hours * figures.pointsPerHour.value, state.conventions), level.headerName,
        false};

    CarryValues &carry = state.carry;
    carry.categoryAssignment = baseHoursPay(state, hours, level);
    state.appendEarnings("001", level.conceptText, typed, carry.categoryAssignment,
                         Payslip::kFirstLinePrefix);

    readHourCounts(state);
    const HourCounts &counts = state.hours;
    const Tracer &trace = state.trace;
    const PayScale &scale = state.scale;
    carry.code06Supplement = cappedByHours(
        trace, "adicional del código 06", counts.code06, "horas con código 06", scale.code06PerHour,
        figures.code06Cap, counts.code06 >= figures.code06LimitHours);
    if (counts.incentive > 0)
        carry.nationalIncentive = cappedByHours(
            trace, "incentivo de Nación", counts.incentive, "horas con incentivo",
            figures.incentivePerHour, scale.incentiveHoursCap,
            reachesCap(counts.incentive, figures.incentivePerHour, scale.incentiveHoursCap));
    if (!(carry.nationalIncentive > Money()))
        carry.nationalIncentive = carry.nationalIncentive.unexplained(); // no line shows it
    carry.code113Supplement =
        cappedByHours(trace, "importe del código 113", counts.code113, "horas con código 113",
                      figures.code113PerHour, scale.code113HoursCap,
                      reachesCap(counts.code113, figures.code113PerHour, scale.code113HoursCap));
}

} // namespace pagaluz
