#include "KeptCopy.h"

#include "WholeFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>

namespace pagaluz::ui {

namespace {

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

QString setAsidePath(const QString &path)
{
    return path + QStringLiteral(".ilegible");
}

std::optional<QByteArray> readKeptCopy(const QString &path, std::size_t cap, QString &problem)
{
    problem.clear();
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return std::nullopt;
    if (file.isSymLink() || !file.isFile()) {
        problem = QStringLiteral("%1 no es un archivo común").arg(path);
        return std::nullopt;
    }
    QByteArray bytes = readWholeFile(path, cap, problem);
    if (!problem.isEmpty()) {
        problem = QStringLiteral("no se puede leer %1 (%2)").arg(path, problem);
        return std::nullopt;
    }
    return bytes;
}

void setAsideKeptCopy(const QString &path, const QString &toldKey, QString &problem)
{
    const QString aside = setAsidePath(path);
    QFile::remove(aside);
    // Renamed by the system, never copied: a FIFO or a link is moved as it is.
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0)
        return;
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pagaluz"),
                       QStringLiteral("Pagaluz"));
    const QString mark = markOf(path);
    if (settings.value(toldKey).toString() == mark)
        problem.clear();
    else
        settings.setValue(toldKey, mark);
}

} // namespace pagaluz::ui
