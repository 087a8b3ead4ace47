#include "PdfFileQuestion.h"

#include "DocumentsFolder.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace pagaluz::ui {

namespace {

// The name as a part of a file name: no folder separators, no characters that some systems
// refuse, no control characters, single spaces.
QString fileNamePart(const QString &name)
{
    QString part;
    for (const QChar character : name) {
        if (character.category() == QChar::Other_Control ||
            QStringLiteral("/\\:*?\"<>|").contains(character))
            part += QLatin1Char(' ');
        else
            part += character;
    }
    return part.simplified();
}

} // namespace

PdfPathQuestion pdfFileDialog(QWidget *parent)
{
    return [dialogParent = QPointer<QWidget>(parent)](const QString &title,
                                                      const QString &proposedPath) {
        QFileDialog dialog(dialogParent, title, proposedPath,
                           QStringLiteral("Documentos PDF (*.pdf)"));
        dialog.setObjectName(QStringLiteral("pdfFileDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
}

QString proposedPdfPath(const QString &teacherName)
{
    const QString name = fileNamePart(teacherName);
    const QString fileName = name.isEmpty()
                                 ? QStringLiteral("Recibo de haberes.pdf")
                                 : QStringLiteral("Recibo de haberes - %1.pdf").arg(name);
    return QDir(documentsFolder()).filePath(fileName);
}

} // namespace pagaluz::ui
