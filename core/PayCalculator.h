#pragma once

#include "CalculationError.h"
#include "CarryValues.h"
#include "DecimalConventions.h"
#include "Explanation.h"
#include "PayInputs.h"
#include "PayScale.h"
#include "Payslip.h"

#include <memory>
#include <variant>

namespace pagaluz {

// A payslip with the carry values it was built from, or why there is none.
class CalculationResult {
public:
    // The carry values are copied once, straight into the result.
    CalculationResult(Payslip payslip, const CarryValues &carry,
                      std::shared_ptr<const PayslipExplanation> explanation = nullptr)
        : m_outcome(std::in_place_type<Success>, std::move(payslip), carry, std::move(explanation))
    {
    }
    CalculationResult(CalculationError error) : m_outcome(std::move(error)) {}

    bool succeeded() const { return std::holds_alternative<Success>(m_outcome); }
    // Preconditions: succeeded() for the first two, !succeeded() for error().
    const Payslip &payslip() const { return std::get<Success>(m_outcome).payslip; }
    const CarryValues &carryValues() const { return std::get<Success>(m_outcome).carry; }
    const CalculationError &error() const { return std::get<CalculationError>(m_outcome); }
    // Why each amount is what it is, when the calculator was asked for it; otherwise null.
    // Shared, so that a screen can keep it while it shows the payslip.
    const std::shared_ptr<const PayslipExplanation> &explanation() const
    {
        return std::get<Success>(m_outcome).explanation;
    }

private:
    struct Success {
        Success(Payslip made, const CarryValues &carried,
                std::shared_ptr<const PayslipExplanation> explained)
            : payslip(std::move(made)), carry(carried), explanation(std::move(explained))
        {
        }
        Payslip payslip;
        CarryValues carry;
        std::shared_ptr<const PayslipExplanation> explanation;
    };
    std::variant<Success, CalculationError> m_outcome;
};

// Whether a calculation also explains how it reached each amount.
enum class Explanations { Omitted, Built };

// The calculation of one payslip: a pure function of the inputs, of the pay
// scale and of the decimal conventions in which the inputs were typed and the
// payslip is written. It validates the choice of pay, runs the sections in
// their fixed order and sums the three totals. With Explanations::Built every
// section also records how it reached its amounts, which takes longer. The
// scale must outlive the calculator.
class PayCalculator {
public:
    explicit PayCalculator(DecimalConventions conventions = {},
                           Explanations explanations = Explanations::Omitted,
                           const PayScale &scale = PayScale::builtIn())
        : m_conventions(std::move(conventions)), m_explanations(explanations), m_scale(&scale)
    {
    }

    CalculationResult calculate(const PayInputs &inputs) const;

    const DecimalConventions &conventions() const { return m_conventions; }
    bool explains() const { return m_explanations == Explanations::Built; }
    const PayScale &scale() const { return *m_scale; }

private:
    DecimalConventions m_conventions;
    Explanations m_explanations;
    const PayScale *m_scale;
};

} // namespace pagaluz
