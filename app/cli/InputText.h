#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace pagaluz {

// The bytes of one input: a regular file mapped into memory as it is, or anything else read
// into a string in large pieces.
class InputText {
public:
    explicit InputText(std::string text) : m_read(std::move(text)) {}
    InputText(const void *mapping, std::size_t size) : m_mapping(mapping), m_mappedSize(size) {}
    InputText(InputText &&other) noexcept;
    InputText &operator=(InputText &&) = delete;
    ~InputText();

    std::string_view text() const;

private:
    std::string m_read;
    const void *m_mapping = nullptr;
    std::size_t m_mappedSize = 0;
};

// All of `in`, read in large pieces.
InputText readAll(std::istream &in);

// All of the file at `path`, or nothing when it cannot be opened. A regular file is mapped
// rather than read: its pages come straight from the system's cache, which on this kind of
// machine is several times faster than copying them into memory of our own.
std::optional<InputText> readFile(const std::string &path);

} // namespace pagaluz
