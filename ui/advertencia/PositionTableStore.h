#pragma once

#include "PositionCatalogue.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

namespace pagaluz::ui {

// The copy of the table last loaded with "Cargar tabla…", kept in the user's data folder so
// that the program starts with it. One file holds the table's text as it was read, the name of
// the file it came from and when it was loaded, so that a copy is replaced whole or not at all.
class PositionTableStore {
public:
    struct Copy {
        std::shared_ptr<const PositionCatalogue> table;
        QString fileName; // of the file the table was loaded from, without its folder
        QDateTime loaded;
    };

    // The copy lives in `folder`; by default the program's folder of
    // QStandardPaths::AppDataLocation.
    explicit PositionTableStore(QString folder = {});

    QString path() const;

    // Replaces the stored copy with `tableText`. The new copy is written beside the old one
    // and takes its place only once it is whole, so a crash or a full disk leaves the old one
    // as it was. Returns an empty text, or why the copy could not be saved.
    QString save(const QByteArray &tableText, const QString &fileName,
                 const QDateTime &loaded) const;

    // The stored copy, read strictly; nothing when there is none. A copy that cannot be read
    // is set aside (under its name with ".ilegible" added), so that it is reported once, and
    // `problem` says what was wrong with it.
    std::optional<Copy> load(QString &problem) const;

    // Drops the stored copy. Returns an empty text, or why it could not be removed.
    QString remove() const;

private:
    std::optional<Copy> read(QString &problem) const;

    QString m_folder;
};

} // namespace pagaluz::ui
