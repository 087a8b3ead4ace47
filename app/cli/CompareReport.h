#pragma once

#include "PayInputs.h"
#include "PayslipComparison.h"
#include "PayslipDiagnosis.h"
#include "PositionCatalogue.h"

#include <chrono>
#include <ostream>

namespace pagaluz {

// What --compare is asked: when the search must be over, and whether the report is JSON.
struct CompareSettings {
    std::chrono::steady_clock::time_point deadline;
    bool json = false;
};

// Compares `ours`, the payslip of `inputs`, with the school's, searches the inputs near them for
// what explains the difference until the deadline, and writes the report: with `json` the JSON
// object of appendComparisonReportJson, otherwise the table of writeComparisonTable. Returns the
// exit status: 0 when the payslips are equal, 3 when they differ.
int reportComparison(const PayInputs &inputs, const Payslip &ours, const SchoolPayslip &school,
                     const PositionCatalogue &positions, const CompareSettings &settings,
                     std::ostream &out);

// The comparison for a person: one row per code and total (code, ours, theirs as the school wrote
// it, difference, status), the summary, the lines Pagaluz does not calculate, then the findings
// as sentences and the lines left unexplained with how we reached them. Amounts in the payslip's
// conventions.
void writeComparisonTable(const PayslipComparison &comparison, const Diagnosis &diagnosis,
                          const DecimalConventions &conventions, std::ostream &out);

} // namespace pagaluz
