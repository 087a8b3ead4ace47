// Reading a position table file: what a good file gives, and each fault refused with its line
// and column. Then which rows of the built-in table are verified, as the README tells users.

#include "PositionCatalogue.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

using pagaluz::PositionCatalogue;
using pagaluz::PositionRecord;
using pagaluz::PositionTableError;

const std::string kHeader = "code,name,basicPoints,extendedDayPoints,fullDayPoints,"
                            "differentiatedTaskPoints,complementPoints\n";
const std::string kRow = "734,Asistente Social,1500,0,0,150,101\n";

std::string repeated(const std::string &text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// `count` rows with the codes 600, 601, ... (wrapping past 999: beyond 400 rows codes repeat).
std::string rows(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(600 + i % 400) + ",Cargo,971,0,0,0,170\n";
    return text;
}

TEST(PositionTableFile, AGoodFileGivesItsRowsInOrderEveryOneVerified)
{
    const std::string name65 = repeated("ñ", 65);
    const PositionCatalogue table = PositionCatalogue::fromCsv(
        "\xEF\xBB\xBF" + kHeader + "999,\"Director, \"\"A\"\" \",32767,830,0,20,0\r\n" + "600," +
        name65 + ",1,0,32767,0,32767\r\n" + "734,Asistente Social,1500,0,0,150,101");
    ASSERT_EQ(table.size(), 3);
    const PositionRecord expected[] = {
        {"999", "Director, \"A\" ", "32767", "830", "0", "20", "0", true},
        {"600", name65, "1", "0", "32767", "0", "32767", true},
        {"734", "Asistente Social", "1500", "0", "0", "150", "101", true},
    };
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(table.row(row), expected[row]) << row;
        EXPECT_EQ(table.findCode(expected[row].code), row);
    }
    EXPECT_EQ(PositionCatalogue::fromCsv(kHeader + rows(400)).size(), 400); // every code
}

// kRow with its field `column` (counted from 1) written as `text`.
std::string rowWith(int column, const std::string &text)
{
    std::string fields[] = {"734", "Asistente Social", "1500", "0", "0", "150", "101"};
    fields[column - 1] = text;
    std::string row = fields[0];
    for (int i = 1; i < 7; ++i)
        row += "," + fields[i];
    return row + "\n";
}

TEST(PositionTableFile, EachFaultRefusesTheFileNamingItsLineAndColumn)
{
    const struct {
        const char *label;
        std::string text;
        int line;
        int column;
        const char *says;
    } cases[] = {
        {"empty file", "", 1, 1, "vacío"},
        {"renamed column", "code,name,basic" + kHeader.substr(21) + kRow, 1, 3, "«basic»"},
        {"header one column short", kHeader.substr(0, 78) + "\n" + kRow, 1, 7, "complementPoints"},
        {"no header", kRow, 1, 1, "«734»"},
        {"name in another encoding",
         kHeader + rowWith(2, "Asistente T\xE9"
                              "cnico"),
         2, 2, "UTF-8"},
        {"missing column", kHeader + "734,Asistente Social,1500,0,0,150\n", 2, 7, "falta"},
        {"unterminated quote", kHeader + rowWith(2, "\"Asistente"), 2, 2, "comillas"},
        {"quote inside a field", kHeader + rowWith(2, "Asistente \"S\""), 2, 2, "comillas"},
        {"code of two digits", kHeader + rowWith(1, "73"), 2, 1, "«73»"},
        {"code of four digits", kHeader + rowWith(1, "0734"), 2, 1, "600 a 999"},
        {"duplicated code", kHeader + kRow + rowWith(1, "651") + kRow, 4, 1, "línea 2"},
        {"duplicated code, then a fault", kHeader + kRow + rowWith(3, "0"), 3, 1, "línea 2"},
        {"empty name", kHeader + rowWith(2, ""), 2, 2, "falta el nombre"},
        {"name of 66 characters", kHeader + rowWith(2, repeated("ñ", 66)), 2, 2, "66 caracteres"},
        {"name with a tab", kHeader + rowWith(2, "Asistente\tSocial"), 2, 2, "U+0009"},
        {"basic points 0", kHeader + rowWith(3, "0"), 2, 3, "1 a 32767"},
        {"points with decimals", kHeader + rowWith(3, "1500.5"), 2, 3, "entero"},
        {"points with a leading zero", kHeader + rowWith(7, "0101"), 2, 7, "entero"},
        {"full-day points beyond 32767", kHeader + rowWith(5, "40000"), 2, 5, "0 a 32767"},
        {"differentiated task of 18", kHeader + rowWith(6, "18"), 2, 6, "0, 17, 20 o 150"},
        {"empty line between rows", kHeader + kRow + "\n" + rowWith(1, "651"), 3, 1, "vacía"},
        {"401 rows", kHeader + rows(401), 402, 1, "línea 2"},
        // The first fault in the order of the text, not the count of lines.
        {"2001 rows", kHeader + rows(2001), 402, 1, "línea 2"},
        {"2001 lines of x", kHeader + repeated("x\n", 2001), 2, 1, "«x»"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        try {
            PositionCatalogue::fromCsv(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const PositionTableError &error) {
            EXPECT_EQ(error.line(), c.line) << error.what();
            EXPECT_EQ(error.column(), c.column) << error.what();
            const std::string message = error.what();
            EXPECT_EQ(message.find("línea " + std::to_string(c.line) + ", columna " +
                                   std::to_string(c.column)),
                      0u)
                << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
        }
    }
}

// The README's section "The position table" lists the rows whose points are checked, a code
// followed by "(basic points)" having only its basic points checked.
struct ReadmeList {
    std::set<std::string> allPoints;
    std::set<std::string> basicPointsOnly;
};

ReadmeList readmeList()
{
    std::ifstream file(PAGALUZ_README);
    std::stringstream text;
    text << file.rdbuf();
    const std::string readme = text.str();
    const std::size_t section = readme.find("\n## The position table\n");
    const std::size_t start = readme.find("checked values:", section);
    const std::size_t end = readme.find(". ", start);
    if (section == std::string::npos || start == std::string::npos || end == std::string::npos)
        throw std::runtime_error("no list of checked rows in " PAGALUZ_README);
    const std::string list = readme.substr(start, end - start);
    ReadmeList result;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t at = 0; at < list.size(); ++at) {
        if (!isDigit(list[at]) || (at > 0 && isDigit(list[at - 1])))
            continue;
        std::size_t after = at;
        while (after < list.size() && isDigit(list[after]))
            ++after;
        if (after - at != 3)
            continue;
        const bool basicOnly = list.compare(after, 15, " (basic points)") == 0;
        (basicOnly ? result.basicPointsOnly : result.allPoints).insert(list.substr(at, 3));
    }
    return result;
}

TEST(BuiltInPositionTable, VerifiedRowsAreThoseTheReadmeListsWithAllTheirPoints)
{
    const ReadmeList listed = readmeList();
    ASSERT_FALSE(listed.allPoints.empty());
    const PositionCatalogue &table = PositionCatalogue::builtIn();
    std::set<std::string> verified;
    for (const PositionRecord &row : table.rows())
        if (row.verified)
            verified.insert(row.code);
    EXPECT_EQ(verified, listed.allPoints);
    for (const std::string &code : listed.basicPointsOnly) {
        SCOPED_TRACE(code);
        ASSERT_NE(table.findCode(code), PositionCatalogue::kNoRow);
        EXPECT_FALSE(table.row(table.findCode(code)).verified);
    }
}

} // namespace
