#pragma once

#include "JsonValue.h"

#include <optional>
#include <string_view>
#include <vector>

namespace pagaluz {

// Whether UTF-8 text `a` comes before `b` in the order of their UTF-16 code units: byte order,
// except that a character above U+FFFF (a surrogate pair, D800 to DFFF) comes before one from
// U+E000 to U+FFFF.
bool precedesInUtf16Order(std::string_view a, std::string_view b);

// Whether key `a` came before key `b` when the calculator has always sorted the keys of an
// input: in UTF-16 order when both were written with an escape, else in code point order (the
// order of their UTF-8 bytes). The two differ only between characters from U+E000 to U+FFFF and
// characters above U+FFFF. Taken together they are no strict order (three keys can each come
// before the next), so this only chooses among keys, never sorts them.
bool keyReadBefore(JsonValue a, JsonValue b);

// The members of an object sorted by key in code point order, so that of several faults of
// one input the first in that order is reported, as it always has been.
class SortedMembers {
public:
    explicit SortedMembers(JsonValue object);

    const JsonMember *begin() const { return m_members.data(); }
    const JsonMember *end() const { return m_members.data() + m_members.size(); }

    // A key that the object holds more than once as read (TextAsRead.h), the first of them in
    // code point order.
    std::optional<std::string_view> repeatedKey() const;
    // The value of `key`, or nothing when the object has no such key.
    std::optional<JsonValue> find(std::string_view key) const;

private:
    std::vector<JsonMember> m_members;
};

} // namespace pagaluz
