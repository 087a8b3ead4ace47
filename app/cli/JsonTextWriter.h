#pragma once

#include "Money.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace pagaluz {

// JSON text is made in two passes over the same calls: a JsonSizeBound adds up the most bytes
// each piece can take, then a JsonTextWriter writes the pieces into that much room, unchecked.
// Making both from one function keeps the room and the text in step.

// The most bytes the pieces can take.
class JsonSizeBound {
public:
    void raw(std::string_view text) { m_size += text.size(); }
    // Every byte may become a six-byte escape, and the quotes.
    void string(std::string_view text) { m_size += 6 * text.size() + 2; }
    void number(long long) { m_size += 20; }
    void exactAmount(Money);

    std::size_t size() const { return m_size; }

private:
    std::size_t m_size = 0;
};

// The bytes a JSON string cannot hold as they are: the quote, the backslash and control bytes.
inline constexpr std::array<bool, 256> kNeedsEscape = [] {
    std::array<bool, 256> needs{};
    for (std::size_t byte = 0; byte < 0x20; ++byte)
        needs[byte] = true;
    needs['"'] = true;
    needs['\\'] = true;
    return needs;
}();

// Writes the pieces at a position in room sized by a JsonSizeBound of the same calls.
class JsonTextWriter {
public:
    explicit JsonTextWriter(char *at) : m_at(at) {}

    void raw(std::string_view text)
    {
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
    }
    // A JSON string: quoted, with the quote, the backslash and control bytes escaped; the runs of
    // bytes that need no escape are copied whole.
    void string(std::string_view text)
    {
        *m_at++ = '"';
        std::size_t runStart = 0;
        for (std::size_t index = 0; index < text.size(); ++index) {
            if (!kNeedsEscape[static_cast<unsigned char>(text[index])])
                continue;
            raw(text.substr(runStart, index - runStart));
            escape(text[index]);
            runStart = index + 1;
        }
        raw(text.substr(runStart));
        *m_at++ = '"';
    }
    void number(long long value);
    // The exact value of an amount as a JSON string: "979.5", "-12.5", "0".
    void exactAmount(Money amount);

    char *at() const { return m_at; }

private:
    void escape(char c);

    char *m_at;
};

// Writes the members of one JSON object, in the order they are given, to a JsonSizeBound or a
// JsonTextWriter.
template <typename Sink> class JsonObjectWriter {
public:
    explicit JsonObjectWriter(Sink &sink) : m_sink(sink) { m_sink.raw("{"); }

    // Writes the key, one of our own names that needs no escape; the caller writes the value.
    Sink &member(std::string_view key)
    {
        m_sink.raw(m_empty ? "\"" : ",\"");
        m_empty = false;
        m_sink.raw(key);
        m_sink.raw("\":");
        return m_sink;
    }
    void text(std::string_view key, std::string_view value) { member(key).string(value); }
    void number(std::string_view key, long long value) { member(key).number(value); }
    void exactAmount(std::string_view key, Money value) { member(key).exactAmount(value); }
    void flag(std::string_view key, bool value) { member(key).raw(value ? "true" : "false"); }
    void close() { m_sink.raw("}"); }

private:
    Sink &m_sink;
    bool m_empty = true;
};

// Appends to `out` what write(sink) writes: write is called once with a JsonSizeBound and once
// with a JsonTextWriter.
template <typename Write> void appendJsonText(std::string &out, Write write)
{
    JsonSizeBound bound;
    write(bound);
    const std::size_t start = out.size();
    out.resize(start + bound.size());
    JsonTextWriter writer(out.data() + start);
    write(writer);
    out.resize(static_cast<std::size_t>(writer.at() - out.data()));
}

} // namespace pagaluz
