#include "MemberOrder.h"

#include "JsonReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace pagaluz;

TEST(MemberOrder, Utf16OrderPutsCharactersAboveFfffBeforeThoseFromE000)
{
    struct OrderCase {
        const char *a, *b;
        bool precedes;
    };
    const OrderCase cases[] = {
        {"", "a", true},
        {"a", "", false},
        {"a", "a", false},
        {"Z", "a", true},
        {"a", "ab", true},
        {"\xC3\xA9", "z", false},                       // é after z
        {"\xEE\x80\x80", "\xF0\x9F\x98\x80", false},    // U+E000 after U+1F600
        {"\xF0\x9F\x98\x80", "\xEE\x80\x80", true},     // U+1F600 before U+E000
        {"\xEF\xBF\xBF", "\xF0\x90\x80\x80", false},    // U+FFFF after U+10000
        {"\xED\x9F\xBF", "\xF0\x90\x80\x80", true},     // U+D7FF before U+10000
        {"x\xF0\x9F\x98\x80", "x\xEE\x80\x80", true},   // after a common start
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x81", true}, // same lead byte
        {"\xE2\x82\xAC", "\xF0\x9F\x98\x80", true},     // U+20AC before U+1F600
    };
    for (const OrderCase &c : cases) {
        SCOPED_TRACE(std::string(c.a) + " < " + c.b);
        EXPECT_EQ(precedesInUtf16Order(c.a, c.b), c.precedes);
    }
}

TEST(MemberOrder, KeysInUtf16OrderOnlyWhenBothWereEscaped)
{
    JsonReader reader;
    const JsonValue object = reader.read(R"({"\ue000": 1, "\ud83d\ude00": 2,)"
                                         "\"\xEE\x80\x80\": 3, \"\xF0\x9F\x98\x80\": 4}");
    std::vector<JsonValue> keys;
    for (const JsonMember member : object.members())
        keys.push_back(member.key);
    EXPECT_FALSE(keyReadBefore(keys[0], keys[1])); // both escaped: UTF-16 order
    EXPECT_TRUE(keyReadBefore(keys[1], keys[0]));
    EXPECT_TRUE(keyReadBefore(keys[2], keys[3])); // both as they are: code point order
    EXPECT_TRUE(keyReadBefore(keys[0], keys[3])); // one escaped: code point order
    EXPECT_FALSE(keyReadBefore(keys[3], keys[0]));
}

TEST(MemberOrder, SortsFindsAndNamesTheFirstRepeatedKey)
{
    JsonReader reader;
    const SortedMembers members(reader.read(R"({"b": 1, "a": 2, "c": 3, "a": 4, "b": 5})"));
    std::string order;
    for (const JsonMember &member : members)
        order += member.key.text();
    EXPECT_EQ(order, "aabbc");
    EXPECT_EQ(members.repeatedKey(), "a");
    ASSERT_TRUE(members.find("c"));
    EXPECT_EQ(members.find("c")->text(), "3");
    EXPECT_FALSE(members.find("d"));

    const SortedMembers single(reader.read(R"({"zone": null})"));
    EXPECT_FALSE(single.repeatedKey());
    EXPECT_TRUE(single.find("zone")->isNull());
}

} // namespace
