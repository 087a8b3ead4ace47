// Fuzz target: reading a position table file.
//
// The bytes are the file. A table that is read must hold only what a table file
// may hold: 1 to 400 rows, one a line after the header, each with a unique code
// of three digits 600 to 999 that finds its row, a name of 1 to 65 characters of
// UTF-8 (by the byte ranges of RFC 3629) without control characters, whole
// points in their ranges written without leading zeros; every row verified; and
// the rows, written again as a table file, read back the same. A refusal must
// name a line of the text (or the one after its last, for a table without rows)
// and a column from 1 to 8, and its message must start with both.

#include "Describe.h"
#include "FuzzCheck.h"
#include "PositionCatalogue.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace {

using namespace pagaluz;

// The characters of `text` when it is UTF-8 by the table of well-formed byte sequences of
// RFC 3629, or -1.
int utf8Characters(std::string_view text)
{
    int characters = 0;
    std::size_t at = 0;
    const auto byte = [&](std::size_t index) { return static_cast<unsigned char>(text[index]); };
    const auto inRange = [&](std::size_t index, unsigned lowest, unsigned highest) {
        return index < text.size() && byte(index) >= lowest && byte(index) <= highest;
    };
    while (at < text.size()) {
        const unsigned lead = byte(at);
        std::size_t length = 0;
        if (lead <= 0x7F)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = inRange(at + 1, 0x80, 0xBF) ? 2 : 0;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
            const unsigned high = lead == 0xED ? 0x9F : 0xBF;
            length = inRange(at + 1, low, high) && inRange(at + 2, 0x80, 0xBF) ? 3 : 0;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
            const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
            length = inRange(at + 1, low, high) && inRange(at + 2, 0x80, 0xBF) &&
                             inRange(at + 3, 0x80, 0xBF)
                         ? 4
                         : 0;
        }
        if (length == 0)
            return -1;
        at += length;
        ++characters;
    }
    return characters;
}

bool hasControlCharacter(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x20 || c == 0x7F)
            return true;
        // U+0080 to U+009F are C2 80 to C2 9F.
        if (c == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) <= 0x9F)
            return true;
    }
    return false;
}

// The value of a whole number written in digits without leading zeros, or -1.
long wholeNumber(std::string_view text)
{
    if (text.empty() || text.size() > 9 || (text.size() > 1 && text.front() == '0') ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stol(std::string(text));
}

std::string quotedField(const std::string &text)
{
    std::string field = "\"";
    for (const char c : text)
        field += c == '"' ? std::string("\"\"") : std::string(1, c);
    return field + "\"";
}

// The rows written again as a table file, every name quoted.
std::string tableText(const PositionCatalogue &table)
{
    std::string text(kPositionTableHeader);
    text += "\n";
    for (const PositionRecord &r : table.rows())
        text += r.code + "," + quotedField(r.name) + "," + r.basicPoints + "," +
                r.extendedDayPoints + "," + r.fullDayPoints + "," + r.differentiatedTaskPoints +
                "," + r.complementPoints + "\r\n";
    return text;
}

// The lines of `text` as the file has them: a last line break ends the last line.
long lineCount(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (text.empty())
        return 0;
    return std::count(text.begin(), text.end(), '\n') + (text.back() == '\n' ? 0 : 1);
}

void checkRow(const PositionRecord &r, const PositionCatalogue &table, int index,
              std::set<std::string> &codes)
{
    const long code = r.code.size() == 3 ? wholeNumber(r.code) : -1;
    fuzz::check(code >= 600 && code <= 999,
                "a code that is not three digits 600 to 999: " + fuzz::quotedBytes(r.code));
    fuzz::check(codes.insert(r.code).second, "a code twice: " + r.code);
    fuzz::check(table.findCode(r.code) == index, "a code that does not find its row: " + r.code);
    const int characters = utf8Characters(r.name);
    fuzz::check(characters >= 1 && characters <= 65 && !hasControlCharacter(r.name),
                "a name that is no table's: " + fuzz::quotedBytes(r.name));
    const long basic = wholeNumber(r.basicPoints);
    fuzz::check(basic >= 1 && basic <= 32767, "basic points " + fuzz::quotedBytes(r.basicPoints));
    for (const std::string *points : {&r.extendedDayPoints, &r.fullDayPoints, &r.complementPoints})
        fuzz::check(wholeNumber(*points) >= 0 && wholeNumber(*points) <= 32767,
                    "points " + fuzz::quotedBytes(*points));
    const long task = wholeNumber(r.differentiatedTaskPoints);
    fuzz::check(task == 0 || task == 17 || task == 20 || task == 150,
                "differentiated-task points " + fuzz::quotedBytes(r.differentiatedTaskPoints));
    fuzz::check(r.verified, "a row of a table file that is not verified");
}

void checkTable(std::string_view text, const PositionCatalogue &table)
{
    fuzz::check(table.size() >= 1 && table.size() <= 400,
                "a table of " + std::to_string(table.size()) + " rows");
    fuzz::check(lineCount(text) == table.size() + 1, "rows that are not one a line");
    std::set<std::string> codes;
    for (int index = 0; index < table.size(); ++index)
        checkRow(table.row(index), table, index, codes);
    const PositionCatalogue again = PositionCatalogue::fromCsv(tableText(table));
    fuzz::check(std::equal(again.rows().begin(), again.rows().end(), table.rows().begin(),
                           table.rows().end()),
                "the rows written again read back otherwise");
}

void checkRefusal(std::string_view text, const PositionTableError &error)
{
    const long lines = lineCount(text);
    fuzz::check(error.line() >= 1 && error.line() <= std::max(lines + 1, 1L),
                "a refusal at line " + std::to_string(error.line()) + " of " +
                    std::to_string(lines));
    fuzz::check(error.column() >= 1 && error.column() <= 8,
                "a refusal at column " + std::to_string(error.column()));
    const std::string place =
        "línea " + std::to_string(error.line()) + ", columna " + std::to_string(error.column());
    fuzz::check(std::string_view(error.what()).starts_with(place) && !error.problem().empty(),
                "a message that does not start with its place: " + std::string(error.what()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        checkTable(text, PositionCatalogue::fromCsv(text));
    } catch (const PositionTableError &error) {
        checkRefusal(text, error);
    }
    return 0;
}
