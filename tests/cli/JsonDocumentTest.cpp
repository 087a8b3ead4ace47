#include "JsonDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using pagaluz::JsonParser;
using pagaluz::JsonSyntaxError;

std::string nested(int depth)
{
    return std::string(static_cast<std::size_t>(depth), '[') +
           std::string(static_cast<std::size_t>(depth), ']');
}

// Texts that are no JSON, each with a part of the reason the message must give.
TEST(JsonDocument, RefusesWhatIsNoJsonSayingWhy)
{
    const struct {
        std::string json;
        const char *reason;
    } cases[] = {
        {"{\"teacherName\": \"Ana\tPérez\"}", "carácter de control"},
        {R"({"teacherName": "\x41"})", "escape no válido"},
        {R"({"teacherName": "\uD800"})", "sustituto"},
        {R"({"teacherName": "\uDC00\uD800"})", "sustituto"},
        {"{\"teacherName\": \"Ana \xC3\"}", "UTF-8"},
        {"{\"teacherName\": \"\xED\xA0\x80\"}", "UTF-8"}, // an encoded surrogate
        {R"({"zone": 01})", "número"},
        {R"({"zone": 1.})", "número"},
        {R"({"zone": .5})", "estructura"},
        {R"({"zone": 1e400})", "número"},
        {R"({"zone": -9223372036854775809})", "número"},
        {R"({"spouse": True})", "palabra desconocida"},
        {R"({"zone": 1,})", "estructura"},
        {R"({"zone" 1})", "estructura"},
        {R"({"zone": 1} {})", "estructura"},
        {R"({"teacherName": "Ana)", "no se cierra"},
        {"", "ningún valor"},
        {" \n", "ningún valor"},
        {nested(257), "256 niveles"},
    };
    JsonParser parser;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.json.substr(0, 40));
        try {
            parser.parse(c.json);
            ADD_FAILURE() << "read as JSON";
        } catch (const JsonSyntaxError &error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
            EXPECT_EQ(std::string(error.what()).rfind("JSON mal formado: ", 0), 0U);
        }
    }
}

TEST(JsonDocument, ReadsJsonWithAByteOrderMarkAndUpTo256Levels)
{
    JsonParser parser;
    for (const std::string &json : {std::string("\xEF\xBB\xBF{}"), nested(256),
                                    std::string(R"({"a": "\ud83d\ude00", "b": -0})")}) {
        SCOPED_TRACE(json.substr(0, 40));
        EXPECT_NO_THROW(parser.parse(json));
    }
    // The depth stays limited when the parser makes room for a larger text.
    EXPECT_NO_THROW(parser.parse("[" + std::string(1 << 20, ' ') + "]"));
    EXPECT_THROW(parser.parse(nested(257)), JsonSyntaxError);
}

} // namespace
