#pragma once

#include <QString>

class QWidget;

namespace pagaluz::ui {

// The questions and messages of keeping a teacher's data in files. The program asks with Qt's
// dialogs (QtDocumentDialogs); tests answer with a script of their own.
class DocumentDialogs {
public:
    enum class UnsavedChoice { Save, Discard, Cancel };

    virtual ~DocumentDialogs() = default;

    // The file to save into, `proposed` first offered; empty when the user cancels.
    virtual QString askSaveFileName(QWidget &parent, const QString &proposed) = 0;
    // The file to open, looked for in `folder` first; empty when the user cancels.
    virtual QString askOpenFileName(QWidget &parent, const QString &folder) = 0;
    // What to do with unsaved changes before they are lost: "Guardar", "Descartar", "Cancelar".
    virtual UnsavedChoice askAboutUnsavedChanges(QWidget &parent, const QString &question) = 0;
    // Something that could not be done (`text`), and why.
    virtual void tellFailure(QWidget &parent, const QString &title, const QString &text,
                             const QString &reason) = 0;
};

// The dialogs of Qt, each modal.
class QtDocumentDialogs : public DocumentDialogs {
public:
    QString askSaveFileName(QWidget &parent, const QString &proposed) override;
    QString askOpenFileName(QWidget &parent, const QString &folder) override;
    UnsavedChoice askAboutUnsavedChanges(QWidget &parent, const QString &question) override;
    void tellFailure(QWidget &parent, const QString &title, const QString &text,
                     const QString &reason) override;
};

} // namespace pagaluz::ui
