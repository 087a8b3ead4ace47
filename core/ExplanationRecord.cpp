#include "ExplanationRecord.h"

#include "Payslip.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

namespace pagaluz {

namespace {

constexpr int kAmountDecimals = 4;

Decimal exactResult(Operation operation, std::span<const ExplanationPtr> terms)
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

ExplanationRecord::ExplanationRecord(const DecimalConventions &conventions)
    : m_explanation(std::make_shared<PayslipExplanation>()), m_memory(m_explanation->memory()),
      m_separator(conventions.decimalSeparator), m_entries(&m_memory), m_termIds(&m_memory),
      m_lineNodes(&m_memory)
{
    constexpr std::size_t kUsualNodes = 64;
    constexpr std::size_t kUsualTerms = 192;
    constexpr std::size_t kLongestSentence = 512;
    m_entries.reserve(kUsualNodes);
    m_termIds.reserve(kUsualTerms);
    m_lineNodes.reserve(Payslip::kMaxLines);
    m_explanation->lines.reserve(Payslip::kMaxLines);
    m_scratch.reserve(kLongestSentence);
}

// Most requests take the next bytes of a piece of the explanation's memory; the memory's own
// bookkeeping is for the pieces.
void *ExplanationRecord::allocate(std::size_t size, std::size_t alignment)
{
    const std::uintptr_t at = (m_free + alignment - 1) & ~(alignment - 1);
    if (at + size <= m_freeEnd) {
        m_free = at + size;
        return reinterpret_cast<void *>(at);
    }
    return allocateInNewPiece(size, alignment);
}

void *ExplanationRecord::allocateInNewPiece(std::size_t size, std::size_t alignment)
{
    constexpr std::size_t kPiece = 4096;
    if (size > kPiece / 4)
        return m_memory.allocate(size, alignment);
    m_free = reinterpret_cast<std::uintptr_t>(m_memory.allocate(kPiece, alignof(std::max_align_t)));
    m_freeEnd = m_free + kPiece;
    return allocate(size, alignment);
}

ExplanationText ExplanationRecord::kept(std::string_view text)
{
    if (text.empty())
        return {};
    auto *copy = static_cast<char *>(allocate(text.size(), 1));
    std::memcpy(copy, text.data(), text.size());
    return ExplanationText(std::string_view(copy, text.size()));
}

ExplanationNode *ExplanationRecord::newNode(std::string_view name)
{
    auto *node =
        new (allocate(sizeof(ExplanationNode), alignof(ExplanationNode))) ExplanationNode{};
    node->name = kept(name);
    return node;
}

NodeId ExplanationRecord::added(const Entry &entry)
{
    m_entries.push_back(entry);
    return static_cast<NodeId>(m_entries.size());
}

NodeId ExplanationRecord::figure(std::string_view name, const Decimal &value,
                                 std::string_view source)
{
    return taken(name, value, false, source);
}

NodeId ExplanationRecord::rate(std::string_view name, const Decimal &rate, std::string_view source)
{
    return taken(name, rate, true, source);
}

NodeId ExplanationRecord::taken(std::string_view name, const Decimal &value, bool percentage,
                                std::string_view source)
{
    ExplanationNode *node = newNode(name);
    node->value = node->exactValue = value;
    node->percentage = percentage;
    Entry entry;
    entry.node = node;
    entry.source = kept(source).view();
    return added(entry);
}

NodeId ExplanationRecord::leaf(std::string_view name, const Decimal &value, std::string_view text)
{
    ExplanationNode *node = newNode(name);
    node->value = node->exactValue = value;
    node->text = kept(text);
    Entry entry;
    entry.node = node;
    entry.written = true;
    return added(entry);
}

std::span<const ExplanationPtr> ExplanationRecord::present(std::span<const NodeId> terms)
{
    const std::size_t first = m_termIds.size();
    for (const NodeId term : terms) {
        if (term != kNoNode) {
            m_termIds.push_back(term);
            m_entries[term - 1].isTerm = true;
        }
    }
    const std::size_t count = m_termIds.size() - first;
    if (count == 0)
        return {};
    auto *nodes = static_cast<ExplanationPtr *>(
        allocate(count * sizeof(ExplanationPtr), alignof(ExplanationPtr)));
    for (std::size_t index = 0; index < count; ++index)
        new (nodes + index) ExplanationPtr(m_entries[m_termIds[first + index] - 1].node);
    return {nodes, count};
}

NodeId ExplanationRecord::operation(std::string_view name, const Decimal &value,
                                    Operation operation, std::initializer_list<NodeId> terms)
{
    return made(name, &value, operation, std::span<const NodeId>(terms.begin(), terms.size()));
}

NodeId ExplanationRecord::operation(std::string_view name, const Decimal &value,
                                    Operation operation, std::span<const NodeId> terms)
{
    return made(name, &value, operation, terms);
}

NodeId ExplanationRecord::made(std::string_view name, const Decimal *value, Operation operation,
                               std::span<const NodeId> terms)
{
    ExplanationNode *node = newNode(name);
    node->operation = operation;
    const auto firstTerm = static_cast<std::uint32_t>(m_termIds.size());
    node->terms = present(terms);
    node->exactValue = exactResult(operation, node->terms);
    node->value = value ? *value : node->exactValue.roundedToTenThousandths();
    node->rounded = node->exactValue.decimals() > kAmountDecimals;
    Entry entry;
    entry.node = node;
    entry.firstTerm = firstTerm;
    entry.termCount = static_cast<std::uint32_t>(node->terms.size());
    return added(entry);
}

NodeId ExplanationRecord::roundedResult(std::string_view name, Operation operation,
                                        std::span<const NodeId> terms)
{
    return made(name, nullptr, operation, terms);
}

std::string_view ExplanationRecord::sentence(NodeId id)
{
    Entry &entry = m_entries[id - 1];
    write(entry);
    return entry.node->text;
}

// A sentence names a term by its line where the line was there when the sentence's node was
// made: before a value that terms have taken becomes a line, the operations made so far get
// their sentences.
void ExplanationRecord::explainLine(const PayslipLine &line, NodeId id)
{
    Entry &entry = m_entries[id - 1];
    if (entry.isTerm)
        writeAwaiting();
    entry.shown = true;
    ExplanationNode &explained = *entry.node;
    explained.lineCode = kept(line.code);
    explained.lineConcept = kept(line.conceptText);
    const auto rows = static_cast<std::size_t>(line.row) + 1;
    m_explanation->lines.resize(rows);
    m_explanation->lines.back() = &explained;
    m_lineNodes.resize(rows);
    m_lineNodes.back() = id;
}

void ExplanationRecord::explainTotals(NodeId earnings, NodeId deductions, NodeId netPay)
{
    for (const NodeId total : {earnings, deductions, netPay})
        m_entries[total - 1].shown = true;
    m_explanation->totalEarnings = m_entries[earnings - 1].node;
    m_explanation->totalDeductions = m_entries[deductions - 1].node;
    m_explanation->netPay = m_entries[netPay - 1].node;
}

std::shared_ptr<const PayslipExplanation> ExplanationRecord::explanation()
{
    markShown();
    for (Entry &entry : m_entries)
        if (entry.shown)
            write(entry);
    return m_explanation;
}

// Every term of a shown value is shown; terms come before the values made from them.
void ExplanationRecord::markShown()
{
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry) {
        if (!entry->shown)
            continue;
        const auto first = m_termIds.begin() + entry->firstTerm;
        for (auto term = first; term != first + entry->termCount; ++term)
            m_entries[*term - 1].shown = true;
    }
}

void ExplanationRecord::writeAwaiting()
{
    for (std::size_t index = m_firstAwaiting; index < m_entries.size(); ++index)
        if (m_entries[index].node->operation)
            write(m_entries[index]);
    m_firstAwaiting = m_entries.size();
}

void ExplanationRecord::write(Entry &entry)
{
    if (entry.written)
        return;
    std::string &text = m_scratch;
    text.clear();
    if (entry.node->operation)
        appendSentence(text, entry);
    else
        appendFigureSentence(text, entry);
    entry.node->text = kept(text);
    entry.written = true;
}

// "valor del punto: 0,653, de la escala «…»"
void ExplanationRecord::appendFigureSentence(std::string &out, Entry &figure)
{
    out += figure.node->name;
    out += ": ";
    appendValue(out, figure);
    if (!figure.source.empty())
        out.append(", ").append(figure.source);
}

// The value as the sentences write it, "979,5" or "30 %": written once, copied after.
void ExplanationRecord::appendValue(std::string &out, Entry &entry)
{
    if (!entry.shownValue.empty()) {
        out += entry.shownValue;
        return;
    }
    const std::size_t at = out.size();
    const ExplanationNode &node = *entry.node;
    if (node.percentage) {
        (node.value * Decimal::fromInteger(100)).appendText(out, m_separator);
        out += " %";
    } else {
        node.value.appendText(out, m_separator);
    }
    entry.shownValue = kept(std::string_view(out).substr(at));
}

void ExplanationRecord::appendSentence(std::string &out, Entry &entry)
{
    appendExpression(out, entry, false);
    const ExplanationNode &node = *entry.node;
    if (node.rounded) {
        out += " = ";
        node.exactValue.appendText(out, m_separator);
        out += ", redondeado a ";
        appendValue(out, entry);
    }
}

// Sums and differences name the lines they add by their codes, "001 979,5 + 002 65,953";
// products and minimums give each term's value and what it is. A term made of others shows
// how, in short, when `compact` is false.
void ExplanationRecord::appendExpression(std::string &out, Entry &entry, bool compact)
{
    const std::span<const NodeId> terms(m_termIds.data() + entry.firstTerm, entry.termCount);
    const auto term = [&](NodeId id) -> Entry & { return m_entries[id - 1]; };
    const auto joined = [&](std::string_view separator, auto appendTerm) {
        bool first = true;
        for (const NodeId id : terms) {
            if (!first)
                out += separator;
            first = false;
            if (compact)
                appendCompact(out, term(id));
            else
                (this->*appendTerm)(out, term(id));
        }
    };
    switch (*entry.node->operation) {
    case Operation::Sum:
        if (terms.empty())
            out += "ninguna línea: 0";
        else
            joined(" + ", &ExplanationRecord::appendInSum);
        return;
    case Operation::Difference:
        joined(" − ", &ExplanationRecord::appendInSum);
        return;
    case Operation::Product:
        if (terms.size() == 2 && term(terms.front()).node->percentage) {
            appendValue(out, term(terms.front()));
            out += " de ";
            if (compact)
                appendCompact(out, term(terms.back()));
            else
                appendInProduct(out, term(terms.back()));
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

void ExplanationRecord::appendInSum(std::string &out, Entry &term)
{
    const ExplanationNode &node = *term.node;
    if (!node.lineCode.empty()) {
        out += node.lineCode;
        out += ' ';
        appendValue(out, term);
        return;
    }
    appendValue(out, term);
    out += " (";
    out += node.name;
    out += ')';
}

void ExplanationRecord::appendInProduct(std::string &out, Entry &term)
{
    const ExplanationNode &node = *term.node;
    appendValue(out, term);
    if (node.percentage)
        return;
    out += " (";
    if (!node.lineCode.empty()) {
        out += node.lineCode;
        out += ' ';
        out += node.lineConcept;
    } else {
        out += node.name;
        if (node.operation) {
            out += " = ";
            appendExpression(out, term, true);
        }
    }
    out += ')';
}

void ExplanationRecord::appendCompact(std::string &out, Entry &term)
{
    const ExplanationNode &node = *term.node;
    if (!node.lineCode.empty()) {
        out += node.lineCode;
        out += ' ';
    } else if (node.operation) {
        out += node.name;
        out += ' ';
    }
    appendValue(out, term);
}

} // namespace pagaluz
