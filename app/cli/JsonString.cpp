#include "JsonString.h"

#include <array>

namespace pagaluz {

namespace {

[[noreturn]] void refuse(std::size_t offset, JsonFault fault)
{
    throw JsonSyntaxError(offset, fault);
}

// The bytes a string holds as they are and that need no further look: printable ASCII other
// than the quote and the backslash.
constexpr std::array<bool, 256> kPlainAscii = [] {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x80; ++byte)
        plain[static_cast<std::size_t>(byte)] = byte != '"' && byte != '\\';
    return plain;
}();

unsigned byteAt(std::string_view text, std::size_t position)
{
    return position < text.size() ? static_cast<unsigned char>(text[position]) : 0U;
}

bool between(unsigned byte, unsigned lowest, unsigned highest)
{
    return byte >= lowest && byte <= highest;
}

// The length of the UTF-8 sequence of one code point above U+007F at text[position], or 0 when
// the bytes there are no such sequence: a stray continuation byte, an overlong form, an encoded
// surrogate, a code point above U+10FFFF or a sequence cut short.
std::size_t multiByteLength(std::string_view text, std::size_t position)
{
    const unsigned lead = byteAt(text, position);
    const auto continuation = [&](std::size_t index, unsigned lowest = 0x80,
                                  unsigned highest = 0xBF) {
        return between(byteAt(text, position + index), lowest, highest);
    };
    if (between(lead, 0xC2, 0xDF))
        return continuation(1) ? 2 : 0;
    if (between(lead, 0xE0, 0xEF)) {
        const bool second = continuation(1, lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF);
        return second && continuation(2) ? 3 : 0;
    }
    if (between(lead, 0xF0, 0xF4)) {
        const bool second = continuation(1, lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF);
        return second && continuation(2) && continuation(3) ? 4 : 0;
    }
    return 0;
}

// Moves `position` past the bytes that stand for themselves: plain ASCII and valid UTF-8.
// Stops at a quote, a backslash, a control byte or the end of the text.
void skipLiteralBytes(std::string_view text, std::size_t &position)
{
    for (;;) {
        while (position < text.size() && kPlainAscii[static_cast<unsigned char>(text[position])])
            ++position;
        if (byteAt(text, position) < 0x80)
            return;
        const std::size_t length = multiByteLength(text, position);
        if (length == 0)
            refuse(position, JsonFault::InvalidUtf8);
        position += length;
    }
}

// The UTF-16 code unit of the "\uXXXX" at text[position].
char32_t codeUnitAt(std::string_view text, std::size_t position)
{
    char32_t unit = 0;
    for (std::size_t index = position + 2; index < position + 6; ++index) {
        const unsigned byte = byteAt(text, index);
        unsigned digit = 16;
        if (between(byte, '0', '9'))
            digit = byte - '0';
        else if (between(byte | 0x20U, 'a', 'f'))
            digit = (byte | 0x20U) - 'a' + 10;
        if (digit == 16)
            refuse(position, JsonFault::BadUnicodeEscape);
        unit = unit * 16 + digit;
    }
    return unit;
}

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void appendUtf8(char32_t codePoint, std::string &out)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (codePoint < 0x80) {
        out += byte(codePoint);
    } else if (codePoint < 0x800) {
        out += byte(0xC0 | (codePoint >> 6));
        out += byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += byte(0xE0 | (codePoint >> 12));
        out += byte(0x80 | ((codePoint >> 6) & 0x3F));
        out += byte(0x80 | (codePoint & 0x3F));
    } else {
        out += byte(0xF0 | (codePoint >> 18));
        out += byte(0x80 | ((codePoint >> 12) & 0x3F));
        out += byte(0x80 | ((codePoint >> 6) & 0x3F));
        out += byte(0x80 | (codePoint & 0x3F));
    }
}

// "\uXXXX", or a surrogate pair "\uD83D\uDE00", at text[position], as UTF-8.
void appendUnicodeEscape(std::string_view text, std::size_t &position, std::string &out)
{
    const std::size_t start = position;
    const char32_t unit = codeUnitAt(text, start);
    position += 6;
    if (isLowSurrogate(unit))
        refuse(start, JsonFault::LoneSurrogate);
    if (!isHighSurrogate(unit)) {
        appendUtf8(unit, out);
        return;
    }
    if (text.substr(position, 2) != "\\u")
        refuse(start, JsonFault::LoneSurrogate);
    const char32_t low = codeUnitAt(text, position);
    if (!isLowSurrogate(low))
        refuse(start, JsonFault::LoneSurrogate);
    position += 6;
    appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), out);
}

// The character a one-letter escape stands for, or 0 for a letter that is no escape.
char escapedCharacter(char letter)
{
    switch (letter) {
    case '"':
    case '\\':
    case '/':
        return letter;
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return '\0';
    }
}

// The escape whose backslash is at text[position], decoded.
void appendEscape(std::string_view text, std::size_t &position, std::string &out)
{
    if (position + 1 == text.size())
        refuse(position + 1, JsonFault::EndOfText);
    const char letter = text[position + 1];
    if (letter == 'u') {
        appendUnicodeEscape(text, position, out);
        return;
    }
    const char character = escapedCharacter(letter);
    if (character == '\0')
        refuse(position, JsonFault::UnknownEscape);
    out += character;
    position += 2;
}

// The rest of a string that has escapes, from text[position] to its closing quote.
std::string_view decodeRest(std::string_view text, std::size_t &position, std::string &decoded)
{
    for (;;) {
        if (position == text.size())
            refuse(position, JsonFault::EndOfText);
        const char stop = text[position];
        if (stop == '"') {
            ++position;
            return decoded;
        }
        if (stop != '\\')
            refuse(position, JsonFault::ControlCharacter);
        appendEscape(text, position, decoded);
        const std::size_t runStart = position;
        skipLiteralBytes(text, position);
        decoded.append(text, runStart, position - runStart);
    }
}

} // namespace

JsonStringText readJsonString(std::string_view text, std::size_t &position, JsonStorage &storage)
{
    const std::size_t start = ++position;
    skipLiteralBytes(text, position);
    if (position < text.size() && text[position] == '"')
        return {text.substr(start, position++ - start), false};
    std::string &decoded = storage.newDecodedString();
    decoded.assign(text, start, position - start);
    return {decodeRest(text, position, decoded), true};
}

} // namespace pagaluz
