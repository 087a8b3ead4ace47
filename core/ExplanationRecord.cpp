#include "ExplanationRecord.h"

#include "Payslip.h"

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

ExplanationRecord::ExplanationRecord(const DecimalConventions &conventions)
    : m_separator(conventions.decimalSeparator)
{
    constexpr std::size_t kUsualNodes = 48;
    m_nodes.reserve(kUsualNodes);
    m_lineNodes.reserve(Payslip::kMaxLines);
    explanation.lines.reserve(Payslip::kMaxLines);
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
    std::string &text = m_scratch;
    text.clear();
    text += node->name;
    text += ": ";
    appendValue(text, *node);
    if (!source.empty())
        text.append(", ").append(source);
    node->text = text;
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

std::vector<ExplanationPtr> ExplanationRecord::present(const NodeId *first,
                                                       const NodeId *last) const
{
    std::vector<ExplanationPtr> nodes;
    nodes.reserve(static_cast<std::size_t>(last - first));
    for (const NodeId *term = first; term != last; ++term) {
        if (*term != kNoNode)
            nodes.push_back(node(*term));
    }
    return nodes;
}

NodeId ExplanationRecord::operation(std::string name, const Decimal &value, Operation operation,
                                    std::initializer_list<NodeId> terms)
{
    return made(std::move(name), &value, operation, present(terms.begin(), terms.end()));
}

NodeId ExplanationRecord::operation(std::string name, const Decimal &value, Operation operation,
                                    std::span<const NodeId> terms)
{
    return made(std::move(name), &value, operation,
                present(terms.data(), terms.data() + terms.size()));
}

NodeId ExplanationRecord::made(std::string name, const Decimal *value, Operation operation,
                               std::vector<ExplanationPtr> terms)
{
    auto node = std::make_shared<ExplanationNode>();
    node->name = std::move(name);
    node->operation = operation;
    node->terms = std::move(terms);
    node->exactValue = exactResult(operation, node->terms);
    node->value = value ? *value : node->exactValue.roundedToTenThousandths();
    node->rounded = node->exactValue.decimals() > kAmountDecimals;
    node->text = sentence(*node);
    return added(std::move(node));
}

NodeId ExplanationRecord::roundedResult(std::string name, Operation operation,
                                        std::span<const NodeId> terms)
{
    return made(std::move(name), nullptr, operation,
                present(terms.data(), terms.data() + terms.size()));
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

void ExplanationRecord::appendNumber(std::string &out, const Decimal &value) const
{
    value.appendText(out, m_separator);
}

void ExplanationRecord::appendValue(std::string &out, const ExplanationNode &node) const
{
    if (node.percentage) {
        appendNumber(out, node.value * Decimal::fromInteger(100));
        out += " %";
    } else {
        appendNumber(out, node.value);
    }
}

std::string ExplanationRecord::valueText(const ExplanationNode &node) const
{
    std::string text;
    appendValue(text, node);
    return text;
}

// The sentence is written in a buffer kept for all of them, then copied at its length.
std::string ExplanationRecord::sentence(const ExplanationNode &node)
{
    std::string &text = m_scratch;
    text.clear();
    appendExpression(text, node, false);
    if (node.rounded) {
        text += " = ";
        appendNumber(text, node.exactValue);
        text += ", redondeado a ";
        appendNumber(text, node.value);
    }
    return text;
}

// Sums and differences name the lines they add by their codes, "001 979,5 + 002 65,953";
// products and minimums give each term's value and what it is. A term made of others shows
// how, in short, when `compact` is false.
void ExplanationRecord::appendExpression(std::string &out, const ExplanationNode &node,
                                         bool compact) const
{
    const auto joined = [&](std::string_view separator, auto appendTerm) {
        bool first = true;
        for (const ExplanationPtr &term : node.terms) {
            if (!first)
                out += separator;
            first = false;
            if (compact)
                appendCompact(out, *term);
            else
                (this->*appendTerm)(out, *term);
        }
    };
    switch (*node.operation) {
    case Operation::Sum:
        if (node.terms.empty())
            out += "ninguna línea: 0";
        else
            joined(" + ", &ExplanationRecord::appendInSum);
        return;
    case Operation::Difference:
        joined(" − ", &ExplanationRecord::appendInSum);
        return;
    case Operation::Product:
        if (node.terms.size() == 2 && node.terms.front()->percentage) {
            appendValue(out, *node.terms.front());
            out += " de ";
            if (compact)
                appendCompact(out, *node.terms.back());
            else
                appendInProduct(out, *node.terms.back());
            return;
        }
        joined(" × ", &ExplanationRecord::appendInProduct);
        return;
    case Operation::Minimum:
        out += "el menor entre ";
        joined(" y ", &ExplanationRecord::appendInProduct);
        return;
    }
}

void ExplanationRecord::appendInSum(std::string &out, const ExplanationNode &term) const
{
    if (!term.lineCode.empty()) {
        out += term.lineCode;
        out += ' ';
        appendNumber(out, term.value);
        return;
    }
    appendValue(out, term);
    out += " (";
    out += term.name;
    out += ')';
}

void ExplanationRecord::appendInProduct(std::string &out, const ExplanationNode &term) const
{
    if (term.percentage) {
        appendValue(out, term);
        return;
    }
    appendNumber(out, term.value);
    out += " (";
    if (!term.lineCode.empty()) {
        out += term.lineCode;
        out += ' ';
        out += term.lineConcept;
    } else {
        out += term.name;
        if (term.operation) {
            out += " = ";
            appendExpression(out, term, true);
        }
    }
    out += ')';
}

void ExplanationRecord::appendCompact(std::string &out, const ExplanationNode &term) const
{
    if (!term.lineCode.empty()) {
        out += term.lineCode;
        out += ' ';
        appendNumber(out, term.value);
    } else if (term.operation) {
        out += term.name;
        out += ' ';
        appendNumber(out, term.value);
    } else {
        appendValue(out, term);
    }
}

} // namespace pagaluz
