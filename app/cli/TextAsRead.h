#pragma once

#include "JsonValue.h"

#include <string_view>

namespace pagaluz {

// The text of a JSON string as the calculator has always read the texts and keys of an input:
// one byte order mark (U+FEFF) at its start is dropped when the string was written without
// escapes, as the UTF-8 decoder of its first reader did; "\uFEFF" written as an escape stays.
inline std::string_view textAsRead(JsonValue string)
{
    std::string_view text = string.text();
    if (!string.escaped() && text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return text;
}

} // namespace pagaluz
