#pragma once

#include "PositionRecord.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// A position table that cannot be used, at its first fault: the line and the column (both
// counted from 1) and what is wrong there. what() gives all three in one message, e.g.
// "línea 4, columna 3 (basicPoints): los puntos básicos van de 1 a 32767: «0»".
class PositionTableError : public std::invalid_argument {
public:
    PositionTableError(int line, int column, const std::string &problem);

    int line() const { return m_line; }
    int column() const { return m_column; }
    const std::string &problem() const { return m_problem; }

private:
    int m_line;
    int m_column;
    std::string m_problem;
};

// What a table file holds: the header line, then one position a line in the order the
// selection screen offers them. Fields are separated by commas; a field that holds a comma
// or a quote is written between quotes, a quote inside it doubled.
inline constexpr std::string_view kPositionTableHeader =
    "code,name,basicPoints,extendedDayPoints,fullDayPoints,differentiatedTaskPoints,"
    "complementPoints";
inline constexpr int kPositionTableColumns = 7;
inline constexpr int kMaxPositionTableRows = 2000;
inline constexpr int kMaxPositionNameLength = 65; // characters
inline constexpr int kMaxPositionPoints = 32767;

// The rows of a table file, read strictly: UTF-8 text (a byte order mark at its start is
// skipped), lines ending in LF or CR LF (the last one may end without), the header exactly as
// above, then 1 to 2000 rows of seven fields each (a longer text is refused before any row is
// read; since codes are unique, a table that is read holds at most 400 rows):
// - code: three digits, 600 to 999, no two rows with the same code;
// - name: 1 to 65 characters, no control characters;
// - basicPoints: a whole number 1 to 32767; extendedDayPoints, fullDayPoints and
//   complementPoints: whole numbers 0 to 32767; differentiatedTaskPoints: 0, 17, 20 or 150.
//   A whole number is written in digits alone, without sign, blanks, separators or leading
//   zeros, since the screens and the payslip show it as it is written.
// No empty line anywhere. Throws PositionTableError at the first fault. Every row read is
// marked verified: a table given to the program is the pay scale its user obtained.
std::vector<PositionRecord> readPositionTable(std::string_view text);

} // namespace pagaluz
