#include "Sections.h"
#include "SeniorityAndZone.h"

#include <array>
#include <cstddef>
#include <string>

namespace pagaluz {

namespace {

// Code-06 amounts by bracket (row 0: no bracket chosen, then brackets 1 to
// 12) for positions with fewer than 620 full-day points, by band of basic
// points. The table is used as the pay scale lists it, including the cells
// that are lower than their neighbours.
constexpr std::array<std::array<int, 6>, 13> kCode06PartDay{{
    {160, 80, 0, 0, 0, 0},
    {160, 80, 0, 0, 0, 0},
    {175, 90, 0, 0, 0, 0},
    {270, 180, 240, 193, 180, 0},
    {320, 195, 240, 193, 180, 0},
    {350, 210, 250, 200, 180, 140},
    {375, 230, 250, 200, 180, 140},
    {430, 260, 260, 203, 190, 160},
    {415, 285, 285, 230, 190, 160},
    {500, 345, 395, 340, 280, 180},
    {620, 435, 410, 330, 310, 180},
    {695, 495, 430, 330, 320, 190},
    {715, 510, 480, 335, 330, 190},
}};

// The same for positions with 620 full-day points or more: up to 971 basic
// points, and 972 or more.
constexpr std::array<std::array<int, 2>, 13> kCode06FullDay{{
    {0, 0},
    {0, 0},
    {0, 0},
    {220, 220},
    {380, 350},
    {440, 400},
    {475, 435},
    {510, 450},
    {525, 465},
    {555, 475},
    {590, 490},
    {615, 505},
    {620, 510},
}};

constexpr std::array<int, 5> kBandUpperBounds{971, 1169, 1400, 1942, 2220};
constexpr int kFullDayTableThreshold = 620;
constexpr int kFullDayAmountsThreshold = 600;

std::size_t basicPointsBand(int basicPoints)
{
    std::size_t band = 0;
    while (band < kBandUpperBounds.size() && basicPoints > kBandUpperBounds[band])
        ++band;
    return band;
}

std::size_t bracketRow(int bracket)
{
    return bracket >= 1 && bracket <= 12 ? static_cast<std::size_t>(bracket) : 0;
}

int code06Amount(int bracket, int basicPoints, int fullDayPoints)
{
    const std::size_t row = bracketRow(bracket);
    if (fullDayPoints >= kFullDayTableThreshold)
        return kCode06FullDay[row][basicPoints <= 971 ? 0 : 1];
    return kCode06PartDay[row][basicPointsBand(basicPoints)];
}

// The column of the code-06 tables for `basicPoints`: "de 1401 a 1942 puntos básicos".
std::string code06Column(int basicPoints, bool fullDayTable)
{
    if (fullDayTable)
        return basicPoints <= 971 ? "hasta 971 puntos básicos" : "972 puntos básicos o más";
    const std::size_t band = basicPointsBand(basicPoints);
    if (band == 0)
        return "hasta 971 puntos básicos";
    if (band == kBandUpperBounds.size())
        return "2221 puntos básicos o más";
    return "de " + std::to_string(kBandUpperBounds[band - 1] + 1) + " a " +
           std::to_string(kBandUpperBounds[band]) + " puntos básicos";
}

std::string bracketRowName(int bracket)
{
    const std::size_t row = bracketRow(bracket);
    if (row == 0)
        return "sin tramo de antigüedad";
    return "del tramo «" + std::string(kSeniorityBrackets[row - 1].caption) + "»";
}

// What the full-day points are measured against: "menos de 600 puntos de jornada completa
// (tiene 0)".
std::string fullDayShare(int fullDayPoints, int threshold)
{
    const std::string thresholdText = std::to_string(threshold);
    return (fullDayPoints >= threshold ? thresholdText + " o más" : "menos de " + thresholdText) +
           " puntos de jornada completa (tiene " + std::to_string(fullDayPoints) + ")";
}

// The code-06 amount is a cell of one of two tables; the incentive and the "113" amount are
// fixed sums of the pay scale.
void explainPositionSupplements(const CalculationState &state, ExplanationRecord &record)
{
    const CarryValues &carry = state.carry;
    const bool fullDayTable = carry.fullDayPoints >= kFullDayTableThreshold;
    const std::string table = std::string("tabla del código 06 para ") +
                              (fullDayTable ? "620 o más" : "menos de 620") +
                              " puntos de jornada completa";
    const std::string row = bracketRowName(state.inputs.seniorityBracket);
    const std::string column = code06Column(carry.basicPoints, fullDayTable);
    const Decimal code06 = Decimal::fromMoney(carry.code06Supplement);
    record.carry.code06Supplement =
        record.leaf(table + ", fila " + row + ", columna " + column, code06,
                    record.number(code06) + ", de la " + table + " (tiene " +
                        std::to_string(carry.fullDayPoints) + "): fila " + row + ", columna " +
                        column + " (tiene " + std::to_string(carry.basicPoints) + ")");
    const std::string fullDay = fullDayShare(carry.fullDayPoints, kFullDayAmountsThreshold);
    if (carry.nationalIncentive > Money())
        record.carry.nationalIncentive =
            record.figure("incentivo de Nación", carry.nationalIncentive,
                          "importe fijo para un cargo con " + fullDay);
    record.carry.code113Supplement = record.figure(
        "importe del código 113", carry.code113Supplement, "fijo para un cargo con " + fullDay);
}

} // namespace

void setPositionSupplements(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const bool fullDay = carry.fullDayPoints >= kFullDayAmountsThreshold;
    carry.code06Supplement = Money::fromUnits(
        code06Amount(state.inputs.seniorityBracket, carry.basicPoints, carry.fullDayPoints));
    carry.nationalIncentive = Money::fromUnits(state.inputs.incentive ? (fullDay ? 220 : 110) : 0);
    carry.code113Supplement = Money::fromUnits(fullDay ? 200 : 100);
    if (state.explanation)
        explainPositionSupplements(state, *state.explanation);
}

} // namespace pagaluz
