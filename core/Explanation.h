#pragma once

#include "Decimal.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <memory_resource>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// How a value of an explanation is made from its terms, in their order: a difference is the
// first term less the others.
enum class Operation { Sum, Difference, Product, Minimum };

// "sum", "difference", "product", "minimum".
std::string_view operationName(Operation operation);

// A name or a sentence of an explanation. It refers to text kept elsewhere, by the explanation
// it belongs to or, in a tree built by hand, by whoever built it. It reads as a string view,
// and as a std::string for those who keep a copy.
class ExplanationText {
public:
    constexpr ExplanationText() = default;
    constexpr explicit ExplanationText(std::string_view text) : m_text(text) {}

    constexpr std::string_view view() const { return m_text; }
    constexpr bool empty() const { return m_text.empty(); }
    constexpr std::size_t size() const { return m_text.size(); }
    constexpr operator std::string_view() const { return m_text; }
    operator std::string() const { return std::string(m_text); }

    friend constexpr bool operator==(const ExplanationText &text, std::string_view other)
    {
        return text.m_text == other;
    }

private:
    std::string_view m_text;
};

std::ostream &operator<<(std::ostream &out, const ExplanationText &text);

struct ExplanationNode;

// A value of an explanation, kept by the explanation it belongs to; null for none.
class ExplanationPtr {
public:
    constexpr ExplanationPtr() = default;
    constexpr ExplanationPtr(const ExplanationNode *node) : m_node(node) {}

    constexpr const ExplanationNode *get() const { return m_node; }
    constexpr const ExplanationNode &operator*() const { return *m_node; }
    constexpr const ExplanationNode *operator->() const { return m_node; }
    constexpr explicit operator bool() const { return m_node != nullptr; }
    friend constexpr bool operator==(ExplanationPtr, ExplanationPtr) = default;

private:
    const ExplanationNode *m_node = nullptr;
};

// One value of an explanation, named in the pay scale's words. A leaf is an input (a count
// typed, a position's points, a chosen percentage), a fixed figure of the pay scale or a cell
// of one of its tables; any other value is its operation applied to its terms, exactly, and
// then, where the calculation rounds there, brought to four decimals.
struct ExplanationNode {
    ExplanationText name; // "base de antigüedad", "valor del punto"
    Decimal value;        // what the calculation took or made
    ExplanationText text; // the value as a sentence, numbers in the user's conventions
    std::optional<Operation> operation; // none for a leaf
    std::span<const ExplanationPtr> terms;
    bool rounded = false; // the exact result had more than four decimals
    // A rate read as a percentage: 0.3 is "30 %".
    bool percentage = false;
    Decimal exactValue; // the operation's exact result; for a leaf, its value

    // The payslip line whose amount this is, when it is one ("010", "Antigüedad").
    ExplanationText lineCode;
    ExplanationText lineConcept;
};

// Why a payslip's amounts are what they are: one explanation for each line, in the order of
// the lines, one for each total, and the decisions that left out a line a reader would look
// for ("no top-up: the estimated net pay is not below 1290"). It keeps its values, their
// terms and their texts in one block of memory, which a usual payslip does not outgrow; it
// therefore stays where it was made.
struct PayslipExplanation {
    PayslipExplanation(); // leaves the block as it finds it
    PayslipExplanation(const PayslipExplanation &) = delete;
    PayslipExplanation &operator=(const PayslipExplanation &) = delete;

    std::vector<ExplanationPtr> lines;
    ExplanationPtr totalEarnings;
    ExplanationPtr totalDeductions;
    ExplanationPtr netPay;
    std::vector<std::string> notes;

    // Where the values, their terms and their texts are kept, for as long as the explanation.
    std::pmr::memory_resource &memory() { return m_memory; }

private:
    static constexpr std::size_t kUsualBytes = 24 * 1024;
    alignas(std::max_align_t) std::array<std::byte, kUsualBytes> m_block;
    std::pmr::monotonic_buffer_resource m_memory{m_block.data(), m_block.size()};
};

} // namespace pagaluz
