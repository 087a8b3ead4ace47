#pragma once

#include "InputField.h"

#include <optional>
#include <string>

namespace pagaluz {

// Why a calculation produced no payslip.
struct CalculationError {
    enum class Kind {
        Validation, // no kind of pay was chosen
        Conversion, // a text that is no number, a number beyond its field, an overflow
    };

    Kind kind = Kind::Validation;
    std::optional<InputField> field; // the input to correct, for conversions
    std::string message;             // in Spanish, for the user

    static constexpr const char *kNoPayBasisMessage = "No seleccionaste cargo ni horas";
};

// Thrown while reading an input; the calculator turns it into its result.
class InputError {
public:
    InputError(InputField field, std::string message)
        : m_field(field), m_message(std::move(message))
    {
    }

    InputField field() const { return m_field; }
    const std::string &message() const { return m_message; }

private:
    InputField m_field;
    std::string m_message;
};

} // namespace pagaluz
