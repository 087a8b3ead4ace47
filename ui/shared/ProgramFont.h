#pragma once

#include <QFont>

namespace pagaluz::ui {

// The typeface and size the program's screens are laid out in; the
// program's message boxes and dialogs use it too.
inline QFont programFont()
{
    return QFont(QStringLiteral("Liberation Sans"), 8);
}

// The screens' typeface at another size, bold or regular.
inline QFont programFont(qreal pointSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace pagaluz::ui
