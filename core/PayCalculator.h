#pragma once

#include "CalculationError.h"
#include "CarryValues.h"
#include "DecimalConventions.h"
#include "PayInputs.h"
#include "Payslip.h"

#include <variant>

namespace pagaluz {

// A payslip with the carry values it was built from, or why there is none.
class CalculationResult {
public:
    // The carry values are copied once, straight into the result.
    CalculationResult(Payslip payslip, const CarryValues &carry)
        : m_outcome(std::in_place_type<Success>, std::move(payslip), carry)
    {
    }
    CalculationResult(CalculationError error) : m_outcome(std::move(error)) {}

    bool succeeded() const { return std::holds_alternative<Success>(m_outcome); }
    // Preconditions: succeeded() for the first two, !succeeded() for error().
    const Payslip &payslip() const { return std::get<Success>(m_outcome).payslip; }
    const CarryValues &carryValues() const { return std::get<Success>(m_outcome).carry; }
    const CalculationError &error() const { return std::get<CalculationError>(m_outcome); }

private:
    struct Success {
        Success(Payslip made, const CarryValues &carried) : payslip(std::move(made)), carry(carried)
        {
        }
        Payslip payslip;
        CarryValues carry;
    };
    std::variant<Success, CalculationError> m_outcome;
};

// The calculation of one payslip: a pure function of the inputs and of the
// decimal conventions in which the inputs were typed and the payslip is
// written. It validates the choice of pay, runs the sections in their fixed
// order and sums the three totals.
class PayCalculator {
public:
    explicit PayCalculator(DecimalConventions conventions = {})
        : m_conventions(std::move(conventions))
    {
    }

    CalculationResult calculate(const PayInputs &inputs) const;

    const DecimalConventions &conventions() const { return m_conventions; }

private:
    DecimalConventions m_conventions;
};

} // namespace pagaluz
