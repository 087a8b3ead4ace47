#include "PathReads.h"

#include <array>
#include <string>

namespace pagaluz::fuzz {

namespace {

constexpr std::array kEveryField{
    InputField::BasicPoints,       InputField::FullDayPoints,
    InputField::ExtendedDayPoints, InputField::DifferentiatedTaskPoints,
    InputField::ComplementPoints,  InputField::SecondaryHours,
    InputField::HigherHours,       InputField::Code06Hours,
    InputField::IncentiveHours,    InputField::Code113Hours,
    InputField::AbsenceDays,       InputField::TransportKm,
    InputField::ChildCount,        InputField::DisabledChildCount,
};

const char *const kNoNumber = "no es un número";

std::string &boxText(PayInputs &in, InputField field)
{
    switch (field) {
    case InputField::BasicPoints:
        return in.position.basicPoints;
    case InputField::FullDayPoints:
        return in.position.fullDayPoints;
    case InputField::ExtendedDayPoints:
        return in.position.extendedDayPoints;
    case InputField::DifferentiatedTaskPoints:
        return in.position.differentiatedTaskPoints;
    case InputField::ComplementPoints:
        return in.position.complementPoints;
    case InputField::SecondaryHours:
        return in.secondaryHoursText;
    case InputField::HigherHours:
        return in.higherHours;
    case InputField::Code06Hours:
        return in.code06Hours;
    case InputField::IncentiveHours:
        return in.incentiveHours;
    case InputField::Code113Hours:
        return in.code113Hours;
    case InputField::AbsenceDays:
        return in.absenceDays;
    case InputField::TransportKm:
        return in.transportKm;
    case InputField::ChildCount:
        return in.childCount;
    case InputField::DisabledChildCount:
        break;
    }
    return in.disabledChildCount;
}

bool isPositionField(InputField field)
{
    return field == InputField::BasicPoints || field == InputField::FullDayPoints ||
           field == InputField::ExtendedDayPoints ||
           field == InputField::DifferentiatedTaskPoints || field == InputField::ComplementPoints;
}

bool isHourCountField(InputField field)
{
    return field == InputField::Code06Hours || field == InputField::IncentiveHours ||
           field == InputField::Code113Hours;
}

} // namespace

std::optional<PayBasis> singleBasis(const PayInputs &inputs)
{
    const int ticked = int{inputs.positionChosen} + int{inputs.secondaryHoursChosen} +
                       int{inputs.higherHoursChosen};
    if (ticked != 1)
        return std::nullopt;
    if (inputs.positionChosen)
        return PayBasis::Position;
    return inputs.secondaryHoursChosen ? PayBasis::SecondaryHours : PayBasis::HigherHours;
}

bool pathReads(const PayInputs &inputs, PayBasis basis, InputField field)
{
    if (isPositionField(field))
        return basis == PayBasis::Position;
    if (isHourCountField(field))
        return basis != PayBasis::Position;
    switch (field) {
    case InputField::SecondaryHours:
        return basis == PayBasis::SecondaryHours;
    case InputField::HigherHours:
        return basis == PayBasis::HigherHours;
    case InputField::TransportKm:
        return inputs.transport;
    case InputField::ChildCount:
        return inputs.children;
    case InputField::DisabledChildCount:
        return inputs.disabledChildren;
    default:
        return true;
    }
}

PayInputs withUnreadBoxesScrambled(const PayInputs &inputs, PayBasis basis)
{
    PayInputs scrambled = inputs;
    for (InputField field : kEveryField) {
        if (!pathReads(inputs, basis, field))
            boxText(scrambled, field) = kNoNumber;
    }
    if (basis != PayBasis::Position)
        scrambled.position = {kNoNumber, kNoNumber, kNoNumber, kNoNumber,
                              kNoNumber, kNoNumber, kNoNumber};
    return scrambled;
}

} // namespace pagaluz::fuzz
