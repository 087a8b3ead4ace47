#pragma once

#include <string_view>

namespace pagaluz {

// The inputs whose text the calculation converts, in the order it reads them.
enum class InputField {
    BasicPoints,
    FullDayPoints,
    ExtendedDayPoints,
    DifferentiatedTaskPoints,
    ComplementPoints,
    SecondaryHours,
    HigherHours,
    Code06Hours,
    IncentiveHours,
    Code113Hours,
    AbsenceDays,
    TransportKm,
    ChildCount,
    DisabledChildCount,
};

// The name of the field in the command-line tool's input, e.g. "transportKm"
// or "position.basicPoints".
std::string_view inputFieldKey(InputField field);

// The field's label as the screens show it, e.g. "Número de horas con código 06".
std::string_view inputFieldLabel(InputField field);

} // namespace pagaluz
