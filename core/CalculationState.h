#pragma once

#include "CarryValues.h"
#include "DecimalConventions.h"
#include "PayInputs.h"
#include "Payslip.h"

namespace pagaluz {

enum class PayMode { Position, SecondaryHours, HigherHours };

// The hour counts of an hours calculation, read once by the hours section
// and shown again as quantities by the decree supplements.
struct HourCounts {
    double code06 = 0.0;
    double incentive = 0.0;
    double code113 = 0.0;
};

// Everything one calculation works on: its inputs, the carry values the
// sections pass on, and the payslip under construction.
struct CalculationState {
    CalculationState(const PayInputs &payInputs, PayMode payMode, const DecimalConventions &conv)
        : inputs(payInputs), mode(payMode), conventions(conv), payslip(conv)
    {
    }

    bool positionMode() const { return mode == PayMode::Position; }

    const PayInputs &inputs;
    const PayMode mode;
    const DecimalConventions &conventions;
    CarryValues carry;
    HourCounts hours;
    Payslip payslip;
};

} // namespace pagaluz
