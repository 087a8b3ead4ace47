#pragma once

#include "PayScale.h"

#include <string>

namespace pagaluz {

// The scale as a scale file that reads back as the same scale: the template for a new one.
std::string scaleFileText(const PayScale &scale);

// The scale as C++ source defining PayScale::builtIn(), so that the program is built from
// the scale file it ships.
std::string scaleSourceText(const PayScale &scale);

} // namespace pagaluz
