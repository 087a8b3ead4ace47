#pragma once

#include "PositionRecord.h"
#include "PositionTableReader.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// A table of positions, in the order in which the selection screen offers
// them. The built-in one holds the 311 positions of the pay scale
// (alphabetical by name), compiled into the program; another can be read from
// a table file in the same form.
class PositionCatalogue {
public:
    static constexpr int kNoRow = -1;

    // The table compiled into the program, shared and immutable. Its rows
    // whose points are all known are marked verified; the others carry
    // representative points.
    static const PositionCatalogue &builtIn();

    int size() const { return static_cast<int>(m_rows.size()); }

    // The row at `index` (0 to size() - 1). Precondition: the index is valid.
    const PositionRecord &row(int index) const;

    // The row whose code text equals `code` exactly, or kNoRow.
    int findCode(std::string_view code) const;

    // All rows, in table order.
    std::span<const PositionRecord> rows() const { return m_rows; }

    // The names in row order, for the name list of the selection screen.
    std::vector<std::string> names() const;

    // Reads a table file's text strictly (see readPositionTable); every row
    // counts as verified. Throws PositionTableError at the first fault.
    static PositionCatalogue fromCsv(std::string_view csv);

private:
    void indexCodes();
    void markVerified(std::string_view codeList);

    std::vector<PositionRecord> m_rows;
    std::vector<int> m_rowsByCode; // row indices ordered by code, rows of one code in table order
};

} // namespace pagaluz
