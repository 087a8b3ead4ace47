#include "PrintableText.h"

#include <array>
#include <cstdint>

namespace pagaluz {

namespace {

constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                             '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};

void appendHex(std::uint32_t value, int digits, std::string &out)
{
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHexDigits[(value >> shift) & 0xFU];
}

bool isShownEscaped(std::uint32_t codePoint)
{
    return (codePoint < 0x20 && codePoint != '\n') || (codePoint >= 0x7F && codePoint < 0xA0) ||
           codePoint == 0x2028 || codePoint == 0x2029;
}

// The length of the well-formed UTF-8 sequence at the start of `text` and its code point, or
// a length of 0 when it is not one.
std::pair<std::size_t, std::uint32_t> decode(std::string_view text)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {1, lead};
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                               : lead >= 0xE0                 ? 3
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                                                              : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length)
        return {0, 0};
    std::uint32_t codePoint = lead & (0x7FU >> length);
    for (std::size_t at = 1; at < length; ++at) {
        if ((byte(at) & 0xC0) != 0x80)
            return {0, 0};
        codePoint = (codePoint << 6) | (byte(at) & 0x3FU);
    }
    const bool overlong =
        (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (overlong || surrogate || codePoint > 0x10FFFF)
        return {0, 0};
    return {length, codePoint};
}

} // namespace

std::string printableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto [length, codePoint] = decode(text);
        if (length == 0) {
            out += "\\x";
            appendHex(static_cast<unsigned char>(text.front()), 2, out);
            text.remove_prefix(1);
            continue;
        }
        if (isShownEscaped(codePoint)) {
            out += "\\u";
            appendHex(codePoint, 4, out);
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return out;
}

} // namespace pagaluz
