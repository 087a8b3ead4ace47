#include "PrinterTarget.h"

#include "HaberesPdfFileTarget.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

namespace pagaluz::ui {

PrinterTarget::PrinterTarget(QWidget *dialogParent, PdfPathQuestion askPdfPath,
                             PrinterLookup defaultPrinter)
    : m_askPdfPath(std::move(askPdfPath)), m_defaultPrinter(std::move(defaultPrinter))
{
    if (!m_askPdfPath)
        m_askPdfPath = pdfFileDialog(dialogParent);
    if (!m_defaultPrinter)
        m_defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };
}

// A default-constructed QPrinter would silently write a PDF when the system
// has no printer, so the default printer is looked up first.
QString PrinterTarget::print(const PrintPage &page)
{
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
    printer.setDocName(QStringLiteral("Recibo de haberes"));
    printer.setPageMargins(QMarginsF(kPageMarginMillimetres, kPageMarginMillimetres,
                                     kPageMarginMillimetres, kPageMarginMillimetres),
                           QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    drawPageFitting(painter, page);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

QString PrinterTarget::saveAsPdf(const PrintPage &page, const QString &reason) const
{
    const QString path = m_askPdfPath(QStringLiteral("%1: guardar el recibo como PDF").arg(reason),
                                      proposedPdfPath(page.teacherName()));
    if (path.isEmpty())
        return QStringLiteral("%1; el recibo no se imprimió.").arg(reason);
    const QString failure = PdfFileTarget(path).print(page);
    if (!failure.isEmpty())
        return QStringLiteral("%1. %2").arg(reason, failure);
    return QStringLiteral("%1; el recibo se guardó en %2.")
        .arg(reason, QDir::toNativeSeparators(path));
}

} // namespace pagaluz::ui
