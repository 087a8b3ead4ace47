#pragma once

#include "Explanation.h"

#include <string>
#include <vector>

namespace pagaluz {

// A value that the explanations of more than one amount of the payslip (a line or a total)
// contain, with the key it is written under once: its name, or where two such values share a
// name, the name followed by " (2)", " (3)"...
struct SharedQuantity {
    std::string key;
    const ExplanationNode *node = nullptr;
};

// The values made by an operation that more than one line's or total's explanation contains, a
// line's or a total's own value among them when another amount is made from it. Each comes
// after the shared values it is made from.
class SharedQuantities {
public:
    explicit SharedQuantities(const PayslipExplanation &explanation);

    const std::vector<SharedQuantity> &all() const { return m_quantities; }
    // The quantity `node` is, or null when it is no shared quantity.
    const SharedQuantity *find(const ExplanationNode &node) const;

private:
    std::vector<SharedQuantity> m_quantities;
};

} // namespace pagaluz
