#include "PayslipComparison.h"

#include "CalculatedCodes.h"
#include "InputGenerator.h"
#include "PayTestSupport.h"
#include "SchoolPayslips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::money;
using test::printed;
using test::workedExampleInputs;

const ComparisonRow &rowOf(const PayslipComparison &comparison, std::string_view code)
{
    const auto found = std::find_if(comparison.rows.begin(), comparison.rows.end(),
                                    [&](const ComparisonRow &row) { return row.code == code; });
    if (found == comparison.rows.end())
        throw std::invalid_argument("no row " + std::string(code));
    return *found;
}

TEST(PayslipComparisonTest, MarksEachCodeAndTotal)
{
    const Payslip ours = calculateOk(workedExampleInputs()).payslip();
    SchoolPayslip school = printed(ours);
    const Money shift = Money::fromUnits(1);
    school.lines[1].amount.value += shift;                // "distinto"
    const std::string dropped = school.lines.back().code; // "sólo en el nuestro"
    school.lines.pop_back();
    school.lines.push_back(
        {"1010", Money::fromUnits(5), {}, {}}); // "sólo en el del establecimiento"
    school.netPay = school.netPay->value - shift;

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
        {"1010", LineStatus::OnlyTheirs, "sólo en el del establecimiento"},
        {"Total Haberes", LineStatus::Equal, "igual"},
        {"Liquido a pagar", LineStatus::Different, "distinto"},
    };
    for (const Expected &row : expected) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(rowOf(comparison, row.code).status, row.status);
        EXPECT_EQ(statusWithNote(rowOf(comparison, row.code)), row.text);
    }
    EXPECT_EQ(comparison.rows[1].difference(), Money() - shift);
    EXPECT_EQ(comparison.rows[1].ourLine, 1);
    EXPECT_EQ(comparison.rows[1].theirLine, 1);
    EXPECT_EQ(rowOf(comparison, "Liquido a pagar").total, PayslipTotal::NetPay);
    EXPECT_FALSE(comparison.equal());
    EXPECT_EQ(comparison.lineCount(), static_cast<int>(ours.lines().size()) + 1);
    EXPECT_EQ(comparison.matchingLines(), static_cast<int>(ours.lines().size()) - 2);
    const PayslipMatch match = matchPayslips(ours, school);
    EXPECT_EQ(match.matchingLines, comparison.matchingLines());
    EXPECT_EQ(match.lineCount, comparison.lineCount());
    EXPECT_TRUE(comparePayslips(ours, printed(ours)).equal());
}

// The worked example's payslip as the paper shows it, in pesos and cents.
SchoolPayslip workedExampleInCents()
{
    SchoolPayslip school;
    const std::pair<const char *, const char *> lines[] = {
        {"001", "979.50"}, {"002", "65.95"},  {"016", "97.95"},  {"010", "343.02"},
        {"078", "457.36"}, {"006", "193.00"}, {"014", "13.51"},  {"084", "110.00"},
        {"113", "100.00"}, {"188", "136.07"}, {"502", "365.82"},
    };
    const auto cents = [](const char *text) { return PrintedAmount(money(text), 2); };
    for (const auto &[code, amount] : lines)
        school.lines.push_back({code, cents(amount), {}, {}});
    school.totalEarnings = cents("2496.36");
    school.totalDeductions = cents("365.82");
    school.netPay = cents("2130.54");
    return school;
}

// Each amount is compared at the decimals written: the paper payslip is equal, each row equal
// only to the cent says so, and a cent off is a difference.
TEST(PayslipComparisonTest, ComparesAtTheDecimalsTheSchoolWrote)
{
    const Payslip ours = calculateOk(workedExampleInputs()).payslip();
    const PayslipComparison comparison = comparePayslips(ours, workedExampleInCents());
    EXPECT_TRUE(comparison.equal());
    EXPECT_EQ(comparisonSummary(comparison), "Los dos recibos son iguales.");
    const struct {
        const char *code;
        const char *status;
        std::optional<Money> oursRounded;
    } rows[] = {
        {"001", "igual", {}}, // 979,5 is 979,50
        {"002", "igual al centavo", money("65.95")},
        {"188", "igual al centavo", money("136.07")},
        {"Total Haberes", "igual al centavo", money("2496.36")},
        {"Liquido a pagar", "igual al centavo", money("2130.54")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(statusWithNote(rowOf(comparison, row.code)), row.status);
        EXPECT_EQ(rowOf(comparison, row.code).oursRounded, row.oursRounded);
    }
    EXPECT_TRUE(matchPayslips(ours, workedExampleInCents()).allEqual);

    SchoolPayslip centOff = workedExampleInCents();
    centOff.lines[0].amount.value += money("0.01");
    centOff.netPay->value += money("0.01");
    const PayslipComparison off = comparePayslips(ours, centOff);
    EXPECT_EQ(rowOf(off, "001").status, LineStatus::Different);
    EXPECT_EQ(rowOf(off, "Liquido a pagar").status, LineStatus::Different);
    EXPECT_EQ(comparisonSummary(off), "1 de 11 líneas difieren.");
    EXPECT_FALSE(matchPayslips(ours, centOff).allEqual);
}

// A total printed as the sum of the lines printed in cents is equal though it is more than
// half a cent from ours.
TEST(PayslipComparisonTest, TotalsMayBeTheSumOfTheLinesPrinted)
{
    Payslip ours;
    ours.appendEarningsLine("001", "Asign. de la categoría", "1", money("10.005"));
    ours.appendEarningsLine("002", "Comp. de Básico", "", money("10.005"));
    ours.setTotals(money("20.01"), Money());
    SchoolPayslip school;
    school.lines = {{"001", PrintedAmount(money("10.01"), 2), {}, {}},
                    {"002", PrintedAmount(money("10.01"), 2), {}, {}}};
    for (const char *total : {"20.02", "20.01", "20.03"}) {
        SCOPED_TRACE(total);
        school.totalEarnings = PrintedAmount(money(total), 2);
        const bool equal = std::string_view(total) != "20.03";
        EXPECT_EQ(comparePayslips(ours, school).equal(), equal);
        EXPECT_EQ(matchPayslips(ours, school).allEqual, equal);
    }
}

// A line no calculation writes is listed apart; the other lines and the school's totals less
// that line are compared, and the payslips are never equal.
TEST(PayslipComparisonTest, ListsApartTheLinesPagaluzDoesNotCalculate)
{
    const Payslip ours = calculateOk(workedExampleInputs()).payslip();
    SchoolPayslip school = workedExampleInCents();
    school.lines.insert(school.lines.begin() + 3,
                        {"509", PrintedAmount(money("50.00"), 2), {}, {}});
    school.totalDeductions = PrintedAmount(money("415.82"), 2);
    school.netPay = PrintedAmount(money("2080.54"), 2);

    const PayslipComparison comparison = comparePayslips(ours, school);
    EXPECT_FALSE(comparison.equal());
    EXPECT_EQ(rowOf(comparison, "509").status, LineStatus::NotCalculated);
    EXPECT_EQ(lineStatusText(LineStatus::NotCalculated), "no lo calcula Pagaluz");
    EXPECT_EQ(comparison.rows[comparison.rows.size() - 4].code, "509"); // after the lines
    EXPECT_EQ(rowOf(comparison, "Total descuentos").status, LineStatus::Equal);
    EXPECT_EQ(rowOf(comparison, "Liquido a pagar").status, LineStatus::Equal);
    EXPECT_EQ(comparison.lineCount(), 11);
    EXPECT_EQ(comparison.matchingLines(), 11);
    EXPECT_EQ(notCalculatedSentence(comparison),
              "El código 509 no lo calcula Pagaluz: se comparan las demás líneas, y los totales "
              "del establecimiento sin esa línea.");
    EXPECT_TRUE(matchPayslips(ours, school).allEqual);

    // Said to be an earnings line, it is taken from the total earnings instead.
    school.lines[3].column = AmountColumn::Earnings;
    EXPECT_EQ(rowOf(comparePayslips(ours, school), "Total descuentos").status,
              LineStatus::Different);
}

TEST(PayslipComparisonTest, RefusesACodeMoreOftenThanAPayslipHoldsIt)
{
    const auto lines = [](std::vector<std::string> codes) {
        std::vector<SchoolPayslipLine> read;
        for (std::string &code : codes)
            read.push_back({std::move(code), Money(), {}, {}});
        return read;
    };
    const struct {
        std::vector<std::string> codes;
        std::optional<std::pair<std::size_t, std::size_t>> repeated;
    } cases[] = {
        {{"001", "002", "502"}, {}},
        {{"001", "002", "001"}, std::pair<std::size_t, std::size_t>{2, 0}},
        {{"052", "001", "052"}, {}}, // full day and extended day
        {{"052", "052", "052"}, std::pair<std::size_t, std::size_t>{2, 1}},
        {{"509", "509"}, std::pair<std::size_t, std::size_t>{1, 0}},
    };
    for (const auto &c : cases) {
        const std::optional<RepeatedCode> found = findRepeatedCode(lines(c.codes));
        ASSERT_EQ(found.has_value(), c.repeated.has_value());
        if (found) {
            EXPECT_EQ(found->line, c.repeated->first);
            EXPECT_EQ(found->earlier, c.repeated->second);
        }
    }
}

// Every code a calculation writes is known, in its column, as often as it is written.
TEST(PayslipComparisonTest, KnowsEveryCodeACalculationWrites)
{
    test::InputGenerator generator(2107);
    std::map<std::string, int> seen;
    for (int run = 0; run < 3000; ++run) {
        const CalculationResult result = PayCalculator().calculate(generator.next());
        if (!result.succeeded())
            continue;
        std::map<std::string, int> times;
        for (const PayslipLine &line : result.payslip().lines()) {
            SCOPED_TRACE(line.code);
            EXPECT_LE(++times[line.code], timesCalculationsWrite(line.code));
            EXPECT_EQ(columnOfCode(line.code), line.column);
            ++seen[line.code];
        }
    }
    EXPECT_GE(seen.size(), 20u);
    EXPECT_EQ(timesCalculationsWrite("509"), 0);
    EXPECT_EQ(columnOfCode("509"), AmountColumn::Deductions);
    EXPECT_EQ(columnOfCode("2001"), AmountColumn::Earnings);
}

} // namespace
} // namespace pagaluz
