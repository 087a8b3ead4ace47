#pragma once

#include "ScaleWriter.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace pagaluz::test {

// The scale file of another month, as a user makes it from `pagaluz-calc --print-scale`:
// "Haberes Marzo 09", whose point is worth 0.700.
inline std::string otherScaleText()
{
    std::string text = scaleFileText(PayScale::builtIn());
    const std::pair<const char *, const char *> edits[] = {
        {"nombre = \"Haberes Agosto 08\"", "nombre = \"Haberes Marzo 09\""},
        {"\"Agosto de 2.008\"", "\"Marzo de 2.009\""},
        {"\"Haberes de Agosto de 2.008\"", "\"Haberes de Marzo de 2.009\""},
        {"valor_del_punto = 0.653", "valor_del_punto = 0.700"},
    };
    for (const auto &[from, to] : edits) {
        const std::size_t at = text.find(from);
        if (at == std::string::npos)
            throw std::logic_error(std::string("the scale file has no ") + from);
        text.replace(at, std::string(from).size(), to);
    }
    return text;
}

} // namespace pagaluz::test
