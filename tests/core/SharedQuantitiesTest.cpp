#include "SharedQuantities.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace pagaluz;

ExplanationPtr leaf(std::string name)
{
    auto node = std::make_shared<ExplanationNode>();
    node->name = std::move(name);
    return node;
}

ExplanationPtr sum(std::string name, std::vector<ExplanationPtr> terms)
{
    auto node = std::make_shared<ExplanationNode>();
    node->name = std::move(name);
    node->operation = Operation::Sum;
    node->terms = std::move(terms);
    return node;
}

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
    const ExplanationPtr point = leaf("valor del punto");
    const ExplanationPtr first = sum("base", {point, leaf("puntos")});
    const ExplanationPtr second = sum("base", {point, leaf("horas")});
    const ExplanationPtr category = sum("asignación", {point});
    const ExplanationPtr ownOnly = sum("importe propio", {point});
    PayslipExplanation explanation;
    explanation.lines = {category, sum("antigüedad", {first, category}),
                         sum("zona", {first, second, category}), sum("horas", {second, ownOnly})};
    explanation.totalEarnings = sum("Total Haberes", explanation.lines);
    explanation.totalDeductions = sum("Total descuentos", {});
    explanation.netPay =
        sum("Liquido a pagar", {explanation.totalEarnings, explanation.totalDeductions});

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
