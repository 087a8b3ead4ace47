#pragma once

#include <string_view>

namespace pagaluz::fuzz {

// Ends the run with the message `what`, so that libFuzzer keeps the input
// that broke the property.
[[noreturn]] void fail(std::string_view what);

// fail(what) when `holds` is false.
void check(bool holds, std::string_view what);

} // namespace pagaluz::fuzz
