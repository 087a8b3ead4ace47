#pragma once

#include "PayInputs.h"

#include <array>
#include <string>
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

// Everything that names one converted input: where its text is kept in the inputs, its key
// in the command-line tool's JSON, its label in messages and the objectName of the box that
// holds it on the screens. A point of the position is kept in `PayInputs::position`: its
// key is written "position.<member key>".
struct InputFieldInfo {
    InputField field;
    std::string_view key;     // e.g. "transportKm" or "position.basicPoints"
    std::string_view label;   // e.g. "Número de horas con código 06"
    std::string_view boxName; // e.g. "cantkm"; a position's point box is on the selection screen
    std::string PayInputs::*text = nullptr;                // the text, for an input of its own
    std::string SelectedPosition::*positionText = nullptr; // the text, for a position's point

    // Whether the field is a point of the position (its box on the selection screen).
    constexpr bool ofPosition() const { return positionText != nullptr; }
    // The key within the position's object ("basicPoints"), or the whole key.
    constexpr std::string_view memberKey() const
    {
        return ofPosition() ? key.substr(key.find('.') + 1) : key;
    }
};

// One entry for each InputField, in the enumeration's order.
inline constexpr std::array kInputFields{
    InputFieldInfo{InputField::BasicPoints, "position.basicPoints", "Puntos básicos", "punbas",
                   nullptr, &SelectedPosition::basicPoints},
    InputFieldInfo{InputField::FullDayPoints, "position.fullDayPoints", "Jorn. completa", "jorcom",
                   nullptr, &SelectedPosition::fullDayPoints},
    InputFieldInfo{InputField::ExtendedDayPoints, "position.extendedDayPoints", "Prol. de jornada",
                   "proljor", nullptr, &SelectedPosition::extendedDayPoints},
    InputFieldInfo{InputField::DifferentiatedTaskPoints, "position.differentiatedTaskPoints",
                   "Tarea diferenc.", "tardif", nullptr,
                   &SelectedPosition::differentiatedTaskPoints},
    InputFieldInfo{InputField::ComplementPoints, "position.complementPoints", "Comp básico",
                   "compbas", nullptr, &SelectedPosition::complementPoints},
    InputFieldInfo{InputField::SecondaryHours, "secondaryHoursText", "Número de horas N. Medio",
                   "numerohorasmed", &PayInputs::secondaryHoursText},
    InputFieldInfo{InputField::HigherHours, "higherHours", "Número de horas N. Superior",
                   "numerohorassup", &PayInputs::higherHours},
    InputFieldInfo{InputField::Code06Hours, "code06Hours", "Número de horas con código 06",
                   "numhorascod06", &PayInputs::code06Hours},
    InputFieldInfo{InputField::IncentiveHours, "incentiveHours", "Número de horas con incentivo",
                   "numhorasincen", &PayInputs::incentiveHours},
    InputFieldInfo{InputField::Code113Hours, "code113Hours", "Número de horas con código 113",
                   "numhorascod113", &PayInputs::code113Hours},
    InputFieldInfo{InputField::AbsenceDays, "absenceDays", "Inasistencias Just (días)", "dinasist",
                   &PayInputs::absenceDays},
    InputFieldInfo{InputField::TransportKm, "transportKm", "Transporte (km semanales)", "cantkm",
                   &PayInputs::transportKm},
    InputFieldInfo{InputField::ChildCount, "childCount", "Hijos", "cantidadhijos",
                   &PayInputs::childCount},
    InputFieldInfo{InputField::DisabledChildCount, "disabledChildCount", "Hijos Diferenc",
                   "cantidadhijosdisc", &PayInputs::disabledChildCount},
};

static_assert(
    [] {
        for (std::size_t index = 0; index < kInputFields.size(); ++index)
            if (static_cast<std::size_t>(kInputFields[index].field) != index)
                return false;
        return true;
    }(),
    "kInputFields lists the fields in the enumeration's order");

constexpr const InputFieldInfo &infoOf(InputField field)
{
    return kInputFields[static_cast<std::size_t>(field)];
}

// The name of the field in the command-line tool's input, e.g. "transportKm"
// or "position.basicPoints".
constexpr std::string_view inputFieldKey(InputField field)
{
    return infoOf(field).key;
}

// The field's label as the screens show it, e.g. "Número de horas con código 06".
constexpr std::string_view inputFieldLabel(InputField field)
{
    return infoOf(field).label;
}

// The text of the field in `inputs`.
inline std::string &fieldText(PayInputs &inputs, InputField field)
{
    const InputFieldInfo &info = infoOf(field);
    return info.ofPosition() ? inputs.position.*info.positionText : inputs.*info.text;
}

inline const std::string &fieldText(const PayInputs &inputs, InputField field)
{
    return fieldText(const_cast<PayInputs &>(inputs), field);
}

} // namespace pagaluz
