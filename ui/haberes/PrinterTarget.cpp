#include "PrinterTarget.h"

#include "HaberesPdfFileTarget.h"

#include "ShownText.h"

#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>

namespace pagaluz::ui {

PrinterTarget::PrinterTarget(QWidget *dialogParent, PdfPathQuestion askPdfPath,
                             PrinterLookup defaultPrinter, Notice tell)
    : m_askPdfPath(std::move(askPdfPath)), m_defaultPrinter(std::move(defaultPrinter)),
      m_tell(std::move(tell))
{
    if (!m_tell)
        m_tell = [parent = QPointer<QWidget>(dialogParent)](const QString &text) {
            QMessageBox box(QMessageBox::Information, QStringLiteral("Imprimir"), shownText(text),
                            QMessageBox::Ok, parent);
            box.setTextFormat(Qt::PlainText);
            box.exec();
        };
    if (!m_askPdfPath)
        m_askPdfPath = pdfFileDialog(dialogParent);
    if (!m_defaultPrinter)
        m_defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };
}

// A default-constructed QPrinter would silently write a PDF when the system
// has no printer, so the default printer is looked up first.
QString PrinterTarget::print(const PrintPage &page)
{
    m_cancelled = false;
    const QPrinterInfo printerInfo = m_defaultPrinter();
    if (printerInfo.isNull())
        return saveAsPdf(page, QStringLiteral("No hay una impresora predeterminada"));
    if (printOn(printerInfo, page))
        return {};
    return saveAsPdf(page,
                     QStringLiteral("No se pudo imprimir en %1").arg(printerInfo.printerName()));
}

bool PrinterTarget::printOn(const QPrinterInfo &printerInfo, const PrintPage &page)
{
    QPrinter printer(printerInfo);
    printer.setResolution(kPageResolution);
    printer.setDocName(page.documentTitle());
    printer.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                     kPageMarginMillimetres, kPageMarginMillimetres),
                           QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    drawPageFitting(painter, page);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

QString PrinterTarget::saveAsPdf(const PrintPage &page, const QString &reason)
{
    m_tell(QStringLiteral("%1. El recibo se puede guardar como PDF.").arg(reason));
    const QString path = m_askPdfPath(QStringLiteral("Guardar el recibo como PDF"),
                                      proposedPdfPath(page.teacherName()));
    if (path.isEmpty()) {
        m_cancelled = true;
        return {};
    }
    const QString failure = PdfFileTarget(path).print(page);
    if (!failure.isEmpty())
        return QStringLiteral("%1. %2").arg(reason, failure);
    return QStringLiteral("%1; el recibo se guardó en %2.")
        .arg(reason, QDir::toNativeSeparators(path));
}

} // namespace pagaluz::ui
