#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

namespace pagaluz::ui {

// A file the program keeps for itself in the user's data folder (the position table or the
// pay scale last loaded), read back at the next start.

// The bytes of the kept copy at `path`, at most `cap`; nothing when there is none, or, with
// `problem` set, when it cannot be read. Only a plain file is read: a link may lead out of
// the folder, a device or a FIFO may never end.
std::optional<QByteArray> readKeptCopy(const QString &path, std::size_t cap, QString &problem);

// A kept copy that cannot be used, set aside under its name with ".ilegible" added, so that
// it is told once. One that cannot be set aside (a folder the user may not write in) is told
// once too: the copy told is remembered under the setting `toldKey`, and `problem` is cleared
// when the same copy was told before.
void setAsideKeptCopy(const QString &path, const QString &toldKey, QString &problem);

// The name a kept copy is set aside under.
QString setAsidePath(const QString &path);

} // namespace pagaluz::ui
