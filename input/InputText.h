#pragma once

#include <istream>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>
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

// The most bytes read of a single document (the inputs of one payslip, a saved file, a
// school's payslip, a kept copy): far more than any teacher's data. A device or a pipe tells
// no size, so the cap is counted as the bytes come.
inline constexpr std::size_t kLargestDocument = std::size_t{16} << 20;
// The most bytes read of a position table: far more than 2000 rows of the longest names.
inline constexpr std::size_t kLargestPositionTable = std::size_t{4} << 20;
// No cap: a batch, as many documents as it brings.
inline constexpr std::size_t kNoCap = std::numeric_limits<std::size_t>::max();

// A document refused before it is read: a folder, or more bytes than its cap. The message
// names the file.
class RefusedDocument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message for a document with more than `cap` bytes.
std::string tooLargeMessage(const std::string &name, std::size_t cap);

// All of `in`, read in large pieces, after `start`. Throws RefusedDocument when it has more
// than `cap` bytes, which are not read.
InputText readAll(std::istream &in, std::string start = {}, std::size_t cap = kNoCap);

// All of the file at `path`, or nothing when it cannot be opened. A regular file is mapped
// rather than read: its pages come straight from the system's cache, which on this kind of
// machine is several times faster than copying them into memory of our own. Whatever the
// kind of file, at most `cap` + 1 bytes are read: throws RefusedDocument for a folder and for
// a file larger than `cap`.
std::optional<InputText> readFile(const std::string &path, std::size_t cap = kLargestDocument);

// The file at `path`, or all of `in` when `path` is "-"; nothing when the file cannot be
// opened. Capped as readFile.
std::optional<InputText> readFileOrStream(const std::string &path, std::istream &in,
                                          std::size_t cap = kLargestDocument);

// Throws RefusedDocument when `path` is a folder.
void refuseFolder(const std::string &path);

// Reads at most `count` more bytes of `in` onto the end of `text`, keeping kJsonPadding bytes
// of room after it; false when `in` had nothing more.
bool appendPiece(std::istream &in, std::string &text, std::size_t count);

} // namespace pagaluz
