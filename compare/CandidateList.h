#pragma once

#include "PayInputs.h"
#include "PayScale.h"
#include "PositionCatalogue.h"

#include <functional>
#include <string>
#include <vector>

namespace pagaluz {

// One input changed from what the teacher entered, named by its label on the data entry
// screen: "Antigüedad" from "«Entre 15 y 17 años» (70 %)" to "«Entre 12 y 15 años» (60 %)".
struct InputChange {
    std::string field;
    std::string from;
    std::string to;
    // The change in a sentence's words: "«Entre 12 y 15 años» (60 %) en lugar de «Entre 15 y 17
    // años» (70 %)", "«IOSPER» marcado en lugar de sin marcar".
    std::string phrase;
};

// One change of one input. Two changes of the same `input` are never tried together.
struct Candidate {
    int input = 0;
    InputChange change;
    std::function<void(PayInputs &)> apply;
};

// The single changes near `entered`, in the order they are tried: seniority bracket, zone,
// incentive, each deduction, spouse, the children counts 0 to 15, absence days 0 to 31,
// transport, each hours count of the chosen kind of pay, the position among the rows of its
// name, then among all rows of `positions`. The brackets and zones are those of `scale`, which
// must outlive the candidates.
std::vector<Candidate> candidateChanges(const PayInputs &entered,
                                        const PositionCatalogue &positions, const PayScale &scale);

} // namespace pagaluz
