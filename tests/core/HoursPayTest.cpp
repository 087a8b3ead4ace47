#include "PayTestSupport.h"

#include <gtest/gtest.h>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::money;

struct HoursCase {
    PayInputs inputs;
    const DecimalConventions conventions;
    const char *headerPoints;
    const char *categoryAssignment;
    const char *conceptText;
    const char *headerName;
    const char *amountText;
};

TEST(HoursPay, PaysTheHoursLineAndFillsTheHeader)
{
    const HoursCase cases[] = {
        {test::secondaryHoursInputs("20"), DecimalConventions::comma(), "1294", "844.982",
         "Hs. N. Medio", "Horas de nivel medio", "$844,982"},
        {test::higherHoursInputs("12"), DecimalConventions::comma(), "1042,8", "680.9484",
         "Hs. N. Superior", "Horas de nivel superior", "$680,9484"},
        {test::higherHoursInputs("12"), DecimalConventions::point(), "1042.8", "680.9484",
         "Hs. N. Superior", "Horas de nivel superior", "$680.9484"},
        {test::secondaryHoursInputs("0"), DecimalConventions::comma(), "0", "0", "Hs. N. Medio",
         "Horas de nivel medio", "$0"},
        // 7.5 × 64.7 × 0.653 is stored just below 316.86825: it rounds down.
        {test::secondaryHoursInputs(" 7,5 "), DecimalConventions::comma(), "485,25", "316.8682",
         "Hs. N. Medio", "Horas de nivel medio", "$316,8682"},
    };
    for (const HoursCase &c : cases) {
        const std::string &typed =
            c.inputs.secondaryHoursChosen ? c.inputs.secondaryHoursText : c.inputs.higherHours;
        SCOPED_TRACE(typed);
        const CalculationResult result = calculateOk(c.inputs, c.conventions);
        ASSERT_TRUE(result.succeeded());
        const Payslip &payslip = result.payslip();
        EXPECT_EQ(payslip.header.title, "Cantidad de horas");
        EXPECT_EQ(payslip.header.number, typed);
        EXPECT_EQ(payslip.header.points, c.headerPoints);
        EXPECT_EQ(payslip.header.name, c.headerName);
        EXPECT_FALSE(payslip.header.positionBoxes);

        const PayslipLine &first = payslip.lines().at(0);
        EXPECT_EQ(first.code, "001");
        EXPECT_EQ(first.conceptText, c.conceptText);
        EXPECT_EQ(first.quantity, typed) << "the hours stand as typed";
        EXPECT_EQ(first.amount, money(c.categoryAssignment));
        EXPECT_EQ(first.amountText, c.amountText) << "the hours line has no blank after $";
    }
}

struct HourSupplementCase {
    bool higher;
    const char *code06;
    const char *incentive;
    const char *code113;
    const char *code06Supplement;
    const char *nationalIncentive;
    const char *code113Supplement;
};

TEST(HoursPay, SupplementsFollowTheirHoursAndCeilings)
{
    const HourSupplementCase cases[] = {
        {false, "12", "10", "30", "112.8", "73.3", "199.8"},
        {false, "29,5", "30", "31", "277.3", "219.9", "200"},
        {false, "30", "31", "0", "282", "220", "0"},
        {false, "45", "0", "0", "282", "0", "0"},
        {false, "0", "-0", "-0", "0", "0", "0"},
        {true, "14", "24", "24", "131.6", "219.984", "199.992"},
        {true, "15", "25", "25", "141", "220", "200"},
        {true, "20", "0", "0", "141", "0", "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.higher ? "higher " : "secondary ") + c.code06 + "/" +
                     c.incentive + "/" + c.code113);
        PayInputs in = c.higher ? test::higherHoursInputs("10") : test::secondaryHoursInputs("10");
        in.code06Hours = c.code06;
        in.incentiveHours = c.incentive;
        in.code113Hours = c.code113;
        in.incentive = false; // the box plays no part for hours
        const CalculationResult result = calculateOk(in);
        ASSERT_TRUE(result.succeeded());
        const CarryValues &carry = result.carryValues();
        EXPECT_EQ(carry.code06Supplement, money(c.code06Supplement));
        EXPECT_EQ(carry.nationalIncentive, money(c.nationalIncentive));
        EXPECT_EQ(carry.code113Supplement, money(c.code113Supplement));
    }
}

TEST(HoursPay, NothingOfAnEarlierPositionReachesTheHoursPayslip)
{
    const PayCalculator calculator(DecimalConventions::comma());
    const CalculationResult position = calculator.calculate(test::positionInputs("817"));
    ASSERT_TRUE(position.succeeded());
    ASSERT_GT(position.carryValues().workdaySupplements, Money());

    const CalculationResult hours = calculator.calculate(test::secondaryHoursInputs("20"));
    ASSERT_TRUE(hours.succeeded());
    const CarryValues &carry = hours.carryValues();
    EXPECT_EQ(carry.basicComplement, Money());
    EXPECT_EQ(carry.differentiatedTask, Money());
    EXPECT_EQ(carry.workdaySupplements, Money());
    EXPECT_EQ(carry.basicPoints, 0);
    EXPECT_EQ(test::codesOf(hours.payslip()), "001 006 014 113 188");
}

} // namespace
} // namespace pagaluz
