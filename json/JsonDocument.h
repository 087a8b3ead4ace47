#pragma once

#include <simdjson.h>

#include <cstddef>
#include <stdexcept>
#include <string_view>

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
    void makeRoomFor(std::size_t size);

    simdjson::dom::parser m_parser;
};

} // namespace pagaluz
