#pragma once

#include "DecimalConventions.h"

#include <string_view>

namespace pagaluz::fuzz {

// parseDouble, parseInt16, parseUInt8 and parseMoney accept exactly the texts
// the reference reader accepts, refuse the others for the same reason, and
// read the same values.
void checkReadersAgree(std::string_view text, const DecimalConventions &conv);

} // namespace pagaluz::fuzz
