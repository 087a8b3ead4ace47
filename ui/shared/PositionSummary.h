#pragma once

#include <QString>

namespace pagaluz::ui {

// What "Listo" on the position selection screen hands to the data entry
// screen's position summary and to the payslip's header boxes.
struct PositionSummary {
    QString name;                     // text of the name list
    QString code;                     // text of the code box
    QString basicPoints;              // punbas
    QString extendedDayPoints;        // proljor
    QString fullDayPoints;            // jorcom
    QString differentiatedTaskPoints; // tardif
    QString complementPoints;         // compbas
};

} // namespace pagaluz::ui
