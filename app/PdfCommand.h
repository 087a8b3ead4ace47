#pragma once

#include <QLocale>
#include <QString>

#include <istream>
#include <optional>
#include <ostream>

namespace pagaluz {

// pagaluz --pdf SALIDA.pdf DATOS.json: reads the inputs of one payslip as pagaluz-calc reads
// them (the same keys and refusals; "-" is standard input), calculates the payslip with the
// locale's decimal conventions and the pay scale of the file `scalePath` (the built-in scale
// without one; a scale file refused is told as pagaluz-calc tells it, with the same exit
// status) and writes it to SALIDA.pdf as the payslip screen prints it,
// without showing any window; "-" as SALIDA.pdf writes it to `out`. Only an absent or regular
// file (or a link to one) is replaced: anything else at SALIDA.pdf is left alone, with
// kExitCannotCreate. A QApplication must exist. Messages go to `err`. Returns pagaluz-calc's
// exit status for the same input (kExitWriteFailed when the file cannot be written).
int writePayslipPdf(const QString &pdfPath, const QString &inputPath,
                    const std::optional<QString> &scalePath, const QLocale &locale,
                    std::istream &in, std::ostream &out, std::ostream &err);

} // namespace pagaluz
