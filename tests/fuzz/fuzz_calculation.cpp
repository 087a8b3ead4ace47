// Fuzz target: the whole calculation of one payslip from arbitrary inputs.
//
// The bytes become PayInputs as FuzzedPayInputs.h describes: any texts in any
// box, any ticks, any kind of pay (none or several included), any bracket, any
// zone index, a position from the catalogue or typed. Every result must keep
// the invariants of PayslipInvariants.h, be the same when calculated again,
// and, when exactly one kind of pay is ticked, name only a box its path reads
// and stay the same when every box it does not read holds garbage.

#include "FuzzCheck.h"
#include "FuzzedPayInputs.h"
#include "PathReads.h"
#include "PayCalculator.h"
#include "PayslipInvariants.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

using namespace pagaluz;

void checkPathReadsOnlyItsBoxes(const PayInputs &inputs, const CalculationResult &result,
                                const PayCalculator &calculator)
{
    const auto basis = fuzz::singleBasis(inputs);
    if (!basis)
        return;
    if (!result.succeeded() && result.error().field)
        fuzz::check(fuzz::pathReads(inputs, *basis, *result.error().field),
                    "the error names a box that the path does not read");
    fuzz::checkSameResult(result,
                          calculator.calculate(fuzz::withUnreadBoxesScrambled(inputs, *basis)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::FuzzedCalculation fuzzed = fuzz::fuzzedCalculation(std::span(data, size));
    const PayCalculator calculator(fuzzed.conventions);
    const CalculationResult result = calculator.calculate(fuzzed.inputs);
    fuzz::checkResult(fuzzed.inputs, result, fuzzed.conventions);
    fuzz::checkSameResult(result, calculator.calculate(fuzzed.inputs));
    checkPathReadsOnlyItsBoxes(fuzzed.inputs, result, calculator);
    return 0;
}
