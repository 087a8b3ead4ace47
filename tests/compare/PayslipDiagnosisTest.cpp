#include "PayslipDiagnosis.h"

#include "CandidateList.h"
#include "InputField.h"
#include "InputGenerator.h"
#include "PayTestSupport.h"
#include "PayslipComparison.h"
#include "SchoolPayslips.h"
#include "SeniorityAndZone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string_view>
#include <vector>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::printed;
using test::printedInCents;
using test::workedExampleInputs;

const PositionCatalogue &builtIn()
{
    return PositionCatalogue::builtIn();
}

Diagnosis diagnoseWith(const PayInputs &entered, const SchoolPayslip &school,
                       const DiagnosisLimits &limits = {})
{
    return diagnose(entered, school, PayCalculator(), limits, builtIn());
}

using Printing = SchoolPayslip (*)(const Payslip &);

// Whether the inputs' payslip, printed as the school's was, gives every line (code, quantity,
// amount) and total of the school's.
bool reproduces(const PayInputs &inputs, const SchoolPayslip &school, Printing printing = printed)
{
    const CalculationResult result = PayCalculator().calculate(inputs);
    return result.succeeded() && test::sameLines(printing(result.payslip()), school);
}

TEST(PayslipDiagnosisTest, NamesTheBracketTheSchoolApplied)
{
    PayInputs theirs = workedExampleInputs();
    chooseSeniorityBracket(theirs, 5);
    const SchoolPayslip school = printed(calculateOk(theirs).payslip());

    const Diagnosis diagnosis = diagnoseWith(workedExampleInputs(), school);
    ASSERT_FALSE(diagnosis.findings.empty());
    const DiagnosisFinding &best = diagnosis.findings.front();
    EXPECT_EQ(best.text, "Con «Entre 7 y 10 años» (40 %) en lugar de «Entre 5 y 7 años» (30 %), "
                         "todas las líneas coinciden.");
    ASSERT_EQ(best.changes.size(), 1u);
    EXPECT_EQ(best.changes[0].field, "Antigüedad");
    EXPECT_TRUE(reproduces(best.inputs, school));
    EXPECT_TRUE(diagnosis.unexplained.empty());
    for (std::size_t index = 1; index < diagnosis.findings.size(); ++index)
        EXPECT_FALSE(diagnosis.findings[index].match.allEqual &&
                     !diagnosis.findings[index - 1].match.allEqual);
}

// The school paid by another pay scale: diagnosed with that scale, the bracket it applied is
// found, and a line no change explains is explained with that scale's figures.
TEST(PayslipDiagnosisTest, CalculatesWithTheScaleOfItsCalculator)
{
    PayScale scale = PayScale::builtIn();
    scale.pointValue.value = 0.7;
    scale.pointValue.shown = Decimal::fromDouble(0.7);
    scale.pointValue.source = "de la escala «Haberes Marzo 09»";
    const PayCalculator calculator({}, Explanations::Omitted, scale);
    PayInputs theirs = workedExampleInputs();
    chooseSeniorityBracket(theirs, 5);
    SchoolPayslip school = printed(calculator.calculate(theirs).payslip());

    const Diagnosis found = diagnose(workedExampleInputs(), school, calculator, {}, builtIn());
    ASSERT_FALSE(found.findings.empty());
    EXPECT_TRUE(found.findings.front().match.allEqual) << found.findings.front().text;

    school.lines[0].amount.value += Money::fromTenThousandths(3);
    const Diagnosis unexplained =
        diagnose(theirs, school, calculator, {std::chrono::milliseconds(300), 5}, builtIn());
    ASSERT_FALSE(unexplained.unexplained.empty());
    EXPECT_NE(unexplained.unexplained.front().explanation.find("× 0,7 (valor del punto)"),
              std::string::npos)
        << unexplained.unexplained.front().explanation;
}

TEST(PayslipDiagnosisTest, ExplainsWhatNoChangeReproduces)
{
    SchoolPayslip school = printed(calculateOk(workedExampleInputs()).payslip());
    school.lines[0].amount.value += Money::fromTenThousandths(3);
    const DiagnosisLimits limits{std::chrono::milliseconds(300), 5};

    const Diagnosis diagnosis = diagnoseWith(workedExampleInputs(), school, limits);
    for (const DiagnosisFinding &finding : diagnosis.findings)
        EXPECT_FALSE(finding.match.allEqual) << finding.text;
    ASSERT_FALSE(diagnosis.unexplained.empty());
    EXPECT_EQ(diagnosis.unexplained.front().code, school.lines[0].code);
    EXPECT_NE(diagnosis.unexplained.front().explanation.find("valor del punto"), std::string::npos);
}

// The school used «Entre 7 y 10 años» and printed its payslip in cents: that finding comes
// first, alone, where before a wrong bracket scored as well.
TEST(PayslipDiagnosisTest, NamesTheBracketOfAPayslipPrintedInCents)
{
    PayInputs theirs = workedExampleInputs();
    chooseSeniorityBracket(theirs, 5);
    const SchoolPayslip school = printedInCents(calculateOk(theirs).payslip());

    const Diagnosis diagnosis = diagnoseWith(workedExampleInputs(), school);
    ASSERT_EQ(diagnosis.findings.size(), 1u);
    EXPECT_EQ(diagnosis.findings[0].text,
              "Con «Entre 7 y 10 años» (40 %) en lugar de «Entre 5 y 7 años» (30 %), todas las "
              "líneas coinciden.");
    EXPECT_TRUE(diagnosis.findings[0].equivalents.empty());
    EXPECT_TRUE(reproduces(diagnosis.findings[0].inputs, school, printedInCents));
}

// Changes that give the same payslip at the school's precision are one finding: no zone and
// the zone of 0 % pay the same.
TEST(PayslipDiagnosisTest, JoinsTheChangesThatGiveTheSamePayslip)
{
    PayInputs theirs = workedExampleInputs();
    theirs.zone = -1;
    const SchoolPayslip school = printedInCents(calculateOk(theirs).payslip());

    const Diagnosis diagnosis = diagnoseWith(workedExampleInputs(), school);
    ASSERT_FALSE(diagnosis.findings.empty());
    const DiagnosisFinding &best = diagnosis.findings.front();
    EXPECT_TRUE(best.match.allEqual);
    ASSERT_EQ(best.equivalents.size(), 1u) << best.text;
    EXPECT_NE(best.text.find(" o con "), std::string::npos) << best.text;
    EXPECT_TRUE(reproduces(best.equivalents[0].inputs, school, printedInCents));
    for (const DiagnosisFinding &finding : diagnosis.findings)
        EXPECT_TRUE(finding.match.allEqual) << finding.text;
}

// A search stopped from another thread ends at once, reporting it was cancelled.
TEST(PayslipDiagnosisTest, StopsWhenCancelled)
{
    SchoolPayslip school = printed(calculateOk(workedExampleInputs()).payslip());
    school.lines[0].amount.value += Money::fromTenThousandths(3); // nothing reproduces it
    std::atomic<bool> cancel{true};
    std::atomic<std::size_t> progress{0};
    DiagnosisLimits limits{std::chrono::seconds(60), 5};
    limits.cancel = &cancel;
    limits.progress = &progress;

    const Diagnosis diagnosis = diagnoseWith(workedExampleInputs(), school, limits);
    EXPECT_TRUE(diagnosis.cancelled);
    EXPECT_FALSE(diagnosis.finished);
    EXPECT_LT(diagnosis.seconds, 1.0);
    EXPECT_EQ(progress.load(), diagnosis.calculations);
    EXPECT_FALSE(diagnosis.unexplained.empty());
}

// Each tick and each deduction of the tables of inputs is among the changes tried, under its
// label, flipping it; each deduction as an input of its own.
TEST(PayslipDiagnosisTest, TriesEachTickAndDeductionOfTheTables)
{
    const PayInputs entered = workedExampleInputs();
    const std::vector<Candidate> candidates = candidateChanges(entered, builtIn(), PayScale::builtIn());
    const auto flipping = [&](std::string_view label, auto flipped) {
        std::vector<int> inputs;
        for (const Candidate &candidate : candidates) {
            PayInputs changed = entered;
            candidate.apply(changed);
            if (candidate.change.field == label && flipped(changed))
                inputs.push_back(candidate.input);
        }
        return inputs;
    };
    for (const InputTickInfo &tick : kInputTicks)
        EXPECT_FALSE(flipping(tick.label,
                              [&](const PayInputs &changed) {
                                  return changed.*tick.ticked != entered.*tick.ticked;
                              })
                         .empty())
            << tick.label;
    std::vector<int> deductionInputs;
    for (const DeductionInputInfo &deduction : kDeductionInputs) {
        const std::vector<int> inputs = flipping(deduction.label, [&](const PayInputs &changed) {
            PayInputs expected = entered;
            expected.deductionsChosen.*deduction.chosen =
                !(entered.deductionsChosen.*deduction.chosen);
            return changed == expected;
        });
        ASSERT_EQ(inputs.size(), 1u) << deduction.label;
        deductionInputs.push_back(inputs.front());
    }
    std::sort(deductionInputs.begin(), deductionInputs.end());
    EXPECT_EQ(std::adjacent_find(deductionInputs.begin(), deductionInputs.end()),
              deductionInputs.end());
}

// The changes a school might have made: one input each, chosen at random.
void changeOneInput(PayInputs &in, int input, std::mt19937 &random)
{
    const auto pick = [&](int bound) {
        return std::uniform_int_distribution<int>(0, bound - 1)(random);
    };
    switch (input) {
    case 0:
        chooseSeniorityBracket(in, 1 + pick(12));
        break;
    case 1:
        in.zone = pick(6) - 1;
        break;
    case 2:
        in.incentive = !in.incentive;
        break;
    case 3: {
        static constexpr bool DeductionChoices::*kDeductions[] = {
            &DeductionChoices::iosper,       &DeductionChoices::osplad,
            &DeductionChoices::pension,      &DeductionChoices::law4035,
            &DeductionChoices::unionDues,    &DeductionChoices::compensationFund,
            &DeductionChoices::insurance3011};
        bool &chosen = in.deductionsChosen.*kDeductions[pick(7)];
        chosen = !chosen;
        break;
    }
    case 4:
        in.spouse = !in.spouse;
        break;
    case 5:
        in.childCount = std::to_string(pick(16));
        in.children = in.childCount != "0";
        break;
    case 6:
        in.absenceDays = std::to_string(pick(32));
        break;
    case 7:
        in.transport = !in.transport;
        break;
    case 8:
        in.code06Hours = in.positionChosen ? in.code06Hours : std::to_string(pick(41));
        break;
    default:
        if (in.positionChosen)
            in.position = selectPositionByRow(PositionCatalogue::builtIn(), pick(311));
        else
            in.incentiveHours = std::to_string(pick(41));
        break;
    }
}

int environmentNumber(const char *name, int fallback)
{
    const char *value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}

// Under AddressSanitizer a calculation takes many times as long: the search is given that much
// more time, over fewer cases, so that the share found measures the search and not the build.
#ifdef __SANITIZE_ADDRESS__
constexpr int kDefaultCases = 20;
constexpr int kDefaultMilliseconds = 10000;
#else
// The program's own limit: a search that needs more than a few milliseconds is rare, and on a
// machine busy with other tests it may need all of it.
constexpr int kDefaultCases = 80;
constexpr int kDefaultMilliseconds = 2000;
#endif

struct GeneratedRun {
    int unchanged = 0;
    int unchangedEqual = 0;
    int tried = 0;
    int found = 0;
    std::vector<double> seconds;
};

// Random inputs, the school's payslip calculated from one or two of them changed and printed
// with `printing`, and the search run from the entered ones.
GeneratedRun runGenerated(Printing printing, int cases, const DiagnosisLimits &limits)
{
    test::InputGenerator generator(17);
    std::mt19937 random(4035);
    GeneratedRun run;
    while (run.tried < cases) {
        const PayInputs entered = generator.next();
        PayInputs theirs = entered;
        const int first = static_cast<int>(random() % 10);
        changeOneInput(theirs, first, random);
        if (random() % 2 == 0)
            changeOneInput(theirs, (first + 1 + static_cast<int>(random() % 9)) % 10, random);
        const CalculationResult ours = PayCalculator().calculate(entered);
        const CalculationResult school = PayCalculator().calculate(theirs);
        if (!ours.succeeded() || !school.succeeded())
            continue;
        ++run.unchanged;
        if (comparePayslips(ours.payslip(), printing(ours.payslip())).equal())
            ++run.unchangedEqual;
        const SchoolPayslip schoolPayslip = printing(school.payslip());
        if (comparePayslips(ours.payslip(), schoolPayslip).equal())
            continue;
        ++run.tried;
        const Diagnosis diagnosis = diagnoseWith(entered, schoolPayslip, limits);
        run.seconds.push_back(diagnosis.seconds);
        for (const DiagnosisFinding &finding : diagnosis.findings) {
            EXPECT_EQ(finding.match.allEqual, reproduces(finding.inputs, schoolPayslip, printing))
                << finding.text;
            for (const ChangedInputs &equivalent : finding.equivalents)
                EXPECT_EQ(finding.match.allEqual,
                          reproduces(equivalent.inputs, schoolPayslip, printing))
                    << finding.text;
        }
        if (!diagnosis.findings.empty() && diagnosis.findings.front().match.allEqual)
            ++run.found;
    }
    std::sort(run.seconds.begin(), run.seconds.end());
    return run;
}

// A school's payslip calculated from one or two changed inputs is reproduced by a finding, the
// payslip copied to the ten-thousandth or printed in cents (each line half up, the totals the
// sum of the lines printed); the entered inputs' own payslip, printed so, is always equal.
// PAGALUZ_DIAGNOSIS_CASES and PAGALUZ_DIAGNOSIS_MS set a longer run than CI's.
TEST(PayslipDiagnosisTest, FindsOneOrTwoChangedInputs)
{
    const int cases = environmentNumber("PAGALUZ_DIAGNOSIS_CASES", kDefaultCases);
    const DiagnosisLimits limits{
        std::chrono::milliseconds(environmentNumber("PAGALUZ_DIAGNOSIS_MS", kDefaultMilliseconds)),
        3};
    const struct {
        const char *name;
        Printing printing;
    } printings[] = {{"to the ten-thousandth", printed}, {"in cents", printedInCents}};
    for (const auto &printing : printings) {
        SCOPED_TRACE(printing.name);
        const GeneratedRun run = runGenerated(printing.printing, cases, limits);
        const double share = 100.0 * run.found / run.tried;
        std::cout << printing.name << ": unchanged equal " << run.unchangedEqual << " of "
                  << run.unchanged << "; found " << run.found << " of " << run.tried << " ("
                  << share << " %), median " << run.seconds[run.seconds.size() / 2]
                  << " s, longest " << run.seconds.back() << " s\n";
        EXPECT_EQ(run.unchangedEqual, run.unchanged);
        EXPECT_GE(share, 99.0);
    }
}

} // namespace
} // namespace pagaluz
