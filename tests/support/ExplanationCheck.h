#pragma once

// Checks an explanation by evaluating it: each value must be its operation applied to its
// terms, exactly, in decimal.

#include "Explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>

namespace pagaluz::test {

inline Decimal evaluated(Operation operation, std::span<const ExplanationPtr> terms)
{
    if (terms.empty())
        return {};
    Decimal result = terms.front()->value;
    for (std::size_t index = 1; index < terms.size(); ++index) {
        const Decimal &term = terms[index]->value;
        switch (operation) {
        case Operation::Sum:
            result = result + term;
            break;
        case Operation::Difference:
            result = result - term;
            break;
        case Operation::Product:
            result = result * term;
            break;
        case Operation::Minimum:
            result = std::min(result, term);
            break;
        }
    }
    return result;
}

// Adds a failure for every value under `node` that is not what its operation gives: the
// exact result, or where it says it was rounded that result within one ten-thousandth, at
// four decimals. With `exactValues`, the exact result it holds must be the evaluated one.
// Values shared by several parts of the tree are checked once (`seen`).
inline void expectEvaluatesExactly(const ExplanationNode &node, bool exactValues,
                                   std::set<const ExplanationNode *> &seen)
{
    if (!seen.insert(&node).second)
        return;
    if (!node.operation) {
        EXPECT_TRUE(node.terms.empty()) << node.name;
        EXPECT_FALSE(node.rounded) << node.name;
        return;
    }
    const Decimal exact = evaluated(*node.operation, node.terms);
    const std::string shown = std::string(node.name) + " = " + node.value.text(".") +
                              ", evaluated " + exact.text(".") + ": " + std::string(node.text);
    if (node.rounded) {
        const Decimal gap = node.value < exact ? exact - node.value : node.value - exact;
        EXPECT_LE(node.value.decimals(), 4) << shown;
        EXPECT_TRUE(gap <= Decimal::fromScaled(1, 4)) << shown;
    } else {
        EXPECT_TRUE(node.value == exact) << shown;
    }
    if (exactValues) {
        EXPECT_TRUE(node.exactValue == exact) << shown;
    }
    for (const ExplanationPtr &term : node.terms)
        expectEvaluatesExactly(*term, exactValues, seen);
}

} // namespace pagaluz::test
