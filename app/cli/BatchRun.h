#pragma once

#include "PayCalculator.h"

#include <ostream>
#include <string_view>

namespace pagaluz {

// Writes to `out` a JSON array with one result per element of the JSON array `text`: the
// payslip, the calculation's error or, for an element that is no calculation's inputs, the
// input error. One result per line, written in large pieces as the elements are read one at
// a time. Precondition: startsAsArray(text). Throws JsonSyntaxError, before anything is
// written, when `text` is not one well-formed JSON array.
void writeBatchResults(std::string_view text, const PayCalculator &calculator, std::ostream &out);

} // namespace pagaluz
