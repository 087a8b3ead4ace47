#pragma once

#include "JsonValue.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// Arrays and objects nested deeper than this are refused rather than read, so that a hostile
// input cannot exhaust the stack.
inline constexpr int kJsonMaxDepth = 256;

// Why a text is not JSON (RFC 8259).
enum class JsonFault : std::uint8_t {
    EndOfText,                // the text ends inside a value, or holds no value at all
    ExpectedValue,            // a byte that starts no value
    ExpectedKey,              // an object member that does not start with a string
    ExpectedColon,            // a key not followed by ":"
    ExpectedCommaOrObjectEnd, // a member not followed by "," or "}"
    ExpectedCommaOrArrayEnd,  // an element not followed by "," or "]"
    TrailingComma,            // "," right before "}" or "]"
    MissingDigit,             // "-", "1.", ".5", "1e+": a number part without its digits
    LeadingZero,              // "01"
    ControlCharacter,         // a byte below 0x20 written as it is inside a string
    UnknownEscape,            // "\x"
    BadUnicodeEscape,         // "\u" without four hexadecimal digits
    LoneSurrogate,            // "\uD800" not followed by a low surrogate, or a lone "\uDC00"
    InvalidUtf8,              // bytes in a string that are not UTF-8
    TooDeep,                  // more than kJsonMaxDepth arrays and objects inside each other
    TrailingText,             // more than whitespace after the value
};

// What is wrong, in Spanish, for the calculator's messages.
std::string_view jsonFaultMessage(JsonFault fault);

// A text that is not one JSON value: why, and where reading stopped, in bytes from the start.
class JsonSyntaxError : public std::runtime_error {
public:
    JsonSyntaxError(std::size_t offset, JsonFault fault);

    std::size_t offset() const { return m_offset; }
    JsonFault fault() const { return m_fault; }

private:
    std::size_t m_offset;
    JsonFault m_fault;
};

// The values of one read, kept until the next read into the same storage. A string without
// escapes is a view into the text; one with escapes is decoded into a string of its own, which
// stays where it is while more are added.
class JsonStorage {
public:
    void clear();
    std::string &newDecodedString();

    std::vector<JsonNode> nodes;

private:
    std::deque<std::string> m_decoded;
    std::size_t m_decodedInUse = 0;
};

// Reads a whole JSON text.
class JsonReader {
public:
    // The one value of `text`, with only whitespace around it; a UTF-8 byte order mark at the
    // very start is skipped. The value views `text` and stays valid until the next read.
    // Throws JsonSyntaxError.
    JsonValue read(std::string_view text);

private:
    JsonStorage m_storage;
};

// Whether the value of a JSON text opens with "[": the text may still be malformed further on.
bool startsAsArray(std::string_view text);

// Reads the elements of a JSON text that is an array one at a time, so that a long array is
// never held whole.
class JsonArrayReader {
public:
    // Precondition: startsAsArray(text). `text` must outlive the reader.
    explicit JsonArrayReader(std::string_view text);

    // Where a reader stands between two elements.
    struct Mark {
        std::size_t position = 0;
        bool first = true;
    };
    // A reader that goes on from where `mark` was taken on the same text, so that a long
    // array can be read in chunks, each by a reader of its own.
    JsonArrayReader(std::string_view text, Mark mark);

    // The next element, valid until the next call; after the last one, nothing, once the rest
    // of the text is checked to be whitespace. Throws JsonSyntaxError.
    std::optional<JsonValue> next();

    Mark mark() const { return {m_position, m_first}; }

private:
    bool atEnd();

    std::string_view m_text;
    std::size_t m_position = 0;
    bool m_first = true;
    bool m_finished = false;
    JsonStorage m_storage;
};

} // namespace pagaluz
