#pragma once

#include "CalculationState.h"
#include "InputField.h"
#include "PayScale.h"

#include <string>

namespace pagaluz {

// One level of teaching hours: its figures in the pay scale and how the payslip and the
// inputs name it.
struct HourLevel {
    HourScale PayScale::*figures;
    const char *conceptText; // conceptText of the hours line
    const char *headerName;  // level shown in the sheet's header
    const char *hoursName;   // the count as the explanations name it
    InputField countField;
    std::string PayInputs::*countText;
};

// The level of an hours calculation (secondary or higher).
const HourLevel &hourLevel(PayMode mode);

} // namespace pagaluz
