#include "CalculationError.h"
#include "InputReading.h"
#include "Sections.h"

namespace pagaluz {

namespace {

// The part of the productivity plus that `days` of justified absence take: the part of the
// scale's table for exactly that count, all of it beyond the table, nothing otherwise
// (fractions within the table included).
double absencePart(const AbsenceScale &absences, double days)
{
    for (const AbsencePart &row : absences.parts)
        if (days == row.days)
            return row.part;
    return days > absences.wholePlusAfterDays ? 1.0 : 0.0;
}

// The absences take a part of the productivity plus by a table of days; the remunerative
// total adds the remunerative lines and takes off that part.
void applyAbsences(CalculationState &state, double days)
{
    CarryValues &c = state.carry;
    const Tracer &trace = state.trace;
    const AbsenceScale &absences = state.scale.absences;
    const double part = absencePart(absences, days);
    ExplanationRecord *record = trace.record();
    const auto row = [&] {
        return "tabla de inasistencias, fila " +
               (days > absences.wholePlusAfterDays
                    ? "más de " + record->number(absences.wholePlusAfterDays) + " días"
                    : record->number(days) + " días");
    };
    if (part != 0.0)
        c.absenceDeduction = trace.share("descuento del plus por inasistencias",
                                         trace.rate(
                                             part, [&] { return Decimal::fromDouble(part); }, row,
                                             "parte del plus que se descuenta"),
                                         c.productivityPlus);
    if (!(c.absenceDeduction > Money())) {
        c.absenceDeduction = c.absenceDeduction.unexplained(); // no line shows it
        if (record && days != 0.0)
            record->note(part == 0.0 ? "Las inasistencias (" + state.inputs.absenceDays +
                                           " días) no descuentan: solo descuentan 1, 2, 3 o "
                                           "más de 3 días."
                                     : "Las inasistencias no descuentan: el plus de "
                                       "productividad es 0.");
    }
    const std::initializer_list<Amount> remunerative{
        c.categoryAssignment, c.basicComplement, c.fullDayAmount, c.extendedDayAmount,
        c.differentiatedTask, c.seniorityAmount, c.zoneAmount,    c.code06Supplement,
        c.decreeProductivity, c.productivityPlus};
    if (!(c.absenceDeduction > Money())) {
        c.remunerativeTotal = trace.sum("total remunerativo", remunerative);
        return;
    }
    c.remunerativeTotal =
        trace.difference("total remunerativo", trace.sum("haberes remunerativos", remunerative),
                         {c.absenceDeduction});
}

// An estimate of the position's net pay: the gross estimate less personal contributions,
// estimated on the remunerative total without the decree supplements and with a part of the
// zone amount.
Amount netPayEstimate(const CalculationState &state)
{
    const CarryValues &c = state.carry;
    const Tracer &trace = state.trace;
    const MinimumPayScale &minimum = state.scale.minimumPay;
    Amount zoneShare =
        trace.share("parte de zona", trace.scaleRate(minimum.zoneShare), c.zoneAmount);
    if (c.zoneAmount.node() == kNoNode)
        zoneShare = zoneShare.unexplained(); // no zone on the payslip
    const Amount contributions =
        trace.share("aportes estimados", trace.scaleRate(minimum.contributions),
                    trace.difference("base de los aportes estimados", c.remunerativeTotal,
                                     {c.code06Supplement, c.decreeProductivity, zoneShare}));
    const Amount gross =
        trace.sum("bruto estimado", {c.categoryAssignment, c.basicComplement, c.fullDayAmount,
                                     c.extendedDayAmount, c.differentiatedTask, c.seniorityAmount,
                                     c.nationalIncentive, c.code113Supplement, c.productivityPlus});
    return trace.difference("neto estimado", gross, {contributions});
}

// Positions above a number of basic points are topped up to the guaranteed net pay.
void applyMinimumPay(CalculationState &state)
{
    CarryValues &c = state.carry;
    const MinimumPayScale &minimum = state.scale.minimumPay;
    ExplanationRecord *record = state.trace.record();
    if (!state.positionMode() || c.basicPoints <= minimum.aboveBasicPoints) {
        if (record && state.positionMode())
            record->note("No corresponde «Adic para mínimo» (172): es para cargos de más de " +
                         std::to_string(minimum.aboveBasicPoints) +
                         " puntos básicos, y este tiene " + std::to_string(c.basicPoints) + ".");
        return;
    }
    const Amount net = netPayEstimate(state);
    if (!(net < minimum.guaranteedNet.value)) {
        if (record)
            record->note("No corresponde «Adic para mínimo» (172): el neto estimado, " +
                         record->number(net) + " = " + std::string(record->sentence(net.node())) +
                         ", no es menor que " + record->number(minimum.guaranteedNet.value) + ".");
        return;
    }
    c.minimumTopUp = state.trace.difference("adicional para mínimo",
                                            state.trace.scaleAmount(minimum.guaranteedNet), {net});
    state.appendEarnings("172", "Adic para mínimo", "", c.minimumTopUp);
}

} // namespace

void applyAbsencesAndMinimumPay(CalculationState &state)
{
    const double days =
        readCount(state.inputs.absenceDays, InputField::AbsenceDays, state.conventions);
    applyAbsences(state, days);
    applyMinimumPay(state);
}

} // namespace pagaluz
