#pragma once

#include "DecimalConventions.h"
#include "InputField.h"
#include "Money.h"

#include <cstdint>
#include <string_view>

namespace pagaluz {

// Reading the text of one input as the number its field needs. Each throws
// InputError naming the field, with a message for the user, when the text is
// no number or the number does not fit.
double readDouble(std::string_view text, InputField field, const DecimalConventions &conv);
std::int16_t readInt16(std::string_view text, InputField field, const DecimalConventions &conv);
std::uint8_t readUInt8(std::string_view text, InputField field, const DecimalConventions &conv);
Money readMoney(std::string_view text, InputField field, const DecimalConventions &conv);

// A count that cannot be below zero: hours, days, kilometres, children.
// "-0" reads as zero and stands.
double readCount(std::string_view text, InputField field, const DecimalConventions &conv);
std::int16_t readWholeCount(std::string_view text, InputField field,
                            const DecimalConventions &conv);

// Throws InputError naming `field` with `problem` after its label.
[[noreturn]] void refuseInput(InputField field, std::string_view problem);

} // namespace pagaluz
