#include "DocumentDialogs.h"

#include "ShownText.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace pagaluz::ui {

namespace {

const QString kSaveFilter = QStringLiteral("Datos de Pagaluz (*.pagaluz)");
const QString kOpenFilters =
    QStringLiteral("Datos de Pagaluz (*.pagaluz);;Datos en JSON (*.json);;Todos los archivos (*)");

} // namespace

QString QtDocumentDialogs::askSaveFileName(QWidget &parent, const QString &proposed)
{
    QFileDialog dialog(&parent, QStringLiteral("Guardar los datos"), QString(), kSaveFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pagaluz"));
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QString QtDocumentDialogs::askOpenFileName(QWidget &parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(&parent, QStringLiteral("Abrir datos guardados"), folder,
                                        kOpenFilters);
}

DocumentDialogs::UnsavedChoice QtDocumentDialogs::askAboutUnsavedChanges(QWidget &parent,
                                                                         const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Cambios sin guardar"), question,
                    QMessageBox::NoButton, &parent);
    QPushButton *save = box.addButton(QStringLiteral("Guardar"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return UnsavedChoice::Save;
    return box.clickedButton() == discard ? UnsavedChoice::Discard : UnsavedChoice::Cancel;
}

void QtDocumentDialogs::tellFailure(QWidget &parent, const QString &title, const QString &text,
                                    const QString &reason)
{
    QMessageBox box(QMessageBox::Warning, title, shownText(text), QMessageBox::Ok, &parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(shownText(reason));
    box.exec();
}

} // namespace pagaluz::ui
