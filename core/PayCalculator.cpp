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

void sumTotals(CalculationState &state)
{
    CarryValues &c = state.carry;
    c.totalEarnings = c.categoryAssignment + c.basicComplement + c.code06Supplement +
                      c.decreeProductivity + c.workdaySupplements + c.differentiatedTask +
                      c.seniorityAmount + c.productivityPlus + c.minimumTopUp + c.childAllowance +
                      c.disabledChildAllowance + c.largeFamilyAllowance + c.spouseAllowance +
                      c.zoneAmount + c.nationalIncentive + c.code113Supplement + c.transportAmount;
    c.totalDeductions = c.iosperAmount + c.ospladAmount + c.pensionAmount + c.law4035Amount +
                        c.unionDuesAmount + c.compensationFundAmount + c.insurance3011Amount +
                        c.absenceDeduction;
    c.netPay = c.totalEarnings - c.totalDeductions;
    state.payslip.setTotals(c.totalEarnings, c.totalDeductions);
}

// Each total adds the amounts of its column's lines; the net pay is their difference.
void explainTotals(const CalculationState &state, ExplanationRecord &record)
{
    std::vector<ExplanationPtr> earnings;
    std::vector<ExplanationPtr> deductions;
    const std::vector<PayslipLine> &lines = state.payslip.lines();
    for (std::size_t row = 0; row < lines.size(); ++row)
        (lines[row].column == AmountColumn::Earnings ? earnings : deductions)
            .push_back(record.explanation.lines[row]);
    const CarryValues &c = state.carry;
    PayslipExplanation &explanation = record.explanation;
    const NodePtr totalEarnings = record.operation(
        "Total Haberes", Decimal::fromMoney(c.totalEarnings), Operation::Sum, std::move(earnings));
    const NodePtr totalDeductions =
        record.operation("Total descuentos", Decimal::fromMoney(c.totalDeductions), Operation::Sum,
                         std::move(deductions));
    explanation.netPay = record.operation("Liquido a pagar", c.netPay, Operation::Difference,
                                          {totalEarnings, totalDeductions});
    explanation.totalEarnings = totalEarnings;
    explanation.totalDeductions = totalDeductions;
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
    CalculationState state(inputs, *mode, m_conventions);
    std::optional<ExplanationRecord> record;
    if (explains()) {
        record.emplace(m_conventions);
        state.explanation = &*record;
    }
    try {
        runSections(state);
        sumTotals(state);
        if (record)
            explainTotals(state, *record);
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
        return CalculationResult(
            std::move(state.payslip), state.carry,
            std::make_shared<const PayslipExplanation>(std::move(record->explanation)));
    return CalculationResult(std::move(state.payslip), state.carry);
}

} // namespace pagaluz
