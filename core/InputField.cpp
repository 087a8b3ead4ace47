#include "InputField.h"

#include <array>

namespace pagaluz {

namespace {

struct FieldNames {
    std::string_view key;
    std::string_view label;
};

constexpr std::array kFieldNames{
    FieldNames{"position.basicPoints", "Puntos básicos"},
    FieldNames{"position.fullDayPoints", "Jorn. completa"},
    FieldNames{"position.extendedDayPoints", "Prol. de jornada"},
    FieldNames{"position.differentiatedTaskPoints", "Tarea diferenc."},
    FieldNames{"position.complementPoints", "Comp básico"},
    FieldNames{"secondaryHoursText", "Número de horas N. Medio"},
    FieldNames{"higherHours", "Número de horas N. Superior"},
    FieldNames{"code06Hours", "Número de horas con código 06"},
    FieldNames{"incentiveHours", "Número de horas con incentivo"},
    FieldNames{"code113Hours", "Número de horas con código 113"},
    FieldNames{"absenceDays", "Inasistencias Just (días)"},
    FieldNames{"transportKm", "Transporte (km semanales)"},
    FieldNames{"childCount", "Hijos"},
    FieldNames{"disabledChildCount", "Hijos Diferenc"},
};

const FieldNames &namesOf(InputField field)
{
    return kFieldNames.at(static_cast<std::size_t>(field));
}

} // namespace

std::string_view inputFieldKey(InputField field)
{
    return namesOf(field).key;
}

std::string_view inputFieldLabel(InputField field)
{
    return namesOf(field).label;
}

} // namespace pagaluz
