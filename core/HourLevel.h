#pragma once

#include "CalculationState.h"
#include "InputField.h"
#include "Money.h"

#include <string>

namespace pagaluz {

// The constants of one level of teaching hours.
struct HourLevel {
    double pointsPerHour;
    double code06LimitHours; // from this count on the code-06 amount is fixed
    Money code06FixedAmount;
    double incentivePerHour;
    double code113PerHour;
    int code06QuantityCap; // largest count shown as the quantity of "006"
    int incentiveQuantityCap;
    int code113QuantityCap;
    const char *conceptText; // conceptText of the hours line
    const char *headerName;  // level shown in the sheet's header
    InputField countField;
    std::string PayInputs::*countText;
};

// The level of an hours calculation (secondary or higher).
const HourLevel &hourLevel(PayMode mode);

} // namespace pagaluz
