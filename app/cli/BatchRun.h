#pragma once

#include "PayCalculator.h"

#include <ostream>
#include <string_view>

namespace pagaluz {

// Writes to `out` a JSON array with one result per element of the JSON array `text`: the
// payslip, the calculation's error or, for an element that is no calculation's inputs, the
// input error. One result per line, in the order of the elements. The elements are read and
// calculated in chunks, a few chunks at a time on threads of their own, and each chunk's
// results written out whole: the memory used does not grow with the batch. Precondition:
// startsAsArray(text). Throws JsonSyntaxError, before anything is written, when `text` is not
// one well-formed JSON array.
void writeBatchResults(std::string_view text, const PayCalculator &calculator, std::ostream &out);

} // namespace pagaluz
