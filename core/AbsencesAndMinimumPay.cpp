#include "CalculationError.h"
#include "InputReading.h"
#include "Sections.h"

namespace pagaluz {

namespace {

const Money kGuaranteedMinimum = Money::fromTenThousandths(1290 * Money::kScale);
constexpr int kMinimumPayBasicPoints = 900; // only positions above this qualify
constexpr double kZoneShareRate = 1.07;
constexpr double kContributionRate = 0.196;

// The share of the productivity plus that `days` of justified absence take:
// a quarter, a half, three quarters for exactly 1, 2, 3 days, all of it for
// more than 3, nothing otherwise (fractions up to 3 included).
Money absenceShare(double days, Money productivityPlus)
{
    if (days == 1.0)
        return productivityPlus.timesRate(0.25);
    if (days == 2.0)
        return productivityPlus.timesRate(0.5);
    if (days == 3.0)
        return productivityPlus.timesRate(0.75);
    if (days > 3.0)
        return productivityPlus;
    return Money();
}

Money remunerativeTotal(const CarryValues &c)
{
    return c.categoryAssignment + c.basicComplement + c.differentiatedTask + c.workdaySupplements +
           c.zoneAmount + c.seniorityAmount + c.code06Supplement + c.decreeProductivity +
           c.productivityPlus - c.absenceDeduction;
}

// An estimate of the position's net pay, without the zone and decree
// supplements and after personal contributions estimated at 19.6 %.
Money netPayEstimate(const CarryValues &c)
{
    const Money zoneShare = c.zoneAmount.timesRate(kZoneShareRate);
    const double contributionEstimate =
        (c.remunerativeTotal - c.code06Supplement - c.decreeProductivity - zoneShare).toDouble() *
        kContributionRate;
    const Money gross = c.categoryAssignment + c.basicComplement + c.seniorityAmount +
                        c.differentiatedTask + c.workdaySupplements + c.productivityPlus +
                        c.nationalIncentive + c.code113Supplement;
    return gross - Money::fromDouble(contributionEstimate);
}

} // namespace

void applyAbsencesAndMinimumPay(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const double days =
        readCount(state.inputs.absenceDays, InputField::AbsenceDays, state.conventions);
    carry.absenceDeduction = absenceShare(days, carry.productivityPlus);
    carry.remunerativeTotal = remunerativeTotal(carry);

    if (!state.positionMode() || carry.basicPoints <= kMinimumPayBasicPoints)
        return;
    const Money estimate = netPayEstimate(carry);
    if (estimate < kGuaranteedMinimum) {
        carry.minimumTopUp = kGuaranteedMinimum - estimate;
        state.payslip.appendEarningsLine("172", "Adic para mínimo", "", carry.minimumTopUp);
    }
}

} // namespace pagaluz
