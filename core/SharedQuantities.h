#pragma once

#include "Explanation.h"

#include <string>
#include <vector>

namespace pagaluz {

// A value that the explanations of more than one amount of the payslip (a line or a total)
// use, the value's own line or total not counted, with the key it is written under once: its
// name, or where two such values share a name, the name followed by " (2)", " (3)"...
struct SharedQuantity {
    std::string key;
    const ExplanationNode *node = nullptr;
};

// The values made by an operation that more than one other line's or total's explanation
// contains: a line's value that more than one other amount is made from is one of them, a
// total that only the net pay takes is not. Each comes after the shared values it is made
// from.
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
