#include "PositionCatalogue.h"

#include "PositionTableText.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace pagaluz {

namespace {

constexpr std::string_view kHeader =
    "code,name,basicPoints,extendedDayPoints,fullDayPoints,differentiatedTaskPoints,"
    "complementPoints";
constexpr std::size_t kFieldCount = 7;

[[noreturn]] void malformed(std::size_t line, const std::string &what)
{
    throw std::invalid_argument("position table, line " + std::to_string(line) + ": " + what);
}

// One quoted field starting after its opening quote; doubled quotes stand
// for one quote.
std::string takeQuoted(std::string_view &rest, std::size_t line)
{
    std::string field;
    for (;;) {
        const std::size_t quote = rest.find('"');
        if (quote == std::string_view::npos)
            malformed(line, "unterminated quote");
        field.append(rest.substr(0, quote));
        rest.remove_prefix(quote + 1);
        if (rest.empty() || rest.front() != '"')
            return field;
        field += '"';
        rest.remove_prefix(1);
    }
}

std::vector<std::string> splitCsvLine(std::string_view rest, std::size_t line)
{
    std::vector<std::string> fields;
    for (;;) {
        if (!rest.empty() && rest.front() == '"') {
            rest.remove_prefix(1);
            fields.push_back(takeQuoted(rest, line));
        } else {
            const std::size_t comma = rest.find(',');
            fields.emplace_back(rest.substr(0, comma));
            rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma);
        }
        if (rest.empty())
            return fields;
        if (rest.front() != ',')
            malformed(line, "text after a quoted field");
        rest.remove_prefix(1);
    }
}

PositionRecord recordFrom(std::vector<std::string> fields, std::size_t line)
{
    if (fields.size() != kFieldCount)
        malformed(line, "expected 7 fields, found " + std::to_string(fields.size()));
    return {std::move(fields[0]), std::move(fields[1]), std::move(fields[2]), std::move(fields[3]),
            std::move(fields[4]), std::move(fields[5]), std::move(fields[6])};
}

} // namespace

const PositionCatalogue &PositionCatalogue::instance()
{
    static const PositionCatalogue table = fromCsv(kPositionTableText);
    return table;
}

const PositionRecord &PositionCatalogue::row(int index) const
{
    return m_rows.at(static_cast<std::size_t>(index));
}

int PositionCatalogue::findCode(std::string_view code) const
{
    const auto codeOf = [this](int index) -> std::string_view {
        return m_rows[static_cast<std::size_t>(index)].code;
    };
    const auto first = std::lower_bound(
        m_rowsByCode.begin(), m_rowsByCode.end(), code,
        [&codeOf](int index, std::string_view wanted) { return codeOf(index) < wanted; });
    if (first == m_rowsByCode.end() || codeOf(*first) != code)
        return kNoRow;
    return *first;
}

void PositionCatalogue::indexCodes()
{
    m_rowsByCode.resize(m_rows.size());
    std::iota(m_rowsByCode.begin(), m_rowsByCode.end(), 0);
    std::stable_sort(m_rowsByCode.begin(), m_rowsByCode.end(), [this](int a, int b) {
        return m_rows[static_cast<std::size_t>(a)].code < m_rows[static_cast<std::size_t>(b)].code;
    });
}

std::vector<std::string> PositionCatalogue::names() const
{
    std::vector<std::string> result;
    result.reserve(m_rows.size());
    for (const PositionRecord &record : m_rows)
        result.push_back(record.name);
    return result;
}

PositionCatalogue PositionCatalogue::fromCsv(std::string_view csv)
{
    PositionCatalogue catalogue;
    std::size_t lineNumber = 0;
    while (!csv.empty()) {
        const std::size_t end = csv.find('\n');
        std::string_view line = csv.substr(0, end);
        csv.remove_prefix(end == std::string_view::npos ? csv.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != kHeader)
                malformed(lineNumber, "unexpected header");
            continue;
        }
        if (!line.empty())
            catalogue.m_rows.push_back(recordFrom(splitCsvLine(line, lineNumber), lineNumber));
    }
    if (lineNumber == 0)
        malformed(0, "empty table");
    catalogue.indexCodes();
    return catalogue;
}

} // namespace pagaluz
