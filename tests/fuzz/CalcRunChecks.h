#pragma once

#include <string>

namespace pagaluz::fuzz {

// pagaluz-calc on `input` as its standard input, with --json and as a table:
// the same exit status both ways, 0 for a payslip, 1 for no kind of pay, 2 for
// a box that was refused, 64 for input it cannot use; a JSON result whose
// "error" and "kind" agree with the status; a message whenever there is no
// payslip.
void checkSingleRuns(const std::string &input);

// pagaluz-calc --batch on `input`: a JSON array of inputs gives status 0 and
// an array with one result per input, a text that begins as an array but is
// none status 64 and a message; anything else is JSON Lines: status 0 and one
// JSON object a line for each line that is not blank.
void checkBatchRun(const std::string &input);

} // namespace pagaluz::fuzz
