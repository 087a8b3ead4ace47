#include "HourLevel.h"
#include "Sections.h"

#include <string>

namespace pagaluz {

namespace {

// The quantity of rows "006", "084" and "113": empty for a position; for
// hours the cap as a whole number once the count reaches it, otherwise the
// count's text exactly as typed.
std::string hourQuantity(const CalculationState &state, double count, const std::string &typed,
                         int cap)
{
    if (state.positionMode())
        return {};
    return count >= cap ? std::to_string(cap) : typed;
}

// `number`, written with a decimal point, with the decimal separator of `conventions`.
std::string withSeparator(std::string_view number, const DecimalConventions &conventions)
{
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos)
        return std::string(number);
    std::string text(number.substr(0, point));
    text += conventions.decimalSeparator;
    text += number.substr(point + 1);
    return text;
}

} // namespace

// The productivity of the decree is a share of the "006" amount; the productivity plus the
// same share of the position's or the hours' pay with seniority and zone.
void payDecreeSupplements(CalculationState &state)
{
    const PayInputs &in = state.inputs;
    const HourScale *figures =
        state.positionMode() ? nullptr : &(state.scale.*hourLevel(state.mode).figures);
    const auto cap = [figures](int HourScale::*member) { return figures ? figures->*member : 0; };
    CarryValues &c = state.carry;
    const Tracer &trace = state.trace;
    const ProductivityScale &productivity = state.scale.productivity;

    state.appendEarnings(
        "006", "Adic. Art 2 y 3 Dcrto 5863/05",
        hourQuantity(state, state.hours.code06, in.code06Hours, cap(&HourScale::code06QuantityCap)),
        c.code06Supplement);
    const Figure rate = trace.scaleRate(productivity.rate);
    c.decreeProductivity =
        trace.share("productividad del decreto 5863/05", rate, c.code06Supplement);
    c.productivityPlus = trace.share(
        "plus de productividad", rate,
        trace.sum("base de productividad",
                  {c.categoryAssignment, c.basicComplement, c.fullDayAmount, c.extendedDayAmount,
                   c.differentiatedTask, c.seniorityAmount, c.zoneAmount}));
    if (ExplanationRecord *record = trace.record(); record && !(c.nationalIncentive > Money()))
        record->note(state.positionMode()
                         ? "Sin «Incentivo de Nación» (084): la casilla «Incentivo» no está "
                           "marcada."
                         : "Sin «Incentivo de Nación» (084): no hay horas con incentivo.");

    state.appendEarnings("014", "Product Dcrto 5863/05",
                         withSeparator(productivity.decreeQuantity, state.conventions),
                         c.decreeProductivity);
    if (c.nationalIncentive > Money())
        state.appendEarnings("084", "Incentivo de Nación",
                             hourQuantity(state, state.hours.incentive, in.incentiveHours,
                                          cap(&HourScale::incentiveQuantityCap)),
                             c.nationalIncentive);
    state.appendEarnings("113", "Negro de Nación",
                         hourQuantity(state, state.hours.code113, in.code113Hours,
                                      cap(&HourScale::code113QuantityCap)),
                         c.code113Supplement);
    state.appendEarnings("188", "Plus Productividad", productivity.plusQuantity,
                         c.productivityPlus);
}

} // namespace pagaluz
