#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// The scale's header is kept from moc, which cannot read all of C++20's headers.
namespace pagaluz {
struct PayScale;
} // namespace pagaluz

namespace pagaluz::ui {

// The copy of the pay scale file last loaded, kept in the user's data folder so that the
// program starts with it. The copy is the file's text as it was read: itself a scale file.
class ScaleStore {
public:
    // The copy lives in `folder`; by default the program's folder of
    // QStandardPaths::AppDataLocation.
    explicit ScaleStore(QString folder = {});

    QString path() const;

    // Replaces the stored copy with `scaleText`, written beside it and put in its place only
    // once whole, never through a link. Returns an empty text, or why it could not be saved.
    QString save(const QByteArray &scaleText) const;

    // The stored copy's scale, read strictly; null when there is none. A copy that cannot be
    // read is set aside and told once: `problem` says what was wrong with it.
    std::shared_ptr<const PayScale> load(QString &problem) const;

    // Drops the stored copy. Returns an empty text, or why it could not be removed.
    QString remove() const;

private:
    QString m_folder;
};

} // namespace pagaluz::ui
