#include "Describe.h"

#include <cstdio>

namespace pagaluz::fuzz {

std::string quotedBytes(std::string_view text)
{
    std::string quoted = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            quoted += c;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(byte));
        quoted += escaped;
    }
    return quoted + "\"";
}

std::string describeConventions(const DecimalConventions &conv)
{
    return "decimal " + quotedBytes(conv.decimalSeparator) + " group " +
           quotedBytes(conv.groupSeparator);
}

} // namespace pagaluz::fuzz
