#include "ScaleStore.h"

#include "InputText.h"
#include "KeptCopy.h"
#include "PayScale.h"
#include "ScaleFile.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace pagaluz::ui {

namespace {

const QString kFileName = QStringLiteral("escala.toml");

// The setting that remembers the kept copy told and left in place.
const QString kToldKey = QStringLiteral("escalaIlegibleAvisada");

} // namespace

ScaleStore::ScaleStore(QString folder)
    : m_folder(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                : std::move(folder))
{
}

QString ScaleStore::path() const
{
    return QDir(m_folder).filePath(kFileName);
}

QString ScaleStore::save(const QByteArray &scaleText) const
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("no se puede crear la carpeta %1").arg(m_folder);
    const QString problem = writeOwnFile(path(), scaleText);
    if (problem.isEmpty())
        return {};
    return QStringLiteral("no se pudo escribir %1 (%2)").arg(path(), problem);
}

std::shared_ptr<const PayScale> ScaleStore::load(QString &problem) const
{
    const std::optional<QByteArray> bytes = readKeptCopy(path(), kLargestScaleFile, problem);
    std::shared_ptr<const PayScale> scale;
    if (bytes) {
        ScaleFile read = scaleFromText(*bytes);
        scale = std::move(read.scale);
        problem = read.problem;
    }
    if (!problem.isEmpty())
        setAsideKeptCopy(path(), kToldKey, problem);
    return scale;
}

QString ScaleStore::remove() const
{
    // A link standing there is removed itself, also when it leads nowhere.
    const QFileInfo info(path());
    QFile file(path());
    if ((info.exists() || info.isSymLink()) && !file.remove())
        return QStringLiteral("no se puede borrar %1 (%2)").arg(path(), file.errorString());
    return {};
}

} // namespace pagaluz::ui
