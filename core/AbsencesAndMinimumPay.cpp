#include "CalculationError.h"
#include "InputReading.h"
#include "Sections.h"

namespace pagaluz {

namespace {

const Money kGuaranteedMinimum = Money::fromTenThousandths(1290 * Money::kScale);
constexpr int kMinimumPayBasicPoints = 900; // only positions above this qualify
constexpr double kZoneShareRate = 1.07;
constexpr double kContributionRate = 0.196;

// The part of the productivity plus that `days` of justified absence take:
// a quarter, a half, three quarters for exactly 1, 2, 3 days, all of it for
// more than 3, nothing otherwise (fractions up to 3 included).
double absencePart(double days)
{
    if (days == 1.0)
        return 0.25;
    if (days == 2.0)
        return 0.5;
    if (days == 3.0)
        return 0.75;
    return days > 3.0 ? 1.0 : 0.0;
}

Money absenceShare(double days, Money productivityPlus)
{
    const double part = absencePart(days);
    if (part == 1.0)
        return productivityPlus;
    return part == 0.0 ? Money() : productivityPlus.timesRate(part);
}

Money remunerativeTotal(const CarryValues &c)
{
    return c.categoryAssignment + c.basicComplement + c.differentiatedTask + c.workdaySupplements +
           c.zoneAmount + c.seniorityAmount + c.code06Supplement + c.decreeProductivity +
           c.productivityPlus - c.absenceDeduction;
}

// An estimate of the position's net pay, without the zone and decree
// supplements and after personal contributions estimated at 19.6 %.
struct NetPayEstimate {
    Money zoneShare;
    Money contributionBase;
    Money contributions;
    Money gross;
    Money net;
};

NetPayEstimate netPayEstimate(const CarryValues &c)
{
    NetPayEstimate estimate;
    estimate.zoneShare = c.zoneAmount.timesRate(kZoneShareRate);
    estimate.contributionBase =
        c.remunerativeTotal - c.code06Supplement - c.decreeProductivity - estimate.zoneShare;
    estimate.contributions =
        Money::fromDouble(estimate.contributionBase.toDouble() * kContributionRate);
    estimate.gross = c.categoryAssignment + c.basicComplement + c.seniorityAmount +
                     c.differentiatedTask + c.workdaySupplements + c.productivityPlus +
                     c.nationalIncentive + c.code113Supplement;
    estimate.net = estimate.gross - estimate.contributions;
    return estimate;
}

// The absences take a part of the productivity plus by a table of days; the remunerative
// total adds the remunerative lines and takes off that part.
void explainAbsences(const CalculationState &state, double days, ExplanationRecord &record)
{
    const CarryValues &carry = state.carry;
    CarryExplanations &explained = record.carry;
    const double part = absencePart(days);
    const std::string typed = state.inputs.absenceDays;
    if (carry.absenceDeduction > Money()) {
        const std::string row = days > 3.0 ? "más de 3 días" : record.number(days) + " días";
        explained.absenceDeduction = record.operation(
            "descuento del plus por inasistencias", carry.absenceDeduction, Operation::Product,
            {record.rate("tabla de inasistencias, fila " + row, Decimal::fromDouble(part),
                         "parte del plus que se descuenta"),
             explained.productivityPlus});
    } else if (days != 0.0) {
        record.note(part == 0.0 ? "Las inasistencias (" + typed +
                                      " días) no descuentan: solo descuentan 1, 2, 3 o más "
                                      "de 3 días."
                                : "Las inasistencias no descuentan: el plus de productividad "
                                  "es 0.");
    }
    const std::initializer_list<NodePtr> remunerative{
        explained.categoryAssignment, explained.basicComplement,    explained.fullDayAmount,
        explained.extendedDayAmount,  explained.differentiatedTask, explained.seniorityAmount,
        explained.zoneAmount,         explained.code06Supplement,   explained.decreeProductivity,
        explained.productivityPlus};
    if (!explained.absenceDeduction) {
        explained.remunerativeTotal = record.operation(
            "total remunerativo", carry.remunerativeTotal, Operation::Sum, remunerative);
        return;
    }
    explained.remunerativeTotal = record.operation(
        "total remunerativo", carry.remunerativeTotal, Operation::Difference,
        {record.operation("haberes remunerativos", carry.remunerativeTotal + carry.absenceDeduction,
                          Operation::Sum, remunerative),
         explained.absenceDeduction});
}

// The estimated net pay: the gross estimate less contributions estimated on the
// remunerative total without the decree supplements and with a part of the zone.
NodePtr explainNetEstimate(const NetPayEstimate &estimate, ExplanationRecord &record)
{
    const CarryExplanations &explained = record.carry;
    const NodePtr zoneShare =
        explained.zoneAmount
            ? record.operation("parte de zona", estimate.zoneShare, Operation::Product,
                               {record.rate("porcentaje de la parte de zona",
                                            Decimal::fromDouble(kZoneShareRate), "de la escala"),
                                explained.zoneAmount})
            : nullptr;
    const NodePtr contributionBase = record.operation(
        "base de los aportes estimados", estimate.contributionBase, Operation::Difference,
        {explained.remunerativeTotal, explained.code06Supplement, explained.decreeProductivity,
         zoneShare});
    const NodePtr contributions =
        record.operation("aportes estimados", estimate.contributions, Operation::Product,
                         {record.rate("porcentaje de los aportes estimados",
                                      Decimal::fromDouble(kContributionRate), "de la escala"),
                          contributionBase});
    const NodePtr gross = record.operation(
        "bruto estimado", estimate.gross, Operation::Sum,
        {explained.categoryAssignment, explained.basicComplement, explained.fullDayAmount,
         explained.extendedDayAmount, explained.differentiatedTask, explained.seniorityAmount,
         explained.nationalIncentive, explained.code113Supplement, explained.productivityPlus});
    return record.operation("neto estimado", estimate.net, Operation::Difference,
                            {gross, contributions});
}

void explainMinimumPay(const CalculationState &state, const NetPayEstimate *estimate,
                       ExplanationRecord &record)
{
    const CarryValues &carry = state.carry;
    if (!estimate) {
        if (state.positionMode())
            record.note("No corresponde «Adic para mínimo» (172): es para cargos de más de 900 "
                        "puntos básicos, y este tiene " +
                        std::to_string(carry.basicPoints) + ".");
        return;
    }
    const NodePtr net = explainNetEstimate(*estimate, record);
    if (estimate->net < kGuaranteedMinimum) {
        record.carry.minimumTopUp = record.operation(
            "adicional para mínimo", carry.minimumTopUp, Operation::Difference,
            {record.figure("mínimo garantizado", kGuaranteedMinimum, "de la escala"), net});
        return;
    }
    record.note("No corresponde «Adic para mínimo» (172): el neto estimado, " +
                record.number(estimate->net) + " = " + net->text + ", no es menor que " +
                record.number(kGuaranteedMinimum) + ".");
}

} // namespace

void applyAbsencesAndMinimumPay(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const double days =
        readCount(state.inputs.absenceDays, InputField::AbsenceDays, state.conventions);
    carry.absenceDeduction = absenceShare(days, carry.productivityPlus);
    carry.remunerativeTotal = remunerativeTotal(carry);
    if (state.explanation)
        explainAbsences(state, days, *state.explanation);

    if (!state.positionMode() || carry.basicPoints <= kMinimumPayBasicPoints) {
        if (state.explanation)
            explainMinimumPay(state, nullptr, *state.explanation);
        return;
    }
    const NetPayEstimate estimate = netPayEstimate(carry);
    if (estimate.net < kGuaranteedMinimum)
        carry.minimumTopUp = kGuaranteedMinimum - estimate.net;
    if (state.explanation)
        explainMinimumPay(state, &estimate, *state.explanation);
    if (estimate.net < kGuaranteedMinimum) {
        state.payslip.appendEarningsLine("172", "Adic para mínimo", "", carry.minimumTopUp);
        state.explainLastLine(&CarryExplanations::minimumTopUp);
    }
}

} // namespace pagaluz
