#pragma once

#include "PositionRecord.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// The built-in table of the 311 positions of the pay scale, in the order in
// which the selection screen offers them (alphabetical by name). The table is
// compiled into the program; nothing is read from a file at run time.
class PositionCatalogue {
public:
    static constexpr int kNoRow = -1;

    // The one shared, immutable table.
    static const PositionCatalogue &instance();

    int size() const { return static_cast<int>(m_rows.size()); }

    // The row at `index` (0 to size() - 1). Precondition: the index is valid.
    const PositionRecord &row(int index) const;

    // The row whose code text equals `code` exactly, or kNoRow.
    int findCode(std::string_view code) const;

    // All rows, in table order.
    std::span<const PositionRecord> rows() const { return m_rows; }

    // The names in row order, for the name list of the selection screen.
    std::vector<std::string> names() const;

    // Builds a table from CSV text (header line, then one row per line).
    // Throws std::invalid_argument on malformed text.
    static PositionCatalogue fromCsv(std::string_view csv);

private:
    void indexCodes();

    std::vector<PositionRecord> m_rows;
    std::vector<int> m_rowsByCode; // row indices ordered by code, rows of one code in table order
};

} // namespace pagaluz
