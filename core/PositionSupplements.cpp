#include "Sections.h"

#include <array>
#include <cstddef>

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

} // namespace

void setPositionSupplements(CalculationState &state)
{
    CarryValues &carry = state.carry;
    const bool fullDay = carry.fullDayPoints >= kFullDayAmountsThreshold;
    carry.code06Supplement = Money::fromUnits(
        code06Amount(state.inputs.seniorityBracket, carry.basicPoints, carry.fullDayPoints));
    carry.nationalIncentive = Money::fromUnits(state.inputs.incentive ? (fullDay ? 220 : 110) : 0);
    carry.code113Supplement = Money::fromUnits(fullDay ? 200 : 100);
}

} // namespace pagaluz
