#pragma once

#include "SavedInputs.h"

#include <QString>

#include <stdexcept>

namespace pagaluz {
struct PayScale;
} // namespace pagaluz

namespace pagaluz::ui {

// A file that cannot be opened as a teacher's data: the message says why, naming the key at
// fault where there is one.
class UnreadableFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The data kept in the file at `path`. Throws UnreadableFile for a file that cannot be read,
// that is no JSON, that is not ours (no object, an unknown key, a value of the wrong type), of
// a newer version, or with a value the screens cannot hold: a text longer than its box takes,
// or days of absence while "Inasistencias Just" is not ticked (the box that would show them is
// hidden, and they would be deducted unseen).
// The seniority bracket and the zone are read within those of `scale`, the scale in use.
SavedInputs readSavedFile(const QString &path, const PayScale &scale);

// Writes `saved` to `path` through a temporary file beside it, which takes the earlier file's
// place only once it is whole: a full disk or a crash leaves the earlier file as it was.
// Returns why the data could not be written, or an empty text once they are.
QString writeSavedFile(const QString &path, const SavedInputs &saved);

} // namespace pagaluz::ui
