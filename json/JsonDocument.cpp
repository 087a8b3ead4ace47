#include "JsonDocument.h"

#include <string>

namespace pagaluz {

namespace {

constexpr std::size_t kMaxDepth = 256;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string reasonOf(simdjson::error_code error)
{
    using simdjson::error_code;
    switch (error) {
    case error_code::UTF8_ERROR:
        return "hay bytes que no son UTF-8";
    case error_code::UNESCAPED_CHARS:
        return "un texto contiene un carácter de control sin escapar";
    case error_code::STRING_ERROR:
        return "un texto contiene un escape no válido o un sustituto UTF-16 solo";
    case error_code::UNCLOSED_STRING:
        return "un texto no se cierra";
    case error_code::NUMBER_ERROR:
        return "un número no está bien escrito o excede el rango de un double";
    case error_code::T_ATOM_ERROR:
    case error_code::F_ATOM_ERROR:
    case error_code::N_ATOM_ERROR:
        return "una palabra no es true, false ni null";
    case error_code::DEPTH_ERROR:
        return "hay arreglos u objetos anidados a más de 256 niveles";
    case error_code::INCOMPLETE_ARRAY_OR_OBJECT:
        return "un arreglo u objeto no se cierra, o algo sigue al valor";
    case error_code::EMPTY:
        return "no hay ningún valor";
    case error_code::CAPACITY:
        return "el texto es demasiado grande";
    case error_code::MEMALLOC:
        return "no hay memoria suficiente para leerlo";
    case error_code::TAPE_ERROR:
        return "la estructura no es JSON: falta o sobra una coma, dos puntos, una llave o un "
               "corchete, hay una palabra desconocida o algo sigue al valor";
    default:
        return simdjson::error_message(error);
    }
}

} // namespace

JsonParser::JsonParser()
{
    // The depth set here is kept when the parser later makes room for a larger text.
    if (const auto error = m_parser.allocate(0, kMaxDepth))
        throw JsonSyntaxError("JSON mal formado: " + reasonOf(error));
}

simdjson::dom::element JsonParser::parse(std::string_view text)
{
    return parse(text, false);
}

simdjson::dom::element JsonParser::parsePadded(std::string_view text)
{
    return parse(text, true);
}

simdjson::dom::element JsonParser::parse(std::string_view text, bool padded)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    simdjson::dom::element value;
    if (const auto error = m_parser.parse(text.data(), text.size(), !padded).get(value))
        throw JsonSyntaxError("JSON mal formado: " + reasonOf(error));
    return value;
}

namespace {

[[noreturn]] void refuseSyntax(simdjson::error_code error)
{
    throw JsonSyntaxError("JSON mal formado: " + reasonOf(error));
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where the element starting at `start` ends: before the blanks and the comma or bracket that
// stand before `next`, the start of what follows it.
std::string_view elementBetween(const char *start, const char *next)
{
    while (next > start && isBlank(next[-1]))
        --next;
    return {start, static_cast<std::size_t>(next - 1 - start)};
}

} // namespace

std::vector<std::string_view> arrayElementTexts(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    simdjson::ondemand::parser parser;
    simdjson::ondemand::document document;
    if (const auto error =
            parser.iterate(text.data(), text.size(), text.size() + kJsonPadding).get(document))
        refuseSyntax(error);
    simdjson::ondemand::array array;
    if (const auto error = document.get_array().get(array))
        refuseSyntax(error);
    std::vector<const char *> starts;
    for (auto element : array) {
        simdjson::ondemand::value value;
        if (const auto error = element.get(value))
            refuseSyntax(error);
        starts.push_back(value.raw_json_token().data());
    }
    const char *after = nullptr;
    if (document.current_location().get(after) == simdjson::SUCCESS)
        refuseSyntax(simdjson::TAPE_ERROR); // something follows the array
    std::vector<std::string_view> elements;
    elements.reserve(starts.size());
    for (std::size_t index = 0; index < starts.size(); ++index) {
        const bool last = index + 1 == starts.size();
        elements.push_back(
            elementBetween(starts[index], last ? text.data() + text.size() : starts[index + 1]));
    }
    return elements;
}

} // namespace pagaluz
