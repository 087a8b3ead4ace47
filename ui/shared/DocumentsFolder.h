#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace pagaluz::ui {

// The folder a file dialog proposes first: the user's documents folder when it exists, else
// the home folder. A dialog told of a folder that does not exist shows another one, and a
// name proposed in it cannot be saved.
inline QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents).exists())
        return documents;
    return QDir::homePath();
}

} // namespace pagaluz::ui
