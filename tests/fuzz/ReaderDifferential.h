#pragma once

#include <string>

namespace pagaluz::fuzz {

// Our JSON reader against QJsonDocument on the same bytes, and payInputsFromJson against the
// reading over QJsonValue (QtJsonInput.h):
// - where both accept the bytes and no object in them holds a key twice, the same inputs or the
//   same refusal for the value and for each element of an array;
// - where only Qt accepts them, our refusal is one of the documented ones: a control byte or
//   an unknown escape in a string, a lone surrogate, a number with no digit before or after its
//   decimal point, nesting deeper than ours allows;
// - where only ours accepts them, the value is not an object or an array, or has a number
//   beyond the range of a double;
// - JsonArrayReader gives the elements JsonReader reads, or refuses the same way.
void checkJsonReadersAgree(const std::string &text);

} // namespace pagaluz::fuzz
