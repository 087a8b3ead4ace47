#pragma once

#include <simdjson.h>

#include <cstddef>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace pagaluz {

// A text that is no JSON (RFC 8259): the message says why, in the user's language.
class JsonSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes after a text that the parser may read, though they are no part of it: a text to
// parse lies in memory with at least this many readable bytes after its end.
inline constexpr std::size_t kJsonPadding = simdjson::SIMDJSON_PADDING;

// Parses JSON texts strictly: bytes that are not UTF-8, a lone surrogate escape, a control
// character inside a text, numbers such as 01, 1. or .5 or beyond a double's range, anything
// after the value, and arrays and objects nested more than 256 deep are refused. A byte order
// mark before the value is allowed and skipped. The values stay valid until the next parse.
class JsonParser {
public:
    JsonParser();

    // Parses a copy of `text`. Throws JsonSyntaxError.
    simdjson::dom::element parse(std::string_view text);
    // Parses `text` where it lies: it must be followed in memory by kJsonPadding readable bytes.
    simdjson::dom::element parsePadded(std::string_view text);

private:
    simdjson::dom::element parse(std::string_view text, bool padded);

    simdjson::dom::parser m_parser;
};

// The texts of the elements of the JSON array `text`, in order, each as it is written there, and
// so followed in memory by readable bytes. The array's own brackets and commas, what follows it
// and the UTF-8 of the whole text are checked here, the elements themselves not: each is to be
// parsed on its own. `text` begins with "[" after blanks and a byte order mark, and is followed
// in memory by kJsonPadding readable bytes. Throws JsonSyntaxError.
std::vector<std::string_view> arrayElementTexts(std::string_view text);

} // namespace pagaluz
