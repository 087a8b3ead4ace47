#include "SeniorityAndZone.h"

#include "Sections.h"

#include <string>

namespace pagaluz {

const std::array<SeniorityBracket, 12> kSeniorityBrackets{{
    {"Menos de 1 año", "0 %", 0},
    {"Entre 1 y 2 años", "10 %", 10},
    {"Entre 2 y 5 años", "15 %", 15},
    {"Entre 5 y 7 años", "30 %", 30},
    {"Entre 7 y 10 años", "40 %", 40},
    {"Entre 10 y 12 años", "50 %", 50},
    {"Entre 12 y 15 años", "60 %", 60},
    {"Entre 15 y 17 años", "70 %", 70},
    {"Entre 17 y 20 años", "80 %", 80},
    {"Entre 20 y 22 años", "100 %", 100},
    {"Entre 22 y 24 años", "110 %", 110},
    {"Más de 24 años", "120 %", 120},
}};

const std::array<Zone, 5> kZones{{
    {"Común", 0},
    {"Alejada radio urbano", 20},
    {"Desfavorable", 40},
    {"Muy desfavorable", 80},
    {"Zona Inhóspita", 120},
}};

void chooseSeniorityBracket(PayInputs &inputs, int bracket)
{
    inputs.seniorityBracket = bracket;
    if (bracket < 1 || bracket > static_cast<int>(kSeniorityBrackets.size())) {
        inputs.seniorityBracket = 0;
        inputs.seniorityPercent = 0;
        inputs.seniorityText = "0 %";
        return;
    }
    const SeniorityBracket &chosen = kSeniorityBrackets[static_cast<std::size_t>(bracket - 1)];
    inputs.seniorityPercent = chosen.percent;
    inputs.seniorityText = std::string(chosen.percentText);
}

std::uint8_t zonePercent(int listIndex)
{
    if (listIndex < 0 || listIndex >= static_cast<int>(kZones.size()))
        return 0;
    return kZones[static_cast<std::size_t>(listIndex)].percent;
}

namespace {

// base × percent / 100: the product is exact, the division in double precision.
Money percentOf(Money base, std::uint8_t percent)
{
    return Money::fromDouble(base.timesWhole(percent).toDouble() / 100.0);
}

Money supplementBase(const CarryValues &carry)
{
    return carry.categoryAssignment + carry.basicComplement + carry.differentiatedTask +
           carry.workdaySupplements;
}

// The base of both supplements adds the lines of the position's own pay, or the hours line.
NodePtr explainedBase(const char *name, Money base, ExplanationRecord &record)
{
    const CarryExplanations &lines = record.carry;
    return record.operation(name, base, Operation::Sum,
                            {lines.categoryAssignment, lines.basicComplement, lines.fullDayAmount,
                             lines.extendedDayAmount, lines.differentiatedTask});
}

std::string bracketName(int bracket)
{
    if (bracket < 1 || bracket > static_cast<int>(kSeniorityBrackets.size()))
        return {};
    return "«" + std::string(kSeniorityBrackets[static_cast<std::size_t>(bracket - 1)].caption) +
           "»";
}

std::string zoneName(int listIndex)
{
    if (listIndex < 0 || listIndex >= static_cast<int>(kZones.size()))
        return {};
    return "«" + std::string(kZones[static_cast<std::size_t>(listIndex)].name) + "»";
}

void explainSeniority(const CalculationState &state, Money base, ExplanationRecord &record)
{
    const int bracket = state.inputs.seniorityBracket;
    const std::uint8_t percent = state.inputs.seniorityPercent;
    if (percent == 0) {
        record.note(bracketName(bracket).empty()
                        ? "Sin «Antigüedad» (010): no se eligió el tramo de antigüedad."
                        : "Sin «Antigüedad» (010): el tramo " + bracketName(bracket) +
                              " no tiene adicional.");
        return;
    }
    record.carry.seniorityAmount = record.operation(
        "antigüedad", state.carry.seniorityAmount, Operation::Product,
        {record.rate("porcentaje de antigüedad", Decimal::fromScaled(percent, 2),
                     bracketName(bracket).empty() ? "" : "tramo " + bracketName(bracket)),
         explainedBase("base de antigüedad", base, record)});
}

void explainZone(const CalculationState &state, Money base, ExplanationRecord &record)
{
    const int zone = state.inputs.zone;
    const std::uint8_t percent = zonePercent(zone);
    if (percent == 0) {
        record.note(zoneName(zone).empty()
                        ? "Sin «As. por zona» (078): no se eligió la zona de la escuela."
                        : "Sin «As. por zona» (078): la zona " + zoneName(zone) +
                              " no tiene adicional.");
        return;
    }
    record.carry.zoneAmount =
        record.operation("adicional por zona", state.carry.zoneAmount, Operation::Product,
                         {record.rate("porcentaje de zona", Decimal::fromScaled(percent, 2),
                                      "zona " + zoneName(zone)),
                          explainedBase("base de zona", base, record)});
}

} // namespace

void paySeniorityAndZone(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const Money base = supplementBase(carry);
    const std::uint8_t seniority = state.inputs.seniorityPercent;
    if (seniority != 0)
        carry.seniorityAmount = percentOf(base, seniority);
    const std::uint8_t zone = zonePercent(state.inputs.zone);
    if (zone != 0)
        carry.zoneAmount = percentOf(base, zone);
    if (state.explanation) {
        explainSeniority(state, base, *state.explanation);
        explainZone(state, base, *state.explanation);
    }

    if (seniority != 0) {
        state.payslip.appendEarningsLine("010", "Antigüedad", state.inputs.seniorityText,
                                         carry.seniorityAmount);
        state.explainLastLine(&CarryExplanations::seniorityAmount);
    }
    if (zone != 0) {
        state.payslip.appendEarningsLine("078", "As. por zona", std::to_string(zone) + " %",
                                         carry.zoneAmount);
        state.explainLastLine(&CarryExplanations::zoneAmount);
    }
}

} // namespace pagaluz
