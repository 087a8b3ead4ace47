#include "Traced.h"

namespace pagaluz {

NodeId Tracer::takenFromScale(bool percentage, const ScaleNumber &figure) const
{
    return percentage ? m_record->rate(figure.label, figure.shown, figure.source)
                      : m_record->figure(figure.label, figure.shown, figure.source);
}

Tracer::NodeList Tracer::nodesOf(const Amount *first, const Amount *last)
{
    NodeList nodes;
    for (const Amount *term = first; term != last; ++term)
        nodes.add(term->node());
    return nodes;
}

Amount Tracer::recordedSumOfLines(std::string_view name, Money total, const Payslip &payslip,
                                  AmountColumn column) const
{
    NodeList nodes;
    for (const PayslipLine &line : payslip.lines())
        if (line.column == column)
            nodes.add(m_record->lineNode(line.row));
    return {total,
            m_record->operation(name, Decimal::fromMoney(total), Operation::Sum, nodes.span())};
}

Amount Tracer::recordedDifference(std::string_view name, Money result, const Amount &from,
                                  std::initializer_list<Amount> taken) const
{
    NodeList nodes;
    nodes.add(from.node());
    for (const Amount &term : taken)
        nodes.add(term.node());
    return {result, m_record->operation(name, Decimal::fromMoney(result), Operation::Difference,
                                        nodes.span())};
}

Amount Tracer::recordedCappedProduct(std::string_view name, std::string_view productName,
                                     Money value, std::initializer_list<Figure> factors,
                                     const Amount &cap, bool capped) const
{
    NodeList nodes;
    for (const Figure &factor : factors)
        nodes.add(factor.node);
    const NodeId product =
        capped ? m_record->roundedResult(productName, Operation::Product, nodes.span())
               : m_record->operation(productName, Decimal::fromMoney(value), Operation::Product,
                                     nodes.span());
    return {value, m_record->operation(name, Decimal::fromMoney(value), Operation::Minimum,
                                       {product, cap.node()})};
}

} // namespace pagaluz
