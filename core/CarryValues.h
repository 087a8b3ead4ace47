#pragma once

#include "Traced.h"

#include <cstdint>

namespace pagaluz {

// The named amounts and point counts that one section of the calculation
// leaves for the later sections and for the totals, each amount with its
// explanation when the calculation makes one. All start at zero with every
// calculation; a value its section does not set on the path taken stays zero.
struct CarryValues {
    // Position pay
    std::int16_t basicPoints = 0;
    std::int16_t fullDayPoints = 0;
    std::int16_t extendedDayPoints = 0;
    Money differentiatedTaskPoints;
    Amount categoryAssignment;
    Amount basicComplement;
    Amount fullDayAmount;
    Amount extendedDayAmount;
    Amount workdaySupplements;
    Amount differentiatedTask;

    // Supplements of the position's points or of the hours
    Amount code06Supplement;
    Amount nationalIncentive;
    Amount code113Supplement;

    // Seniority and zone
    Amount seniorityAmount;
    Amount zoneAmount;

    // Decree supplements
    Amount decreeProductivity;
    Amount productivityPlus;

    // Absences and minimum pay
    Amount absenceDeduction;
    Amount remunerativeTotal;
    Amount minimumTopUp;

    // Family allowances and transport
    Amount transportAmount;
    std::uint8_t childCount = 0;
    Amount childAllowance;
    std::uint8_t disabledChildCount = 0;
    Amount disabledChildAllowance;
    Amount largeFamilyAllowance;
    Amount spouseAllowance;

    // Deductions
    Amount iosperAmount;
    Amount ospladAmount;
    Amount pensionAmount;
    Amount law4035Amount;
    Amount unionDuesAmount;
    Amount compensationFundAmount;
    Amount insurance3011Amount;

    // Totals
    Amount totalEarnings;
    Amount totalDeductions;
    Amount netPay;
};

} // namespace pagaluz
