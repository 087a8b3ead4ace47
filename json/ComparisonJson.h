#pragma once

#include "PayslipComparison.h"
#include "PayslipDiagnosis.h"

#include <simdjson.h>

#include <string>
#include <string_view>

namespace pagaluz {

// The school's payslip from JSON in the shape of pagaluz-calc's --json payslip: "lines", each
// with "code" and "amount" (an exact text such as "979.5", or a number), and optionally
// "quantity", and optionally "totalEarnings", "totalDeductions" and "netPay". Other keys of that
// output ("column", "concept", "amountText"...) are ignored. Throws MalformedInput naming the key.
SchoolPayslip schoolPayslipFromJson(simdjson::dom::element payslip);

// {"scale" (the name of the scale calculated with), "equal", "comparison": [{"code", "ours",
// "theirs", "difference", "status"}...],
//  "findings": [{"text", "changes": [{"field", "from", "to"}...], "inputs", "allLinesEqual",
//  "matchingLines"}...], "unexplained": [{"code", "explanation"}...], "finished", "seconds"}:
// amounts exact with ".", an absent amount null; each finding's "inputs" a whole input that
// pagaluz-calc reads.
void appendComparisonReportJson(const PayslipComparison &comparison, const Diagnosis &diagnosis,
                                std::string_view scaleName, std::string &out);

} // namespace pagaluz
