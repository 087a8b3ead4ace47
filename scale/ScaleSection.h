#pragma once

#include "Money.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace toml {
inline namespace v3 {
class table;
class node;
} // namespace v3
} // namespace toml

namespace pagaluz {

// One table of a scale file, read strictly: each figure is taken by its key, of its type and
// within its range, and finish() refuses any key that was not taken. Every fault throws
// ScaleRefused with the line, the column and the key's full name.
class ScaleSection {
public:
    static ScaleSection parse(std::string_view text);

    double number(const char *key, double least, double most);
    std::int64_t whole(const char *key, std::int64_t least, std::int64_t most,
                       const char *belowLeast = nullptr);
    // A sum of money in pesos, with at most four decimals.
    Money amount(const char *key, double most);
    // A line of text of at most `longest` characters, without control characters.
    std::string text(const char *key, std::size_t longest);
    // A date as the file writes it ("2008-08-01").
    std::string date(const char *key);
    ScaleSection section(const char *key);
    // An array of tables with `fewest` to `most` tables.
    std::vector<ScaleSection> tables(const char *key, std::size_t fewest, std::size_t most);
    std::vector<std::int64_t> wholes(const char *key, std::size_t fewest, std::size_t most,
                                     std::int64_t least, std::int64_t largest, bool rising);
    std::vector<double> numbers(const char *key, std::size_t fewest, std::size_t most, double least,
                                double largest);
    // `rows` arrays of `columns` whole numbers from 0 to `largest`.
    std::vector<std::vector<int>> table(const char *key, std::size_t rows, std::size_t columns,
                                        double largest);
    // Refuses the first key of this table that no call above took.
    void finish() const;

private:
    ScaleSection(std::shared_ptr<const toml::table> root, const toml::table &table,
                 std::string path);
    const toml::node &taken(const char *key);
    std::string named(const char *key) const;
    [[noreturn]] void refuse(const toml::node &where, const std::string &key,
                             const std::string &why) const;

    std::shared_ptr<const toml::table> m_root;
    const toml::table *m_table;
    std::string m_path;
    std::set<std::string, std::less<>> m_taken;
};

} // namespace pagaluz
