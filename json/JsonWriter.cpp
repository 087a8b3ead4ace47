#include "JsonWriter.h"

#include "NumberText.h"

#include <algorithm>
#include <charconv>

namespace pagaluz {

namespace {

// Room taken at a time: most payslips fit in one piece.
constexpr std::size_t kRoomStep = 4096;

constexpr std::string_view kPoint = ".";

} // namespace

JsonWriter::JsonWriter(std::string &out, std::size_t at) : m_out(out)
{
    m_out.resize(std::max(m_out.size(), at + kRoomStep));
    m_at = m_out.data() + at;
    m_end = m_out.data() + m_out.size();
}

void JsonWriter::finish()
{
    if (m_at == nullptr)
        return;
    m_out.resize(static_cast<std::size_t>(m_at - m_out.data()));
    m_at = m_end = nullptr;
}

void JsonWriter::grow(std::size_t size)
{
    const auto used = static_cast<std::size_t>(m_at - m_out.data());
    m_out.resize(std::max(2 * m_out.size(), used + size + kRoomStep));
    m_at = m_out.data() + used;
    m_end = m_out.data() + m_out.size();
}

char *JsonWriter::writeEscape(char c, char *at)
{
    const auto two = [&](char escaped) {
        *at++ = '\\';
        *at++ = escaped;
        return at;
    };
    switch (c) {
    case '"':
        return two('"');
    case '\\':
        return two('\\');
    case '\n':
        return two('n');
    case '\r':
        return two('r');
    case '\t':
        return two('t');
    default:
        break;
    }
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    std::memcpy(at, "\\u00", 4);
    at[4] = kHexDigits[byte >> 4];
    at[5] = kHexDigits[byte & 0x0F];
    return at + 6;
}

void JsonWriter::number(long long value)
{
    constexpr std::size_t kDigits = 20;
    char *at = room(kDigits);
    m_at = std::to_chars(at, at + kDigits, value).ptr;
}

void JsonWriter::exactAmount(Money amount)
{
    char *at = room(amountTextBound("", kPoint) + 2);
    *at++ = '"';
    at = writeAmount(amount, "", kPoint, at);
    *at++ = '"';
    m_at = at;
}

} // namespace pagaluz
