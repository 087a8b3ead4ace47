#include "ScaleSection.h"

#include "ScaleReader.h"

#include <toml++/toml.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace pagaluz {

namespace {

[[noreturn]] void refuseAt(const toml::source_region &where, const std::string &key,
                           const std::string &why)
{
    const auto line = std::max<toml::source_index>(where.begin.line, 1);
    const auto column = std::max<toml::source_index>(where.begin.column, 1);
    throw ScaleRefused("línea " + std::to_string(line) + ", columna " + std::to_string(column) +
                       (key.empty() ? std::string() : " (" + key + ")") + ": " + why);
}

std::string shortest(double value)
{
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    return std::string(text, end);
}

std::string between(double least, double most)
{
    return "debe estar entre " + shortest(least) + " y " + shortest(most);
}

// The number of characters of UTF-8 text, or nothing when it holds a control character.
std::optional<std::size_t> printableLength(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return std::nullopt;
        if ((byte & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

} // namespace

ScaleSection ScaleSection::parse(std::string_view text)
{
    try {
        auto root = std::make_shared<const toml::table>(toml::parse(text));
        const toml::table &table = *root;
        return ScaleSection(std::move(root), table, "");
    } catch (const toml::parse_error &error) {
        refuseAt(error.source(), "", std::string(error.description()));
    }
}

ScaleSection::ScaleSection(std::shared_ptr<const toml::table> root, const toml::table &table,
                           std::string path)
    : m_root(std::move(root)), m_table(&table), m_path(std::move(path))
{
}

std::string ScaleSection::named(const char *key) const
{
    return m_path.empty() ? key : m_path + "." + key;
}

void ScaleSection::refuse(const toml::node &where, const std::string &key,
                          const std::string &why) const
{
    refuseAt(where.source(), key, why);
}

const toml::node &ScaleSection::taken(const char *key)
{
    const toml::node *node = m_table->get(key);
    if (!node)
        refuseAt(m_table->source(), named(key), "falta esta clave");
    m_taken.insert(key);
    return *node;
}

double ScaleSection::number(const char *key, double least, double most)
{
    const toml::node &node = taken(key);
    std::optional<double> value;
    if (const auto *whole = node.as_integer())
        value = static_cast<double>(whole->get());
    else if (const auto *real = node.as_floating_point())
        value = real->get();
    if (!value)
        refuse(node, named(key), "debe ser un número");
    if (!(*value >= least && *value <= most))
        refuse(node, named(key), between(least, most));
    return *value;
}

std::int64_t ScaleSection::whole(const char *key, std::int64_t least, std::int64_t most,
                                 const char *belowLeast)
{
    const toml::node &node = taken(key);
    const auto *whole = node.as_integer();
    if (!whole)
        refuse(node, named(key), "debe ser un número entero");
    const std::int64_t value = whole->get();
    if (value < least && belowLeast)
        refuse(node, named(key), belowLeast);
    if (value < least || value > most)
        refuse(node, named(key), between(double(least), double(most)));
    return value;
}

Money ScaleSection::amount(const char *key, double most)
{
    const double value = number(key, 0.0, most);
    const Money money = Money::fromDouble(value);
    if (money.toDouble() != value)
        refuse(*m_table->get(key), named(key), "un importe tiene a lo sumo cuatro decimales");
    return money;
}

std::string ScaleSection::text(const char *key, std::size_t longest)
{
    const toml::node &node = taken(key);
    const auto *string = node.as_string();
    if (!string)
        refuse(node, named(key), "debe ser un texto entre comillas");
    const std::string &value = string->get();
    const auto length = printableLength(value);
    if (!length)
        refuse(node, named(key), "un texto no lleva caracteres de control");
    if (*length == 0 || *length > longest)
        refuse(node, named(key), "debe tener entre 1 y " + std::to_string(longest) + " caracteres");
    return value;
}

std::string ScaleSection::date(const char *key)
{
    const toml::node &node = taken(key);
    const auto *date = node.as_date();
    if (!date)
        refuse(node, named(key), "debe ser una fecha (2008-08-01)");
    char text[16];
    const toml::date &d = date->get();
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned(d.year), unsigned(d.month),
                  unsigned(d.day));
    return text;
}

ScaleSection ScaleSection::section(const char *key)
{
    const toml::node &node = taken(key);
    const auto *table = node.as_table();
    if (!table)
        refuse(node, named(key), "debe ser una tabla ([" + named(key) + "])");
    return ScaleSection(m_root, *table, named(key));
}

std::vector<ScaleSection> ScaleSection::tables(const char *key, std::size_t fewest,
                                               std::size_t most)
{
    const toml::node &node = taken(key);
    const auto *array = node.as_array();
    if (!array || !array->is_array_of_tables())
        refuse(node, named(key), "debe ser una lista de tablas ([[" + named(key) + "]])");
    if (array->size() < fewest || array->size() > most)
        refuse(node, named(key),
               "debe tener entre " + std::to_string(fewest) + " y " + std::to_string(most) +
                   " tablas");
    std::vector<ScaleSection> sections;
    for (std::size_t i = 0; i < array->size(); ++i)
        sections.push_back(ScaleSection(m_root, *array->get(i)->as_table(),
                                        named(key) + "[" + std::to_string(i + 1) + "]"));
    return sections;
}

std::vector<std::int64_t> ScaleSection::wholes(const char *key, std::size_t fewest,
                                               std::size_t most, std::int64_t least,
                                               std::int64_t largest, bool rising)
{
    const toml::node &node = taken(key);
    const auto *array = node.as_array();
    if (!array)
        refuse(node, named(key), "debe ser una lista de números enteros");
    if (array->size() < fewest || array->size() > most)
        refuse(node, named(key),
               fewest == most ? "debe tener " + std::to_string(fewest) + " números"
                              : "debe tener entre " + std::to_string(fewest) + " y " +
                                    std::to_string(most) + " números");
    std::vector<std::int64_t> values;
    for (const toml::node &element : *array) {
        const auto *whole = element.as_integer();
        if (!whole)
            refuse(element, named(key), "debe ser una lista de números enteros");
        if (whole->get() < least || whole->get() > largest)
            refuse(element, named(key), between(double(least), double(largest)));
        if (rising && !values.empty() && whole->get() <= values.back())
            refuse(element, named(key), "los límites van de menor a mayor");
        values.push_back(whole->get());
    }
    return values;
}

std::vector<double> ScaleSection::numbers(const char *key, std::size_t fewest, std::size_t most,
                                          double least, double largest)
{
    const toml::node &node = taken(key);
    const auto *array = node.as_array();
    if (!array)
        refuse(node, named(key), "debe ser una lista de números");
    if (array->size() < fewest || array->size() > most)
        refuse(node, named(key),
               fewest == most ? "debe tener " + std::to_string(fewest) + " números"
                              : "debe tener entre " + std::to_string(fewest) + " y " +
                                    std::to_string(most) + " números");
    std::vector<double> values;
    for (const toml::node &element : *array) {
        std::optional<double> value;
        if (const auto *whole = element.as_integer())
            value = static_cast<double>(whole->get());
        else if (const auto *real = element.as_floating_point())
            value = real->get();
        if (!value)
            refuse(element, named(key), "debe ser una lista de números");
        if (!(*value >= least && *value <= largest))
            refuse(element, named(key), between(least, largest));
        values.push_back(*value);
    }
    return values;
}

std::vector<std::vector<int>> ScaleSection::table(const char *key, std::size_t rows,
                                                  std::size_t columns, double largest)
{
    const toml::node &node = taken(key);
    const auto *array = node.as_array();
    if (!array)
        refuse(node, named(key), "debe ser una lista de filas");
    if (array->size() != rows)
        refuse(node, named(key),
               "debe tener " + std::to_string(rows) +
                   " filas: una sin tramo y una por tramo de antigüedad");
    std::vector<std::vector<int>> table;
    for (const toml::node &rowNode : *array) {
        const auto *row = rowNode.as_array();
        if (!row || row->size() != columns)
            refuse(rowNode, named(key),
                   "cada fila debe tener " + std::to_string(columns) + " números enteros");
        std::vector<int> values;
        for (const toml::node &cell : *row) {
            const auto *whole = cell.as_integer();
            if (!whole)
                refuse(cell, named(key), "debe ser un número entero");
            if (whole->get() < 0 || double(whole->get()) > largest)
                refuse(cell, named(key), between(0.0, largest));
            values.push_back(static_cast<int>(whole->get()));
        }
        table.push_back(std::move(values));
    }
    return table;
}

void ScaleSection::finish() const
{
    for (const auto &[key, node] : *m_table)
        if (m_taken.find(key.str()) == m_taken.end())
            refuseAt(key.source(), named(std::string(key.str()).c_str()), "clave desconocida");
}

} // namespace pagaluz
