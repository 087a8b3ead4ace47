#include "JsonTextWriter.h"

#include "NumberText.h"

#include <charconv>

namespace pagaluz {

namespace {

// An exact amount has no prefix and a decimal point.
constexpr std::string_view kExactPoint = ".";

} // namespace

void JsonSizeBound::exactAmount(Money)
{
    m_size += amountTextBound("", kExactPoint) + 2;
}

void JsonTextWriter::number(long long value)
{
    m_at = std::to_chars(m_at, m_at + 20, value).ptr;
}

void JsonTextWriter::exactAmount(Money amount)
{
    *m_at++ = '"';
    m_at = writeAmount(amount, "", kExactPoint, m_at);
    *m_at++ = '"';
}

void JsonTextWriter::escape(char c)
{
    switch (c) {
    case '"':
        raw("\\\"");
        return;
    case '\\':
        raw("\\\\");
        return;
    case '\n':
        raw("\\n");
        return;
    case '\r':
        raw("\\r");
        return;
    case '\t':
        raw("\\t");
        return;
    default:
        break;
    }
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    raw("\\u00");
    *m_at++ = kHexDigits[byte >> 4];
    *m_at++ = kHexDigits[byte & 0x0F];
}

} // namespace pagaluz
