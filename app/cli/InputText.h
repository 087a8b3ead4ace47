#pragma once

#include <istream>
#include <optional>
#include <string>

namespace pagaluz {

// All of `in`, read in large pieces.
std::string readAll(std::istream &in);

// All of the file at `path`: a regular file in one read of its size, anything else (a pipe) in
// large pieces. Nothing when the file cannot be opened.
std::optional<std::string> readFile(const std::string &path);

} // namespace pagaluz
