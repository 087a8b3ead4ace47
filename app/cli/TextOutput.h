#pragma once

#include "Explanation.h"
#include "Payslip.h"
#include "PositionCatalogue.h"

#include <ostream>
#include <string>
#include <string_view>

namespace pagaluz {

// The payslip as a readable table: the header, one row per line with its code, quantity,
// concept and amount in the earnings or the deductions column, the three totals, then
// "Recibo de sueldos de:" with the teacher's name and the date as `dateText`. With an
// explanation, each line's and each total's sentence stands under it and the notes follow
// the totals.
void writePayslipTable(const Payslip &payslip, std::string_view dateText, std::ostream &out,
                       const PayslipExplanation *explanation = nullptr);

// The number of characters of a UTF-8 text: every byte but the continuation bytes.
std::size_t displayWidth(std::string_view text);

// A field of a CSV line: quoted, with its quotes doubled, when it holds a comma, a quote or a
// line break or begins or ends with a blank; otherwise as it is.
std::string csvField(std::string_view text);

// The catalogue as CSV: the header line, then one line per row in table order. The columns are
// those of a table file and, last, "verified": true when all the row's points are known to be
// the pay scale's, false for representative points.
void writePositionsCsv(const PositionCatalogue &catalogue, std::ostream &out);

} // namespace pagaluz
