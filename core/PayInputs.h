#pragma once

#include <cstdint>
#include <string>

namespace pagaluz {

// The position the selection screen holds when "Calcular" runs: the code of its
// current catalogue row, the text of its name list, and the texts of its five
// point boxes (which the user may have typed over).
struct SelectedPosition {
    std::string code;        // current item of the code list
    std::string name;        // text of the name list
    std::string basicPoints; // box "Puntos básicos"
    std::string complementPoints;
    std::string fullDayPoints;
    std::string extendedDayPoints;
    std::string differentiatedTaskPoints;

    friend bool operator==(const SelectedPosition &, const SelectedPosition &) = default;
};

// Which of the seven deductions the teacher pays.
struct DeductionChoices {
    bool iosper = false;
    bool osplad = false;
    bool pension = false; // "Aporte jubilatorio"
    bool law4035 = false;
    bool unionDues = false; // UTREL
    bool compensationFund = false;
    bool insurance3011 = false;

    friend bool operator==(const DeductionChoices &, const DeductionChoices &) = default;
};

// Everything one calculation reads from the screens, as the screens hold it:
// counts stay texts, exactly as typed, and are converted by the calculation
// with the user's decimal conventions. The defaults are the values the data
// entry screen starts with.
struct PayInputs {
    bool positionChosen = false;
    bool secondaryHoursChosen = false;
    bool higherHoursChosen = false;
    SelectedPosition position;

    std::string secondaryHoursText = "0";
    std::string higherHours = "0";
    std::string code06Hours = "0";
    std::string incentiveHours = "0";
    std::string code113Hours = "0";

    bool incentive = true;
    // 0 while no bracket was chosen, else 1 to 12; its percentage and text are the scale's.
    int seniorityBracket = 0;
    int zone = -1; // list index of the zone, -1 when none is chosen

    std::string absenceDays = "0";
    bool transport = false;
    std::string transportKm = "0";
    bool children = false;
    std::string childCount = "0";
    bool disabledChildren = false;
    std::string disabledChildCount = "0";
    bool spouse = false;

    DeductionChoices deductionsChosen;
    std::string teacherName;

    friend bool operator==(const PayInputs &, const PayInputs &) = default;
};

} // namespace pagaluz
