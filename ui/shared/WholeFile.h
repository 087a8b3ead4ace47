#pragma once

#include <QByteArray>
#include <QString>

namespace pagaluz::ui {

// Writes `bytes` as the file at `path` through a temporary file beside it that replaces the
// earlier file only once every byte is written: a full disk or a crash leaves the earlier file
// whole. Returns an empty text, or why the file was not written.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace pagaluz::ui
