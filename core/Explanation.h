#pragma once

#include "Decimal.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// How a value of an explanation is made from its terms, in their order: a difference is the
// first term less the others.
enum class Operation { Sum, Difference, Product, Minimum };

// "sum", "difference", "product", "minimum".
std::string_view operationName(Operation operation);

struct ExplanationNode;
using ExplanationPtr = std::shared_ptr<const ExplanationNode>;

// One value of an explanation, named in the pay scale's words. A leaf is an input (a count
// typed, a position's points, a chosen percentage), a fixed figure of the pay scale or a cell
// of one of its tables; any other value is its operation applied to its terms, exactly, and
// then, where the calculation rounds there, brought to four decimals.
struct ExplanationNode {
    std::string name; // "base de antigüedad", "valor del punto"
    Decimal value;    // what the calculation took or made
    std::string text; // the value as a sentence, numbers in the user's conventions
    std::optional<Operation> operation; // none for a leaf
    std::vector<ExplanationPtr> terms;
    bool rounded = false; // the exact result had more than four decimals
    Decimal exactValue;   // the operation's exact result; for a leaf, its value

    // The payslip line whose amount this is, when it is one ("010", "Antigüedad").
    std::string lineCode;
    std::string lineConcept;
    // A rate read as a percentage: 0.3 is "30 %".
    bool percentage = false;
};

// Why a payslip's amounts are what they are: one explanation for each line, in the order of
// the lines, one for each total, and the decisions that left out a line a reader would look
// for ("no top-up: the estimated net pay is not below 1290").
struct PayslipExplanation {
    std::vector<ExplanationPtr> lines;
    ExplanationPtr totalEarnings;
    ExplanationPtr totalDeductions;
    ExplanationPtr netPay;
    std::vector<std::string> notes;
};

} // namespace pagaluz
