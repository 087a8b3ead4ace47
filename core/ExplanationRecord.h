#pragma once

#include "DecimalConventions.h"
#include "Explanation.h"
#include "Money.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

namespace pagaluz {

class Payslip;

using NodePtr = std::shared_ptr<ExplanationNode>;

// The explanations of the carry values that later lines and bases are made of; null while
// the value is not on the payslip.
struct CarryExplanations {
    NodePtr categoryAssignment;
    NodePtr basicComplement;
    NodePtr fullDayAmount;
    NodePtr extendedDayAmount;
    NodePtr differentiatedTask;
    NodePtr code06Supplement;
    NodePtr nationalIncentive;
    NodePtr code113Supplement;
    NodePtr seniorityAmount;
    NodePtr zoneAmount;
    NodePtr decreeProductivity;
    NodePtr productivityPlus;
    NodePtr absenceDeduction;
    NodePtr remunerativeTotal;
    NodePtr minimumTopUp;
};

// What a calculation asked for its explanations keeps besides the carry values: each section
// makes the explanations of its amounts here, from the figures it calculates with, as it
// calculates them. The sentences are written in the calculation's decimal conventions.
class ExplanationRecord {
public:
    explicit ExplanationRecord(const DecimalConventions &conventions)
        : m_separator(conventions.decimalSeparator)
    {
    }

    // A figure taken as it is; `source` says where it comes from ("del cargo 734").
    NodePtr figure(std::string name, const Decimal &value, std::string_view source) const;
    NodePtr figure(std::string name, Money value, std::string_view source) const
    {
        return figure(std::move(name), Decimal::fromMoney(value), source);
    }
    // A rate of the pay scale or a chosen percentage, read as a percentage ("30 %").
    NodePtr rate(std::string name, const Decimal &rate, std::string_view source) const;
    // A leaf whose sentence is `text`, as a cell of a table, which names where it was read.
    NodePtr leaf(std::string name, const Decimal &value, std::string text) const;

    // `value`, as the calculation made it, from `terms` by `operation`. Null terms, values
    // whose lines are not on the payslip, are left out.
    NodePtr operation(std::string name, const Decimal &value, Operation operation,
                      std::initializer_list<NodePtr> terms) const;
    NodePtr operation(std::string name, Money value, Operation operation,
                      std::initializer_list<NodePtr> terms) const
    {
        return this->operation(std::move(name), Decimal::fromMoney(value), operation, terms);
    }
    NodePtr operation(std::string name, const Decimal &value, Operation operation,
                      std::vector<ExplanationPtr> terms) const;
    // An operation whose value the calculation does not form, as a product beyond the cap
    // that replaces it: its exact result brought to four decimals.
    NodePtr roundedResult(std::string name, Operation operation,
                          std::initializer_list<NodePtr> terms) const;

    // `node` explains the amount of the line just appended to `payslip`.
    void explainLastLine(const Payslip &payslip, const NodePtr &node);
    void note(std::string text) { explanation.notes.push_back(std::move(text)); }

    // A number or an amount as the sentences write it: plain, in the user's conventions.
    std::string number(const Decimal &value) const { return value.text(m_separator); }
    std::string number(Money value) const { return number(Decimal::fromMoney(value)); }
    std::string number(double value) const { return number(Decimal::fromDouble(value)); }

    CarryExplanations carry;
    PayslipExplanation explanation;

private:
    NodePtr taken(std::string name, const Decimal &value, bool percentage,
                  std::string_view source) const;
    std::string valueText(const ExplanationNode &node) const;
    std::string sentence(const ExplanationNode &node) const;
    std::string expression(const ExplanationNode &node, bool compact) const;
    std::string termInSum(const ExplanationNode &term) const;
    std::string termInProduct(const ExplanationNode &term) const;
    std::string termCompact(const ExplanationNode &term) const;

    std::string m_separator;
};

} // namespace pagaluz
