#pragma once

#include "CalculationState.h"

namespace pagaluz {

// The sections of one calculation, in the order the calculator runs them.
// Each reads the inputs it needs and the carry values of earlier sections,
// sets its own carry values and appends its lines to the payslip.

// Position path: the position's own lines and header.
void payPosition(CalculationState &state);
// Position path: code-06, national incentive and "113" amounts of the position.
void setPositionSupplements(CalculationState &state);
// Hours path: the single hours line, the header and the three hour supplements.
void payHours(CalculationState &state);
// "Antigüedad" and "As. por zona".
void paySeniorityAndZone(CalculationState &state);
// "006", "014", "084", "113", "188".
void payDecreeSupplements(CalculationState &state);
// The absence deduction, the remunerative total and "Adic para mínimo".
void applyAbsencesAndMinimumPay(CalculationState &state);
// Transport and the family allowances.
void payFamilyAndTransport(CalculationState &state);
// "Reajuste cod. 188" and the seven deductions.
void applyDeductions(CalculationState &state);

} // namespace pagaluz
