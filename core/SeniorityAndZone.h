#pragma once

#include "PayInputs.h"
#include "PayScale.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pagaluz {

// The built-in scale's twelve seniority brackets, the first at index 0 (bracket 1), and its
// five zones in list order, as the data entry screen offers them.
inline const std::vector<SeniorityBracket> &kSeniorityBrackets =
    PayScale::builtIn().seniorityBrackets;
inline const std::vector<Zone> &kZones = PayScale::builtIn().zones;

// Sets the bracket of `inputs` as clicking its option does: 1 to the number of brackets, or 0
// for none chosen (any other number).
void chooseSeniorityBracket(PayInputs &inputs, int bracket,
                            const PayScale &scale = PayScale::builtIn());

// The bracket chosen in `inputs`, or null when none is.
const SeniorityBracket *chosenBracket(const PayInputs &inputs,
                                      const PayScale &scale = PayScale::builtIn());

// The percentage of the chosen bracket, and its text ("30 %"), which the data entry screen
// shows in "porcantig": 0 and "0 %" while none is chosen.
std::uint8_t seniorityPercent(const PayInputs &inputs, const PayScale &scale = PayScale::builtIn());
std::string seniorityText(const PayInputs &inputs, const PayScale &scale = PayScale::builtIn());

// The zone at `listIndex`, or null for -1 (none) or any other index.
const Zone *zoneAt(int listIndex, const PayScale &scale = PayScale::builtIn());

// The percentage of the zone at `listIndex`; 0 for -1 (none) or any other index.
std::uint8_t zonePercent(int listIndex, const PayScale &scale = PayScale::builtIn());

} // namespace pagaluz
