#pragma once

#include "PayCalculator.h"
#include "PositionCatalogue.h"

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pagaluz {

// What each input of a batch is calculated with: the calculation, and the position table whose
// rows the inputs' codes choose.
struct BatchCalculation {
    const PayCalculator &calculator;
    const PositionCatalogue &positions;
};

// Results that could not be written: the batch stops at the first.
class BatchOutputFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether a batch that begins with `start` is a JSON array: its first byte other than blanks
// and a byte order mark is "[". Anything else is read as JSON Lines.
bool batchIsArray(std::string_view start);

// Writes to `out` a JSON array with one result per element of the JSON array `text`: the
// payslip, the calculation's error or, for an element that is no calculation's inputs, the
// input error. One result per line, in the order of the elements. Every element is parsed
// before a result is written, so a malformed batch writes nothing. `text` begins as an array
// (batchIsArray) and is followed in memory by kJsonPadding readable bytes. Throws
// JsonSyntaxError, and BatchOutputFailed at the first write that fails.
void writeArrayResults(std::string_view text, const BatchCalculation &calculation,
                       std::ostream &out);

// Reads JSON Lines from `start`, then from the rest of `in`, one input object a line, and
// writes the result of each on a line of its own as it goes, so that the memory used does not
// grow with the batch. Blank lines are skipped; a line that is no JSON, or longer than
// kLargestDocument, gets an input error.
void writeLineResults(std::string start, std::istream &in, const BatchCalculation &calculation,
                      std::ostream &out);

} // namespace pagaluz
