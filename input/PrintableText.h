#pragma once

#include <string>
#include <string_view>

namespace pagaluz {

// `text` (UTF-8) as a message may show it: every control character but the line break
// written as \uXXXX (an escape sequence, a bare carriage return, a NUL, the C1 controls, the
// line and paragraph separators), and every byte that is no UTF-8 as \xNN. A file's bytes
// quoted in a message cannot then set a terminal's title, clear its screen or cut the message
// short.
std::string printableText(std::string_view text);

} // namespace pagaluz
