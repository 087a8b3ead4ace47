#pragma once

#include "InputField.h"
#include "PayInputs.h"

#include <optional>

namespace pagaluz::fuzz {

// The kind of pay of inputs that tick exactly one of the three options, as the
// option group of the data entry screen allows.
enum class PayBasis { Position, SecondaryHours, HigherHours };
std::optional<PayBasis> singleBasis(const PayInputs &inputs);

// Whether a calculation on `basis` reads the box of `field`: position boxes
// only for a position, the count of its own level and the three hour counts
// only for hours, kilometres and children only when their box is ticked, the
// days of absence always.
bool pathReads(const PayInputs &inputs, PayBasis basis, InputField field);

// The inputs with a text that is no number in every box the calculation does
// not read, and for hours a position that is no position at all.
PayInputs withUnreadBoxesScrambled(const PayInputs &inputs, PayBasis basis);

} // namespace pagaluz::fuzz
