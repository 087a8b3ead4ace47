#pragma once

#include "CandidateList.h"
#include "PayCalculator.h"
#include "PayInputs.h"
#include "PayslipComparison.h"
#include "PositionCatalogue.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace pagaluz {

// Changes of the entered inputs and the inputs they give.
struct ChangedInputs {
    std::vector<InputChange> changes;
    PayInputs inputs;
};

// Inputs near the entered ones whose payslip comes closer to the school's. The match was
// found by calculating `inputs`, and calculated again before the finding was kept. Other changes
// that give the same payslip at the school's precision are its `equivalents`.
struct DiagnosisFinding {
    std::vector<InputChange> changes;
    PayInputs inputs;
    PayslipMatch match;
    std::vector<ChangedInputs> equivalents;
    // "Con «Entre 12 y 15 años» (60 %) en lugar de «Entre 15 y 17 años» (70 %), todas las
    // líneas coinciden."; with equivalents, "Con … o con …, …".
    std::string text;
};

// A line the findings leave different, with how our payslip reached its amount.
struct UnexplainedLine {
    std::string code;
    std::string explanation;
};

struct Diagnosis {
    // Best first: every line equal before most lines equal, fewer changes before more. When one
    // reproduces the school's payslip, only those that do.
    std::vector<DiagnosisFinding> findings;
    // When no finding reproduces the school's payslip: the lines that stay different.
    std::vector<UnexplainedLine> unexplained;
    std::size_t calculations = 0;
    bool finished = false;  // the search ended within its time
    bool cancelled = false; // the search was stopped by `DiagnosisLimits::cancel`
    double seconds = 0;
};

struct DiagnosisLimits {
    std::chrono::duration<double> maxTime{2.0};
    std::size_t maxFindings = 10;
    // Set from another thread to stop the search; what was found so far is reported.
    const std::atomic<bool> *cancel = nullptr;
    // Counts the calculations done, for another thread to show.
    std::atomic<std::size_t> *progress = nullptr;
};

// Searches the inputs near `entered` for those whose payslip reproduces `school`, comparing
// as comparePayslips does: first each single change (see candidateChanges), then each pair of
// changes of two different inputs, until the time is up. Pairs are not tried when one change
// alone reproduces the school's payslip. Payslips are calculated in `calculator`'s conventions;
// the positions tried are the rows of `positions`, the table the inputs were read with.
Diagnosis diagnose(const PayInputs &entered, const SchoolPayslip &school,
                   const PayCalculator &calculator, const DiagnosisLimits &limits,
                   const PositionCatalogue &positions);

} // namespace pagaluz
