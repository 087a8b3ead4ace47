#include "PrintableText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using pagaluz::printableText;

TEST(PrintableText, ControlCharactersAndBytesThatAreNoUtf8AreShownEscaped)
{
    struct Case {
        std::string text, shown;
    };
    const Case cases[] = {
        {"Análisis 100 % ñ €", "Análisis 100 % ñ €"},
        {"línea 1\nlínea 2", "línea 1\nlínea 2"},
        {"\x1B]0;título\x07", "\\u001B]0;título\\u0007"},
        {"a\rb\tc", "a\\u000Db\\u0009c"},
        {std::string("x\0y", 3), "x\\u0000y"},
        {"\x7F", "\\u007F"},
        {"\xC2\x9B"
         "2J",
         "\\u009B2J"}, // the C1 control sequence introducer
        {"a\xE2\x80\xA8"
         "b",
         "a\\u2028b"},                            // the line separator
        {"\xFF\xC3", "\\xFF\\xC3"},               // no UTF-8, and a sequence cut short
        {"\xC0\xAF", "\\xC0\\xAF"},               // an overlong "/"
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},      // a surrogate
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, // a character beyond the first plane
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(printableText(c.text), c.shown);
    }
}

} // namespace
