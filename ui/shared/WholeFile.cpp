#include "WholeFile.h"

#include "InputText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

namespace pagaluz::ui {

namespace {

// Writes all of `bytes` to the open `file`: an empty text, or why not.
QString writeAll(QFileDevice &file, const QByteArray &bytes)
{
    const qint64 written = file.write(bytes);
    if (written == bytes.size())
        return {};
    return written < 0 ? file.errorString()
                       : QStringLiteral("solo se escribieron %1 de %2 bytes: el disco puede estar "
                                        "lleno")
                             .arg(written)
                             .arg(bytes.size());
}

} // namespace

QString notAFileToReplace(const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists() || target.isFile())
        return {};
    return target.isDir() ? QStringLiteral("%1 es una carpeta").arg(path)
                          : QStringLiteral("%1 no es un archivo común (es un dispositivo, una "
                                           "tubería o un socket): no se reemplaza")
                                .arg(path);
}

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    if (QString refused = notAFileToReplace(path); !refused.isEmpty())
        return refused;
    QSaveFile file(path);
    // Unbuffered: the count of bytes written is the system's. A disk that fills up takes part
    // of the bytes without an error, and the earlier file must not be replaced by that part.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (QString reason = writeAll(file, bytes); !reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeOwnFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX"));
    if (!file.open())
        return file.errorString();
    if (QString reason = writeAll(file, bytes); !reason.isEmpty())
        return reason;
    if (!file.flush())
        return file.errorString();
    // Renamed over `path` by the system: a link there is replaced, never followed.
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return QStringLiteral("no se puede poner el archivo en su lugar");
    file.setAutoRemove(false);
    return {};
}

QByteArray readWholeFile(const QString &path, std::size_t cap, QString &problem)
{
    problem.clear();
    try {
        const std::optional<InputText> text = readFile(QFile::encodeName(path).toStdString(), cap);
        if (text)
            return QByteArray(text->text().data(), qsizetype(text->text().size()));
    } catch (const RefusedDocument &refused) {
        problem = QString::fromUtf8(refused.what());
        return {};
    }
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    problem = file.errorString();
    return {};
}

} // namespace pagaluz::ui
