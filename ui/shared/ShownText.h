#pragma once

#include "PrintableText.h"

#include <QString>

namespace pagaluz::ui {

// `text` as a message box shows it: its control characters escaped (printableText). Message
// boxes show it as plain text, so that a file's text cannot be taken for markup either.
inline QString shownText(const QString &text)
{
    return QString::fromStdString(printableText(text.toStdString()));
}

} // namespace pagaluz::ui
