#include "PositionTableStore.h"

#include "InputText.h"
#include "PositionTableFile.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

namespace pagaluz::ui {

namespace {

const QString kFileName = QStringLiteral("tabla-de-cargos.json");
const QString kSetAsideSuffix = QStringLiteral(".ilegible");

// The keys of the stored copy.
const QString kFileKey = QStringLiteral("file");
const QString kLoadedKey = QStringLiteral("loaded");
const QString kTableKey = QStringLiteral("table");

// The setting that remembers the kept copy told and left in place.
const QString kToldKey = QStringLiteral("tablaIlegibleAvisada");

// What tells one copy from another: where a link leads, its size and its time of change.
QString markOf(const QString &path)
{
    const QFileInfo file(path);
    return QStringLiteral("%1|%2|%3")
        .arg(file.symLinkTarget())
        .arg(file.size())
        .arg(file.lastModified().toMSecsSinceEpoch());
}

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
    problem.clear();
    std::optional<Copy> copy = read(problem);
    if (problem.isEmpty())
        return copy;
    const QString aside = path() + kSetAsideSuffix;
    QFile::remove(aside);
    // Renamed by the system, never copied: a FIFO or a link is moved as it is.
    if (std::rename(QFile::encodeName(path()).constData(), QFile::encodeName(aside).constData()) ==
        0)
        return copy;
    // A copy that cannot be set aside (a folder the user may not write in) is told once too:
    // the copy told is remembered, and the same copy is not told again.
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pagaluz"),
                       QStringLiteral("Pagaluz"));
    const QString mark = markOf(path());
    if (settings.value(kToldKey).toString() == mark)
        problem.clear();
    else
        settings.setValue(kToldKey, mark);
    return copy;
}

std::optional<PositionTableStore::Copy> PositionTableStore::read(QString &problem) const
{
    const QFileInfo file(path());
    if (!file.exists() && !file.isSymLink())
        return std::nullopt;
    // Only a plain file is read: a link may lead out of the folder, a device or a pipe may
    // never end.
    if (file.isSymLink() || !file.isFile()) {
        problem = QStringLiteral("%1 no es un archivo común").arg(path());
        return std::nullopt;
    }
    const QByteArray bytes = readWholeFile(path(), kLargestDocument, problem);
    if (!problem.isEmpty()) {
        problem = QStringLiteral("no se puede leer %1 (%2)").arg(path(), problem);
        return std::nullopt;
    }
    QJsonParseError error{};
    const QJsonObject copy = QJsonDocument::fromJson(bytes, &error).object();
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
