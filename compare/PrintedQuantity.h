#pragma once

#include "DecimalConventions.h"

#include <optional>
#include <string>
#include <string_view>

namespace pagaluz {

// A line's quantity read as a number: "7", "7.0", "0,6 %", "30%".
struct PrintedQuantity {
    double value = 0;
    bool percent = false;
};

// A quantity as the teacher types it: a number in `conventions`, optionally followed by "%"
// (blanks allowed before it). Nothing, when the text is no quantity.
std::optional<PrintedQuantity> readPrintedQuantity(std::string_view text,
                                                   const DecimalConventions &conventions);

// Whether the school's quantity is ours: the same value, read in the teacher's conventions,
// where ours is a percentage with or without its "%"; a quantity that is no number only when
// written the same. Our quantities are written with a point or a comma whatever the
// conventions ("7.0", "0,6 %"), and are read either way.
bool quantitiesEqual(std::string_view ours, std::string_view theirs,
                     const DecimalConventions &conventions);

// "«e3» no es una cantidad".
std::string quantityFaultText(std::string_view text);

} // namespace pagaluz
