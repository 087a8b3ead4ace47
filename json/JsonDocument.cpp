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

} // namespace pagaluz
