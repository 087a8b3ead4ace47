#pragma once

#include "Decimal.h"
#include "Money.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// A figure of the pay scale that is no sum of money: a value of a point, points or an amount
// per hour, a rate. `label` is how the explanations name it ("valor del punto"), `source`
// where they say it comes from.
struct ScaleNumber {
    double value = 0.0;
    std::string label;
    std::string source = "de la escala";
    // The shortest decimal that reads back as `value` ("0.653"), as the explanations show it.
    Decimal shown = Decimal::fromDouble(value);
};

// A fixed sum of the pay scale: an allowance, a cap, the minimum pay.
struct ScaleAmount {
    Money value;
    std::string label;
    std::string source = "de la escala";
};

// One seniority bracket as the data entry screen offers it.
struct SeniorityBracket {
    std::string caption;     // "Entre 5 y 7 años"
    std::string percentText; // "30 %": tool-tip and quantity of "Antigüedad"
    std::uint8_t percent = 0;
};

// One school zone of the zone list.
struct Zone {
    std::string name; // "Desfavorable"
    std::uint8_t percent = 0;
};

// The figures of one level of teaching hours.
struct HourScale {
    ScaleNumber pointsPerHour;
    double code06LimitHours = 0.0; // from this count on the code-06 amount is its cap
    ScaleAmount code06Cap;
    ScaleNumber incentivePerHour;
    ScaleNumber code113PerHour;
    int code06QuantityCap = 0; // largest count shown as the quantity of "006"
    int incentiveQuantityCap = 0;
    int code113QuantityCap = 0;
};

// The code-06 amounts of a position, in whole units. Each table has a row for "no bracket
// chosen" and then one for each seniority bracket; its columns are bands of basic points.
struct Code06Scale {
    // The upper bounds of the bands of basic points of the part-day table, the last band open.
    std::vector<int> partDayBandUpperBounds;
    std::vector<std::vector<int>> partDay;
    // Positions with this many full-day points or more read the full-day table, whose two
    // columns are "up to fullDayColumnUpperBound basic points" and "more".
    int fullDayTablePoints = 0;
    int fullDayColumnUpperBound = 0;
    std::vector<std::array<int, 2>> fullDay;
};

// The fixed supplements of a position, which depend on its full-day points.
struct PositionSupplementScale {
    int fullDayPoints = 0; // from this many full-day points on, the larger amounts
    Money incentivePartDay;
    Money incentiveFullDay;
    Money code113PartDay;
    Money code113FullDay;
};

// The decree's productivity: a rate of the "006" amount and of the pay with seniority and zone.
struct ProductivityScale {
    ScaleNumber rate;
    // The quantity of "014" with a decimal point ("0.7"), which the payslip writes with the
    // user's decimal separator; that of "188" as the pay scale writes it ("7.0").
    std::string decreeQuantity;
    std::string plusQuantity;
};

// The part of the productivity plus that a number of days of absence takes.
struct AbsencePart {
    double days = 0.0;
    double part = 0.0;
};

struct AbsenceScale {
    std::vector<AbsencePart> parts;  // exactly these counts of days
    double wholePlusAfterDays = 0.0; // more days than this take all of the plus
};

// The top-up to a guaranteed net pay of positions above a number of basic points, on an
// estimate of the net pay.
struct MinimumPayScale {
    int aboveBasicPoints = 0;
    ScaleAmount guaranteedNet;
    ScaleNumber zoneShare;     // the part of the zone amount the contributions are not due on
    ScaleNumber contributions; // the personal contributions, estimated
};

struct TransportScale {
    ScaleNumber perKm;
    ScaleNumber weeksPerMonth;
    // From testRate × km × weeks ≥ testLimit on, the amount is the cap.
    double testRate = 0.0;
    double testLimit = 0.0;
    ScaleAmount cap;
};

// One row of the table of the amount per child, by the family's income.
struct ChildAmount {
    int upToIncome = 0; // the incomes of the row up to this one; the last row has no limit
    int amount = 0;
    std::string incomes; // "ingresos hasta 2300"
};

struct FamilyScale {
    std::vector<ChildAmount> perChild; // by rising income, the last without a limit
    ScaleNumber perDisabledChild;
    int largeFamilyChildren = 0; // from this many children on
    Money largeFamily;
    ScaleAmount spouse;
};

// One deduction's rate and the quantity its line shows.
struct DeductionRate {
    ScaleNumber rate;
    std::string quantity; // "3 %", "0,6 %"
};

struct DeductionScale {
    DeductionRate iosper;
    DeductionRate osplad;
    DeductionRate pension;
    DeductionRate law4035;
    DeductionRate unionDues;
    DeductionRate compensationFund;
    DeductionRate insurance3011;
};

// Each deduction of the scale: its table in the scale file ("[descuentos.utrel]"), the name
// its rate is cited by ("porcentaje de UTREL") and where the scale keeps it, in the file's
// order. The scale file's reader and writers go through this list.
struct ScaleDeduction {
    std::string_view fileKey;
    std::string_view name;
    DeductionRate DeductionScale::*rate;
};

inline constexpr std::array kScaleDeductions{
    ScaleDeduction{"iosper", "IOSPER", &DeductionScale::iosper},
    ScaleDeduction{"osplad", "OSPLAD", &DeductionScale::osplad},
    ScaleDeduction{"aporte_jubilatorio", "Aporte Jub.", &DeductionScale::pension},
    ScaleDeduction{"ley_4035", "Ley 4035", &DeductionScale::law4035},
    ScaleDeduction{"utrel", "UTREL", &DeductionScale::unionDues},
    ScaleDeduction{"caja_compensadora", "Caja Comp.", &DeductionScale::compensationFund},
    ScaleDeduction{"seguro_3011", "Seguro 3011", &DeductionScale::insurance3011},
};

// The texts that name the month the scale pays.
struct PayPeriod {
    std::string title;   // "Haberes Agosto 08", over the payslip
    std::string month;   // "Agosto de 2.008", on the data entry screen
    std::string tooltip; // "Haberes de Agosto de 2.008"
};

// Every figure of one month's pay scale that the calculation reads, grouped as its sections
// use them, each with the words its explanations cite it by.
struct PayScale {
    ScaleNumber pointValue;        // basic, complement, differentiated task and hours points
    ScaleNumber workdayPointValue; // full-day and prolongation points
    HourScale secondaryHours;
    HourScale higherHours;
    ScaleNumber code06PerHour;
    ScaleAmount incentiveHoursCap;
    ScaleAmount code113HoursCap;
    std::vector<SeniorityBracket> seniorityBrackets; // bracket 1 first
    std::vector<Zone> zones;                         // in list order
    Code06Scale code06;
    PositionSupplementScale positionSupplements;
    ProductivityScale productivity;
    AbsenceScale absences;
    MinimumPayScale minimumPay;
    TransportScale transport;
    FamilyScale family;
    DeductionScale deductions;
    PayPeriod period;
    std::string validFrom; // "2008-08-01", the day the scale applies from

    // "Haberes Agosto 08", the scale the programs calculate with.
    static const PayScale &builtIn();
};

} // namespace pagaluz
