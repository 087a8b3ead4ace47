#pragma once

#include "ExplanationRecord.h"
#include "Money.h"
#include "PayScale.h"
#include "Payslip.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace pagaluz {

// An amount of the calculation and, when the calculation explains itself, the node that tells
// how it was reached (none for an amount no line shows). Whoever reads it reads an amount; the
// sections make it with the operations of a Tracer, which compute it and record how in one
// statement.
class Amount : public Money {
public:
    constexpr Amount() = default;
    constexpr Amount(Money value) : Money(value) {}
    constexpr Amount(Money value, NodeId node) : Money(value), m_node(node) {}

    constexpr NodeId node() const { return m_node; }
    // The same amount, no longer explained: it stays off the lines that add it.
    constexpr Amount unexplained() const { return Amount(Money(*this)); }

private:
    NodeId m_node = kNoNode;
};

// A number a formula takes that is no amount: a count typed, a rate or a value of the scale.
struct Figure {
    double value = 0.0;
    NodeId node = kNoNode;
};

// A whole number a formula takes: a count of children, an amount of a table in whole units.
struct WholeFigure {
    int value = 0;
    NodeId node = kNoNode;
};

// A percentage chosen from a list (a seniority bracket, a zone).
struct Percent {
    std::uint8_t value = 0;
    NodeId node = kNoNode;
};

// A name or a sentence of an explanation: a text, or what makes it, called only when the
// calculation explains itself.
template <typename T>
concept TextMaker = std::convertible_to<T, std::string_view> || std::invocable<const T &>;

// The text itself where it is one, without a copy; what makes it otherwise.
template <TextMaker T> auto madeText(const T &text)
{
    if constexpr (std::convertible_to<T, std::string_view>)
        return std::string_view(text);
    else
        return text();
}

// The exact value of a figure as an explanation shows it, or what makes it.
template <typename T>
concept DecimalMaker = std::same_as<T, Decimal> || std::invocable<const T &>;

template <DecimalMaker T> Decimal madeDecimal(const T &value)
{
    if constexpr (std::same_as<T, Decimal>)
        return value;
    else
        return value();
}

// The operations a section states its formulas with. Each computes its result with the
// arithmetic of Money (a product in double precision rounded to the ten-thousandth, ties to
// even; sums exact) and, when the calculation explains itself, records the node of the result
// over the nodes of its terms. Without a record it records nothing.
class Tracer {
public:
    explicit Tracer(ExplanationRecord *record) : m_record(record) {}

    bool explains() const { return m_record != nullptr; }
    ExplanationRecord *record() const { return m_record; }

    // Leaves: a figure taken as it is (`shown` is its exact value), a rate shown as a
    // percentage, a cell of a table whose sentence names where it was read.
    template <DecimalMaker Shown, TextMaker Name, TextMaker Source>
    Figure figure(double value, const Shown &shown, const Name &name, const Source &source) const
    {
        return {value, m_record ? taken(false, shown, name, source) : kNoNode};
    }
    template <TextMaker Name, TextMaker Source>
    Amount amount(Money value, const Name &name, const Source &source) const
    {
        const auto shown = [value] { return Decimal::fromMoney(value); };
        return {value, m_record ? taken(false, shown, name, source) : kNoNode};
    }
    template <DecimalMaker Shown, TextMaker Name, TextMaker Source>
    Figure rate(double value, const Shown &shown, const Name &name, const Source &source) const
    {
        return {value, m_record ? taken(true, shown, name, source) : kNoNode};
    }
    template <TextMaker Name, TextMaker Source>
    Percent percent(std::uint8_t value, const Name &name, const Source &source) const
    {
        const auto shown = [value] { return Decimal::fromScaled(value, 2); };
        return {value, m_record ? taken(true, shown, name, source) : kNoNode};
    }
    template <TextMaker Name, TextMaker Source>
    WholeFigure whole(int value, const Name &name, const Source &source) const
    {
        const auto shown = [value] { return Decimal::fromInteger(value); };
        return {value, m_record ? taken(false, shown, name, source) : kNoNode};
    }
    // A figure of the pay scale under its label, as a number or as a rate.
    Figure scaleNumber(const ScaleNumber &figure) const
    {
        return {figure.value, m_record ? takenFromScale(false, figure) : kNoNode};
    }
    Figure scaleRate(const ScaleNumber &figure) const
    {
        return {figure.value, m_record ? takenFromScale(true, figure) : kNoNode};
    }
    Amount scaleAmount(const ScaleAmount &figure) const
    {
        return amount(figure.value, figure.label, figure.source);
    }
    template <DecimalMaker Value, TextMaker Name, TextMaker Text>
    NodeId cell(const Value &value, const Name &name, const Text &text) const
    {
        return m_record ? takenCell(value, name, text) : kNoNode;
    }

    // a × b, and a × b × c, each product formed in double precision from left to right.
    Amount product(std::string_view name, Figure a, Figure b) const
    {
        return recorded(name, Money::fromDouble(a.value * b.value), Operation::Product,
                        {a.node, b.node});
    }
    Amount product(std::string_view name, Figure a, Figure b, Figure c) const
    {
        return recorded(name, Money::fromDouble(a.value * b.value * c.value), Operation::Product,
                        {a.node, b.node, c.node});
    }
    // a × b in whole units.
    Amount wholeProduct(std::string_view name, WholeFigure a, WholeFigure b) const
    {
        return recorded(name, Money::fromUnits(std::int64_t{a.value} * b.value), Operation::Product,
                        {a.node, b.node});
    }
    // The share `rate` of `base`: all of it at 1, nothing at 0.
    template <TextMaker Name> Amount share(const Name &name, Figure rate, const Amount &base) const
    {
        const Money value = rate.value == 1.0   ? Money(base)
                            : rate.value == 0.0 ? Money()
                                                : base.timesRate(rate.value);
        return recorded(name, value, Operation::Product, {rate.node, base.node()});
    }
    // percent × base / 100: the product exact, the division in double precision.
    Amount percentOf(std::string_view name, Percent percent, const Amount &base) const
    {
        const Money value = Money::fromDouble(base.timesWhole(percent.value).toDouble() / 100.0);
        return recorded(name, value, Operation::Product, {percent.node, base.node()});
    }
    // The terms added in order; those no line shows add their amounts and are left out of the
    // explanation, as lines that are not on the payslip.
    template <TextMaker Name>
    Amount sum(const Name &name, std::initializer_list<Amount> terms) const
    {
        Money total;
        for (const Amount &term : terms)
            total += term;
        return recorded(name, total, Operation::Sum, terms);
    }
    // The amounts of the payslip's lines in `column`, each explained by its line.
    Amount sumOfLines(std::string_view name, const Payslip &payslip, AmountColumn column) const
    {
        Money total;
        for (const PayslipLine &line : payslip.lines())
            if (line.column == column)
                total += line.amount;
        return m_record ? recordedSumOfLines(name, total, payslip, column) : Amount(total);
    }
    // `from` less each of `taken`.
    Amount difference(std::string_view name, const Amount &from,
                      std::initializer_list<Amount> taken) const
    {
        Money result = from;
        for (const Amount &term : taken)
            result -= term;
        return m_record ? recordedDifference(name, result, from, taken) : Amount(result);
    }
    // The lesser of a product and its cap. `capped` says the product reaches the cap, by the
    // rule of the pay scale; the product is then not formed as an amount.
    Amount cappedProduct(std::string_view name, std::string_view productName,
                         std::initializer_list<Figure> factors, const Amount &cap,
                         bool capped) const
    {
        Money value = cap;
        if (!capped) {
            const Figure *factor = factors.begin();
            double product = factor->value;
            while (++factor != factors.end())
                product *= factor->value;
            value = Money::fromDouble(product);
        }
        return m_record ? recordedCappedProduct(name, productName, value, factors, cap, capped)
                        : Amount(value);
    }

private:
    // What records the nodes: out of the way of a calculation that explains nothing.
    template <DecimalMaker Shown, TextMaker Name, TextMaker Source>
    [[gnu::cold, gnu::noinline]] NodeId taken(bool percentage, const Shown &shown, const Name &name,
                                              const Source &source) const
    {
        return percentage ? m_record->rate(madeText(name), madeDecimal(shown), madeText(source))
                          : m_record->figure(madeText(name), madeDecimal(shown), madeText(source));
    }
    [[gnu::cold, gnu::noinline]] NodeId takenFromScale(bool percentage,
                                                       const ScaleNumber &figure) const;
    template <DecimalMaker Value, TextMaker Name, TextMaker Text>
    [[gnu::cold, gnu::noinline]] NodeId takenCell(const Value &value, const Name &name,
                                                  const Text &text) const
    {
        return m_record->leaf(madeText(name), madeDecimal(value), madeText(text));
    }
    template <TextMaker Name>
    Amount recorded(const Name &name, Money value, Operation operation,
                    std::initializer_list<NodeId> terms) const
    {
        return m_record ? Amount(value, recordedNode(name, value, operation, terms))
                        : Amount(value);
    }
    template <TextMaker Name>
    Amount recorded(const Name &name, Money value, Operation operation,
                    std::initializer_list<Amount> terms) const
    {
        return m_record ? Amount(value, recordedNode(name, value, operation, terms))
                        : Amount(value);
    }
    template <TextMaker Name, typename Terms>
    [[gnu::cold, gnu::noinline]] NodeId recordedNode(const Name &name, Money value,
                                                     Operation operation, const Terms &terms) const
    {
        if constexpr (std::same_as<Terms, std::initializer_list<Amount>>)
            return m_record->operation(madeText(name), Decimal::fromMoney(value), operation,
                                       nodesOf(terms.begin(), terms.end()).span());
        else
            return m_record->operation(madeText(name), Decimal::fromMoney(value), operation, terms);
    }
    // The nodes of the terms of one operation: at most a payslip's lines.
    class NodeList {
    public:
        void add(NodeId node) { m_nodes.at(m_count++) = node; }
        std::span<const NodeId> span() const { return {m_nodes.data(), m_count}; }

    private:
        std::array<NodeId, Payslip::kMaxLines> m_nodes{};
        std::size_t m_count = 0;
    };
    [[gnu::cold]] static NodeList nodesOf(const Amount *first, const Amount *last);
    [[gnu::cold]] Amount recordedSumOfLines(std::string_view name, Money total,
                                            const Payslip &payslip, AmountColumn column) const;
    [[gnu::cold]] Amount recordedDifference(std::string_view name, Money result, const Amount &from,
                                            std::initializer_list<Amount> taken) const;
    [[gnu::cold]] Amount recordedCappedProduct(std::string_view name, std::string_view productName,
                                               Money value, std::initializer_list<Figure> factors,
                                               const Amount &cap, bool capped) const;

    ExplanationRecord *m_record;
};

} // namespace pagaluz
