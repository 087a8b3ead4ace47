#pragma once

#include "Money.h"

#include <cstdint>

namespace pagaluz {

// The named amounts and point counts that one section of the calculation
// leaves for the later sections and for the totals. All start at zero with
// every calculation; a value its section does not set on the path taken
// stays zero.
struct CarryValues {
    // Position pay
    std::int16_t basicPoints = 0;
    std::int16_t fullDayPoints = 0;
    std::int16_t extendedDayPoints = 0;
    Money differentiatedTaskPoints;
    Money categoryAssignment;
    Money basicComplement;
    Money fullDayAmount;
    Money extendedDayAmount;
    Money workdaySupplements;
    Money differentiatedTask;

    // Supplements of the position's points or of the hours
    Money code06Supplement;
    Money nationalIncentive;
    Money code113Supplement;

    // Seniority and zone
    Money seniorityAmount;
    Money zoneAmount;

    // Decree supplements
    Money decreeProductivity;
    Money productivityPlus;

    // Absences and minimum pay
    Money absenceDeduction;
    Money remunerativeTotal;
    Money minimumTopUp;

    // Family allowances and transport
    Money transportAmount;
    std::uint8_t childCount = 0;
    Money childAllowance;
    std::uint8_t disabledChildCount = 0;
    Money disabledChildAllowance;
    Money largeFamilyAllowance;
    Money spouseAllowance;

    // Deductions
    Money iosperAmount;
    Money ospladAmount;
    Money pensionAmount;
    Money law4035Amount;
    Money unionDuesAmount;
    Money compensationFundAmount;
    Money insurance3011Amount;

    // Totals
    Money totalEarnings;
    Money totalDeductions;
    Money netPay;
};

} // namespace pagaluz
