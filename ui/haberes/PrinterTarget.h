#pragma once

#include "PdfFileQuestion.h"
#include "PrintTarget.h"

#include <QPointer>
#include <QPrinterInfo>
#include <QWidget>

#include <functional>

namespace pagaluz::ui {

// Prints the payslip on the default printer, scaled to fit the page. When there is no default
// printer, or printing fails, it offers to save the page as a PDF file instead and says what
// happened.
class PrinterTarget : public PrintTarget {
public:
    using PrinterLookup = std::function<QPrinterInfo()>;

    // Without a question the user is asked with a file dialog over `dialogParent`; without a
    // lookup the system's default printer is used.
    explicit PrinterTarget(QWidget *dialogParent = nullptr, PdfPathQuestion askPdfPath = {},
                           PrinterLookup defaultPrinter = {});

    QString print(const PrintPage &page) override;

private:
    static bool printOn(const QPrinterInfo &printerInfo, const PrintPage &page);
    QString saveAsPdf(const PrintPage &page, const QString &reason) const;

    PdfPathQuestion m_askPdfPath;
    PrinterLookup m_defaultPrinter;
};

} // namespace pagaluz::ui
