#include "DocumentKeeper.h"
#include "PayScale.h"

#include "DocumentsFolder.h"
#include "RecentFiles.h"
#include "SavedFile.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace pagaluz::ui {

namespace {

const QString kSuffix = QStringLiteral(".pagaluz");

// The teacher's name as a file name: no folder separators or control characters, no leading
// dot (a hidden file), not longer than a file name may be; "Sin nombre" when nothing is left.
QString fileNameOf(const std::string &teacherName)
{
    QString name = QString::fromStdString(teacherName);
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    name.truncate(120);
    return (name.isEmpty() ? QStringLiteral("Sin nombre") : name) + kSuffix;
}

} // namespace

DocumentKeeper::DocumentKeeper(QWidget &window, std::function<SavedInputs()> current,
                               std::function<void(const SavedInputs &)> restore)
    : m_window(window), m_current(std::move(current)), m_restore(std::move(restore)),
      m_dialogs(std::make_unique<QtDocumentDialogs>()), m_clean(m_current())
{
}

DocumentKeeper::~DocumentKeeper() = default;

void DocumentKeeper::setDialogs(std::unique_ptr<DocumentDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

bool DocumentKeeper::hasUnsavedChanges() const
{
    return m_current() != m_clean;
}

QStringList DocumentKeeper::recentFiles() const
{
    return RecentFiles::files();
}

bool DocumentKeeper::save()
{
    return m_path.isEmpty() ? saveAs() : writeTo(m_path);
}

bool DocumentKeeper::saveAs()
{
    const QString proposed =
        m_path.isEmpty()
            ? QDir(documentsFolder()).filePath(fileNameOf(m_current().inputs.teacherName))
            : m_path;
    const QString chosen = m_dialogs->askSaveFileName(m_window, proposed);
    return !chosen.isEmpty() && writeTo(chosen);
}

void DocumentKeeper::open()
{
    if (!mayLoseChanges(m_window, QStringLiteral("¿Guardar los cambios antes de abrir otros "
                                                 "datos?")))
        return;
    const QString folder = m_path.isEmpty() ? documentsFolder() : QFileInfo(m_path).absolutePath();
    const QString chosen = m_dialogs->askOpenFileName(m_window, folder);
    if (!chosen.isEmpty())
        openFile(chosen);
}

void DocumentKeeper::openRecent(const QString &path)
{
    if (mayLoseChanges(m_window, QStringLiteral("¿Guardar los cambios antes de abrir otros "
                                                "datos?")))
        openFile(path);
}

bool DocumentKeeper::openFile(const QString &path)
{
    SavedInputs saved;
    try {
        saved = readSavedFile(path, m_scale ? *m_scale : PayScale::builtIn());
    } catch (const UnreadableFile &error) {
        m_dialogs->tellFailure(
            m_window, QStringLiteral("Abrir"),
            QStringLiteral("No se pueden abrir los datos de %1.").arg(QFileInfo(path).fileName()),
            QString::fromStdString(error.what()));
        return false;
    }
    m_restore(saved);
    // What the screens made of the data: the state a later change is measured against.
    keptIn(path, m_current());
    return true;
}

bool DocumentKeeper::mayEnd(QWidget &from)
{
    return mayLoseChanges(from, QStringLiteral("¿Guardar los cambios antes de salir?"));
}

void DocumentKeeper::noteEdit()
{
    m_window.setWindowModified(hasUnsavedChanges());
}

bool DocumentKeeper::writeTo(const QString &path)
{
    const SavedInputs data = m_current();
    const QString failure = writeSavedFile(path, data);
    if (!failure.isEmpty()) {
        m_dialogs->tellFailure(
            m_window, QStringLiteral("Guardar"),
            QStringLiteral("No se pudieron guardar los datos en %1. Si el archivo ya existía, "
                           "quedó como estaba.")
                .arg(QFileInfo(path).fileName()),
            failure);
        return false;
    }
    keptIn(path, data);
    return true;
}

bool DocumentKeeper::mayLoseChanges(QWidget &from, const QString &question)
{
    if (!hasUnsavedChanges())
        return true;
    switch (m_dialogs->askAboutUnsavedChanges(from, question)) {
    case DocumentDialogs::UnsavedChoice::Save:
        return save();
    case DocumentDialogs::UnsavedChoice::Discard:
        return true;
    case DocumentDialogs::UnsavedChoice::Cancel:
        break;
    }
    return false;
}

void DocumentKeeper::keptIn(const QString &path, const SavedInputs &clean)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_clean = clean;
    RecentFiles::add(m_path);
    emit fileNameChanged(QFileInfo(m_path).fileName());
    noteEdit();
}

} // namespace pagaluz::ui
