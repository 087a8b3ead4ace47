#pragma once

#include "DecimalConventions.h"
#include "Explanation.h"
#include "Money.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

struct PayslipLine;

using NodePtr = std::shared_ptr<ExplanationNode>;

// A node of the record; kNoNode for a value that is not explained.
using NodeId = std::uint32_t;
inline constexpr NodeId kNoNode = 0;

// What a calculation asked for its explanations keeps: the nodes its operations record as they
// compute, the explanation of each line, the totals and the notes. The sentences are written
// in the calculation's decimal conventions.
class ExplanationRecord {
public:
    explicit ExplanationRecord(const DecimalConventions &conventions);

    // A figure taken as it is; `source` says where it comes from ("del cargo 734").
    NodeId figure(std::string name, const Decimal &value, std::string_view source);
    // A rate of the pay scale or a chosen percentage, read as a percentage ("30 %").
    NodeId rate(std::string name, const Decimal &rate, std::string_view source);
    // A leaf whose sentence is `text`, as a cell of a table, which names where it was read.
    NodeId leaf(std::string name, const Decimal &value, std::string text);

    // `value`, as the calculation made it, from `terms` by `operation`. Terms without a node,
    // values whose lines are not on the payslip, are left out.
    NodeId operation(std::string name, const Decimal &value, Operation operation,
                     std::initializer_list<NodeId> terms);
    NodeId operation(std::string name, const Decimal &value, Operation operation,
                     std::span<const NodeId> terms);
    // An operation whose value the calculation does not form, as a product beyond the cap
    // that replaces it: its exact result brought to four decimals.
    NodeId roundedResult(std::string name, Operation operation, std::span<const NodeId> terms);

    const NodePtr &node(NodeId id) const { return m_nodes[id - 1]; }
    // The node that explains the payslip's row `row`.
    NodeId lineNode(int row) const { return m_lineNodes[static_cast<std::size_t>(row)]; }

    // `node` explains the amount of `line`, the payslip's row `row`.
    void explainLine(const PayslipLine &line, NodeId node);
    void note(std::string text) { explanation.notes.push_back(std::move(text)); }

    // A number or an amount as the sentences write it: plain, in the user's conventions.
    std::string number(const Decimal &value) const { return value.text(m_separator); }
    std::string number(Money value) const { return number(Decimal::fromMoney(value)); }
    std::string number(double value) const { return number(Decimal::fromDouble(value)); }

    PayslipExplanation explanation;

private:
    NodeId added(NodePtr node);
    // `value` null: the exact result brought to four decimals.
    NodeId made(std::string name, const Decimal *value, Operation operation,
                std::vector<ExplanationPtr> terms);
    std::vector<ExplanationPtr> present(const NodeId *first, const NodeId *last) const;
    NodeId taken(std::string name, const Decimal &value, bool percentage, std::string_view source);
    std::string valueText(const ExplanationNode &node) const;
    std::string sentence(const ExplanationNode &node);
    void appendNumber(std::string &out, const Decimal &value) const;
    void appendValue(std::string &out, const ExplanationNode &node) const;
    void appendExpression(std::string &out, const ExplanationNode &node, bool compact) const;
    void appendInSum(std::string &out, const ExplanationNode &term) const;
    void appendInProduct(std::string &out, const ExplanationNode &term) const;
    void appendCompact(std::string &out, const ExplanationNode &term) const;

    std::string m_separator;
    std::string m_scratch; // where each sentence is written before it is kept
    std::vector<NodePtr> m_nodes;
    std::vector<NodeId> m_lineNodes;
};

} // namespace pagaluz
