#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace pagaluz::ui {

// Asks where to save the payslip as a PDF file: `title` says why, `proposedPath` is the folder
// and name offered. Returns the chosen path, or an empty text for "do not save".
using PdfPathQuestion = std::function<QString(const QString &title, const QString &proposedPath)>;

// The question asked with the save dialog, over `parent`.
PdfPathQuestion pdfFileDialog(QWidget *parent);

// The file offered for the payslip of `teacherName`: in the user's documents folder (the home
// folder when there is none), "Recibo de haberes - <name>.pdf", or "Recibo de haberes.pdf"
// without a name. Characters a file name cannot hold are left out of the name.
QString proposedPdfPath(const QString &teacherName);

} // namespace pagaluz::ui
