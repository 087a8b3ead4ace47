#pragma once

#include "PdfFileQuestion.h"
#include "PrintTarget.h"

#include <QPointer>
#include <QPrinterInfo>
#include <QWidget>

#include <functional>

namespace pagaluz::ui {

// Prints the payslip on the default printer, scaled to fit the page. When there is no default
// printer, or printing fails, it says so in a message, then offers to save the page as a PDF
// file instead and says what happened.
class PrinterTarget : public PrintTarget {
public:
    using PrinterLookup = std::function<QPrinterInfo()>;
    using Notice = std::function<void(const QString &text)>;

    // Without a question the user is asked with a file dialog over `dialogParent`; without a
    // lookup the system's default printer is used; without a notice a message box over
    // `dialogParent` tells why a PDF is offered.
    explicit PrinterTarget(QWidget *dialogParent = nullptr, PdfPathQuestion askPdfPath = {},
                           PrinterLookup defaultPrinter = {}, Notice tell = {});

    QString print(const PrintPage &page) override;
    bool cancelled() const override { return m_cancelled; }

private:
    static bool printOn(const QPrinterInfo &printerInfo, const PrintPage &page);
    QString saveAsPdf(const PrintPage &page, const QString &reason);

    PdfPathQuestion m_askPdfPath;
    PrinterLookup m_defaultPrinter;
    Notice m_tell;
    bool m_cancelled = false;
};

} // namespace pagaluz::ui
