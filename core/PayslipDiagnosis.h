#pragma once

#include "PositionCatalogue.h"

#include "PayCalculator.h"
#include "PayInputs.h"
#include "PayslipComparison.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace pagaluz {

// One input changed from what the teacher entered, named by its label on the data entry
// screen: "Antigüedad" from "«Entre 15 y 17 años» (70 %)" to "«Entre 12 y 15 años» (60 %)".
struct InputChange {
    std::string field;
    std::string from;
    std::string to;
    // The change in a sentence's words: "«Entre 12 y 15 años» (60 %) en lugar de «Entre 15 y 17
    // años» (70 %)", "«IOSPER» marcado en lugar de sin marcar".
    std::string phrase;
};

// Inputs near the entered ones whose payslip comes closer to the school's. The match was
// found by calculating `inputs`, and calculated again before the finding was kept.
struct DiagnosisFinding {
    std::vector<InputChange> changes;
    PayInputs inputs;
    PayslipMatch match;
    // "Con «Entre 12 y 15 años» (60 %) en lugar de «Entre 15 y 17 años» (70 %), todas las
    // líneas coinciden."
    std::string text;
};

// A line the findings leave different, with how our payslip reached its amount.
struct UnexplainedLine {
    std::string code;
    std::string explanation;
};

struct Diagnosis {
    // Best first: every line equal before most lines equal, fewer changes before more.
    std::vector<DiagnosisFinding> findings;
    // When no finding reproduces the school's payslip: the lines that stay different.
    std::vector<UnexplainedLine> unexplained;
    std::size_t calculations = 0;
    bool finished = false; // the search ended within its time
    double seconds = 0;
};

struct DiagnosisLimits {
    std::chrono::duration<double> maxTime{2.0};
    std::size_t maxFindings = 10;
};

// Searches the inputs near `entered` for those whose payslip reproduces `school`: first each
// change of one input (seniority bracket, zone, incentive, each deduction, spouse, the children
// counts 0 to 15, absence days 0 to 31, transport, each hours count of the chosen kind of pay,
// the position among the rows of its name, then among all rows), then each pair of changes of
// two different inputs, until the time is up. Pairs are not tried when one change alone
// reproduces the school's payslip. Payslips are calculated in `calculator`'s conventions; the
// positions tried are the rows of `positions`, the table the inputs were read with.
Diagnosis diagnose(const PayInputs &entered, const SchoolPayslip &school,
                   const PayCalculator &calculator, const DiagnosisLimits &limits = {},
                   const PositionCatalogue &positions = PositionCatalogue::builtIn());

} // namespace pagaluz
