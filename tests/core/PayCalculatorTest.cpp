#include "PayTestSupport.h"

#include <gtest/gtest.h>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::money;

PayInputs workedExample()
{
    PayInputs in = test::workedExampleInputs();
    in.teacherName = "Ana Pérez";
    return in;
}

struct Line {
    const char *code;
    const char *conceptText;
    const char *quantity;
    AmountColumn column;
    const char *amount;
    const char *amountText;
};

TEST(PayCalculator, WorkedExampleGivesItsElevenLinesAndTotals)
{
    constexpr auto E = AmountColumn::Earnings;
    constexpr auto D = AmountColumn::Deductions;
    const Line expected[] = {
        {"001", "Asign. de la categoría", "1", E, "979.5", "$979,5"},
        {"002", "Comp. de Básico", "", E, "65.953", "$ 65,953"},
        {"016", "Tarea diferenciada", "", E, "97.95", "$ 97,95"},
        {"010", "Antigüedad", "30 %", E, "343.0209", "$ 343,0209"},
        {"078", "As. por zona", "40 %", E, "457.3612", "$ 457,3612"},
        {"006", "Adic. Art 2 y 3 Dcrto 5863/05", "", E, "193", "$ 193"},
        {"014", "Product Dcrto 5863/05", "0,7", E, "13.51", "$ 13,51"},
        {"084", "Incentivo de Nación", "", E, "110", "$ 110"},
        {"113", "Negro de Nación", "", E, "100", "$ 100"},
        {"188", "Plus Productividad", "7.0", E, "136.065", "$ 136,065"},
        {"502", "Aporte Jub.", "16 %", D, "365.8176", "$ 365,8176"},
    };
    const CalculationResult result = calculateOk(workedExample());
    ASSERT_TRUE(result.succeeded());
    const Payslip &payslip = result.payslip();
    ASSERT_EQ(payslip.lines().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const PayslipLine &line = payslip.lines()[i];
        SCOPED_TRACE(expected[i].code);
        EXPECT_EQ(line.row, static_cast<int>(i));
        EXPECT_EQ(line.code, expected[i].code);
        EXPECT_EQ(line.conceptText, expected[i].conceptText);
        EXPECT_EQ(line.quantity, expected[i].quantity);
        EXPECT_EQ(line.column, expected[i].column);
        EXPECT_EQ(line.amount, money(expected[i].amount));
        EXPECT_EQ(line.amountText, expected[i].amountText);
    }
    EXPECT_EQ(payslip.totalEarnings(), money("2496.3601"));
    EXPECT_EQ(payslip.totalDeductions(), money("365.8176"));
    EXPECT_EQ(payslip.netPay(), money("2130.5425"));
    EXPECT_EQ(payslip.totalEarningsText(), "$ 2496,3601");
    EXPECT_EQ(payslip.totalDeductionsText(), "$ 365,8176");
    EXPECT_EQ(payslip.netPayText(), "$ 2130,5425");
    EXPECT_EQ(payslip.teacherName, "Ana Pérez");
    EXPECT_EQ(result.carryValues().remunerativeTotal, money("2286.3601"));
    EXPECT_EQ(result.carryValues().minimumTopUp, Money());
}

TEST(PayCalculator, NoKindOfPayChosenIsRefused)
{
    PayInputs in = workedExample();
    in.positionChosen = false;
    const CalculationResult result = PayCalculator().calculate(in);
    ASSERT_FALSE(result.succeeded());
    EXPECT_EQ(result.error().kind, CalculationError::Kind::Validation);
    EXPECT_EQ(result.error().message, "No seleccionaste cargo ni horas");
    EXPECT_FALSE(result.error().field.has_value());
}

TEST(PayCalculator, TheSameInputsGiveTheSamePayslip)
{
    const PayCalculator calculator(DecimalConventions::comma());
    const CalculationResult first = calculator.calculate(workedExample());
    const CalculationResult second = calculator.calculate(workedExample());
    ASSERT_TRUE(first.succeeded() && second.succeeded());
    EXPECT_EQ(first.payslip(), second.payslip());
}

// Every line whose condition can hold at once: a position with every kind
// of points and a small pay, so that the minimum top-up applies too.
PayInputs everyLineInputs()
{
    PayInputs in = test::typedPositionInputs("901", "1", "1", "1", "1");
    chooseSeniorityBracket(in, 2);
    in.zone = 1;
    in.absenceDays = "4";
    in.transport = true;
    in.transportKm = "20";
    in.children = in.disabledChildren = in.spouse = true;
    in.childCount = "2";
    in.disabledChildCount = "1";
    in.deductionsChosen = {true, true, true, true, true, true, true};
    return in;
}

TEST(PayCalculator, AtMostTwentySixLines)
{
    const CalculationResult result = calculateOk(everyLineInputs());
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(test::codesOf(result.payslip()),
              "001 002 052 052 016 010 078 006 014 084 113 188 172 029 1001 1002 1003 1010 "
              "440 505 508 502 504 332 512 510");
    EXPECT_EQ(result.payslip().nextRow(), Payslip::kMaxLines);
}

TEST(PayCalculator, TotalsAreTheSumsOfTheirColumns)
{
    const CalculationResult result = calculateOk(everyLineInputs());
    ASSERT_TRUE(result.succeeded());
    Money earnings;
    Money deductions;
    for (const PayslipLine &line : result.payslip().lines())
        (line.column == AmountColumn::Earnings ? earnings : deductions) += line.amount;
    EXPECT_EQ(result.payslip().totalEarnings(), earnings);
    EXPECT_EQ(result.payslip().totalDeductions(), deductions);
    EXPECT_EQ(result.payslip().netPay(), earnings - deductions);
}

} // namespace
} // namespace pagaluz
