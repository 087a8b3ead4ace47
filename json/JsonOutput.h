#pragma once

#include "CalculationError.h"
#include "Explanation.h"
#include "JsonWriter.h"
#include "Money.h"
#include "PayCalculator.h"
#include "Payslip.h"
#include "PositionCatalogue.h"

#include <string>
#include <string_view>

namespace pagaluz {

// The exact value of an amount, with "." before the fraction, no trailing zeros and no
// grouping: "979.5", "-12.5", "0", "-922337203685477.5808".
std::string exactAmountText(Money amount);

// Each writes one compact JSON value with `json`.

// The payslip or the error of one calculation; a payslip with its explanations when the
// calculator made them.
void writeResultJson(const CalculationResult &result, JsonWriter &json);

// {"error": message, "kind": "input"}: an input that could not be read.
void writeInputErrorJson(std::string_view message, JsonWriter &json);

// Each appends one compact JSON value to `out`.

// The payslip or the error of one calculation. The payslip: its lines, the three totals (exact
// and as shown), the header and the name; with an explanation, each line has its
// "explanation", each total its own ("totalEarningsExplanation"...) and the payslip its
// "notes". A value of an explanation is {"name", "value" (exact, with "."), "text",
// "operation" and "terms" unless it is a leaf, "rounded"}. The error: {"error": message,
// "kind": "validation"}, or for a conversion "kind": "conversion" and the "field" to correct.
void appendResultJson(const CalculationResult &result, std::string &out);

// The catalogue as an array of its rows, each with its 0-based "row", its texts and whether its
// points are "verified" (true or false).
void appendPositionsJson(const PositionCatalogue &catalogue, std::string &out);

} // namespace pagaluz
