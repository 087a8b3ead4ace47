#include "PayTestSupport.h"
#include "SeniorityAndZone.h"

#include <gtest/gtest.h>

#include <random>

namespace pagaluz {
namespace {

// Generates inputs over every mode, bracket, zone, deduction, family and
// transport choice, with counts typed as a teacher might type them.
class InputGenerator {
public:
    explicit InputGenerator(unsigned seed) : m_random(seed) {}

    PayInputs next()
    {
        PayInputs in;
        switch (pick(3)) {
        case 0:
            in.positionChosen = true;
            in.position = selectPositionByRow(PositionCatalogue::builtIn(), pick(311));
            break;
        case 1:
            in.secondaryHoursChosen = true;
            in.secondaryHoursText = count(60);
            break;
        default:
            in.higherHoursChosen = true;
            in.higherHours = count(40);
            break;
        }
        in.code06Hours = count(40);
        in.incentiveHours = count(40);
        in.code113Hours = count(40);
        in.incentive = coin();
        const int bracket = pick(13);
        in.seniorityBracket = bracket;
        if (bracket > 0) {
            const SeniorityBracket &b =
                kSeniorityBrackets.at(static_cast<std::size_t>(bracket - 1));
            in.seniorityPercent = b.percent;
            in.seniorityText = std::string(b.percentText);
        }
        in.zone = pick(6) - 1;
        in.absenceDays = count(6);
        in.transport = coin();
        in.transportKm = std::to_string(pick(500));
        in.children = coin();
        in.childCount = std::to_string(pick(6));
        in.disabledChildren = coin();
        in.disabledChildCount = std::to_string(pick(4));
        in.spouse = coin();
        in.deductionsChosen = {coin(), coin(), coin(), coin(), coin(), coin(), coin()};
        return in;
    }

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    bool coin() { return pick(2) == 1; }
    // A whole or half count, sometimes with a decimal comma.
    std::string count(int bound)
    {
        const int whole = pick(bound);
        return pick(4) == 0 ? std::to_string(whole) + ",5" : std::to_string(whole);
    }

    std::mt19937 m_random;
};

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
