#pragma once

#include "PayInputs.h"

#include <array>
#include <string>
#include <string_view>

namespace pagaluz {

// The table of inputs: every input of a calculation with its key in the command-line tool's
// JSON and the saved files, its label, and the name of its control on the screens; one table
// for each kind of value: the texts the calculation converts (kInputFields), the texts kept as
// typed (kInputTexts), the ticks (kInputTicks), the deductions (kDeductionInputs), the kinds of
// pay (kPayKinds), the seniority bracket and the zone. The readers and writers of the inputs,
// the screens and the diagnosis go through these tables.

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

// A text kept as typed, which the calculation does not convert: the teacher's name, and the
// position's code and name as the selection screen holds them. Like a converted input's, its
// key is "position.<member key>" for a text of the position.
struct InputTextInfo {
    std::string_view key;     // e.g. "teacherName" or "position.code"
    std::string_view label;   // e.g. "Apellido y nombre"
    std::string_view boxName; // e.g. "docente"; a position's box is on the selection screen
    std::string PayInputs::*text = nullptr;
    std::string SelectedPosition::*positionText = nullptr;

    constexpr bool ofPosition() const { return positionText != nullptr; }
    constexpr std::string_view memberKey() const
    {
        return ofPosition() ? key.substr(key.find('.') + 1) : key;
    }
};

// The key of the object that holds the position's texts.
inline constexpr std::string_view kPositionKey = "position";

inline constexpr std::array kInputTexts{
    InputTextInfo{"teacherName", "Apellido y nombre", "docente", &PayInputs::teacherName},
    InputTextInfo{"position.code", "Código del cargo", "codcargo", nullptr,
                  &SelectedPosition::code},
    InputTextInfo{"position.name", "Cargo", "cargox", nullptr, &SelectedPosition::name},
};

// The text of an entry of kInputTexts or kInputFields in `inputs`.
template <typename Entry> std::string &textIn(PayInputs &inputs, const Entry &entry)
{
    return entry.ofPosition() ? inputs.position.*entry.positionText : inputs.*entry.text;
}

template <typename Entry> const std::string &textIn(const PayInputs &inputs, const Entry &entry)
{
    return entry.ofPosition() ? inputs.position.*entry.positionText : inputs.*entry.text;
}

// The check boxes of the data entry screen that the calculation reads.
enum class InputTick { Incentive, Transport, Children, DisabledChildren, Spouse };

struct InputTickInfo {
    InputTick tick;
    std::string_view key;     // e.g. "disabledChildren"
    std::string_view label;   // the box's caption, e.g. "Hijos Diferenc"
    std::string_view boxName; // e.g. "hijosdisc"
    bool PayInputs::*ticked;
};

// One entry for each InputTick, in the enumeration's order.
inline constexpr std::array kInputTicks{
    InputTickInfo{InputTick::Incentive, "incentive", "Incentivo", "opincentivo",
                  &PayInputs::incentive},
    InputTickInfo{InputTick::Transport, "transport", "Transporte", "transporte",
                  &PayInputs::transport},
    InputTickInfo{InputTick::Children, "children", "Hijos", "hijos", &PayInputs::children},
    InputTickInfo{InputTick::DisabledChildren, "disabledChildren", "Hijos Diferenc", "hijosdisc",
                  &PayInputs::disabledChildren},
    InputTickInfo{InputTick::Spouse, "spouse", "Conyuge", "conyuge", &PayInputs::spouse},
};

static_assert(
    [] {
        for (std::size_t index = 0; index < kInputTicks.size(); ++index)
            if (static_cast<std::size_t>(kInputTicks[index].tick) != index)
                return false;
        return true;
    }(),
    "kInputTicks lists the ticks in the enumeration's order");

constexpr const InputTickInfo &infoOf(InputTick tick)
{
    return kInputTicks[static_cast<std::size_t>(tick)];
}

// A deduction the teacher may pay: its key within "deductions", the caption of its check box
// in the frame "Descuentos" and the box's row there, counted from the top.
struct DeductionInputInfo {
    std::string_view key;     // e.g. "pension"
    std::string_view label;   // e.g. "Aporte jubilatorio"
    std::string_view boxName; // e.g. "APORTEJUB"
    int frameRow;
    bool DeductionChoices::*chosen;
};

// In the order of the payslip's lines, which is also that of the file's keys.
inline constexpr std::array kDeductionInputs{
    DeductionInputInfo{"iosper", "IOSPER", "Iosper", 0, &DeductionChoices::iosper},
    DeductionInputInfo{"osplad", "OSPLAD", "Osplad", 1, &DeductionChoices::osplad},
    DeductionInputInfo{"pension", "Aporte jubilatorio", "APORTEJUB", 3, &DeductionChoices::pension},
    DeductionInputInfo{"law4035", "Ley 4035", "Ley4035", 5, &DeductionChoices::law4035},
    DeductionInputInfo{"unionDues", "UTREL", "UTREL", 2, &DeductionChoices::unionDues},
    DeductionInputInfo{"compensationFund", "Caja compensadora", "cajacomp", 4,
                       &DeductionChoices::compensationFund},
    DeductionInputInfo{"insurance3011", "Seguro (3011)", "Seguro3011", 6,
                       &DeductionChoices::insurance3011},
};

// The key of the object that holds the deductions.
inline constexpr std::string_view kDeductionsKey = "deductions";

static_assert(
    [] {
        std::array<bool, kDeductionInputs.size()> taken{};
        for (const DeductionInputInfo &deduction : kDeductionInputs) {
            const auto row = static_cast<std::size_t>(deduction.frameRow);
            if (deduction.frameRow < 0 || row >= taken.size() || taken[row])
                return false;
            taken[row] = true;
        }
        return true;
    }(),
    "each deduction has a row of its own in the frame");

// The deductions in the order of their boxes in the frame, top to bottom.
inline constexpr auto kDeductionsInFrameOrder = [] {
    std::array<const DeductionInputInfo *, kDeductionInputs.size()> ordered{};
    for (const DeductionInputInfo &deduction : kDeductionInputs)
        ordered[static_cast<std::size_t>(deduction.frameRow)] = &deduction;
    return ordered;
}();

// One option of the kind of pay: its value under "mode", its caption and its option button.
struct PayKindInfo {
    std::string_view mode;    // e.g. "secondaryHours"
    std::string_view label;   // e.g. "Hs. N. Medio"
    std::string_view boxName; // e.g. "horasmedio"
    bool PayInputs::*chosen;
};

inline constexpr std::string_view kPayKindKey = "mode";

inline constexpr std::array kPayKinds{
    PayKindInfo{"position", "Cargo", "cargo", &PayInputs::positionChosen},
    PayKindInfo{"secondaryHours", "Hs. N. Medio", "horasmedio", &PayInputs::secondaryHoursChosen},
    PayKindInfo{"higherHours", "Hs. N. Superior", "horassup", &PayInputs::higherHoursChosen},
};

// An input chosen from a list, kept as its number: the seniority bracket (0 for none, else 1
// to the scale's number of brackets) or the zone (its list index, -1 for none).
struct InputChoiceInfo {
    std::string_view key;
    std::string_view label;
    std::string_view controlName; // the bracket's group of options, the zone's list
    int PayInputs::*chosen;
};

inline constexpr InputChoiceInfo kSeniorityBracketInput{"seniorityBracket", "Antigüedad",
                                                        "antiguedad", &PayInputs::seniorityBracket};
inline constexpr InputChoiceInfo kZoneInput{"zone", "Ubicación Escuela (Zona)", "zona",
                                            &PayInputs::zone};

} // namespace pagaluz
