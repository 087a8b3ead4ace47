#include "Explanation.h"

#include <ostream>

namespace pagaluz {

std::string_view operationName(Operation operation)
{
    switch (operation) {
    case Operation::Sum:
        return "sum";
    case Operation::Difference:
        return "difference";
    case Operation::Product:
        return "product";
    case Operation::Minimum:
        return "minimum";
    }
    return {};
}

std::ostream &operator<<(std::ostream &out, const ExplanationText &text)
{
    return out << text.view();
}

// Defined here, the constructor leaves the block unwritten even where the explanation is
// value-initialised: it is written as values and texts are kept in it, never read before.
PayslipExplanation::PayslipExplanation() = default;

} // namespace pagaluz
