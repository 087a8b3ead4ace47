#include "InputText.h"

#include "JsonDocument.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pagaluz {

namespace {

constexpr std::size_t kPieceSize = std::size_t{1} << 20;

// An open file, closed at the end of its scope.
class Descriptor {
public:
    explicit Descriptor(const std::string &path) : m_value(::open(path.c_str(), O_RDONLY)) {}
    ~Descriptor()
    {
        if (m_value >= 0)
            ::close(m_value);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int value() const { return m_value; }

private:
    int m_value;
};

std::string folderMessage(const std::string &path)
{
    return path + " es una carpeta, no un archivo";
}

// The bytes of the next piece when `read` bytes were read under `cap`: never more than one
// byte past the cap, which tells that the cap was passed.
std::size_t nextPiece(std::size_t read, std::size_t cap)
{
    const std::size_t left = cap - std::min(cap, read);
    return left >= kPieceSize ? kPieceSize : left + 1;
}

// The regular file of `size` bytes open as `descriptor` mapped for reading, followed by
// kJsonPadding readable zeros, or nothing when it cannot be mapped.
std::optional<InputText> mapped(int descriptor, std::size_t size)
{
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

// What `descriptor` gives until its end, at most `cap` bytes; nothing when reading fails.
std::optional<InputText> readDescriptor(int descriptor, const std::string &path, std::size_t cap)
{
    std::string text;
    for (;;) {
        const std::size_t used = text.size();
        const std::size_t piece = nextPiece(used, cap);
        text.reserve(used + piece + kJsonPadding);
        text.resize(used + piece);
        const ssize_t count = ::read(descriptor, text.data() + used, piece);
        text.resize(used + static_cast<std::size_t>(std::max<ssize_t>(count, 0)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (text.size() > cap)
            throw RefusedDocument(tooLargeMessage(path, cap));
        if (count == 0)
            return InputText(std::move(text));
    }
}

} // namespace

std::string tooLargeMessage(const std::string &name, std::size_t cap)
{
    const std::string bytes = std::to_string(cap) + " bytes";
    const std::string size = cap % (std::size_t{1} << 20) == 0
                                 ? std::to_string(cap >> 20) + " MiB (" + bytes + ")"
                                 : bytes;
    return name + " pasa de " + size + ", lo más que se lee de un documento de este tipo";
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

InputText readAll(std::istream &in, std::string start, std::size_t cap)
{
    start.reserve(start.size() + kJsonPadding);
    while (start.size() <= cap && appendPiece(in, start, nextPiece(start.size(), cap))) {
    }
    if (start.size() > cap)
        throw RefusedDocument(tooLargeMessage("la entrada estándar", cap));
    return InputText(std::move(start));
}

std::optional<InputText> readFile(const std::string &path, std::size_t cap)
{
    const Descriptor descriptor(path);
    struct stat status {};
    if (descriptor.value() < 0 || ::fstat(descriptor.value(), &status) != 0)
        return std::nullopt;
    if (S_ISDIR(status.st_mode))
        throw RefusedDocument(folderMessage(path));
    // A regular file tells its size; a device, a pipe or a file of the system's tells 0.
    const auto size = static_cast<std::size_t>(std::max<off_t>(status.st_size, 0));
    if (S_ISREG(status.st_mode) && size > cap)
        throw RefusedDocument(tooLargeMessage(path, cap));
    if (S_ISREG(status.st_mode) && size > 0) {
        if (std::optional<InputText> text = mapped(descriptor.value(), size))
            return text;
    }
    return readDescriptor(descriptor.value(), path, cap);
}

std::optional<InputText> readFileOrStream(const std::string &path, std::istream &in,
                                          std::size_t cap)
{
    if (path == "-")
        return readAll(in, {}, cap);
    return readFile(path, cap);
}

void refuseFolder(const std::string &path)
{
    struct stat status {};
    if (path != "-" && ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode))
        throw RefusedDocument(folderMessage(path));
}

} // namespace pagaluz
