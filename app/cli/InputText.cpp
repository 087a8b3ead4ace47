#include "InputText.h"

#include "JsonDocument.h"

#include <fstream>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pagaluz {

namespace {

constexpr std::size_t kPieceSize = std::size_t{1} << 20;

// Closes the file when it goes out of scope.
class OpenFile {
public:
    explicit OpenFile(const std::string &path) : m_descriptor(::open(path.c_str(), O_RDONLY)) {}
    OpenFile(const OpenFile &) = delete;
    OpenFile &operator=(const OpenFile &) = delete;
    ~OpenFile()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }

    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

// The file mapped for reading, or nothing when it is no regular file with bytes in it, or
// cannot be mapped.
std::optional<InputText> mapped(const OpenFile &file)
{
    struct stat status {};
    if (::fstat(file.descriptor(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0)
        return std::nullopt;
    const auto size = static_cast<std::size_t>(status.st_size);
    // Room for the file and the padding, readable zeros; then the file mapped over its start.
    // Past the file's last page, the zeros of the room stay.
    const std::size_t mappedSize = size + kJsonPadding;
    void *room = ::mmap(nullptr, mappedSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (room == MAP_FAILED)
        return std::nullopt;
    void *mapping =
        ::mmap(room, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE | MAP_FIXED, file.descriptor(), 0);
    if (mapping == MAP_FAILED) {
        ::munmap(room, mappedSize);
        return std::nullopt;
    }
    return InputText(mapping, size, mappedSize);
}

} // namespace

InputText::InputText(InputText &&other) noexcept
    : m_read(std::move(other.m_read)), m_mapping(std::exchange(other.m_mapping, nullptr)),
      m_size(std::exchange(other.m_size, 0)), m_mappedSize(std::exchange(other.m_mappedSize, 0))
{
}

InputText::~InputText()
{
    if (m_mapping != nullptr)
        ::munmap(const_cast<void *>(m_mapping), m_mappedSize);
}

std::string_view InputText::text() const
{
    if (m_mapping != nullptr)
        return {static_cast<const char *>(m_mapping), m_size};
    return m_read;
}

bool appendPiece(std::istream &in, std::string &text, std::size_t count)
{
    const std::size_t used = text.size();
    text.reserve(used + count + kJsonPadding);
    text.resize(used + count);
    in.read(text.data() + used, static_cast<std::streamsize>(count));
    text.resize(used + static_cast<std::size_t>(in.gcount()));
    return in.gcount() > 0;
}

void appendRest(std::istream &in, std::string &text)
{
    while (appendPiece(in, text, kPieceSize)) {
    }
}

InputText readAll(std::istream &in, std::string start)
{
    start.reserve(start.size() + kJsonPadding);
    appendRest(in, start);
    return InputText(std::move(start));
}

std::optional<InputText> readFile(const std::string &path)
{
    const OpenFile file(path);
    if (file.descriptor() < 0)
        return std::nullopt;
    if (std::optional<InputText> text = mapped(file))
        return text;
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return std::nullopt;
    return readAll(stream);
}

} // namespace pagaluz
