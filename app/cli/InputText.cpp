#include "InputText.h"

#include "JsonDocument.h"

#include <fstream>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pagaluz {

namespace {

constexpr std::size_t kPieceSize = std::size_t{1} << 20;

// The regular file open as `descriptor` mapped for reading, followed by kJsonPadding readable
// zeros, or nothing when it is no regular file with bytes in it or cannot be mapped.
std::optional<InputText> mapped(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0)
        return std::nullopt;
    const auto size = static_cast<std::size_t>(status.st_size);
    // Room for the file and the padding, readable zeros; then the file mapped over its start.
    // Past the file's last page, the zeros of the room stay.
    const std::size_t roomSize = size + kJsonPadding;
    void *room = ::mmap(nullptr, roomSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (room == MAP_FAILED)
        return std::nullopt;
    std::shared_ptr<const char> mapping(
        static_cast<const char *>(room),
        [roomSize](const char *at) { ::munmap(const_cast<char *>(at), roomSize); });
    if (::mmap(room, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE | MAP_FIXED, descriptor, 0) ==
        MAP_FAILED)
        return std::nullopt;
    return InputText(std::move(mapping), size);
}

} // namespace

bool appendPiece(std::istream &in, std::string &text, std::size_t count)
{
    const std::size_t used = text.size();
    text.reserve(used + count + kJsonPadding);
    text.resize(used + count);
    in.read(text.data() + used, static_cast<std::streamsize>(count));
    text.resize(used + static_cast<std::size_t>(in.gcount()));
    return in.gcount() > 0;
}

InputText readAll(std::istream &in, std::string start)
{
    start.reserve(start.size() + kJsonPadding);
    while (appendPiece(in, start, kPieceSize)) {
    }
    return InputText(std::move(start));
}

std::optional<InputText> readFile(const std::string &path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY);
    if (descriptor < 0)
        return std::nullopt;
    std::optional<InputText> text = mapped(descriptor);
    if (!text) {
        // Opened again as a stream before the descriptor is closed: a pipe's writer always has
        // a reader.
        std::ifstream stream(path, std::ios::binary);
        if (stream)
            text.emplace(readAll(stream));
    }
    ::close(descriptor);
    return text;
}

std::optional<InputText> readFileOrStream(const std::string &path, std::istream &in)
{
    if (path == "-")
        return readAll(in);
    return readFile(path);
}

} // namespace pagaluz
