#pragma once

#include "PayInputs.h"
#include "PositionCatalogue.h"

#include <string_view>

namespace pagaluz {

// The selection screen's state after `code` is typed into its code box: the
// texts of the catalogue row with that code, or, when no row has it, no row
// at all: no code, no name and empty point boxes.
SelectedPosition selectPositionByCode(const PositionCatalogue &catalogue, std::string_view code);

// The selection screen's state after row `index` is chosen.
SelectedPosition selectPositionByRow(const PositionCatalogue &catalogue, int index);

} // namespace pagaluz
