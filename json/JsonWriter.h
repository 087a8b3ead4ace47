#pragma once

#include "Money.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace pagaluz {

// Appends compact JSON text to a string: the members of an object in the order they are
// given, texts escaped as JSON requires (the quote, the backslash and control bytes; every
// other byte, UTF-8 included, as it is). The writer takes room at the end of the string as it
// needs it and gives back what it did not use when it is done.
class JsonWriter {
public:
    explicit JsonWriter(std::string &out) : JsonWriter(out, out.size()) {}
    // Writes over `out` from `at` on: the bytes after it are room already made, which saves
    // filling it again when a string is used for one text after another.
    JsonWriter(std::string &out, std::size_t at);
    JsonWriter(const JsonWriter &) = delete;
    JsonWriter &operator=(const JsonWriter &) = delete;
    ~JsonWriter() { finish(); }

    // Gives back the room not used; nothing more may be written.
    void finish();

    void raw(std::string_view text)
    {
        std::memcpy(room(text.size()), text.data(), text.size());
        m_at += text.size();
    }
    void string(std::string_view text)
    {
        // Every byte may become a six-byte escape, and the quotes.
        char *at = room(6 * text.size() + 2);
        *at++ = '"';
        for (const char c : text) {
            if (kNeedsEscape[static_cast<unsigned char>(c)])
                at = writeEscape(c, at);
            else
                *at++ = c;
        }
        *at++ = '"';
        m_at = at;
    }
    void number(long long value);
    // The exact value of an amount as a JSON string: "979.5", "-12.5", "0".
    void exactAmount(Money amount);
    void flag(bool value) { raw(value ? "true" : "false"); }

    void beginObject() { open('{'); }
    // The key of the next member, one of our own names that needs no escape; the value follows.
    JsonWriter &key(std::string_view name)
    {
        char *at = room(name.size() + 4);
        if (!m_first)
            *at++ = ',';
        m_first = false;
        *at++ = '"';
        std::memcpy(at, name.data(), name.size());
        at += name.size();
        *at++ = '"';
        *at++ = ':';
        m_at = at;
        return *this;
    }
    void endObject() { close('}'); }

    void beginArray() { open('['); }
    // Before each element of an array.
    JsonWriter &element()
    {
        if (!m_first)
            raw(",");
        m_first = false;
        return *this;
    }
    void endArray() { close(']'); }

private:
    // The bytes a JSON string cannot hold as they are: the quote, the backslash and control
    // bytes.
    static constexpr std::array<bool, 256> kNeedsEscape = [] {
        std::array<bool, 256> needs{};
        for (std::size_t byte = 0; byte < 0x20; ++byte)
            needs[byte] = true;
        needs['"'] = true;
        needs['\\'] = true;
        return needs;
    }();

    static char *writeEscape(char c, char *at);

    // Where `size` more bytes can be written.
    char *room(std::size_t size)
    {
        if (static_cast<std::size_t>(m_end - m_at) < size)
            grow(size);
        return m_at;
    }
    void grow(std::size_t size);
    void open(char bracket)
    {
        *room(1) = bracket;
        ++m_at;
        m_first = true;
    }
    void close(char bracket)
    {
        *room(1) = bracket;
        ++m_at;
        m_first = false;
    }

    std::string &m_out;
    char *m_at = nullptr;  // where the next byte goes
    char *m_end = nullptr; // the end of the room taken
    bool m_first = true;   // nothing written yet in the innermost object or array
};

} // namespace pagaluz
