#pragma once

#include "PayInputs.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace pagaluz {

// One seniority bracket as the data entry screen offers it.
struct SeniorityBracket {
    std::string_view caption;     // "Entre 5 y 7 años"
    std::string_view percentText; // "30 %": tool-tip and quantity of "Antigüedad"
    std::uint8_t percent;
};

// The twelve brackets, the first at index 0 (bracket 1).
extern const std::array<SeniorityBracket, 12> kSeniorityBrackets;

// Sets the bracket of `inputs` as clicking its option does: the bracket
// (1 to 12, or 0 for none chosen), its percentage and its text.
void chooseSeniorityBracket(PayInputs &inputs, int bracket);

// One school zone of the zone list.
struct Zone {
    std::string_view name;
    std::uint8_t percent;
};

// The five zones in list order.
extern const std::array<Zone, 5> kZones;

// The percentage of the zone at `listIndex`; 0 for -1 (none) or any other index.
std::uint8_t zonePercent(int listIndex);

} // namespace pagaluz
