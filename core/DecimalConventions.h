#pragma once

#include <string>

namespace pagaluz {

// How the user's locale writes numbers: the decimal separator and the digit
// group separator (each one or more UTF-8 bytes). The screens and the
// command-line tool take them from the user's locale; the calculation only
// receives them.
struct DecimalConventions {
    std::string decimalSeparator = ",";
    std::string groupSeparator = ".";

    // Decimal comma, as in Argentina.
    static DecimalConventions comma() { return {",", "."}; }
    // Decimal point, as in the United States.
    static DecimalConventions point() { return {".", ","}; }

    friend bool operator==(const DecimalConventions &, const DecimalConventions &) = default;
};

} // namespace pagaluz
