// How long one payslip takes, and the pieces every payslip uses.

#include "NumberText.h"
#include "PayCalculator.h"
#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"

#include <benchmark/benchmark.h>

namespace pagaluz {
namespace {

PayInputs workedExample()
{
    PayInputs in;
    in.positionChosen = true;
    in.position = selectPositionByCode(PositionCatalogue::instance(), "734");
    in.seniorityBracket = 4;
    in.seniorityPercent = 30;
    in.seniorityText = "30 %";
    in.zone = 2;
    in.deductionsChosen.pension = true;
    return in;
}

// A position with every box ticked: the longest payslips.
PayInputs everythingTicked()
{
    PayInputs in = workedExample();
    in.position = selectPositionByCode(PositionCatalogue::instance(), "817");
    in.absenceDays = "2";
    in.transport = in.children = in.disabledChildren = in.spouse = true;
    in.transportKm = "120";
    in.childCount = "3";
    in.disabledChildCount = "1";
    in.deductionsChosen = {true, true, true, true, true, true, true};
    return in;
}

PayInputs higherHours()
{
    PayInputs in;
    in.higherHoursChosen = true;
    in.higherHours = "12";
    in.code06Hours = "12";
    in.incentiveHours = "12";
    in.code113Hours = "12";
    in.seniorityBracket = 9;
    in.seniorityPercent = 80;
    in.seniorityText = "80 %";
    return in;
}

void calculate(benchmark::State &state, const PayInputs &inputs)
{
    const PayCalculator calculator(DecimalConventions::comma());
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator.calculate(inputs));
}

void BM_WorkedExample(benchmark::State &state)
{
    calculate(state, workedExample());
}
void BM_EverythingTicked(benchmark::State &state)
{
    calculate(state, everythingTicked());
}
void BM_HigherHours(benchmark::State &state)
{
    calculate(state, higherHours());
}

void BM_FindCode(benchmark::State &state)
{
    const PositionCatalogue &catalogue = PositionCatalogue::instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.findCode("733")); // the last row
}

void BM_FormatAmount(benchmark::State &state)
{
    const DecimalConventions conv = DecimalConventions::comma();
    const Money amount = Money::fromTenThousandths(21305425);
    for (auto _ : state)
        benchmark::DoNotOptimize(formatAmount(amount, "$ ", conv));
}

BENCHMARK(BM_WorkedExample);
BENCHMARK(BM_EverythingTicked);
BENCHMARK(BM_HigherHours);
BENCHMARK(BM_FindCode);
BENCHMARK(BM_FormatAmount);

} // namespace
} // namespace pagaluz
