#include "WholeFile.h"

#include <QSaveFile>

namespace pagaluz::ui {

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: the count of bytes written is the system's. A disk that fills up takes part
    // of the bytes without an error, and the earlier file must not be replaced by that part.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (const qint64 written = file.write(bytes); written != bytes.size()) {
        const QString reason =
            written < 0 ? file.errorString()
                        : QStringLiteral("solo se escribieron %1 de %2 bytes: el disco puede estar "
                                         "lleno")
                              .arg(written)
                              .arg(bytes.size());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace pagaluz::ui
