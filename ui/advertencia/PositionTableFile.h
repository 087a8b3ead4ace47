#pragma once

#include "PositionCatalogue.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace pagaluz::ui {

// A position table file as the screens read it: its table, or why it is refused.
struct PositionTableFile {
    std::shared_ptr<const PositionCatalogue> table; // null when the file is refused
    QByteArray text;                                // the file's bytes, to keep a copy of
    QString problem; // why it is refused: the line, the column and the fault, or why it
                     // cannot be read
};

// The built-in table, shared without being owned.
inline std::shared_ptr<const PositionCatalogue> sharedBuiltInTable()
{
    return {std::shared_ptr<const PositionCatalogue>(), &PositionCatalogue::builtIn()};
}

// Reads the table file at `path` strictly (PositionCatalogue::fromCsv), at most
// kLargestPositionTable bytes of it.
PositionTableFile readPositionTableFile(const QString &path);

// The table of a table file's text, or why it is refused.
PositionTableFile positionTableFromText(QByteArray text);

} // namespace pagaluz::ui
