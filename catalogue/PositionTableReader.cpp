#include "PositionTableReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>

namespace pagaluz {

namespace {

constexpr std::array<std::string_view, kPositionTableColumns> kColumnNames{
    "code",
    "name",
    "basicPoints",
    "extendedDayPoints",
    "fullDayPoints",
    "differentiatedTaskPoints",
    "complementPoints"};

enum Column : int {
    kCode = 1,
    kName,
    kBasicPoints,
    kExtendedDayPoints,
    kFullDayPoints,
    kDifferentiatedTaskPoints,
    kComplementPoints,
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownCharacters = 40;

std::string placeText(int line, int column)
{
    std::string text = "línea " + std::to_string(line) + ", columna " + std::to_string(column);
    if (column >= 1 && column <= kPositionTableColumns)
        text += " (" + std::string(kColumnNames[static_cast<std::size_t>(column - 1)]) + ")";
    return text;
}

[[noreturn]] void refuse(int line, int column, const std::string &problem)
{
    throw PositionTableError(line, column, problem);
}

// The characters of `text` when it is UTF-8 without overlong forms, surrogates or values
// beyond U+10FFFF.
std::optional<std::u32string> decodeUtf8(std::string_view text)
{
    std::u32string decoded;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 0;
        char32_t value = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            length = 1;
            value = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            value = lead & 0x1Fu;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            value = lead & 0x0Fu;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            value = lead & 0x07u;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (text.size() - at < length)
            return std::nullopt;
        for (std::size_t next = 1; next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[at + next]);
            if ((byte & 0xC0) != 0x80)
                return std::nullopt;
            value = (value << 6) | (byte & 0x3Fu);
        }
        const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
        if (value < smallest || surrogate || value > 0x10FFFF)
            return std::nullopt;
        decoded += value;
        at += length;
    }
    return decoded;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// A field's text for a message, cut short when it is long. `text` is valid UTF-8.
std::string shown(std::string_view text)
{
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && characters < kShownCharacters) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        ++characters;
    }
    return "«" + std::string(text.substr(0, end)) + (end < text.size() ? "…»" : "»");
}

// The fields of one line, taken one at a time in the order of the text, so that the first
// fault of the line is the one refused: separated by commas, a field that starts with a quote
// runs to the next single quote, a doubled quote inside it standing for one.
class FieldReader {
public:
    FieldReader(std::string_view line, int lineNumber) : m_rest(line), m_line(lineNumber) {}

    bool atEnd() const { return m_atEnd; }
    // The column of the field `next` gives.
    int nextColumn() const { return m_column + 1; }

    std::string next()
    {
        ++m_column;
        std::string field = m_rest.starts_with('"') ? quoted() : plain();
        if (m_rest.empty())
            m_atEnd = true;
        else
            m_rest.remove_prefix(1); // the comma
        return field;
    }

private:
    std::string quoted()
    {
        std::string field;
        m_rest.remove_prefix(1);
        for (;;) {
            const std::size_t quote = m_rest.find('"');
            if (quote == std::string_view::npos)
                refuse(m_line, m_column, "faltan las comillas que cierran el campo");
            field.append(m_rest.substr(0, quote));
            m_rest.remove_prefix(quote + 1);
            if (!m_rest.starts_with('"'))
                break;
            field += '"';
            m_rest.remove_prefix(1);
        }
        if (!m_rest.empty() && m_rest.front() != ',')
            refuse(m_line, m_column, "hay texto después de las comillas que cierran el campo");
        return field;
    }

    std::string plain()
    {
        const std::size_t comma = m_rest.find(',');
        std::string field(m_rest.substr(0, comma));
        if (field.find('"') != std::string::npos)
            refuse(m_line, m_column,
                   "hay comillas dentro de un campo que no empieza con comillas; un campo con "
                   "comillas va entero entre comillas, y cada comilla de adentro doble");
        m_rest.remove_prefix(comma == std::string_view::npos ? m_rest.size() : comma);
        return field;
    }

    std::string_view m_rest;
    int m_line;
    int m_column = 0;
    bool m_atEnd = false;
};

void requireUtf8(const std::string &field, int line, int column)
{
    if (!decodeUtf8(field))
        refuse(line, column, "el texto no es UTF-8 (¿el archivo está en otra codificación?)");
}

void checkHeader(std::string_view line)
{
    FieldReader fields(line, 1);
    for (const std::string_view expected : kColumnNames) {
        const int column = fields.nextColumn();
        if (fields.atEnd())
            refuse(1, column, "al encabezado le falta la columna «" + std::string(expected) + "»");
        const std::string field = fields.next();
        requireUtf8(field, 1, column);
        if (field != expected)
            refuse(1, column,
                   "el encabezado dice " + shown(field) + " donde va «" + std::string(expected) +
                       "»");
    }
    if (!fields.atEnd())
        refuse(1, fields.nextColumn(), "el encabezado tiene más de 7 columnas");
}

// A whole number written in digits alone, without leading zeros; nothing for anything else.
std::optional<int> wholeNumber(std::string_view text)
{
    constexpr std::size_t kMostDigits = 5;
    if (text.empty() || text.size() > kMostDigits || (text.size() > 1 && text.front() == '0'))
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The lines where the codes read so far stand.
using CodeLines = std::map<std::string, int, std::less<>>;

void checkCode(const std::string &code, int line, CodeLines &lineOfCode)
{
    const std::optional<int> value = code.size() == 3 ? wholeNumber(code) : std::nullopt;
    if (!value || *value < 600)
        refuse(line, kCode, "el código tiene tres cifras, de 600 a 999: " + shown(code));
    const auto [earlier, isNew] = lineOfCode.try_emplace(code, line);
    if (!isNew)
        refuse(line, kCode,
               "el código " + code + " ya está en la línea " + std::to_string(earlier->second));
}

void checkName(const std::string &name, int line)
{
    const std::u32string characters = *decodeUtf8(name);
    if (characters.empty())
        refuse(line, kName, "falta el nombre del cargo");
    if (characters.size() > static_cast<std::size_t>(kMaxPositionNameLength))
        refuse(line, kName,
               "el nombre tiene " + std::to_string(characters.size()) +
                   " caracteres; puede tener de 1 a 65: " + shown(name));
    for (const char32_t c : characters) {
        if (isControl(c)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            refuse(line, kName,
                   std::string("el nombre tiene un carácter de control (") + code + ")");
        }
    }
}

void checkPoints(const std::string &text, int line, int column)
{
    const std::optional<int> value = wholeNumber(text);
    if (!value)
        refuse(line, column,
               "los puntos son un número entero escrito solo con cifras, sin signo, "
               "separadores ni ceros a la izquierda: " +
                   shown(text));
    if (column == kBasicPoints && (*value < 1 || *value > kMaxPositionPoints))
        refuse(line, column, "los puntos básicos van de 1 a 32767: " + shown(text));
    if (*value > kMaxPositionPoints)
        refuse(line, column, "los puntos van de 0 a 32767: " + shown(text));
    if (column == kDifferentiatedTaskPoints && *value != 0 && *value != 17 && *value != 20 &&
        *value != 150)
        refuse(line, column,
               "los puntos de tarea diferenciada son 0, 17, 20 o 150: " + shown(text));
}

PositionRecord readRecord(std::string_view content, int line, CodeLines &lineOfCode)
{
    FieldReader reader(content, line);
    std::array<std::string, kPositionTableColumns> fields;
    for (int column = kCode; column <= kComplementPoints; ++column) {
        if (reader.atEnd())
            refuse(line, column, "falta la columna; cada línea tiene 7, como el encabezado");
        std::string &field = fields[static_cast<std::size_t>(column - 1)];
        field = reader.next();
        requireUtf8(field, line, column);
        if (column == kCode)
            checkCode(field, line, lineOfCode);
        else if (column == kName)
            checkName(field, line);
        else
            checkPoints(field, line, column);
    }
    if (!reader.atEnd())
        refuse(line, reader.nextColumn(),
               "sobra una columna; cada línea tiene 7, como el encabezado");
    return {std::move(fields[0]), std::move(fields[1]), std::move(fields[2]), std::move(fields[3]),
            std::move(fields[4]), std::move(fields[5]), std::move(fields[6]), true};
}

} // namespace

PositionTableError::PositionTableError(int line, int column, const std::string &problem)
    : std::invalid_argument(placeText(line, column) + ": " + problem), m_line(line),
      m_column(column), m_problem(problem)
{
}

std::vector<PositionRecord> readPositionTable(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    if (text.empty())
        refuse(1, 1,
               "el archivo está vacío; empieza con el encabezado «" +
                   std::string(kPositionTableHeader) + "»");
    std::vector<PositionRecord> rows;
    CodeLines lineOfCode;
    int line = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view content = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!content.empty() && content.back() == '\r')
            content.remove_suffix(1);
        ++line;
        if (content.empty())
            refuse(line, 1, "la línea está vacía");
        if (line == 1) {
            checkHeader(content);
            continue;
        }
        // The first line past the most a table has is refused as it comes, after the faults of
        // the lines before it.
        if (line > kMaxPositionTableRows + 1)
            refuse(line, 1, "la tabla tiene más de 2000 cargos");
        rows.push_back(readRecord(content, line, lineOfCode));
    }
    if (rows.empty())
        refuse(line + 1, 1, "la tabla no tiene ningún cargo después del encabezado");
    return rows;
}

} // namespace pagaluz
