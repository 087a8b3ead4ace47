#pragma once

#include "PayInputs.h"
#include "PayScale.h"
#include "PositionCatalogue.h"
#include "SavedInputs.h"

#include <simdjson.h>

#include <stdexcept>

namespace pagaluz {

// An input that does not have the shape of a calculation's inputs: not an object, an unknown
// key, a key written twice in one object, a value of the wrong JSON type, a seniority bracket
// or zone out of range, an unknown mode. The message names the key, e.g. "position.code".
class MalformedInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The inputs of one calculation from their JSON object. Every key is optional: an absent key,
// or one whose value is null, keeps the value the data entry screen starts with. A position
// code selects its row of `catalogue` as the selection screen's code box does; the seniority
// bracket and the zone are within the brackets and zones of `scale`; the position's
// own texts then replace the boxes they name. Of several faults, the one reported is the first
// in the order of the text. The keys a saved file adds are known too (see SavedInputs): a file
// of a newer version than this program reads is refused naming its "pagaluz" key. Throws
// MalformedInput.
PayInputs payInputsFromJson(simdjson::dom::element input,
                            const PositionCatalogue &catalogue = PositionCatalogue::builtIn(),
                            const PayScale &scale = PayScale::builtIn());

// A saved file's content, read as payInputsFromJson reads the inputs. Without "absences", the box
// is ticked when "absenceDays" is not "0". Throws MalformedInput.
SavedInputs savedInputsFromJson(simdjson::dom::element input,
                                const PositionCatalogue &catalogue = PositionCatalogue::builtIn(),
                                const PayScale &scale = PayScale::builtIn());

} // namespace pagaluz
