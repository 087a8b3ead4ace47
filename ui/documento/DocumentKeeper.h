#pragma once

#include "DocumentDialogs.h"
#include "SavedInputs.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace pagaluz {
struct PayScale;
} // namespace pagaluz

namespace pagaluz::ui {

// Keeps the teacher's data in a file: saves the screens' data (asking for a name the first
// time), opens saved data onto the screens, knows whether there are changes since, and asks
// about them before they would be lost. A saved file is what pagaluz-calc reads.
class DocumentKeeper : public QObject {
    Q_OBJECT

public:
    // `window`: the data entry screen, which the dialogs stand over and whose title marks
    // unsaved changes. `current` gives the data as the screens hold them now; `restore` puts
    // saved data on the screens.
    DocumentKeeper(QWidget &window, std::function<SavedInputs()> current,
                   std::function<void(const SavedInputs &)> restore);
    ~DocumentKeeper() override;

    // Tests answer the dialogs with a script.
    void setDialogs(std::unique_ptr<DocumentDialogs> dialogs);
    // The pay scale in use, whose brackets and zones an opened file is read within (null: the
    // built-in one).
    void setScale(std::shared_ptr<const PayScale> scale) { m_scale = std::move(scale); }
    // The file the data are kept in; empty before the first save or opening.
    QString filePath() const { return m_path; }
    bool hasUnsavedChanges() const;
    // The files opened or saved last, the newest first.
    QStringList recentFiles() const;

    // Into the file, or with no file yet as saveAs. Returns whether the data were saved.
    bool save();
    // Into a file the user names; the teacher's name in the documents folder is proposed.
    bool saveAs();
    // Asks about unsaved changes, then for the file to open.
    void open();
    // Asks about unsaved changes, then opens `path`.
    void openRecent(const QString &path);
    // Opens `path` as it is: a refused file is told and leaves the screens as they were.
    // Returns whether the data were opened.
    bool openFile(const QString &path);
    // Whether the program may end: nothing to lose, or the changes saved or discarded. Asks
    // over `from`, the screen whose "Salir" was pressed.
    bool mayEnd(QWidget &from);
    // After any change on the screens: the title marks whether there is something to save.
    void noteEdit();

signals:
    // The name of the file the data are now kept in.
    void fileNameChanged(const QString &fileName);

private:
    bool writeTo(const QString &path);
    bool mayLoseChanges(QWidget &from, const QString &question);
    void keptIn(const QString &path, const SavedInputs &clean);

    QWidget &m_window;
    std::function<SavedInputs()> m_current;
    std::shared_ptr<const PayScale> m_scale;
    std::function<void(const SavedInputs &)> m_restore;
    std::unique_ptr<DocumentDialogs> m_dialogs;
    QString m_path;
    SavedInputs m_clean; // the data as saved or opened last
};

} // namespace pagaluz::ui
