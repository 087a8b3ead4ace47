#include "PayslipDiagnosis.h"
#include "InputGenerator.h"
#include "PayTestSupport.h"
#include "PayslipComparison.h"
#include "SeniorityAndZone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::workedExampleInputs;

// The school's payslip as printed from one of ours: every line with its quantity, and the totals.
SchoolPayslip printed(const Payslip &payslip)
{
    SchoolPayslip school;
    for (const PayslipLine &line : payslip.lines())
        school.lines.push_back({line.code, line.amount, line.quantity});
    school.totalEarnings = payslip.totalEarnings();
    school.totalDeductions = payslip.totalDeductions();
    school.netPay = payslip.netPay();
    return school;
}

// Whether the inputs' payslip has exactly the school's lines (code, quantity, amount) and totals.
bool reproduces(const PayInputs &inputs, const SchoolPayslip &school)
{
    const CalculationResult result = PayCalculator().calculate(inputs);
    if (!result.succeeded() || result.payslip().lines().size() != school.lines.size())
        return false;
    for (std::size_t index = 0; index < school.lines.size(); ++index) {
        const PayslipLine &line = result.payslip().lines()[index];
        if (line.code != school.lines[index].code || line.amount != school.lines[index].amount ||
            line.quantity != school.lines[index].quantity)
            return false;
    }
    return result.payslip().totalEarnings() == school.totalEarnings &&
           result.payslip().netPay() == school.netPay;
}

TEST(PayslipComparisonTest, MarksEachCodeAndTotal)
{
    const Payslip ours = calculateOk(workedExampleInputs()).payslip();
    SchoolPayslip school = printed(ours);
    const Money shift = Money::fromUnits(1);
    school.lines[1].amount += shift;                      // "distinto"
    const std::string dropped = school.lines.back().code; // "sólo en el nuestro"
    school.lines.pop_back();
    school.lines.push_back({"999", Money::fromUnits(5), {}}); // "sólo en el del establecimiento"
    school.netPay = *school.netPay - shift;

    const PayslipComparison comparison = comparePayslips(ours, school);
    struct Expected {
        std::string code;
        LineStatus status;
        std::string_view text;
    };
    const std::vector<Expected> expected{
        {ours.lines()[0].code, LineStatus::Equal, "igual"},
        {ours.lines()[1].code, LineStatus::Different, "distinto"},
        {dropped, LineStatus::OnlyOurs, "sólo en el nuestro"},
        {"999", LineStatus::OnlyTheirs, "sólo en el del establecimiento"},
        {"Total Haberes", LineStatus::Equal, "igual"},
        {"Liquido a pagar", LineStatus::Different, "distinto"},
    };
    for (const Expected &row : expected) {
        SCOPED_TRACE(row.code);
        const auto found = std::find_if(comparison.rows.begin(), comparison.rows.end(),
                                        [&](const ComparisonRow &r) { return r.code == row.code; });
        ASSERT_NE(found, comparison.rows.end());
        EXPECT_EQ(found->status, row.status);
        EXPECT_EQ(lineStatusText(found->status), row.text);
    }
    EXPECT_EQ(comparison.rows[1].difference(), Money() - shift);
    EXPECT_FALSE(comparison.equal());
    EXPECT_EQ(comparison.lineCount(), static_cast<int>(ours.lines().size()) + 1);
    EXPECT_EQ(comparison.matchingLines(), static_cast<int>(ours.lines().size()) - 2);
    const PayslipMatch match = matchPayslips(ours, school);
    EXPECT_EQ(match.matchingLines, comparison.matchingLines());
    EXPECT_EQ(match.lineCount, comparison.lineCount());
    EXPECT_TRUE(comparePayslips(ours, printed(ours)).equal());
}

TEST(PayslipDiagnosisTest, NamesTheBracketTheSchoolApplied)
{
    PayInputs theirs = workedExampleInputs();
    chooseSeniorityBracket(theirs, 5);
    const SchoolPayslip school = printed(calculateOk(theirs).payslip());

    const Diagnosis diagnosis = diagnose(workedExampleInputs(), school, PayCalculator());
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

TEST(PayslipDiagnosisTest, ExplainsWhatNoChangeReproduces)
{
    SchoolPayslip school = printed(calculateOk(workedExampleInputs()).payslip());
    school.lines[0].amount += Money::fromTenThousandths(3);
    const DiagnosisLimits limits{std::chrono::milliseconds(300), 5};

    const Diagnosis diagnosis = diagnose(workedExampleInputs(), school, PayCalculator(), limits);
    for (const DiagnosisFinding &finding : diagnosis.findings)
        EXPECT_FALSE(finding.match.allEqual) << finding.text;
    ASSERT_FALSE(diagnosis.unexplained.empty());
    EXPECT_EQ(diagnosis.unexplained.front().code, school.lines[0].code);
    EXPECT_NE(diagnosis.unexplained.front().explanation.find("valor del punto"), std::string::npos);
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
constexpr int kDefaultCases = 40;
constexpr int kDefaultMilliseconds = 10000;
#else
constexpr int kDefaultCases = 120;
constexpr int kDefaultMilliseconds = 500;
#endif

// A school's payslip calculated from one or two changed inputs is reproduced by a finding.
// PAGALUZ_DIAGNOSIS_CASES and PAGALUZ_DIAGNOSIS_MS set a longer run than CI's.
TEST(PayslipDiagnosisTest, FindsOneOrTwoChangedInputs)
{
    const int cases = environmentNumber("PAGALUZ_DIAGNOSIS_CASES", kDefaultCases);
    const DiagnosisLimits limits{
        std::chrono::milliseconds(environmentNumber("PAGALUZ_DIAGNOSIS_MS", kDefaultMilliseconds)),
        3};
    test::InputGenerator generator(17);
    std::mt19937 random(4035);
    int tried = 0;
    int found = 0;
    std::vector<double> seconds;
    while (tried < cases) {
        const PayInputs entered = generator.next();
        PayInputs theirs = entered;
        const int first = static_cast<int>(random() % 10);
        changeOneInput(theirs, first, random);
        if (random() % 2 == 0)
            changeOneInput(theirs, (first + 1 + static_cast<int>(random() % 9)) % 10, random);
        const CalculationResult ours = PayCalculator().calculate(entered);
        const CalculationResult school = PayCalculator().calculate(theirs);
        if (!ours.succeeded() || !school.succeeded() ||
            comparePayslips(ours.payslip(), printed(school.payslip())).equal())
            continue;
        ++tried;
        const SchoolPayslip schoolPayslip = printed(school.payslip());
        const Diagnosis diagnosis = diagnose(entered, schoolPayslip, PayCalculator(), limits);
        seconds.push_back(diagnosis.seconds);
        for (const DiagnosisFinding &finding : diagnosis.findings)
            EXPECT_EQ(finding.match.allEqual, reproduces(finding.inputs, schoolPayslip))
                << finding.text;
        if (!diagnosis.findings.empty() && diagnosis.findings.front().match.allEqual)
            ++found;
    }
    std::sort(seconds.begin(), seconds.end());
    const double share = 100.0 * found / tried;
    std::cout << "found " << found << " of " << tried << " (" << share << " %), median "
              << seconds[seconds.size() / 2] << " s, longest " << seconds.back() << " s\n";
    EXPECT_GE(share, 99.0);
}

} // namespace
} // namespace pagaluz
