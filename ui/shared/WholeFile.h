#pragma once

#include <QByteArray>
#include <QString>

namespace pagaluz::ui {

// Why nothing may be written at `path`: what stands there (after its links) is a folder, a
// device, a pipe or a socket, which a file put in its place would destroy. Empty when `path`
// is absent or a regular file.
QString notAFileToReplace(const QString &path);

// Writes `bytes` as the file at `path` through a temporary file beside it that replaces the
// earlier file only once every byte is written: a full disk or a crash leaves the earlier file
// whole. A link is followed, and its target replaced whole. Returns an empty text, or why the
// file was not written; nothing is written where notAFileToReplace objects.
QString writeWholeFile(const QString &path, const QByteArray &bytes);

// Writes `bytes` as one of the program's own files at `path`, as writeWholeFile but never
// through a link: a link standing at `path` is itself replaced by the file.
QString writeOwnFile(const QString &path, const QByteArray &bytes);

// The bytes of the plain file at `path`, at most `cap`; nothing, with `problem` set, when it
// cannot be read, is a folder or is larger.
QByteArray readWholeFile(const QString &path, std::size_t cap, QString &problem);

} // namespace pagaluz::ui
