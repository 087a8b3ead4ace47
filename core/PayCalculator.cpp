#include "PayCalculator.h"

#include "CalculationState.h"
#include "HourLevel.h"
#include "Sections.h"

#include <optional>

namespace pagaluz {

namespace {

std::optional<PayMode> chosenMode(const PayInputs &in)
{
    if (in.positionChosen)
        return PayMode::Position;
    if (in.secondaryHoursChosen)
        return PayMode::SecondaryHours;
    if (in.higherHoursChosen)
        return PayMode::HigherHours;
    return std::nullopt;
}

void runSections(CalculationState &state)
{
    if (state.positionMode()) {
        payPosition(state);
        setPositionSupplements(state);
    } else {
        payHours(state);
    }
    paySeniorityAndZone(state);
    payDecreeSupplements(state);
    applyAbsencesAndMinimumPay(state);
    payFamilyAndTransport(state);
    applyDeductions(state);
}

// Each total adds the amounts of its column's lines; the net pay is their difference.
void sumTotals(CalculationState &state)
{
    CarryValues &c = state.carry;
    const Tracer &trace = state.trace;
    c.totalEarnings = trace.sumOfLines("Total Haberes", state.payslip, AmountColumn::Earnings);
    c.totalDeductions =
        trace.sumOfLines("Total descuentos", state.payslip, AmountColumn::Deductions);
    c.netPay = trace.difference("Liquido a pagar", c.totalEarnings, {c.totalDeductions});
    state.payslip.setTotals(c.totalEarnings, c.totalDeductions);
    if (ExplanationRecord *record = trace.record())
        record->explainTotals(c.totalEarnings.node(), c.totalDeductions.node(), c.netPay.node());
}

// The input that can drive an amount out of range on the path taken: the
// hours of the level, or the larger of the two unbounded point boxes of a
// position (the other point counts are 16-bit numbers).
InputField overflowCause(const CalculationState &state)
{
    if (!state.positionMode())
        return hourLevel(state.mode).countField;
    return state.carry.differentiatedTask >= state.carry.basicComplement
               ? InputField::DifferentiatedTaskPoints
               : InputField::ComplementPoints;
}

CalculationError conversionError(InputField field, std::string message)
{
    return {CalculationError::Kind::Conversion, field, std::move(message)};
}

} // namespace

CalculationResult PayCalculator::calculate(const PayInputs &inputs) const
{
    const std::optional<PayMode> mode = chosenMode(inputs);
    if (!mode)
        return CalculationError{CalculationError::Kind::Validation, std::nullopt,
                                CalculationError::kNoPayBasisMessage};
    std::optional<ExplanationRecord> record;
    if (explains())
        record.emplace(m_conventions);
    CalculationState state(inputs, *mode, m_conventions, *m_scale, record ? &*record : nullptr);
    try {
        runSections(state);
        sumTotals(state);
    } catch (const InputError &error) {
        return conversionError(error.field(), error.message());
    } catch (const MoneyOverflow &) {
        const InputField field = overflowCause(state);
        return conversionError(field, std::string(inputFieldLabel(field)) +
                                          ": el valor es tan grande que un importe del recibo "
                                          "excede el máximo posible.");
    }
    state.payslip.teacherName = inputs.teacherName;
    if (record)
        return CalculationResult(std::move(state.payslip), state.carry, record->explanation());
    return CalculationResult(std::move(state.payslip), state.carry);
}

} // namespace pagaluz
