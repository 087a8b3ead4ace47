#pragma once

#include "DecimalConventions.h"

#include <string>
#include <string_view>

namespace pagaluz::fuzz {

// `text` in quotes with every byte that is not printable ASCII escaped, for
// the message of a broken property; of a long text its start and its end.
std::string quotedBytes(std::string_view text);

// "decimal \",\" group \".\"".
std::string describeConventions(const DecimalConventions &conv);

} // namespace pagaluz::fuzz
