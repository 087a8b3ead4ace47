#include "JsonReader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using namespace pagaluz;
using namespace std::string_literals;

// A value as compact text with its types shown: strings as <text>, numbers as #text, escaped
// keys and strings marked with a !.
std::string shape(JsonValue value)
{
    switch (value.type()) {
    case JsonType::Null:
        return "null";
    case JsonType::Boolean:
        return value.boolean() ? "true" : "false";
    case JsonType::Number:
        return "#" + std::string(value.text());
    case JsonType::String:
        return (value.escaped() ? "!<" : "<") + std::string(value.text()) + ">";
    case JsonType::Array: {
        std::string text = "[";
        for (const JsonValue element : value.elements())
            text += shape(element) + ",";
        return text + "]";
    }
    case JsonType::Object: {
        std::string text = "{";
        for (const JsonMember member : value.members())
            text += shape(member.key) + ":" + shape(member.value) + ",";
        return text + "}";
    }
    }
    return "?";
}

std::string nested(int depth)
{
    return std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']');
}

// The shape of nested(depth).
std::string nestedShape(int depth)
{
    return depth == 1 ? "[]" : "[" + nestedShape(depth - 1) + ",]";
}

struct ValidCase {
    std::string json;
    std::string shape;
};

TEST(JsonReader, ReadsEveryKindOfValue)
{
    const ValidCase cases[] = {
        {R"({"a": [1, -0, 1.5, -1.5e-3, 1E+2, 0e5, true, false, null, "x"]})",
         "{<a>:[#1,#-0,#1.5,#-1.5e-3,#1E+2,#0e5,true,false,null,<x>,],}"},
        {" \t\r\n[ {} , [ ] , { \"\" : { } } ]\n ", "[{},[],{<>:{},},]"},
        {"\xEF\xBB\xBF{}", "{}"},
        {"7", "#7"},
        {"\"texto\"", "<texto>"},
        {"null", "null"},
        {"123456789012345678901234567890", "#123456789012345678901234567890"},
        {R"("\"\\\/\b\f\n\r\t")", "!<\"\\/\b\f\n\r\t>"},
        {R"("\u0041\u00e9\u20AC\uD83D\uDE00")", "!<A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80>"},
        {R"("a\u0000b")", "!<a\0b>"s},
        {"\"\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBF\xF4\x8F\xBF\xBF\"",
         "<\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBF\xF4\x8F\xBF\xBF>"},
        {R"({"k\u0065y": "v", "key2": "v\n"})", "{!<key>:<v>,<key2>:!<v\n>,}"},
        {nested(kJsonMaxDepth), nestedShape(kJsonMaxDepth)},
    };
    for (const ValidCase &c : cases) {
        SCOPED_TRACE(c.json.substr(0, 80));
        JsonReader reader;
        EXPECT_EQ(shape(reader.read(c.json)), c.shape);
    }
}

struct MalformedCase {
    std::string json;
    JsonFault fault;
    std::size_t offset;
};

const MalformedCase kMalformedCases[] = {
    {"", JsonFault::EndOfText, 0},
    {"   ", JsonFault::EndOfText, 3},
    {"\xEF\xBB\xBF", JsonFault::EndOfText, 3},
    {"[1,2", JsonFault::EndOfText, 4},
    {R"({"a":1)", JsonFault::EndOfText, 6},
    {R"({"a")", JsonFault::EndOfText, 4},
    {"{", JsonFault::EndOfText, 1},
    {R"("abc)", JsonFault::EndOfText, 4},
    {R"("abc\)", JsonFault::EndOfText, 5},
    {"[1,]", JsonFault::TrailingComma, 3},
    {R"({"a":1,})", JsonFault::TrailingComma, 7},
    {"01", JsonFault::LeadingZero, 1},
    {"[-01]", JsonFault::LeadingZero, 3},
    {"1.", JsonFault::MissingDigit, 2},
    {"[1.e5]", JsonFault::MissingDigit, 3},
    {".5", JsonFault::MissingDigit, 0},
    {"-", JsonFault::MissingDigit, 1},
    {"-.5", JsonFault::MissingDigit, 1},
    {"1e", JsonFault::MissingDigit, 2},
    {"1e+", JsonFault::MissingDigit, 3},
    {"\"a\x01z\"", JsonFault::ControlCharacter, 2},
    {"[\"a\nb\"]", JsonFault::ControlCharacter, 3},
    {"\"\\n\x1f\"", JsonFault::ControlCharacter, 3},
    {R"("\x")", JsonFault::UnknownEscape, 1},
    {R"("ok\')", JsonFault::UnknownEscape, 3},
    {R"("\u12")", JsonFault::BadUnicodeEscape, 1},
    {R"("\u12G4")", JsonFault::BadUnicodeEscape, 1},
    {R"("\ud800\u12")", JsonFault::BadUnicodeEscape, 7},
    {R"("\ud800")", JsonFault::LoneSurrogate, 1},
    {R"("\udc00")", JsonFault::LoneSurrogate, 1},
    {R"("a\ud800\u0041")", JsonFault::LoneSurrogate, 2},
    {R"("\ud800\ud800")", JsonFault::LoneSurrogate, 1},
    {R"("\uDBFFx")", JsonFault::LoneSurrogate, 1},
    {"\"\xFF\"", JsonFault::InvalidUtf8, 1},
    {"\"a\x80\"", JsonFault::InvalidUtf8, 2},
    {"\"\xC0\xAF\"", JsonFault::InvalidUtf8, 1},
    {"\"\xE0\x9F\xBF\"", JsonFault::InvalidUtf8, 1},
    {"\"\xED\xA0\x80\"", JsonFault::InvalidUtf8, 1},
    {"\"\xF0\x8F\xBF\xBF\"", JsonFault::InvalidUtf8, 1},
    {"\"\xF4\x90\x80\x80\"", JsonFault::InvalidUtf8, 1},
    {"\"\xF5\x80\x80\x80\"", JsonFault::InvalidUtf8, 1},
    {"\"\xE2\x82\"", JsonFault::InvalidUtf8, 1},
    {"{\"\xE2\x82\":1}", JsonFault::InvalidUtf8, 2},
    {"[\xC3\xB1]", JsonFault::ExpectedValue, 1},
    {"{} x", JsonFault::TrailingText, 3},
    {"[1] [2]", JsonFault::TrailingText, 4},
    {"1 2", JsonFault::TrailingText, 2},
    {"{}\0"s, JsonFault::TrailingText, 2},
    {"{1:2}", JsonFault::ExpectedKey, 1},
    {R"({"a" 1})", JsonFault::ExpectedColon, 5},
    {"[1 2]", JsonFault::ExpectedCommaOrArrayEnd, 3},
    {R"({"a":1 "b":2})", JsonFault::ExpectedCommaOrObjectEnd, 7},
    {"[tru]", JsonFault::ExpectedValue, 1},
    {"[True]", JsonFault::ExpectedValue, 1},
    {"nul", JsonFault::ExpectedValue, 0},
    {"]", JsonFault::ExpectedValue, 0},
    {"[}", JsonFault::ExpectedValue, 1},
    {"\x0C{}", JsonFault::ExpectedValue, 0},
    {" \xEF\xBB\xBF{}", JsonFault::ExpectedValue, 1},
    {nested(kJsonMaxDepth + 1), JsonFault::TooDeep, kJsonMaxDepth},
    {std::string(300, '[') + "{\"a\":", JsonFault::TooDeep, kJsonMaxDepth},
};

TEST(JsonReader, RefusesMalformedTextsWhereTheyFail)
{
    for (const MalformedCase &c : kMalformedCases) {
        SCOPED_TRACE(c.json.substr(0, 80));
        JsonReader reader;
        try {
            reader.read(c.json);
            ADD_FAILURE() << "read";
        } catch (const JsonSyntaxError &error) {
            EXPECT_EQ(error.fault(), c.fault) << error.what();
            EXPECT_EQ(error.offset(), c.offset) << error.what();
            EXPECT_EQ(error.what(), jsonFaultMessage(c.fault));
        }
    }
}

// The elements of an array one at a time, up to the first fault.
std::string elementsUntilFault(std::string_view json)
{
    std::string seen;
    try {
        JsonArrayReader elements(json);
        while (const std::optional<JsonValue> element = elements.next())
            seen += shape(*element) + " ";
        return seen + "end";
    } catch (const JsonSyntaxError &error) {
        return seen + "fault at " + std::to_string(error.offset());
    }
}

TEST(JsonArrayReader, GivesEachElementThenChecksTheEnd)
{
    const std::pair<const char *, const char *> cases[] = {
        {"[]", "end"},
        {" [ ] \n", "end"},
        {"\xEF\xBB\xBF[1]", "#1 end"},
        {R"([{"a": "\u00e9"}, [true], "\n"])", "{<a>:!<\xC3\xA9>,} [true,] !<\n> end"},
        {"[1, 2 3]", "#1 #2 fault at 6"},
        {"[1, {]", "#1 fault at 5"},
        {"[1,]", "#1 fault at 3"},
        {"[1] x", "#1 fault at 4"},
        {"[1", "#1 fault at 2"},
        {"[", "fault at 1"},
        {"[,1]", "fault at 1"},
    };
    for (const auto &[json, expected] : cases) {
        SCOPED_TRACE(json);
        EXPECT_EQ(elementsUntilFault(json), expected);
    }
}

TEST(JsonArrayReader, StartsAsArrayOnlyWithAnOpeningBracket)
{
    EXPECT_TRUE(startsAsArray("[1"));
    EXPECT_TRUE(startsAsArray("\xEF\xBB\xBF \n[]"));
    EXPECT_FALSE(startsAsArray("{}"));
    EXPECT_FALSE(startsAsArray(""));
    EXPECT_FALSE(startsAsArray(" \xEF\xBB\xBF[]"));
}

} // namespace
