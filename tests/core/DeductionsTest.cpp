#include "CalculationState.h"
#include "PayTestSupport.h"
#include "Sections.h"

#include <gtest/gtest.h>

#include <vector>

namespace pagaluz {
namespace {

using test::money;

DeductionChoices allDeductions()
{
    return {true, true, true, true, true, true, true};
}

struct ExpectedDeduction {
    const char *code;
    const char *conceptText;
    const char *quantity;
    const char *amount;
};

// Runs the deductions on the given bases and returns the lines they append.
Payslip deductionsFor(const DeductionChoices &chosen, const char *remunerativeTotal,
                      const char *nationalIncentive, const char *absence = "0",
                      const char *days = "0")
{
    PayInputs in = test::secondaryHoursInputs("0");
    in.deductionsChosen = chosen;
    in.absenceDays = days;
    const DecimalConventions conv = DecimalConventions::comma();
    CalculationState state(in, PayMode::SecondaryHours, conv);
    state.carry.remunerativeTotal = money(remunerativeTotal);
    state.carry.nationalIncentive = money(nationalIncentive);
    state.carry.absenceDeduction = money(absence);
    applyDeductions(state);
    return state.payslip;
}

void expectLines(const Payslip &payslip, const std::vector<ExpectedDeduction> &expected)
{
    ASSERT_EQ(payslip.lines().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PayslipLine &line = payslip.lines()[i];
        SCOPED_TRACE(line.code);
        EXPECT_EQ(line.code, expected[i].code);
        EXPECT_EQ(line.conceptText, expected[i].conceptText);
        EXPECT_EQ(line.quantity, expected[i].quantity);
        EXPECT_EQ(line.amount, money(expected[i].amount));
        EXPECT_EQ(line.column, AmountColumn::Deductions);
    }
}

TEST(Deductions, AllSevenInTheirOrderOnARoundBase)
{
    expectLines(deductionsFor(allDeductions(), "1000", "110"),
                {{"505", "IOSPER", "3 %", "30"},
                 {"508", "OSPLAD", "3 %", "30"},
                 {"502", "Aporte Jub.", "16 %", "160"},
                 {"504", "Ley 4035", "0,6 %", "6"},
                 {"332", "UTREL", "2 %", "22.2"},
                 {"512", "Caja Comp.", "4,5 %", "45"},
                 {"510", "Seguro 3011", "2 %", "20"}});
}

TEST(Deductions, AmountsKeepFourDecimals)
{
    expectLines(deductionsFor(allDeductions(), "1234.5678", "110"),
                {{"505", "IOSPER", "3 %", "37.037"},
                 {"508", "OSPLAD", "3 %", "37.037"},
                 {"502", "Aporte Jub.", "16 %", "197.5308"},
                 {"504", "Ley 4035", "0,6 %", "7.4074"},
                 {"332", "UTREL", "2 %", "26.8914"},
                 {"512", "Caja Comp.", "4,5 %", "55.5556"},
                 {"510", "Seguro 3011", "2 %", "24.6914"}});
}

TEST(Deductions, OnlyTheChosenOnesAndTheAbsenceAdjustment)
{
    DeductionChoices lawAndFund;
    lawAndFund.law4035 = true;
    lawAndFund.compensationFund = true;
    expectLines(deductionsFor(lawAndFund, "1000", "0"),
                {{"504", "Ley 4035", "0,6 %", "6"}, {"512", "Caja Comp.", "4,5 %", "45"}});
    expectLines(deductionsFor({}, "1000", "110"), {});
    expectLines(deductionsFor({}, "1000", "110", "31.6505", " 1 "),
                {{"440", "Reajuste cod. 188", " 1 ", "31.6505"}});
}

TEST(Deductions, OnlyUnionDuesFollowTheNationalIncentive)
{
    const Payslip without = deductionsFor(allDeductions(), "1000", "0");
    const Payslip with = deductionsFor(allDeductions(), "1000", "220");
    for (std::size_t i = 0; i < with.lines().size(); ++i) {
        SCOPED_TRACE(with.lines()[i].code);
        const bool unionDues = with.lines()[i].code == "332";
        EXPECT_EQ(with.lines()[i].amount != without.lines()[i].amount, unionDues);
    }
}

TEST(Deductions, TotalsOfAWholeCalculation)
{
    PayInputs in = test::positionInputs("734");
    in.deductionsChosen = allDeductions();
    in.absenceDays = "5";
    const CalculationResult result = test::calculateOk(in);
    ASSERT_TRUE(result.succeeded());
    const CarryValues &c = result.carryValues();
    EXPECT_EQ(result.payslip().totalDeductions(), c.iosperAmount + c.ospladAmount +
                                                      c.pensionAmount + c.law4035Amount +
                                                      c.unionDuesAmount + c.compensationFundAmount +
                                                      c.insurance3011Amount + c.absenceDeduction);
    EXPECT_EQ(c.absenceDeduction, c.productivityPlus);
}

} // namespace
} // namespace pagaluz
