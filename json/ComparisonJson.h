#pragma once

#include "PayslipComparison.h"
#include "PayslipDiagnosis.h"

#include <simdjson.h>

#include <string>

namespace pagaluz {

// The school's payslip from JSON in the shape of pagaluz-calc's --json payslip: "lines", each
// with "code" and "amount" (a text such as "979.50", or a number), and optionally "quantity" and
// "column" ("earnings" or "deductions"), and optionally "totalEarnings", "totalDeductions" and
// "netPay". Each amount keeps the decimals it was written with (a number in its shortest form:
// 979.50 as 979.5). Other keys of that output ("concept", "amountText"...) are ignored. Read
// strictly: a key written twice, more than 500 lines, a code more often than a payslip holds it,
// an amount with blanks, more than four decimals or beyond ±100000000 are refused. Throws
// MalformedInput naming the key and the line ("lines[3].amount").
SchoolPayslip schoolPayslipFromJson(simdjson::dom::element payslip);

// {"equal", "summary", "notCalculated", "comparison": [{"code", "ours", "theirs", "difference",
//  "status", and for a row equal only at the school's decimals "note" and "oursRounded"}...],
//  "findings": [{"text", "changes": [{"field", "from", "to"}...], "inputs", "allLinesEqual",
//  "matchingLines", "equivalents": [{"changes", "inputs"}...]}...], "unexplained": [{"code",
//  "explanation"}...], "finished", "seconds"}: amounts exact with ".", an absent amount null;
// each finding's "inputs" a whole input that pagaluz-calc reads.
void appendComparisonReportJson(const PayslipComparison &comparison, const Diagnosis &diagnosis,
                                std::string &out);

} // namespace pagaluz
