#include "SharedQuantities.h"

#include <algorithm>
#include <unordered_map>

namespace pagaluz {

namespace {

// How many of the amounts' explanations contain a value, counted as each is walked.
struct Use {
    int lastAmount = -1;
    int amounts = 0;
    int order = 0; // when its terms were all walked, for the first time
};

class UseCounter {
public:
    // The values under an amount's own value: the amount does not count as using itself.
    void walkAmount(const ExplanationNode &root, int amount)
    {
        for (const ExplanationPtr &term : root.terms)
            walk(*term, amount);
    }

    // The values in more than one amount, each after its terms.
    std::vector<const ExplanationNode *> shared() const
    {
        std::vector<std::pair<int, const ExplanationNode *>> found;
        for (const auto &[node, use] : m_uses)
            if (use.amounts >= 2)
                found.emplace_back(use.order, node);
        std::sort(found.begin(), found.end());
        std::vector<const ExplanationNode *> nodes;
        nodes.reserve(found.size());
        for (const auto &entry : found)
            nodes.push_back(entry.second);
        return nodes;
    }

private:
    void walk(const ExplanationNode &node, int amount)
    {
        if (!node.operation)
            return;
        Use &use = m_uses[&node];
        // A value already in two amounts has all its terms in both: nothing more to count.
        if (use.lastAmount == amount || use.amounts >= 2)
            return;
        use.lastAmount = amount;
        const bool first = use.amounts++ == 0;
        for (const ExplanationPtr &term : node.terms)
            walk(*term, amount);
        if (first)
            use.order = m_walked++; // the map's elements stay where they are as it grows
    }

    std::unordered_map<const ExplanationNode *, Use> m_uses;
    int m_walked = 0;
};

// The name, or the name with the first number from 2 that no earlier key has.
std::string keyFor(std::string_view name, const std::vector<SharedQuantity> &earlier)
{
    const auto taken = [&](const std::string &key) {
        return std::any_of(earlier.begin(), earlier.end(),
                           [&](const SharedQuantity &quantity) { return quantity.key == key; });
    };
    std::string key(name);
    for (int number = 2; taken(key); ++number)
        key = std::string(name) + " (" + std::to_string(number) + ")";
    return key;
}

} // namespace

SharedQuantities::SharedQuantities(const PayslipExplanation &explanation)
{
    UseCounter counter;
    int amount = 0;
    for (const ExplanationPtr &line : explanation.lines)
        counter.walkAmount(*line, amount++);
    for (const ExplanationPtr &total :
         {explanation.totalEarnings, explanation.totalDeductions, explanation.netPay})
        counter.walkAmount(*total, amount++);
    for (const ExplanationNode *node : counter.shared())
        m_quantities.push_back({keyFor(node->name, m_quantities), node});
}

const SharedQuantity *SharedQuantities::find(const ExplanationNode &node) const
{
    const auto found =
        std::find_if(m_quantities.begin(), m_quantities.end(),
                     [&](const SharedQuantity &quantity) { return quantity.node == &node; });
    return found == m_quantities.end() ? nullptr : &*found;
}

} // namespace pagaluz
