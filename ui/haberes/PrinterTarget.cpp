#include "PrinterTarget.h"

#include "HaberesPdfFileTarget.h"

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

namespace pagaluz::ui {

PrinterTarget::PrinterTarget(QWidget *dialogParent, PdfPathQuestion askPdfPath,
                             PrinterLookup defaultPrinter)
    : m_dialogParent(dialogParent), m_askPdfPath(std::move(askPdfPath)),
      m_defaultPrinter(std::move(defaultPrinter))
{
    if (!m_defaultPrinter)
        m_defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };
}

// A default-constructed QPrinter would silently write a PDF when the system
// has no printer, so the default printer is looked up first.
QString PrinterTarget::print(const QImage &image)
{
    const QPrinterInfo printerInfo = m_defaultPrinter();
    if (printerInfo.isNull())
        return saveAsPdf(image, QStringLiteral("No hay una impresora predeterminada"));
    if (printOn(printerInfo, image))
        return {};
    return saveAsPdf(image,
                     QStringLiteral("No se pudo imprimir en %1").arg(printerInfo.printerName()));
}

QString PrinterTarget::defaultPdfPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder)
        .filePath(QStringLiteral("recibo-de-haberes.pdf"));
}

bool PrinterTarget::printOn(const QPrinterInfo &printerInfo, const QImage &image)
{
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Recibo de haberes"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    drawImageFittingPage(painter, image);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

QString PrinterTarget::saveAsPdf(const QImage &image, const QString &reason) const
{
    const QString path = m_askPdfPath ? m_askPdfPath(reason) : askWithFileDialog(reason);
    if (path.isEmpty())
        return QStringLiteral("%1; el recibo no se imprimió.").arg(reason);
    const QString failure = PdfFileTarget(path).print(image);
    if (!failure.isEmpty())
        return QStringLiteral("%1. %2").arg(reason, failure);
    return QStringLiteral("%1; el recibo se guardó en %2.")
        .arg(reason, QDir::toNativeSeparators(path));
}

QString PrinterTarget::askWithFileDialog(const QString &reason) const
{
    QFileDialog dialog(m_dialogParent, QStringLiteral("%1: guardar el recibo como PDF").arg(reason),
                       defaultPdfPath(), QStringLiteral("Documentos PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace pagaluz::ui
