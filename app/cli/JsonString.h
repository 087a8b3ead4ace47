#pragma once

#include "JsonReader.h"

#include <cstddef>
#include <string_view>

namespace pagaluz {

// A string's UTF-8 text: a view into the JSON text when it has no escapes, else into the string
// it was decoded into.
struct JsonStringText {
    std::string_view text;
    bool escaped = false;
};

// Reads the JSON string whose opening quote is at text[position] and moves `position` past its
// closing quote; a string with escapes is decoded into `storage`. Refuses bytes below 0x20, unknown
// escapes, "\u" without four hexadecimal digits, surrogates without their pair and bytes that are
// not UTF-8. Throws JsonSyntaxError.
JsonStringText readJsonString(std::string_view text, std::size_t &position, JsonStorage &storage);

} // namespace pagaluz
