#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace pagaluz {

// The bytes of one input: a regular file mapped into memory as it is, or anything else read
// into a string in large pieces. Either way at least kJsonPadding readable bytes follow the
// text in memory, so that it can be parsed where it lies.
class InputText {
public:
    explicit InputText(std::string text) : m_read(std::move(text)) {}
    InputText(const void *mapping, std::size_t size, std::size_t mappedSize)
        : m_mapping(mapping), m_size(size), m_mappedSize(mappedSize)
    {
    }
    InputText(InputText &&other) noexcept;
    InputText &operator=(InputText &&) = delete;
    ~InputText();

    std::string_view text() const;

private:
    std::string m_read;
    const void *m_mapping = nullptr;
    std::size_t m_size = 0;       // of the file
    std::size_t m_mappedSize = 0; // of the file and the readable room after it
};

// All of `in`, read in large pieces, after `start`.
InputText readAll(std::istream &in, std::string start = {});

// Reads the rest of `in` onto the end of `text`, keeping kJsonPadding bytes of room after it.
void appendRest(std::istream &in, std::string &text);

// Reads at most `count` more bytes of `in` onto the end of `text`, keeping kJsonPadding bytes
// of room after it; false when `in` had nothing more.
bool appendPiece(std::istream &in, std::string &text, std::size_t count);

// All of the file at `path`, or nothing when it cannot be opened. A regular file is mapped
// rather than read: its pages come straight from the system's cache, which on this kind of
// machine is several times faster than copying them into memory of our own.
std::optional<InputText> readFile(const std::string &path);

} // namespace pagaluz
