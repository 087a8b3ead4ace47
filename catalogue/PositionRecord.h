#pragma once

#include <string>

namespace pagaluz {

// One row of the position table. Every field is kept as the text the table
// stores; the pay calculation converts the point texts when it needs them.
struct PositionRecord {
    std::string code;                     // three digits, unique
    std::string name;                     // shown to the user, not unique
    std::string basicPoints;              // "puntos básicos"
    std::string extendedDayPoints;        // prolongation of the working day
    std::string fullDayPoints;            // full-day ("jornada completa")
    std::string differentiatedTaskPoints; // "tarea diferenciada"
    std::string complementPoints;         // basic complement
    // Whether every one of the five point counts is known to be the pay scale's own; the
    // points of a row that is not are representative values, to be checked by the user.
    bool verified = false;

    friend bool operator==(const PositionRecord &, const PositionRecord &) = default;
};

} // namespace pagaluz
