#include "CalculationState.h"
#include "PayTestSupport.h"
#include "Sections.h"
#include "SeniorityAndZone.h"

#include <gtest/gtest.h>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::money;

struct Code06Case {
    int bracket;
    const char *basicPoints;
    const char *fullDayPoints;
    int expected;
};

// The code-06 amount of a position, looked up by bracket, band of basic
// points and full-day points, cells that break the order included.
TEST(PositionSupplements, Code06AmountFollowsTheTableExactly)
{
    const Code06Case cases[] = {
        {0, "971", "0", 160},    {1, "971", "0", 160},    {1, "971", "620", 0},
        {0, "972", "0", 80},     {2, "971", "0", 175},    {12, "971", "0", 715},
        {12, "972", "0", 510},   {12, "971", "620", 620}, {12, "972", "620", 510},
        {3, "900", "619", 270},  {3, "900", "620", 220},  {7, "971", "0", 430},
        {8, "971", "0", 415},    {4, "1169", "0", 195},   {4, "1170", "0", 240},
        {10, "971", "620", 590}, {10, "971", "619", 620}, {5, "1400", "0", 250},
        {5, "1401", "0", 200},   {5, "1942", "0", 200},   {5, "1943", "0", 180},
        {5, "2220", "0", 180},   {5, "2221", "0", 140},   {2, "3429", "0", 0},
        {11, "2221", "0", 190},  {9, "1500", "839", 475}, {6, "574", "659", 475},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.bracket) + " " + c.basicPoints + " " + c.fullDayPoints);
        PayInputs in = test::typedPositionInputs(c.basicPoints, "0", c.fullDayPoints);
        chooseSeniorityBracket(in, c.bracket);
        const CalculationResult result = calculateOk(in);
        ASSERT_TRUE(result.succeeded());
        EXPECT_EQ(result.carryValues().code06Supplement, Money::fromUnits(c.expected));
        EXPECT_EQ(test::findLine(result.payslip(), "006")->amount, Money::fromUnits(c.expected));
    }
}

TEST(PositionSupplements, IncentiveAndCode113FollowSixHundredFullDayPoints)
{
    struct Case {
        const char *fullDayPoints;
        bool incentive;
        int nationalIncentive;
        int code113;
    };
    const Case cases[] = {{"599", true, 110, 100},
                          {"600", true, 220, 200},
                          {"599", false, 0, 100},
                          {"600", false, 0, 200},
                          {"0", true, 110, 100}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.fullDayPoints) + (c.incentive ? " with" : " without"));
        PayInputs in = test::typedPositionInputs("1000", "0", c.fullDayPoints);
        in.incentive = c.incentive;
        const CalculationResult result = calculateOk(in);
        ASSERT_TRUE(result.succeeded());
        EXPECT_EQ(result.carryValues().nationalIncentive, Money::fromUnits(c.nationalIncentive));
        EXPECT_EQ(result.carryValues().code113Supplement, Money::fromUnits(c.code113));
        EXPECT_EQ(test::findLine(result.payslip(), "084") != nullptr, c.incentive);
    }
}

// The seniority and zone section on its own, from a given supplement base.
Payslip seniorityAndZoneFor(Money base, int bracket, int zone, CarryValues &carry)
{
    PayInputs in = test::secondaryHoursInputs("0");
    chooseSeniorityBracket(in, bracket);
    in.zone = zone;
    const DecimalConventions conv = DecimalConventions::comma();
    CalculationState state(in, PayMode::SecondaryHours, conv);
    state.carry.categoryAssignment = base;
    paySeniorityAndZone(state);
    carry = state.carry;
    return state.payslip;
}

TEST(SeniorityAndZone, PercentagesOfTheSupplementBase)
{
    struct Case {
        int bracket;
        int zone;
        const char *seniority;
        const char *zoneAmount;
        const char *codes;
        const char *zoneQuantity;
    };
    const Case cases[] = {
        {3, 1, "185.1852", "246.9136", "010 078", "20 %"},
        {3, 4, "185.1852", "1481.4814", "010 078", "120 %"},
        {1, 0, "0", "0", "", ""},
        {1, -1, "0", "0", "", ""},
        {12, 2, "1481.4814", "493.8271", "010 078", "40 %"},
        {2, 3, "123.4568", "987.6542", "010 078", "80 %"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.bracket) + "/" + std::to_string(c.zone));
        CarryValues carry;
        const Payslip payslip = seniorityAndZoneFor(money("1234.5678"), c.bracket, c.zone, carry);
        EXPECT_EQ(carry.seniorityAmount, money(c.seniority));
        EXPECT_EQ(carry.zoneAmount, money(c.zoneAmount));
        EXPECT_EQ(test::codesOf(payslip), c.codes);
        if (const PayslipLine *zoneLine = test::findLine(payslip, "078")) {
            EXPECT_EQ(zoneLine->quantity, c.zoneQuantity);
            EXPECT_EQ(zoneLine->conceptText, "As. por zona");
        }
        if (const PayslipLine *seniorityLine = test::findLine(payslip, "010")) {
            EXPECT_EQ(seniorityLine->quantity,
                      kSeniorityBrackets.at(static_cast<std::size_t>(c.bracket - 1)).percentText);
            EXPECT_EQ(seniorityLine->conceptText, "Antigüedad");
        }
    }
}

TEST(SeniorityAndZone, ChoosingABracketSetsItsPercentageAndText)
{
    struct Case {
        int bracket;
        int expectedBracket;
        std::uint8_t percent;
        const char *text;
    };
    const Case cases[] = {{0, 0, 0, "0 %"},       {1, 1, 0, "0 %"},   {3, 3, 15, "15 %"},
                          {4, 4, 30, "30 %"},     {9, 9, 80, "80 %"}, {10, 10, 100, "100 %"},
                          {12, 12, 120, "120 %"}, {13, 0, 0, "0 %"},  {-1, 0, 0, "0 %"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bracket);
        PayInputs in;
        chooseSeniorityBracket(in, 12);
        chooseSeniorityBracket(in, c.bracket);
        EXPECT_EQ(in.seniorityBracket, c.expectedBracket);
        EXPECT_EQ(seniorityPercent(in), c.percent);
        EXPECT_EQ(seniorityText(in), c.text);
    }
}

TEST(SeniorityAndZone, ZoneIndexBeyondTheListCountsAsNone)
{
    for (int index : {-1, 5, 100, -7})
        EXPECT_EQ(zonePercent(index), 0) << index;
    EXPECT_EQ(zonePercent(4), 120);
}

TEST(DecreeSupplements, ProductivityIsSevenPercentOfCode06)
{
    struct Case {
        PayInputs inputs;
        const char *code06;
        const char *decreeProductivity;
    };
    PayInputs secondary12 = test::secondaryHoursInputs("1");
    secondary12.code06Hours = "12";
    PayInputs secondary30 = test::secondaryHoursInputs("1");
    secondary30.code06Hours = "30";
    PayInputs higher15 = test::higherHoursInputs("1");
    higher15.code06Hours = "15";
    const Case cases[] = {{test::typedPositionInputs("971", "0"), "160", "11.2"},
                          {secondary30, "282", "19.74"},
                          {higher15, "141", "9.87"},
                          {secondary12, "112.8", "7.896"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code06);
        const CalculationResult result = calculateOk(c.inputs);
        ASSERT_TRUE(result.succeeded());
        EXPECT_EQ(result.carryValues().code06Supplement, money(c.code06));
        EXPECT_EQ(result.carryValues().decreeProductivity, money(c.decreeProductivity));
        EXPECT_EQ(test::findLine(result.payslip(), "014")->amount, money(c.decreeProductivity));
    }
}

TEST(DecreeSupplements, ProductivityPlusIsSevenPercentOfItsBase)
{
    struct Case {
        const char *base;
        const char *expected;
    };
    for (const Case &c : {Case{"1234.5678", "86.4197"}, Case{"1500.05", "105.0035"}}) {
        SCOPED_TRACE(c.base);
        const PayInputs in = test::secondaryHoursInputs("0");
        const DecimalConventions conv = DecimalConventions::comma();
        CalculationState state(in, PayMode::SecondaryHours, conv);
        state.carry.categoryAssignment = money(c.base) - money("100.0001");
        state.carry.zoneAmount = money("100.0001");
        state.carry.code06Supplement = money("999"); // not part of the base
        payDecreeSupplements(state);
        EXPECT_EQ(state.carry.productivityPlus, money(c.expected));
    }
}

TEST(DecreeSupplements, PositionRowsAndTheirQuantities)
{
    struct Case {
        bool incentive;
        const DecimalConventions conventions;
        const char *codes;
        const char *productivityQuantity;
    };
    const Case cases[] = {
        {true, DecimalConventions::comma(), "001 002 016 010 078 006 014 084 113 188", "0,7"},
        {false, DecimalConventions::comma(), "001 002 016 010 078 006 014 113 188", "0,7"},
        {true, DecimalConventions::point(), "001 002 016 010 078 006 014 084 113 188", "0.7"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.codes);
        PayInputs in = test::positionInputs("734");
        chooseSeniorityBracket(in, 4);
        in.zone = 2; // enough pay that no minimum top-up follows
        in.incentive = c.incentive;
        const CalculationResult result = calculateOk(in, c.conventions);
        ASSERT_TRUE(result.succeeded());
        const Payslip &payslip = result.payslip();
        EXPECT_EQ(test::codesOf(payslip), c.codes);
        for (const char *code : {"006", "084", "113"}) {
            if (const PayslipLine *line = test::findLine(payslip, code)) {
                EXPECT_EQ(line->quantity, "") << code;
            }
        }
        EXPECT_EQ(test::findLine(payslip, "014")->quantity, c.productivityQuantity);
        EXPECT_EQ(test::findLine(payslip, "188")->quantity, "7.0");
        EXPECT_EQ(test::findLine(payslip, "188")->conceptText, "Plus Productividad");
    }
}

TEST(DecreeSupplements, HourQuantitiesShowTheTextOrTheCap)
{
    struct Case {
        bool higher;
        const char *hours; // the same text in all three boxes
        const char *code06Quantity;
        const char *incentiveQuantity;
        const char *code113Quantity;
    };
    const Case cases[] = {
        {false, "12", "12", "12", "12"},        {false, "30", "30", "30", "30"},
        {false, "45", "30", "30", "30"},        {true, "14", "14", "14", "14"},
        {true, "15", "15", "15", "15"},         {true, "20", "15", "20", "20"},
        {true, "24", "15", "24", "24"},         {true, "23,5", "15", "23,5", "23,5"},
        {true, "0010", "0010", "0010", "0010"}, {false, " 7 ", " 7 ", " 7 ", " 7 "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.higher ? "higher " : "secondary ") + c.hours);
        PayInputs in = c.higher ? test::higherHoursInputs("1") : test::secondaryHoursInputs("1");
        in.code06Hours = in.incentiveHours = in.code113Hours = c.hours;
        const CalculationResult result = calculateOk(in);
        ASSERT_TRUE(result.succeeded());
        EXPECT_EQ(test::findLine(result.payslip(), "006")->quantity, c.code06Quantity);
        EXPECT_EQ(test::findLine(result.payslip(), "084")->quantity, c.incentiveQuantity);
        EXPECT_EQ(test::findLine(result.payslip(), "113")->quantity, c.code113Quantity);
    }
}

TEST(DecreeSupplements, Row113StandsEvenWithoutAmount)
{
    const CalculationResult result = calculateOk(test::secondaryHoursInputs("5"));
    ASSERT_TRUE(result.succeeded());
    const PayslipLine *line = test::findLine(result.payslip(), "113");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->amountText, "$ 0");
    EXPECT_EQ(test::findLine(result.payslip(), "084"), nullptr);
}

} // namespace
} // namespace pagaluz
