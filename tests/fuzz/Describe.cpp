#include "Describe.h"

#include <cstdio>

namespace pagaluz::fuzz {

namespace {

constexpr std::size_t kHeadShown = 60;
constexpr std::size_t kTailShown = 30;

std::string escaped(std::string_view text)
{
    std::string quoted;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            quoted += c;
            continue;
        }
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned>(byte));
        quoted += hex;
    }
    return quoted;
}

} // namespace

std::string quotedBytes(std::string_view text)
{
    if (text.size() <= kHeadShown + kTailShown)
        return "\"" + escaped(text) + "\"";
    return "\"" + escaped(text.substr(0, kHeadShown)) + "[... " +
           std::to_string(text.size() - kHeadShown - kTailShown) + " bytes ...]" +
           escaped(text.substr(text.size() - kTailShown)) + "\"";
}

std::string describeConventions(const DecimalConventions &conv)
{
    return "decimal " + quotedBytes(conv.decimalSeparator) + " group " +
           quotedBytes(conv.groupSeparator);
}

} // namespace pagaluz::fuzz
