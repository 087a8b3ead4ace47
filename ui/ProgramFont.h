#pragma once

#include <QFont>

namespace pagaluz::ui {

// The typeface and size the program's screens are laid out in; the
// program's message boxes and dialogs use it too.
inline QFont programFont()
{
    return QFont(QStringLiteral("Liberation Sans"), 8);
}

} // namespace pagaluz::ui
