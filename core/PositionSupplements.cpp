#include "Sections.h"
#include "SeniorityAndZone.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pagaluz {

namespace {

// Room for the longest sentence of a cell or a fixed amount, made in one piece.
constexpr std::size_t kLongText = 192;

std::size_t basicPointsBand(const Code06Scale &table, int basicPoints)
{
    const std::vector<int> &bounds = table.partDayBandUpperBounds;
    std::size_t band = 0;
    while (band < bounds.size() && basicPoints > bounds[band])
        ++band;
    return band;
}

// The row of the code-06 tables: 0 without a bracket, else the bracket.
std::size_t bracketRow(const CalculationState &state)
{
    return chosenBracket(state.inputs, state.scale)
               ? static_cast<std::size_t>(state.inputs.seniorityBracket)
               : 0;
}

// The column of the code-06 tables for `basicPoints`: "de 1401 a 1942 puntos básicos".
std::string code06Column(const Code06Scale &table, int basicPoints, bool fullDayTable)
{
    const auto upTo = [](int bound) {
        return "hasta " + std::to_string(bound) + " puntos básicos";
    };
    const auto above = [](int bound) {
        return std::to_string(bound + 1) + " puntos básicos o más";
    };
    if (fullDayTable)
        return basicPoints <= table.fullDayColumnUpperBound ? upTo(table.fullDayColumnUpperBound)
                                                            : above(table.fullDayColumnUpperBound);
    const std::vector<int> &bounds = table.partDayBandUpperBounds;
    const std::size_t band = basicPointsBand(table, basicPoints);
    if (band == 0)
        return upTo(bounds.front());
    if (band == bounds.size())
        return above(bounds.back());
    return "de " + std::to_string(bounds[band - 1] + 1) + " a " + std::to_string(bounds[band]) +
           " puntos básicos";
}

std::string bracketRowName(const CalculationState &state)
{
    const SeniorityBracket *bracket = chosenBracket(state.inputs, state.scale);
    if (!bracket)
        return "sin tramo de antigüedad";
    return "del tramo «" + bracket->caption + "»";
}

// "tabla del código 06 para menos de 620 puntos de jornada completa".
std::string tableName(const CalculationState &state, bool fullDayTable)
{
    const std::string points = std::to_string(state.scale.code06.fullDayTablePoints);
    return "tabla del código 06 para " + (fullDayTable ? points + " o más" : "menos de " + points) +
           " puntos de jornada completa";
}

// The code-06 amount is a cell of one of two tables, by the full-day points, the seniority
// bracket and the basic points.
Amount code06Amount(const CalculationState &state)
{
    const Code06Scale &table = state.scale.code06;
    const CarryValues &carry = state.carry;
    const std::size_t row = bracketRow(state);
    const bool fullDayTable = carry.fullDayPoints >= table.fullDayTablePoints;
    const int cell =
        fullDayTable
            ? table.fullDay[row][carry.basicPoints <= table.fullDayColumnUpperBound ? 0 : 1]
            : table.partDay[row][basicPointsBand(table, carry.basicPoints)];
    const Money amount = Money::fromUnits(cell);
    if (!state.trace.explains())
        return amount;
    const std::string tableText = tableName(state, fullDayTable);
    const std::string rowText = bracketRowName(state);
    const std::string columnText = code06Column(table, carry.basicPoints, fullDayTable);
    const auto text = [&] {
        std::string sentence = state.trace.record()->number(amount);
        sentence.reserve(kLongText);
        sentence.append(", de la ").append(tableText).append(" (tiene ");
        sentence.append(std::to_string(carry.fullDayPoints)).append("): fila ").append(rowText);
        sentence.append(", columna ").append(columnText).append(" (tiene ");
        return sentence.append(std::to_string(carry.basicPoints)).append(")");
    };
    const auto name = [&] {
        std::string cellName = tableText;
        cellName.reserve(kLongText);
        return cellName.append(", fila ").append(rowText).append(", columna ").append(columnText);
    };
    return {amount, state.trace.cell([&] { return Decimal::fromMoney(amount); }, name, text)};
}

// `before`, then what the full-day points are measured against: "menos de 600 puntos de
// jornada completa (tiene 0)".
std::string fullDayShare(std::string_view before, int fullDayPoints, int threshold)
{
    std::string text(before);
    text.reserve(kLongText);
    if (fullDayPoints < threshold)
        text += "menos de ";
    text += std::to_string(threshold);
    if (fullDayPoints >= threshold)
        text += " o más";
    text.append(" puntos de jornada completa (tiene ").append(std::to_string(fullDayPoints));
    return text.append(")");
}

} // namespace

// The incentive and the "113" amount are fixed sums of the pay scale, larger from a number of
// full-day points on.
void setPositionSupplements(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const PositionSupplementScale &fixed = state.scale.positionSupplements;
    const bool fullDay = carry.fullDayPoints >= fixed.fullDayPoints;
    const auto fullDayText = [&](std::string_view before) {
        return fullDayShare(before, carry.fullDayPoints, fixed.fullDayPoints);
    };
    carry.code06Supplement = code06Amount(state);
    if (state.inputs.incentive)
        carry.nationalIncentive = state.trace.amount(
            fullDay ? fixed.incentiveFullDay : fixed.incentivePartDay, "incentivo de Nación",
            [&] { return fullDayText("importe fijo para un cargo con "); });
    carry.code113Supplement = state.trace.amount(
        fullDay ? fixed.code113FullDay : fixed.code113PartDay, "importe del código 113",
        [&] { return fullDayText("fijo para un cargo con "); });
}

} // namespace pagaluz
