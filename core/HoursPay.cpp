#include "CalculationError.h"
#include "HourLevel.h"
#include "InputReading.h"
#include "NumberText.h"
#include "PointValue.h"
#include "Sections.h"

namespace pagaluz {

namespace {

constexpr double kCode06PerHour = 9.4;
const Money kIncentiveCeiling = Money::fromTenThousandths(220 * Money::kScale);
const Money kCode113Ceiling = Money::fromTenThousandths(200 * Money::kScale);

const HourLevel kSecondaryLevel{64.7,
                                30.0,
                                Money::fromTenThousandths(282 * Money::kScale),
                                7.33,
                                6.66,
                                30,
                                30,
                                30,
                                "Hs. N. Medio",
                                "Horas de nivel medio",
                                InputField::SecondaryHours,
                                &PayInputs::secondaryHoursText};

const HourLevel kHigherLevel{86.9,
                             15.0,
                             Money::fromTenThousandths(141 * Money::kScale),
                             9.166,
                             8.333,
                             15,
                             24,
                             24,
                             "Hs. N. Superior",
                             "Horas de nivel superior",
                             InputField::HigherHours,
                             &PayInputs::higherHours};

// The amount for `count` hours at `rate`, capped at `ceiling`.
Money cappedAmount(double count, double rate, Money ceiling)
{
    const double amount = count * rate;
    if (amount >= ceiling.toDouble())
        return ceiling;
    return Money::fromDouble(amount);
}

Money baseHoursPay(double hours, const HourLevel &level)
{
    try {
        return Money::fromDouble(hours * level.pointsPerHour * kPointValue);
    } catch (const MoneyOverflow &) {
        refuseInput(level.countField,
                    "la cantidad de horas es tan grande que el importe excede el máximo posible.");
    }
}

// A supplement of so much an hour up to its cap: the lesser of the hours' amount and the cap.
NodePtr cappedByHours(const ExplanationRecord &record, const char *name, Money amount, double hours,
                      const char *hoursName, double perHour, Money ceiling, bool capped)
{
    const std::initializer_list<NodePtr> terms{
        record.figure(hoursName, Decimal::fromDouble(hours), ""),
        record.figure("importe por hora", Decimal::fromDouble(perHour), "de la escala")};
    const NodePtr hoursAmount =
        capped ? record.roundedResult("importe de las horas", Operation::Product, terms)
               : record.operation("importe de las horas", amount, Operation::Product, terms);
    return record.operation(name, amount, Operation::Minimum,
                            {hoursAmount, record.figure("tope", ceiling, "de la escala")});
}

// The hours line is hours times points per hour times the value of a point; each hour
// supplement is the lesser of its hours' amount and its cap.
void explainHoursPay(const CalculationState &state, double hours, const HourLevel &level,
                     ExplanationRecord &record)
{
    const CarryValues &carry = state.carry;
    const HourCounts &counts = state.hours;
    const bool secondary = state.mode == PayMode::SecondaryHours;
    CarryExplanations &explained = record.carry;
    explained.categoryAssignment = record.operation(
        "asignación por horas", carry.categoryAssignment, Operation::Product,
        {record.figure(secondary ? "horas de nivel medio" : "horas de nivel superior",
                       Decimal::fromDouble(hours), ""),
         record.figure("puntos por hora", Decimal::fromDouble(level.pointsPerHour),
                       secondary ? "de la escala, nivel medio" : "de la escala, nivel superior"),
         record.figure("valor del punto", Decimal::fromDouble(kPointValue), "de la escala")});
    explained.code06Supplement =
        cappedByHours(record, "adicional del código 06", carry.code06Supplement, counts.code06,
                      "horas con código 06", kCode06PerHour, level.code06FixedAmount,
                      counts.code06 >= level.code06LimitHours);
    if (carry.nationalIncentive > Money())
        explained.nationalIncentive = cappedByHours(
            record, "incentivo de Nación", carry.nationalIncentive, counts.incentive,
            "horas con incentivo", level.incentivePerHour, kIncentiveCeiling,
            counts.incentive * level.incentivePerHour >= kIncentiveCeiling.toDouble());
    explained.code113Supplement =
        cappedByHours(record, "importe del código 113", carry.code113Supplement, counts.code113,
                      "horas con código 113", level.code113PerHour, kCode113Ceiling,
                      counts.code113 * level.code113PerHour >= kCode113Ceiling.toDouble());
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

void payHours(CalculationState &state)
{
    const HourLevel &level = hourLevel(state.mode);
    const std::string &typed = state.inputs.*level.countText;
    const double hours = readCount(typed, level.countField, state.conventions);
    state.payslip.header = {"Cantidad de horas", typed,
                            formatPlainNumber(hours * level.pointsPerHour, state.conventions),
                            level.headerName, false};

    CarryValues &carry = state.carry;
    carry.categoryAssignment = baseHoursPay(hours, level);
    state.payslip.appendEarningsLine("001", level.conceptText, typed, carry.categoryAssignment,
                                     Payslip::kFirstLinePrefix);

    readHourCounts(state);
    const HourCounts &counts = state.hours;
    carry.code06Supplement = counts.code06 >= level.code06LimitHours
                                 ? level.code06FixedAmount
                                 : Money::fromDouble(counts.code06 * kCode06PerHour);
    if (counts.incentive > 0)
        carry.nationalIncentive =
            cappedAmount(counts.incentive, level.incentivePerHour, kIncentiveCeiling);
    carry.code113Supplement = cappedAmount(counts.code113, level.code113PerHour, kCode113Ceiling);
    if (state.explanation) {
        explainHoursPay(state, hours, level, *state.explanation);
        state.explainLastLine(&CarryExplanations::categoryAssignment);
    }
}

} // namespace pagaluz
