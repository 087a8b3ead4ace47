#pragma once

#include <QString>

namespace pagaluz::ui {

// What the selection screen and the payslip say of a position whose points are reference
// values, not known to be the pay scale's.
inline const QString kReferencePointsNotice =
    QStringLiteral("Puntaje de referencia: verifíquelo con la escala oficial");

} // namespace pagaluz::ui
