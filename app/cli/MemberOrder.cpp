#include "MemberOrder.h"

#include "TextAsRead.h"

#include <algorithm>

namespace pagaluz {

namespace {

// A lead byte of U+E000 to U+FFFF (EE or EF) against one of a character above U+FFFF (F0 to F4).
bool aboveSurrogatesInUtf16(unsigned char lead)
{
    return lead == 0xEE || lead == 0xEF;
}

bool beyondBmp(unsigned char lead)
{
    return lead >= 0xF0;
}

} // namespace

bool precedesInUtf16Order(std::string_view a, std::string_view b)
{
    const auto [differsA, differsB] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (differsB == b.end())
        return false;
    if (differsA == a.end())
        return true;
    // Both differ at the same byte, which starts a character in both or is a continuation byte
    // of characters with the same lead byte, and so of the same length.
    const auto byteA = static_cast<unsigned char>(*differsA);
    const auto byteB = static_cast<unsigned char>(*differsB);
    if (aboveSurrogatesInUtf16(byteA) && beyondBmp(byteB))
        return false;
    if (beyondBmp(byteA) && aboveSurrogatesInUtf16(byteB))
        return true;
    return byteA < byteB;
}

bool keyReadBefore(JsonValue a, JsonValue b)
{
    if (a.escaped() && b.escaped())
        return precedesInUtf16Order(a.text(), b.text());
    return a.text() < b.text();
}

SortedMembers::SortedMembers(JsonValue object)
{
    for (const JsonMember &member : object.members())
        m_members.push_back(member);
    std::sort(m_members.begin(), m_members.end(),
              [](const JsonMember &a, const JsonMember &b) { return a.key.text() < b.key.text(); });
}

std::optional<std::string_view> SortedMembers::repeatedKey() const
{
    // Sorted as read, keys written alike and keys alike once read lie side by side.
    std::vector<std::string_view> keys;
    keys.reserve(m_members.size());
    for (const JsonMember &member : m_members)
        keys.push_back(textAsRead(member.key));
    std::sort(keys.begin(), keys.end());
    const auto repeated = std::adjacent_find(keys.begin(), keys.end());
    if (repeated == keys.end())
        return std::nullopt;
    return *repeated;
}

std::optional<JsonValue> SortedMembers::find(std::string_view key) const
{
    const auto found = std::lower_bound(m_members.begin(), m_members.end(), key,
                                        [](const JsonMember &member, std::string_view wanted) {
                                            return member.key.text() < wanted;
                                        });
    if (found == m_members.end() || found->key.text() != key)
        return std::nullopt;
    return found->value;
}

} // namespace pagaluz
