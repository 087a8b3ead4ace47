#include "JsonReader.h"

#include "JsonString.h"

#include <utility>

namespace pagaluz {

std::string_view jsonFaultMessage(JsonFault fault)
{
    switch (fault) {
    case JsonFault::EndOfText:
        return "el texto termina antes de completar el valor";
    case JsonFault::ExpectedValue:
        return "se esperaba un valor: un objeto, un arreglo, un texto, un número, true, false "
               "o null";
    case JsonFault::ExpectedKey:
        return "se esperaba una clave entre comillas";
    case JsonFault::ExpectedColon:
        return "se esperaba \":\" después de la clave";
    case JsonFault::ExpectedCommaOrObjectEnd:
        return "se esperaba \",\" o \"}\"";
    case JsonFault::ExpectedCommaOrArrayEnd:
        return "se esperaba \",\" o \"]\"";
    case JsonFault::TrailingComma:
        return "sobra la coma antes del cierre";
    case JsonFault::MissingDigit:
        return "se esperaba una cifra en el número";
    case JsonFault::LeadingZero:
        return "un número no puede empezar con 0 seguido de otra cifra";
    case JsonFault::ControlCharacter:
        return "carácter de control sin escapar en un texto";
    case JsonFault::UnknownEscape:
        return "secuencia de escape desconocida";
    case JsonFault::BadUnicodeEscape:
        return "se esperaban cuatro cifras hexadecimales después de \\u";
    case JsonFault::LoneSurrogate:
        return "sustituto UTF-16 sin su pareja";
    case JsonFault::InvalidUtf8:
        return "texto que no es UTF-8 válido";
    case JsonFault::TooDeep:
        return "más de 256 arreglos u objetos anidados";
    case JsonFault::TrailingText:
        return "hay más texto después del valor";
    }
    return "error desconocido";
}

JsonSyntaxError::JsonSyntaxError(std::size_t offset, JsonFault fault)
    : std::runtime_error(std::string(jsonFaultMessage(fault))), m_offset(offset), m_fault(fault)
{
}

void JsonStorage::clear()
{
    nodes.clear();
    m_decodedInUse = 0;
}

std::string &JsonStorage::newDecodedString()
{
    if (m_decodedInUse == m_decoded.size())
        m_decoded.emplace_back();
    std::string &decoded = m_decoded[m_decodedInUse++];
    decoded.clear();
    return decoded;
}

namespace {

bool isJsonWhitespace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

// Reads values from `text` at `position` into the nodes of `storage`.
class ValueParser {
public:
    ValueParser(std::string_view text, std::size_t position, JsonStorage &storage)
        : m_text(text), m_position(position), m_storage(storage)
    {
    }

    std::size_t position() const { return m_position; }

    void skipWhitespace()
    {
        while (m_position < m_text.size() && isJsonWhitespace(m_text[m_position]))
            ++m_position;
    }

    // The byte at the position, or -1 at the end of the text.
    int peek() const
    {
        return m_position < m_text.size() ? static_cast<unsigned char>(m_text[m_position]) : -1;
    }

    [[noreturn]] void refuse(JsonFault fault) const { throw JsonSyntaxError(m_position, fault); }
    [[noreturn]] void refuseHere(JsonFault fault) const
    {
        refuse(m_position == m_text.size() ? JsonFault::EndOfText : fault);
    }

    // After a value inside a container: true after a "," and the whitespace after it, false
    // at the container's closing byte.
    bool more(char closing, JsonFault otherwise)
    {
        skipWhitespace();
        if (peek() == closing)
            return false;
        if (peek() != ',')
            refuseHere(otherwise);
        ++m_position;
        skipWhitespace();
        if (peek() == closing)
            refuse(JsonFault::TrailingComma);
        return true;
    }

    void step() { ++m_position; }

    // One value at the position; `depth` is the number of arrays and objects around it.
    void value(int depth)
    {
        switch (peek()) {
        case '{':
            object(depth + 1);
            return;
        case '[':
            array(depth + 1);
            return;
        case '"':
            string();
            return;
        case 't':
            literal("true", JsonType::Boolean, true);
            return;
        case 'f':
            literal("false", JsonType::Boolean, false);
            return;
        case 'n':
            literal("null", JsonType::Null, false);
            return;
        case '.':
            refuse(JsonFault::MissingDigit);
        default:
            if (peek() == '-' || isDigit(peek()))
                number();
            else
                refuseHere(JsonFault::ExpectedValue);
        }
    }

private:
    static bool isDigit(int c) { return c >= '0' && c <= '9'; }

    std::size_t open(JsonType type, int depth)
    {
        if (depth > kJsonMaxDepth)
            refuse(JsonFault::TooDeep);
        ++m_position;
        m_storage.nodes.push_back({type, false, false, 1, {}});
        return m_storage.nodes.size() - 1;
    }

    void close(std::size_t index)
    {
        ++m_position;
        m_storage.nodes[index].size = m_storage.nodes.size() - index;
    }

    void object(int depth)
    {
        const std::size_t index = open(JsonType::Object, depth);
        skipWhitespace();
        if (peek() != '}') {
            do {
                member(depth);
            } while (more('}', JsonFault::ExpectedCommaOrObjectEnd));
        }
        close(index);
    }

    void member(int depth)
    {
        if (peek() != '"')
            refuseHere(JsonFault::ExpectedKey);
        string();
        skipWhitespace();
        if (peek() != ':')
            refuseHere(JsonFault::ExpectedColon);
        ++m_position;
        skipWhitespace();
        value(depth);
    }

    void array(int depth)
    {
        const std::size_t index = open(JsonType::Array, depth);
        skipWhitespace();
        if (peek() != ']') {
            do {
                value(depth);
            } while (more(']', JsonFault::ExpectedCommaOrArrayEnd));
        }
        close(index);
    }

    void string()
    {
        const JsonStringText string = readJsonString(m_text, m_position, m_storage);
        m_storage.nodes.push_back({JsonType::String, false, string.escaped, 1, string.text});
    }

    void literal(std::string_view word, JsonType type, bool boolean)
    {
        if (m_text.substr(m_position, word.size()) != word)
            refuse(JsonFault::ExpectedValue);
        m_storage.nodes.push_back({type, boolean, false, 1, word});
        m_position += word.size();
    }

    void digits()
    {
        while (isDigit(peek()))
            ++m_position;
    }

    // At least one digit, then any more.
    void requiredDigits()
    {
        if (!isDigit(peek()))
            refuse(JsonFault::MissingDigit);
        digits();
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    void number()
    {
        const std::size_t start = m_position;
        if (peek() == '-')
            ++m_position;
        if (peek() == '0') {
            ++m_position;
            if (isDigit(peek()))
                refuse(JsonFault::LeadingZero);
        } else {
            requiredDigits();
        }
        if (peek() == '.') {
            ++m_position;
            requiredDigits();
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_position;
            if (peek() == '+' || peek() == '-')
                ++m_position;
            requiredDigits();
        }
        m_storage.nodes.push_back(
            {JsonType::Number, false, false, 1, m_text.substr(start, m_position - start)});
    }

    std::string_view m_text;
    std::size_t m_position;
    JsonStorage &m_storage;
};

// Where the value of a text starts: after a UTF-8 byte order mark and whitespace.
std::size_t valueStart(std::string_view text)
{
    std::size_t position = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    while (position < text.size() && isJsonWhitespace(text[position]))
        ++position;
    return position;
}

} // namespace

JsonValue JsonReader::read(std::string_view text)
{
    m_storage.clear();
    ValueParser parser(text, valueStart(text), m_storage);
    parser.value(0);
    parser.skipWhitespace();
    if (parser.position() != text.size())
        parser.refuse(JsonFault::TrailingText);
    return JsonValue(m_storage.nodes.data());
}

bool startsAsArray(std::string_view text)
{
    const std::size_t start = valueStart(text);
    return start < text.size() && text[start] == '[';
}

JsonArrayReader::JsonArrayReader(std::string_view text)
    : m_text(text), m_position(valueStart(text) + 1)
{
}

JsonArrayReader::JsonArrayReader(std::string_view text, Mark mark)
    : m_text(text), m_position(mark.position), m_first(mark.first)
{
}

std::optional<JsonValue> JsonArrayReader::next()
{
    if (m_finished || atEnd())
        return std::nullopt;
    m_storage.clear();
    ValueParser parser(m_text, m_position, m_storage);
    parser.value(1);
    m_position = parser.position();
    return JsonValue(m_storage.nodes.data());
}

// Moves to the next element, or past the closing bracket when there is none; then checks that
// only whitespace follows.
bool JsonArrayReader::atEnd()
{
    ValueParser parser(m_text, m_position, m_storage);
    parser.skipWhitespace();
    const bool another = std::exchange(m_first, false)
                             ? parser.peek() != ']'
                             : parser.more(']', JsonFault::ExpectedCommaOrArrayEnd);
    if (!another) {
        parser.step();
        parser.skipWhitespace();
        if (parser.position() != m_text.size())
            parser.refuse(JsonFault::TrailingText);
        m_finished = true;
    }
    m_position = parser.position();
    return !another;
}

} // namespace pagaluz
