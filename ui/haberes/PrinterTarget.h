#pragma once

#include "PrintTarget.h"

#include <QPointer>
#include <QPrinterInfo>
#include <QWidget>

#include <functional>

namespace pagaluz::ui {

// Prints the payslip on the default printer, scaled to fit the page. When
// there is no default printer, or printing fails, it offers to save the
// printout as a PDF file instead and says what happened.
class PrinterTarget : public PrintTarget {
public:
    // Asks where to save the PDF, told why; an empty path means "do not save".
    using PdfPathQuestion = std::function<QString(const QString &reason)>;
    using PrinterLookup = std::function<QPrinterInfo()>;

    // Without a question the user is asked with a file dialog over
    // `dialogParent`; without a lookup the system's default printer is used.
    explicit PrinterTarget(QWidget *dialogParent = nullptr, PdfPathQuestion askPdfPath = {},
                           PrinterLookup defaultPrinter = {});

    QString print(const QImage &image) override;

    // "recibo-de-haberes.pdf" in the user's documents folder.
    static QString defaultPdfPath();

private:
    static bool printOn(const QPrinterInfo &printerInfo, const QImage &image);
    QString saveAsPdf(const QImage &image, const QString &reason) const;
    QString askWithFileDialog(const QString &reason) const;

    QPointer<QWidget> m_dialogParent;
    PdfPathQuestion m_askPdfPath;
    PrinterLookup m_defaultPrinter;
};

} // namespace pagaluz::ui
