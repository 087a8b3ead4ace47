#include "InputReading.h"

#include "CalculationError.h"
#include "NumberText.h"

#include <limits>
#include <string>

namespace pagaluz {

namespace {

// The text as the message quotes it: at most 30 characters, so that a
// pasted page does not flood the message.
std::string quoted(std::string_view text)
{
    constexpr std::size_t kShown = 30;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown) {
        // Do not cut a UTF-8 character in two.
        while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80)
            shown.pop_back();
        if (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0x80) != 0)
            shown.pop_back();
        shown += "…";
    }
    return "\"" + shown + "\"";
}

std::string rangeText(long long lowest, long long highest)
{
    return " está fuera del rango permitido (de " + std::to_string(lowest) + " a " +
           std::to_string(highest) + ").";
}

// The end of the message for a number beyond what its field holds. It is made only when a
// number is refused, so that reading a good number allocates nothing.
using OutOfRangeText = std::string (*)();

template <typename T>
T valueOrRefuse(const NumberRead<T> &read, std::string_view text, InputField field,
                OutOfRangeText outOfRange)
{
    if (const T *value = std::get_if<T>(&read))
        return *value;
    switch (std::get<NumberTextFailure>(read)) {
    case NumberTextFailure::Empty:
        refuseInput(field, "el campo está vacío; escriba un número.");
    case NumberTextFailure::NotANumber:
        refuseInput(field, quoted(text) + " no es un número.");
    case NumberTextFailure::OutOfRange:
        break;
    }
    refuseInput(field, quoted(text) + outOfRange());
}

template <typename Integer> std::string integerRange()
{
    return rangeText(std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max());
}

// A count read as a 16-bit number, which cannot be below zero.
std::string wholeCountRange()
{
    return rangeText(0, std::numeric_limits<std::int16_t>::max());
}

std::string numberTooLarge()
{
    return " es un número demasiado grande.";
}

std::string amountTooLarge()
{
    return " es un importe demasiado grande.";
}

void refuseNegative(std::string_view text, InputField field)
{
    refuseInput(field, quoted(text) + " es negativo; la cantidad no puede ser menor que cero.");
}

} // namespace

void refuseInput(InputField field, std::string_view problem)
{
    throw InputError(field, std::string(inputFieldLabel(field)) + ": " + std::string(problem));
}

double readDouble(std::string_view text, InputField field, const DecimalConventions &conv)
{
    return valueOrRefuse(parseDouble(text, conv), text, field, numberTooLarge);
}

std::int16_t readInt16(std::string_view text, InputField field, const DecimalConventions &conv)
{
    return valueOrRefuse(parseInt16(text, conv), text, field, integerRange<std::int16_t>);
}

std::uint8_t readUInt8(std::string_view text, InputField field, const DecimalConventions &conv)
{
    const NumberRead<std::uint8_t> read = parseUInt8(text, conv);
    if (std::holds_alternative<NumberTextFailure>(read) &&
        std::get<NumberTextFailure>(read) == NumberTextFailure::OutOfRange) {
        const NumberRead<double> value = parseDouble(text, conv);
        if (const double *number = std::get_if<double>(&value); number && *number < 0)
            refuseNegative(text, field);
    }
    return valueOrRefuse(read, text, field, integerRange<std::uint8_t>);
}

Money readMoney(std::string_view text, InputField field, const DecimalConventions &conv)
{
    return valueOrRefuse(parseMoney(text, conv), text, field, amountTooLarge);
}

double readCount(std::string_view text, InputField field, const DecimalConventions &conv)
{
    const double value = readDouble(text, field, conv);
    if (value < 0)
        refuseNegative(text, field);
    return value;
}

std::int16_t readWholeCount(std::string_view text, InputField field, const DecimalConventions &conv)
{
    const std::int16_t value = valueOrRefuse(parseInt16(text, conv), text, field, wholeCountRange);
    if (value < 0)
        refuseNegative(text, field);
    return value;
}

} // namespace pagaluz
