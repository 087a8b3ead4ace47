// How long one payslip takes, and the pieces every payslip uses.

#include "NumberText.h"
#include "PayCalculator.h"
#include "PositionCatalogue.h"
#include "ScaleReader.h"
#include "ScaleWriter.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace pagaluz {
namespace {

SelectedPosition position(std::string_view code)
{
    return selectPositionByCode(PositionCatalogue::builtIn(), code);
}

// 734, "Entre 5 y 7 años", "Desfavorable", pension.
PayInputs workedExample()
{
    PayInputs in{.positionChosen = true,
                 .position = position("734"),
                 .zone = 2,
                 .deductionsChosen = {.pension = true},
                 .teacherName = {}};
    chooseSeniorityBracket(in, 4);
    return in;
}

// A position with every box ticked: the longest payslips.
PayInputs everythingTicked()
{
    PayInputs in{.positionChosen = true,
                 .position = position("817"),
                 .zone = 2,
                 .absenceDays = "2",
                 .transport = true,
                 .transportKm = "120",
                 .children = true,
                 .childCount = "3",
                 .disabledChildren = true,
                 .disabledChildCount = "1",
                 .spouse = true,
                 .deductionsChosen = {true, true, true, true, true, true, true},
                 .teacherName = {}};
    chooseSeniorityBracket(in, 4);
    return in;
}

PayInputs higherHours()
{
    PayInputs in{.higherHoursChosen = true,
                 .position = {},
                 .higherHours = "12",
                 .code06Hours = "12",
                 .incentiveHours = "12",
                 .code113Hours = "12",
                 .deductionsChosen = {},
                 .teacherName = {}};
    chooseSeniorityBracket(in, 9);
    return in;
}

void calculate(benchmark::State &state, const PayInputs &inputs,
               Explanations explanations = Explanations::Omitted,
               const PayScale &scale = PayScale::builtIn())
{
    const PayCalculator calculator(DecimalConventions::comma(), explanations, scale);
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator.calculate(inputs));
}

void BM_WorkedExample(benchmark::State &state)
{
    calculate(state, workedExample());
}
// The same with the scale read from a scale file, as --scale and the screens hold it.
void BM_WorkedExampleLoadedScale(benchmark::State &state)
{
    const auto scale =
        std::make_shared<const PayScale>(readPayScale(scaleFileText(PayScale::builtIn())));
    calculate(state, workedExample(), Explanations::Omitted, *scale);
}
// The same with every line, total and note explained, as the payslip screen asks for it.
void BM_WorkedExampleExplained(benchmark::State &state)
{
    calculate(state, workedExample(), Explanations::Built);
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
    const PositionCatalogue &catalogue = PositionCatalogue::builtIn();
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

// A whole count, as most boxes hold, and a grouped one with a fraction.
void BM_ParseCount(benchmark::State &state, std::string_view text)
{
    const DecimalConventions conv = DecimalConventions::comma();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseDouble(text, conv));
}

void BM_FormatPlainNumber(benchmark::State &state)
{
    const DecimalConventions conv = DecimalConventions::comma();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatPlainNumber(0.7, conv));
}

BENCHMARK(BM_WorkedExample);
BENCHMARK(BM_WorkedExampleLoadedScale);
BENCHMARK(BM_WorkedExampleExplained);
BENCHMARK(BM_EverythingTicked);
BENCHMARK(BM_HigherHours);
BENCHMARK(BM_FindCode);
BENCHMARK(BM_FormatAmount);
BENCHMARK_CAPTURE(BM_ParseCount, whole, "3146");
BENCHMARK_CAPTURE(BM_ParseCount, grouped, "1.234,5");
BENCHMARK(BM_FormatPlainNumber);

} // namespace
} // namespace pagaluz
