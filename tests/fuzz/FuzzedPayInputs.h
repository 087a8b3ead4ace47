#pragma once

#include "DecimalConventions.h"
#include "PayInputs.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace pagaluz::fuzz {

// One calculation made from the fuzzer's bytes: its inputs and the decimal
// conventions they are typed and written in.
struct FuzzedCalculation {
    PayInputs inputs;
    DecimalConventions conventions;
};

// The bytes are read as ten switch bytes (missing ones are zero), then the
// texts of the boxes, one per line ("\n" ends a line); a missing line keeps
// the box's start-up text.
//
// Switch byte 0: bits 0 to 2 tick "Cargo", "Hs. N. Medio", "Hs. N. Superior"
//   (any of them, none or several); bit 3 a decimal point instead of a comma;
//   bits 4 to 7 "Incentivo", "Transporte", "Hijos", "Hijos discapacitados".
// Byte 1: bit 0 "Cónyuge"; bits 1 to 7 the seven deductions in payslip order.
// Byte 2: the seniority bracket, modulo 13, with its percentage and text.
// Bytes 3 to 6: the zone's list index, a little-endian 32-bit integer.
// Byte 7: where the position comes from, modulo 4: 0 the catalogue row,
//   1 the code typed on line 1, 2 the row with the point boxes of lines 2 to 6
//   typed over it, 3 every box typed (lines 1 to 6).
// Bytes 8 and 9: the catalogue row, little-endian, modulo the number of rows.
//
// Lines, in order: code, basic points, complement points, full-day points,
// extended-day points, differentiated-task points, secondary hours, higher
// hours, code-06 hours, incentive hours, code-113 hours, days of absence,
// kilometres, children, children with a disability, the teacher's name.
FuzzedCalculation fuzzedCalculation(std::span<const std::uint8_t> bytes);

} // namespace pagaluz::fuzz
