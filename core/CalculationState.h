#pragma once

#include "CarryValues.h"
#include "DecimalConventions.h"
#include "ExplanationRecord.h"
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
// sections pass on, the payslip under construction and, when they were asked
// for, the explanations of its amounts.
struct CalculationState {
    CalculationState(const PayInputs &payInputs, PayMode payMode, const DecimalConventions &conv)
        : inputs(payInputs), mode(payMode), conventions(conv), payslip(conv)
    {
    }

    bool positionMode() const { return mode == PayMode::Position; }

    // When explaining: the line just appended is the amount that `explained` explains.
    void explainLastLine(NodePtr CarryExplanations::*explained)
    {
        if (explanation)
            explanation->explainLastLine(payslip, explanation->carry.*explained);
    }
    void explainLastLine(const NodePtr &explained)
    {
        if (explanation)
            explanation->explainLastLine(payslip, explained);
    }

    const PayInputs &inputs;
    const PayMode mode;
    const DecimalConventions &conventions;
    CarryValues carry;
    HourCounts hours;
    Payslip payslip;
    ExplanationRecord *explanation = nullptr; // null unless explanations were asked for
};

} // namespace pagaluz
