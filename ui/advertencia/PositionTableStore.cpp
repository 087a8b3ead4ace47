#include "PositionTableStore.h"

#include "InputText.h"
#include "KeptCopy.h"
#include "PositionTableFile.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace pagaluz::ui {

namespace {

const QString kFileName = QStringLiteral("tabla-de-cargos.json");

// The keys of the stored copy.
const QString kFileKey = QStringLiteral("file");
const QString kLoadedKey = QStringLiteral("loaded");
const QString kTableKey = QStringLiteral("table");

// The setting that remembers the kept copy told and left in place.
const QString kToldKey = QStringLiteral("tablaIlegibleAvisada");

} // namespace

PositionTableStore::PositionTableStore(QString folder)
    : m_folder(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                : std::move(folder))
{
}

QString PositionTableStore::path() const
{
    return QDir(m_folder).filePath(kFileName);
}

QString PositionTableStore::save(const QByteArray &tableText, const QString &fileName,
                                 const QDateTime &loaded) const
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("no se puede crear la carpeta %1").arg(m_folder);
    const QJsonObject copy{
        {kFileKey, fileName},
        {kLoadedKey, loaded.toUTC().toString(Qt::ISODate)},
        {kTableKey, QString::fromUtf8(tableText)},
    };
    const QString problem = writeOwnFile(path(), QJsonDocument(copy).toJson());
    if (problem.isEmpty())
        return {};
    return QStringLiteral("no se pudo escribir %1 (%2)").arg(path(), problem);
}

std::optional<PositionTableStore::Copy> PositionTableStore::load(QString &problem) const
{
    std::optional<Copy> copy = read(problem);
    if (!problem.isEmpty())
        setAsideKeptCopy(path(), kToldKey, problem);
    return copy;
}

std::optional<PositionTableStore::Copy> PositionTableStore::read(QString &problem) const
{
    const std::optional<QByteArray> bytes = readKeptCopy(path(), kLargestDocument, problem);
    if (!bytes)
        return std::nullopt;
    QJsonParseError error{};
    const QJsonObject copy = QJsonDocument::fromJson(*bytes, &error).object();
    const QDateTime loaded = QDateTime::fromString(copy[kLoadedKey].toString(), Qt::ISODate);
    if (error.error != QJsonParseError::NoError || !copy[kFileKey].isString() ||
        !loaded.isValid() || !copy[kTableKey].isString()) {
        problem = QStringLiteral("%1 no es una copia de una tabla de cargos").arg(path());
        return std::nullopt;
    }
    PositionTableFile table = positionTableFromText(copy[kTableKey].toString().toUtf8());
    if (!table.table) {
        problem = table.problem;
        return std::nullopt;
    }
    return Copy{std::move(table.table), copy[kFileKey].toString(), loaded.toLocalTime()};
}

QString PositionTableStore::remove() const
{
    QFile file(path());
    if (file.exists() && !file.remove())
        return QStringLiteral("no se puede borrar %1 (%2)").arg(path(), file.errorString());
    return {};
}

} // namespace pagaluz::ui
