#include "InputText.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace pagaluz {

namespace {

constexpr std::streamsize kPieceSize = std::streamsize{1} << 20;

// Reads the rest of `in` onto the end of `text`.
void appendRest(std::istream &in, std::string &text)
{
    for (;;) {
        const std::size_t used = text.size();
        text.resize(used + static_cast<std::size_t>(kPieceSize));
        in.read(text.data() + used, kPieceSize);
        const std::streamsize count = in.gcount();
        text.resize(used + static_cast<std::size_t>(count));
        if (count < kPieceSize)
            return;
    }
}

} // namespace

std::string readAll(std::istream &in)
{
    std::string text;
    appendRest(in, text);
    return text;
}

std::optional<std::string> readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string text;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > 0) {
        text.resize(size);
        file.read(text.data(), static_cast<std::streamsize>(size));
        text.resize(static_cast<std::size_t>(file.gcount()));
    }
    // A file that grew since its size was taken, or one that has no size, such as a pipe.
    if (file && file.peek() != std::ifstream::traits_type::eof())
        appendRest(file, text);
    return text;
}

} // namespace pagaluz
