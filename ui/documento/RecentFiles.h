#pragma once

#include <QStringList>

namespace pagaluz::ui {

// The files opened or saved last, kept in the user's settings from one run to the next.
class RecentFiles {
public:
    static constexpr qsizetype kCount = 5;

    // The newest first, those that still exist.
    static QStringList files();
    // `path` becomes the newest; the oldest beyond kCount is forgotten.
    static void add(const QString &path);
};

} // namespace pagaluz::ui
