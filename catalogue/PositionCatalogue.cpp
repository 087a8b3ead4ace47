#include "PositionCatalogue.h"

#include "PositionTableReader.h"
#include "PositionTableText.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace pagaluz {

const PositionCatalogue &PositionCatalogue::builtIn()
{
    static const PositionCatalogue table = [] {
        PositionCatalogue catalogue = fromCsv(kPositionTableText);
        catalogue.markVerified(kVerifiedCodesText);
        return catalogue;
    }();
    return table;
}

// `codeList`: one code a line; blank lines and lines starting with "#" say
// nothing. Every code listed must be a row of the table.
void PositionCatalogue::markVerified(std::string_view codeList)
{
    for (PositionRecord &record : m_rows)
        record.verified = false;
    while (!codeList.empty()) {
        const std::size_t end = codeList.find('\n');
        const std::string_view line = codeList.substr(0, end);
        codeList.remove_prefix(end == std::string_view::npos ? codeList.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const int index = findCode(line);
        if (index == kNoRow)
            throw std::logic_error("verified position " + std::string(line) +
                                   " is not in the table");
        m_rows[static_cast<std::size_t>(index)].verified = true;
    }
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
    catalogue.m_rows = readPositionTable(csv);
    catalogue.indexCodes();
    return catalogue;
}

} // namespace pagaluz
