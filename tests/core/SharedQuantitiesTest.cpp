#include "SharedQuantities.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace pagaluz;

// Trees built by hand, their values and terms kept here.
class Trees {
public:
    ExplanationPtr leaf(std::string_view name)
    {
        ExplanationNode &node = m_nodes.emplace_back();
        node.name = ExplanationText(name);
        return &node;
    }

    ExplanationPtr sum(std::string_view name, std::vector<ExplanationPtr> terms)
    {
        ExplanationNode &node = m_nodes.emplace_back();
        node.name = ExplanationText(name);
        node.operation = Operation::Sum;
        node.terms = m_terms.emplace_back(std::move(terms));
        return &node;
    }

private:
    std::deque<ExplanationNode> m_nodes;
    std::deque<std::vector<ExplanationPtr>> m_terms;
};

std::vector<std::string> keysOf(const SharedQuantities &shared)
{
    std::vector<std::string> keys;
    for (const SharedQuantity &quantity : shared.all())
        keys.push_back(quantity.key);
    return keys;
}

// Two bases of one name; a line that two others take; a value only one line takes, which the
// totals take with that line; a total that only the net pay takes; leaves shared by all.
TEST(SharedQuantities, ValuesInMoreThanOneOtherAmountEachAfterItsTerms)
{
    Trees trees;
    const ExplanationPtr point = trees.leaf("valor del punto");
    const ExplanationPtr first = trees.sum("base", {point, trees.leaf("puntos")});
    const ExplanationPtr second = trees.sum("base", {point, trees.leaf("horas")});
    const ExplanationPtr category = trees.sum("asignación", {point});
    const ExplanationPtr ownOnly = trees.sum("importe propio", {point});
    PayslipExplanation explanation;
    explanation.lines = {category, trees.sum("antigüedad", {first, category}),
                         trees.sum("zona", {first, second, category}),
                         trees.sum("horas", {second, ownOnly})};
    explanation.totalEarnings = trees.sum("Total Haberes", explanation.lines);
    explanation.totalDeductions = trees.sum("Total descuentos", {});
    explanation.netPay =
        trees.sum("Liquido a pagar", {explanation.totalEarnings, explanation.totalDeductions});

    const SharedQuantities shared(explanation);
    EXPECT_EQ(keysOf(shared),
              (std::vector<std::string>{"base", "asignación", "base (2)", "importe propio",
                                        "antigüedad", "zona", "horas"}));
    EXPECT_EQ(shared.find(*first)->key, "base");
    EXPECT_EQ(shared.find(*second)->key, "base (2)");
    EXPECT_EQ(shared.find(*explanation.totalEarnings), nullptr);
    EXPECT_EQ(shared.find(*point), nullptr);
}

} // namespace
