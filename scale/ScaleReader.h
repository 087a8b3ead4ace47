#pragma once

#include "PayScale.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace pagaluz {

// A scale file refused whole, with where and why: "línea 12, columna 1 (cargos.valor_del_punto):
// falta esta cifra".
class ScaleRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest name of a scale: what the payslip's header shows.
inline constexpr std::size_t kLongestScaleName = 40;

// The pay scale a scale file states. Every figure must be there, of its type and within its
// range, and nothing else; otherwise throws ScaleRefused naming the first fault.
PayScale readPayScale(std::string_view text);

} // namespace pagaluz
