#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace pagaluz::ui {

namespace {

const QString kKey = QStringLiteral("recentFiles");

// ~/.config/Pagaluz/Pagaluz.conf, whatever the program's name.
QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pagaluz"),
                     QStringLiteral("Pagaluz"));
}

} // namespace

QStringList RecentFiles::files()
{
    QStringList existing = userSettings().value(kKey).toStringList();
    existing.removeIf([](const QString &path) { return !QFileInfo::exists(path); });
    return existing;
}

void RecentFiles::add(const QString &path)
{
    QSettings settings = userSettings();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = settings.value(kKey).toStringList();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    if (paths.size() > kCount)
        paths.resize(kCount);
    settings.setValue(kKey, paths);
}

} // namespace pagaluz::ui
