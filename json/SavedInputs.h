#pragma once

#include "PayInputs.h"

#include <string>

namespace pagaluz {

// The version of the saved files this program writes, and the newest it reads. A saved file
// names its version under the key "pagaluz"; an input written for pagaluz-calc without that key
// is read as this version.
inline constexpr int kSavedFileVersion = 1;

// One teacher's data as a saved file (".pagaluz") holds it: the inputs of a calculation, with
// what the screens show beyond them. The file is the JSON object pagaluz-calc reads, with four
// more keys: "pagaluz" (the version), "absences", "comment" and "scale".
struct SavedInputs {
    // The inputs; the position's code is the text of the selection screen's code box.
    PayInputs inputs;
    // "Inasistencias Just" ticked: the box of the days is shown.
    bool absencesTicked = false;
    // The comment typed on the payslip screen; it is printed with the sheet.
    std::string comment;
    // The name of the pay scale in use when the data were saved ("Haberes Agosto 08"); empty
    // for a file that does not say.
    std::string scaleName;

    friend bool operator==(const SavedInputs &, const SavedInputs &) = default;
};

// Appends the saved file's JSON text to `out`: every key, the version first (the scale's name only
// when there is one), and a line break.
void appendSavedInputsJson(const SavedInputs &saved, std::string &out);

} // namespace pagaluz
