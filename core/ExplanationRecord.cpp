#include "ExplanationRecord.h"

#include "PayslipLine.h"

#include <algorithm>

namespace pagaluz {

namespace {

constexpr int kAmountDecimals = 4;

Decimal exactResult(Operation operation, const std::vector<ExplanationPtr> &terms)
{
    if (terms.empty())
        return {};
    Decimal result = terms.front()->value;
    for (auto term = terms.begin() + 1; term != terms.end(); ++term) {
        const Decimal &value = (*term)->value;
        switch (operation) {
        case Operation::Sum:
            result = result + value;
            break;
        case Operation::Difference:
            result = result - value;
            break;
        case Operation::Product:
            result = result * value;
            break;
        case Operation::Minimum:
            result = std::min(result, value);
            break;
        }
    }
    return result;
}

std::string joined(const std::vector<ExplanationPtr> &terms, std::string_view separator,
                   const auto &termText)
{
    std::string text;
    for (const ExplanationPtr &term : terms) {
        if (!text.empty())
            text += separator;
        text += termText(*term);
    }
    return text;
}

} // namespace

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

NodeId ExplanationRecord::added(NodePtr node)
{
    m_nodes.push_back(std::move(node));
    return static_cast<NodeId>(m_nodes.size());
}

NodeId ExplanationRecord::figure(std::string name, const Decimal &value, std::string_view source)
{
    return taken(std::move(name), value, false, source);
}

NodeId ExplanationRecord::rate(std::string name, const Decimal &rate, std::string_view source)
{
    return taken(std::move(name), rate, true, source);
}

NodeId ExplanationRecord::taken(std::string name, const Decimal &value, bool percentage,
                                std::string_view source)
{
    auto node = std::make_shared<ExplanationNode>();
    node->name = std::move(name);
    node->value = node->exactValue = value;
    node->percentage = percentage;
    node->text = node->name + ": " + valueText(*node);
    if (!source.empty())
        node->text.append(", ").append(source);
    return added(std::move(node));
}

NodeId ExplanationRecord::leaf(std::string name, const Decimal &value, std::string text)
{
    auto node = std::make_shared<ExplanationNode>();
    node->name = std::move(name);
    node->value = node->exactValue = value;
    node->text = std::move(text);
    return added(std::move(node));
}

NodeId ExplanationRecord::operation(std::string name, const Decimal &value, Operation operation,
                                    std::initializer_list<NodeId> terms)
{
    std::vector<ExplanationPtr> present;
    present.reserve(terms.size());
    for (const NodeId term : terms) {
        if (term != kNoNode)
            present.push_back(node(term));
    }
    return made(std::move(name), value, operation, std::move(present));
}

NodeId ExplanationRecord::operation(std::string name, const Decimal &value, Operation operation,
                                    const std::vector<NodeId> &terms)
{
    std::vector<ExplanationPtr> present;
    present.reserve(terms.size());
    for (const NodeId term : terms) {
        if (term != kNoNode)
            present.push_back(node(term));
    }
    return made(std::move(name), value, operation, std::move(present));
}

NodeId ExplanationRecord::made(std::string name, const Decimal &value, Operation operation,
                               std::vector<ExplanationPtr> terms)
{
    auto node = std::make_shared<ExplanationNode>();
    node->name = std::move(name);
    node->value = value;
    node->operation = operation;
    node->terms = std::move(terms);
    node->exactValue = exactResult(operation, node->terms);
    node->rounded = node->exactValue.decimals() > kAmountDecimals;
    node->text = sentence(*node);
    return added(std::move(node));
}

NodeId ExplanationRecord::roundedResult(std::string name, Operation operation,
                                        const std::vector<NodeId> &terms)
{
    const NodeId id = this->operation(std::move(name), Decimal(), operation, terms);
    ExplanationNode &result = *m_nodes[id - 1];
    result.value = result.exactValue.roundedToTenThousandths();
    result.text = sentence(result);
    return id;
}

void ExplanationRecord::explainLine(const PayslipLine &line, NodeId id)
{
    const NodePtr &explained = node(id);
    explained->lineCode = line.code;
    explained->lineConcept = line.conceptText;
    const auto rows = static_cast<std::size_t>(line.row) + 1;
    explanation.lines.resize(rows);
    explanation.lines.back() = explained;
    m_lineNodes.resize(rows);
    m_lineNodes.back() = id;
}

std::string ExplanationRecord::valueText(const ExplanationNode &node) const
{
    if (node.percentage)
        return number(node.value * Decimal::fromInteger(100)) + " %";
    return number(node.value);
}

std::string ExplanationRecord::sentence(const ExplanationNode &node) const
{
    std::string text = expression(node, false);
    if (node.rounded)
        text += " = " + number(node.exactValue) + ", redondeado a " + number(node.value);
    return text;
}

// Sums and differences name the lines they add by their codes, "001 979,5 + 002 65,953";
// products and minimums give each term's value and what it is. A term made of others shows
// how, in short, when `compact` is false.
std::string ExplanationRecord::expression(const ExplanationNode &node, bool compact) const
{
    const auto inSum = [this, compact](const ExplanationNode &term) {
        return compact ? termCompact(term) : termInSum(term);
    };
    const auto inProduct = [this, compact](const ExplanationNode &term) {
        return compact ? termCompact(term) : termInProduct(term);
    };
    switch (*node.operation) {
    case Operation::Sum:
        return node.terms.empty() ? "ninguna línea: 0" : joined(node.terms, " + ", inSum);
    case Operation::Difference:
        return joined(node.terms, " − ", inSum);
    case Operation::Product:
        if (node.terms.size() == 2 && node.terms.front()->percentage)
            return valueText(*node.terms.front()) + " de " + inProduct(*node.terms.back());
        return joined(node.terms, " × ", inProduct);
    case Operation::Minimum:
        return "el menor entre " + joined(node.terms, " y ", inProduct);
    }
    return {};
}

std::string ExplanationRecord::termInSum(const ExplanationNode &term) const
{
    if (!term.lineCode.empty())
        return term.lineCode + " " + number(term.value);
    return valueText(term) + " (" + term.name + ")";
}

std::string ExplanationRecord::termInProduct(const ExplanationNode &term) const
{
    if (term.percentage)
        return valueText(term);
    if (!term.lineCode.empty())
        return number(term.value) + " (" + term.lineCode + " " + term.lineConcept + ")";
    if (!term.operation)
        return number(term.value) + " (" + term.name + ")";
    return number(term.value) + " (" + term.name + " = " + expression(term, true) + ")";
}

std::string ExplanationRecord::termCompact(const ExplanationNode &term) const
{
    if (!term.lineCode.empty())
        return term.lineCode + " " + number(term.value);
    if (term.operation)
        return term.name + " " + number(term.value);
    return valueText(term);
}

} // namespace pagaluz
