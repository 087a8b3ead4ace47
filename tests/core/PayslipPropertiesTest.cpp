#include "InputGenerator.h"
#include "PayCalculator.h"

#include <gtest/gtest.h>

namespace pagaluz {
namespace {

using test::InputGenerator;

TEST(PayslipProperties, HoldForManyGeneratedInputs)
{
    const PayCalculator calculator(DecimalConventions::comma());
    InputGenerator generator(20081);
    for (int i = 0; i < 3000; ++i) {
        const PayInputs in = generator.next();
        SCOPED_TRACE(i);
        const CalculationResult result = calculator.calculate(in);
        ASSERT_TRUE(result.succeeded()) << result.error().message;
        const Payslip &payslip = result.payslip();
        ASSERT_LE(payslip.lines().size(), static_cast<std::size_t>(Payslip::kMaxLines));

        Money earnings;
        Money deductions;
        bool deductionSeen = false;
        for (std::size_t row = 0; row < payslip.lines().size(); ++row) {
            const PayslipLine &line = payslip.lines()[row];
            ASSERT_EQ(line.row, static_cast<int>(row));
            const bool deduction = line.column == AmountColumn::Deductions;
            ASSERT_FALSE(deductionSeen && !deduction) << "earnings after a deduction";
            deductionSeen = deductionSeen || deduction;
            (deduction ? deductions : earnings) += line.amount;
        }
        ASSERT_EQ(payslip.totalEarnings(), earnings);
        ASSERT_EQ(payslip.totalDeductions(), deductions);
        ASSERT_EQ(payslip.netPay(), earnings - deductions);
        ASSERT_EQ(payslip.lines().front().code, "001");

        ASSERT_EQ(calculator.calculate(in).payslip(), payslip) << "same inputs, same payslip";
    }
}

TEST(PayslipProperties, APositionLeavesNothingForTheNextCalculation)
{
    const PayCalculator calculator(DecimalConventions::comma());
    InputGenerator generator(8);
    for (int i = 0; i < 500; ++i) {
        SCOPED_TRACE(i);
        const PayInputs first = generator.next();
        const PayInputs second = generator.next();
        const CalculationResult alone = calculator.calculate(second);
        ASSERT_TRUE(calculator.calculate(first).succeeded());
        const CalculationResult after = calculator.calculate(second);
        ASSERT_TRUE(alone.succeeded() && after.succeeded());
        ASSERT_EQ(after.payslip(), alone.payslip());
    }
}

} // namespace
} // namespace pagaluz
