#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pagaluz {

// The table file of "--positions-file FILE" (or "--positions-file=FILE") among the program's
// arguments, if one is given.
inline std::optional<QString> positionsFileOption(const QStringList &arguments)
{
    const QString option = QStringLiteral("--positions-file");
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (argument == option && index + 1 < arguments.size())
            return arguments[index + 1];
        if (argument.startsWith(option + QLatin1Char('=')))
            return argument.mid(option.size() + 1);
    }
    return std::nullopt;
}

} // namespace pagaluz
