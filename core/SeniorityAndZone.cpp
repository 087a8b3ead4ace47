#include "SeniorityAndZone.h"

#include "Sections.h"

#include <string>

namespace pagaluz {

void chooseSeniorityBracket(PayInputs &inputs, int bracket, const PayScale &scale)
{
    const bool listed = bracket >= 1 && bracket <= static_cast<int>(scale.seniorityBrackets.size());
    inputs.seniorityBracket = listed ? bracket : 0;
}

const SeniorityBracket *chosenBracket(const PayInputs &inputs, const PayScale &scale)
{
    const int bracket = inputs.seniorityBracket;
    if (bracket < 1 || bracket > static_cast<int>(scale.seniorityBrackets.size()))
        return nullptr;
    return &scale.seniorityBrackets[static_cast<std::size_t>(bracket - 1)];
}

std::uint8_t seniorityPercent(const PayInputs &inputs, const PayScale &scale)
{
    const SeniorityBracket *bracket = chosenBracket(inputs, scale);
    return bracket ? bracket->percent : 0;
}

std::string seniorityText(const PayInputs &inputs, const PayScale &scale)
{
    const SeniorityBracket *bracket = chosenBracket(inputs, scale);
    return bracket ? bracket->percentText : "0 %";
}

const Zone *zoneAt(int listIndex, const PayScale &scale)
{
    if (listIndex < 0 || listIndex >= static_cast<int>(scale.zones.size()))
        return nullptr;
    return &scale.zones[static_cast<std::size_t>(listIndex)];
}

std::uint8_t zonePercent(int listIndex, const PayScale &scale)
{
    const Zone *zone = zoneAt(listIndex, scale);
    return zone ? zone->percent : 0;
}

namespace {

std::string quotedName(const std::string &name)
{
    return "«" + name + "»";
}

// Both supplements are percentages of the lines of the position's own pay, or of the hours line.
Amount supplementBase(const CalculationState &state, const char *name)
{
    const CarryValues &c = state.carry;
    return state.trace.sum(name, {c.categoryAssignment, c.basicComplement, c.fullDayAmount,
                                  c.extendedDayAmount, c.differentiatedTask});
}

Amount seniority(CalculationState &state)
{
    const SeniorityBracket *bracket = chosenBracket(state.inputs, state.scale);
    if (!bracket || bracket->percent == 0) {
        if (ExplanationRecord *record = state.trace.record())
            record->note(bracket ? "Sin «Antigüedad» (010): el tramo " +
                                       quotedName(bracket->caption) + " no tiene adicional."
                                 : "Sin «Antigüedad» (010): no se eligió el tramo de antigüedad.");
        return {};
    }
    const Tracer &trace = state.trace;
    return trace.percentOf("antigüedad",
                           trace.percent(bracket->percent, "porcentaje de antigüedad",
                                         [&] { return "tramo " + quotedName(bracket->caption); }),
                           supplementBase(state, "base de antigüedad"));
}

Amount zone(CalculationState &state)
{
    const Zone *zone = zoneAt(state.inputs.zone, state.scale);
    if (!zone || zone->percent == 0) {
        if (ExplanationRecord *record = state.trace.record())
            record->note(zone ? "Sin «As. por zona» (078): la zona " + quotedName(zone->name) +
                                    " no tiene adicional."
                              : "Sin «As. por zona» (078): no se eligió la zona de la escuela.");
        return {};
    }
    const Tracer &trace = state.trace;
    return trace.percentOf("adicional por zona",
                           trace.percent(zone->percent, "porcentaje de zona",
                                         [&] { return "zona " + quotedName(zone->name); }),
                           supplementBase(state, "base de zona"));
}

} // namespace

void paySeniorityAndZone(CalculationState &state)
{
    CarryValues &carry = state.carry;
    carry.seniorityAmount = seniority(state);
    carry.zoneAmount = zone(state);
    if (const SeniorityBracket *bracket = chosenBracket(state.inputs, state.scale);
        bracket && bracket->percent != 0)
        state.appendEarnings("010", "Antigüedad", bracket->percentText, carry.seniorityAmount);
    if (const std::uint8_t percent = zonePercent(state.inputs.zone, state.scale); percent != 0)
        state.appendEarnings("078", "As. por zona", std::to_string(percent) + " %",
                             carry.zoneAmount);
}

} // namespace pagaluz
