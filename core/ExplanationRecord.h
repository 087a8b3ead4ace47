#pragma once

#include "DecimalConventions.h"
#include "Explanation.h"
#include "Money.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <memory_resource>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

struct PayslipLine;

// A node of the record; kNoNode for a value that is not explained.
using NodeId = std::uint32_t;
inline constexpr NodeId kNoNode = 0;

// What a calculation asked for its explanations keeps: the nodes its operations record as they
// compute, the explanation of each line, the totals and the notes. Names, sources and texts
// are copied in. A node's sentence, in the calculation's decimal conventions, is written when
// it is asked for or when the explanation is handed over, and then only for the nodes a line
// or a total shows: a value used only for a note costs no sentences.
class ExplanationRecord {
public:
    explicit ExplanationRecord(const DecimalConventions &conventions);

    // A figure taken as it is; `source` says where it comes from ("del cargo 734").
    NodeId figure(std::string_view name, const Decimal &value, std::string_view source);
    // A rate of the pay scale or a chosen percentage, read as a percentage ("30 %").
    NodeId rate(std::string_view name, const Decimal &rate, std::string_view source);
    // A leaf whose sentence is `text`, as a cell of a table, which names where it was read.
    NodeId leaf(std::string_view name, const Decimal &value, std::string_view text);

    // `value`, as the calculation made it, from `terms` by `operation`. Terms without a node,
    // values whose lines are not on the payslip, are left out.
    NodeId operation(std::string_view name, const Decimal &value, Operation operation,
                     std::initializer_list<NodeId> terms);
    NodeId operation(std::string_view name, const Decimal &value, Operation operation,
                     std::span<const NodeId> terms);
    // An operation whose value the calculation does not form, as a product beyond the cap
    // that replaces it: its exact result brought to four decimals.
    NodeId roundedResult(std::string_view name, Operation operation, std::span<const NodeId> terms);

    // The sentence of node `id`, as a note quotes it.
    std::string_view sentence(NodeId id);
    // The node that explains the payslip's row `row`.
    NodeId lineNode(int row) const { return m_lineNodes[static_cast<std::size_t>(row)]; }

    // `node` explains the amount of `line`, the payslip's row `row`.
    void explainLine(const PayslipLine &line, NodeId node);
    // The nodes that explain the total earnings, the total deductions and the net pay.
    void explainTotals(NodeId earnings, NodeId deductions, NodeId netPay);
    void note(std::string text) { m_explanation->notes.push_back(std::move(text)); }

    // A number or an amount as the sentences write it: plain, in the user's conventions.
    std::string number(const Decimal &value) const { return value.text(m_separator); }
    std::string number(Money value) const { return number(Decimal::fromMoney(value)); }
    std::string number(double value) const { return number(Decimal::fromDouble(value)); }

    // The explanation recorded, its sentences written, once the calculation is done. The
    // record keeps a share of it: its own lists are in the explanation's memory.
    std::shared_ptr<const PayslipExplanation> explanation();

private:
    // What the record keeps of a node beside the node.
    struct Entry {
        ExplanationNode *node = nullptr;
        std::string_view source;     // where a figure comes from, for its sentence
        std::string_view shownValue; // its value as the sentences write it, once written
        std::uint32_t firstTerm = 0; // the nodes of its terms, in m_termIds
        std::uint32_t termCount = 0;
        bool written = false; // its sentence is
        bool isTerm = false;  // of another node
        bool shown = false;   // by a line or a total, or under one
    };

    NodeId added(const Entry &entry);
    // `alignment` a power of two.
    void *allocate(std::size_t size, std::size_t alignment);
    [[gnu::noinline]] void *allocateInNewPiece(std::size_t size, std::size_t alignment);
    ExplanationNode *newNode(std::string_view name);
    ExplanationText kept(std::string_view text);
    // `value` null: the exact result brought to four decimals.
    NodeId made(std::string_view name, const Decimal *value, Operation operation,
                std::span<const NodeId> terms);
    std::span<const ExplanationPtr> present(std::span<const NodeId> terms);
    NodeId taken(std::string_view name, const Decimal &value, bool percentage,
                 std::string_view source);
    void markShown();
    void writeAwaiting();
    // The sentences, written in m_scratch and kept.
    void write(Entry &entry);
    void appendFigureSentence(std::string &out, Entry &figure);
    void appendSentence(std::string &out, Entry &entry);
    void appendValue(std::string &out, Entry &entry);
    void appendExpression(std::string &out, Entry &entry, bool compact);
    void appendInSum(std::string &out, Entry &term);
    void appendInProduct(std::string &out, Entry &term);
    void appendCompact(std::string &out, Entry &term);

    std::shared_ptr<PayslipExplanation> m_explanation;
    std::pmr::memory_resource &m_memory; // the explanation's
    std::uintptr_t m_free = 0;           // the rest of the piece of it in use
    std::uintptr_t m_freeEnd = 0;
    std::string m_separator;
    std::string m_scratch;             // where each sentence is written before it is kept
    std::pmr::vector<Entry> m_entries; // node `id` is m_entries[id - 1]
    std::pmr::vector<NodeId> m_termIds;
    std::pmr::vector<NodeId> m_lineNodes;
    std::size_t m_firstAwaiting = 0; // the operations from there on may await their sentences
};

} // namespace pagaluz
