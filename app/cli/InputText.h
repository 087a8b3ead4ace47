#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pagaluz {

// The bytes of one input: a regular file mapped into memory as it is, or anything else read
// into a string in large pieces. Either way at least kJsonPadding readable bytes follow the
// text in memory, so that it can be parsed where it lies.
class InputText {
public:
    explicit InputText(std::string text) : m_read(std::move(text)), m_text(m_read) {}
    InputText(std::shared_ptr<const char> mapping, std::size_t size)
        : m_mapping(std::move(mapping)), m_text(m_mapping.get(), size)
    {
    }
    InputText(InputText &&other) noexcept
        : m_read(std::move(other.m_read)), m_mapping(std::move(other.m_mapping)),
          m_text(m_mapping ? other.m_text : std::string_view(m_read))
    {
    }
    InputText &operator=(InputText &&) = delete;

    std::string_view text() const { return m_text; }

private:
    std::string m_read;
    std::shared_ptr<const char> m_mapping;
    std::string_view m_text;
};

// All of `in`, read in large pieces, after `start`.
InputText readAll(std::istream &in, std::string start = {});

// All of the file at `path`, or nothing when it cannot be opened. A regular file is mapped
// rather than read: its pages come straight from the system's cache, which on this kind of
// machine is several times faster than copying them into memory of our own.
std::optional<InputText> readFile(const std::string &path);

// The file at `path`, or all of `in` when `path` is "-"; nothing when the file cannot be opened.
std::optional<InputText> readFileOrStream(const std::string &path, std::istream &in);

// Reads at most `count` more bytes of `in` onto the end of `text`, keeping kJsonPadding bytes
// of room after it; false when `in` had nothing more.
bool appendPiece(std::istream &in, std::string &text, std::size_t count);

} // namespace pagaluz
