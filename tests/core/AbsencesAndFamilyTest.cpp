#include "CalculationState.h"
#include "PayTestSupport.h"
#include "Sections.h"

#include <gtest/gtest.h>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::money;

const DecimalConventions kComma = DecimalConventions::comma();

TEST(Absences, DaysTakeTheirShareOfTheProductivityPlus)
{
    struct Case {
        const char *days;
        const char *deduction;
    };
    const Case cases[] = {{"1", "31.6505"},   {"2", "63.301"},   {"3", "94.9515"},
                          {"4", "126.602"},   {"30", "126.602"}, {"3,5", "126.602"},
                          {"3,0", "94.9515"}, {"0", "0"},        {"0,5", "0"},
                          {"1,5", "0"},       {"2,5", "0"},      {"-0", "0"},
                          {"2,9999", "0"}};
    const Money productivityPlus = money("126.602");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.days);
        PayInputs in = test::secondaryHoursInputs("0");
        in.absenceDays = c.days;
        CalculationState state(in, PayMode::SecondaryHours, kComma);
        state.carry.productivityPlus = productivityPlus;
        state.carry.categoryAssignment = money("1000");
        applyAbsencesAndMinimumPay(state);
        EXPECT_EQ(state.carry.absenceDeduction, money(c.deduction));
        EXPECT_EQ(state.carry.remunerativeTotal,
                  money("1000") + productivityPlus - money(c.deduction));
    }
}

TEST(Absences, ShowAsAnAdjustmentWhileThePlusKeepsItsAmount)
{
    PayInputs in = test::positionInputs("734");
    in.absenceDays = "2";
    const CalculationResult with = calculateOk(in);
    const CalculationResult without = calculateOk(test::positionInputs("734"));
    ASSERT_TRUE(with.succeeded() && without.succeeded());
    const Money plus = with.carryValues().productivityPlus;
    EXPECT_EQ(test::findLine(with.payslip(), "188")->amount, plus);
    const PayslipLine *adjustment = test::findLine(with.payslip(), "440");
    ASSERT_NE(adjustment, nullptr);
    EXPECT_EQ(adjustment->conceptText, "Reajuste cod. 188");
    EXPECT_EQ(adjustment->quantity, "2");
    EXPECT_EQ(adjustment->column, AmountColumn::Deductions);
    EXPECT_EQ(adjustment->amount, plus.timesRate(0.5));
    EXPECT_EQ(without.carryValues().remunerativeTotal - with.carryValues().remunerativeTotal,
              adjustment->amount);
    EXPECT_EQ(test::findLine(without.payslip(), "440"), nullptr);
}

struct MinimumCase {
    const char *name;
    std::int16_t basicPoints;
    PayMode mode;
    const char *categoryAssignment;
    const char *topUp;
};

TEST(MinimumPay, TopsUpPositionsAboveNineHundredPoints)
{
    const MinimumCase cases[] = {
        {"worked case", 901, PayMode::Position, "653", "308.2372"},
        {"900 points never", 900, PayMode::Position, "653", "0"},
        {"hours never", 901, PayMode::SecondaryHours, "653", "0"},
        {"large pay", 2000, PayMode::Position, "1500", "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PayInputs in = test::positionInputs("734");
        CalculationState state(in, c.mode, kComma);
        CarryValues &carry = state.carry;
        carry.basicPoints = c.basicPoints;
        carry.categoryAssignment = money(c.categoryAssignment);
        carry.code06Supplement = money("80");
        carry.decreeProductivity = money("5.6");
        carry.productivityPlus = money("45.71");
        carry.nationalIncentive = money("220");
        carry.code113Supplement = money("200");
        applyAbsencesAndMinimumPay(state);
        EXPECT_EQ(carry.minimumTopUp, money(c.topUp));
        const PayslipLine *line = test::findLine(state.payslip, "172");
        EXPECT_EQ(line != nullptr, carry.minimumTopUp > Money());
        if (line) {
            EXPECT_EQ(carry.remunerativeTotal, money("784.31"));
            EXPECT_EQ(line->conceptText, "Adic para mínimo");
            EXPECT_EQ(line->amountText, "$ 308,2372");
        }
    }
}

TEST(MinimumPay, ANetEstimateOfExactly1290EarnsNothing)
{
    // 1604.4776 less 19.6 % of it (314.4776096, rounded to 314.4776) is 1290.
    struct Case {
        const char *pay;
        const char *topUp;
    };
    for (const Case &c : {Case{"1604.4776", "0"}, Case{"1604.4775", "0.0001"}}) {
        SCOPED_TRACE(c.pay);
        const PayInputs in = test::positionInputs("734");
        CalculationState state(in, PayMode::Position, kComma);
        state.carry.basicPoints = 1500;
        state.carry.categoryAssignment = money(c.pay);
        applyAbsencesAndMinimumPay(state);
        EXPECT_EQ(state.carry.minimumTopUp, money(c.topUp));
    }
}

TEST(MinimumPay, AppearsInAWholeCalculationOfALowPaidPosition)
{
    // 983 Maestro De Grado L.V.: 1170 basic points, no bracket or zone.
    const CalculationResult result = calculateOk(test::positionInputs("983"));
    ASSERT_TRUE(result.succeeded());
    const PayslipLine *line = test::findLine(result.payslip(), "172");
    ASSERT_NE(line, nullptr);
    EXPECT_GT(line->amount, Money());
    EXPECT_EQ(result.carryValues().minimumTopUp, line->amount);
}

PayInputs withTransport(const char *km)
{
    PayInputs in = test::secondaryHoursInputs("10");
    in.transport = true;
    in.transportKm = km;
    return in;
}

TEST(Transport, PaysWeeklyKilometresUpToTheFixedSum)
{
    struct Case {
        const char *km;
        const char *amount;
    };
    const Case cases[] = {{"0", "0"},          {"1", "0.7814"},     {"10", "7.8138"},
                          {"300", "234.4128"}, {"301", "234.61"},   {"400", "234.61"},
                          {"10,5", "7.8138"},  {"32767", "234.61"}, {"11,5", "9.3765"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.km);
        const CalculationResult result = calculateOk(withTransport(c.km));
        ASSERT_TRUE(result.succeeded());
        const PayslipLine *line = test::findLine(result.payslip(), "029");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->conceptText, "transporte por KM");
        EXPECT_EQ(line->quantity, "");
        EXPECT_EQ(line->amount, money(c.amount));
        EXPECT_EQ(result.carryValues().transportAmount, money(c.amount));
    }
    PayInputs unticked = withTransport("300");
    unticked.transport = false;
    const CalculationResult result = calculateOk(unticked);
    ASSERT_TRUE(result.succeeded());
    EXPECT_EQ(test::findLine(result.payslip(), "029"), nullptr);
    EXPECT_EQ(result.carryValues().transportAmount, Money());
}

TEST(ChildAllowance, AmountPerChildFallsWithTheFamilyIncome)
{
    struct Case {
        const char *incomeBase;
        const char *allowance;
    };
    const Case cases[] = {{"1500", "204"},
                          {"2300", "204"},
                          {"2300.0001", "162"},
                          {"3300", "162"},
                          {"3300.0001", "122"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.incomeBase);
        PayInputs in = test::secondaryHoursInputs("0");
        in.children = true;
        in.childCount = "2";
        CalculationState state(in, PayMode::SecondaryHours, kComma);
        state.carry.categoryAssignment = money(c.incomeBase) - money("100");
        state.carry.minimumTopUp = money("100"); // the top-up counts in the family income
        payFamilyAndTransport(state);
        EXPECT_EQ(state.carry.childAllowance, money(c.allowance));
        EXPECT_EQ(test::findLine(state.payslip, "1001")->quantity, "2");
    }
}

struct FamilyCase {
    const char *name;
    bool children;
    const char *childCount;
    bool disabledChildren;
    const char *disabledCount;
    bool spouse;
    const char *codes;      // family lines, in order
    const char *quantities; // their quantities, joined by "|"
};

TEST(FamilyAllowances, RowsFollowTheTickedBoxes)
{
    const FamilyCase cases[] = {
        {"one child, two with a disability", true, "1", true, "2", false, "1001 1002 1003",
         "1|2|3"},
        {"two children", true, "2", false, "0", false, "1001", "2"},
        {"three children", true, "3", false, "0", false, "1001 1003", "3|3"},
        {"count typed, box not ticked", false, "3", false, "0", false, "", ""},
        {"ticked with no children", true, "0", true, "0", false, "1001 1002", "0|0"},
        {"halves round to even", true, "2,5", true, "3,5", false, "1001 1002 1003", "2|4|6"},
        {"spouse", false, "0", false, "0", true, "1010", ""},
        {"everything", true, "2", true, "1", true, "1001 1002 1003 1010", "2|1|3|"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PayInputs in = test::secondaryHoursInputs("10");
        in.children = c.children;
        in.childCount = c.childCount;
        in.disabledChildren = c.disabledChildren;
        in.disabledChildCount = c.disabledCount;
        in.spouse = c.spouse;
        const CalculationResult result = calculateOk(in);
        ASSERT_TRUE(result.succeeded());
        std::string codes;
        std::string quantities;
        for (const PayslipLine &line : result.payslip().lines()) {
            if (line.code.size() != 4)
                continue;
            codes += (codes.empty() ? "" : " ") + line.code;
            quantities += (codes.size() == 4 ? "" : "|") + line.quantity;
        }
        EXPECT_EQ(codes, c.codes);
        EXPECT_EQ(quantities, c.quantities);
    }
}

TEST(FamilyAllowances, FixedAmounts)
{
    PayInputs in = test::secondaryHoursInputs("10");
    in.children = true;
    in.childCount = "1";
    in.disabledChildren = true;
    in.disabledChildCount = "81";
    in.spouse = true;
    in.transport = true;
    in.transportKm = "10";
    const CalculationResult result = calculateOk(in);
    ASSERT_TRUE(result.succeeded());
    const Payslip &payslip = result.payslip();
    EXPECT_EQ(test::findLine(payslip, "1002")->amount, money("32400"));
    EXPECT_EQ(test::findLine(payslip, "1003")->amountText, "$ 3");
    EXPECT_EQ(test::findLine(payslip, "1003")->quantity, "82");
    EXPECT_EQ(test::findLine(payslip, "1010")->amountText, "$ 15");
    EXPECT_EQ(test::codesOf(payslip), "001 006 014 113 188 029 1001 1002 1003 1010");
}

} // namespace
} // namespace pagaluz
