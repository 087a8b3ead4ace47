#pragma once

#include "CarryValues.h"
#include "DecimalConventions.h"
#include "ExplanationRecord.h"
#include "PayInputs.h"
#include "PayScale.h"
#include "Payslip.h"
#include "Traced.h"

#include <string>
#include <string_view>

namespace pagaluz {

enum class PayMode { Position, SecondaryHours, HigherHours };

// The hour counts of an hours calculation, read once by the hours section
// and shown again as quantities by the decree supplements.
struct HourCounts {
    double code06 = 0.0;
    double incentive = 0.0;
    double code113 = 0.0;
};

// Everything one calculation works on: its inputs, the pay scale, the carry values the
// sections pass on, the payslip under construction and, when they were asked for, the
// explanations of its amounts.
struct CalculationState {
    CalculationState(const PayInputs &payInputs, PayMode payMode, const DecimalConventions &conv,
                     const PayScale &payScale = PayScale::builtIn(),
                     ExplanationRecord *record = nullptr)
        : inputs(payInputs), mode(payMode), conventions(conv), scale(payScale), payslip(conv),
          trace(record)
    {
    }

    bool positionMode() const { return mode == PayMode::Position; }

    // Appends the line of `amount`, which its node then explains.
    void appendEarnings(std::string_view code, std::string_view conceptText, std::string quantity,
                        const Amount &amount, std::string_view prefix = Payslip::kPrefix)
    {
        payslip.appendEarningsLine(code, conceptText, std::move(quantity), amount, prefix);
        lineAdded(amount);
    }
    void appendDeduction(std::string_view code, std::string_view conceptText, std::string quantity,
                         const Amount &amount)
    {
        payslip.appendDeductionLine(code, conceptText, std::move(quantity), amount);
        lineAdded(amount);
    }

    const PayInputs &inputs;
    const PayMode mode;
    const DecimalConventions &conventions;
    const PayScale &scale;
    CarryValues carry;
    HourCounts hours;
    Payslip payslip;
    Tracer trace;

private:
    void lineAdded(const Amount &amount)
    {
        if (ExplanationRecord *record = trace.record())
            record->explainLine(payslip.lines().back(), amount.node());
    }
};

} // namespace pagaluz
