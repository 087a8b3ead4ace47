#include "Traced.h"

namespace pagaluz {

NodeId Tracer::takenFromScale(bool percentage, const ScaleNumber &figure) const
{
    const Decimal shown = Decimal::fromDouble(figure.value);
    return percentage ? m_record->rate(figure.label, shown, figure.source)
                      : m_record->figure(figure.label, shown, figure.source);
}

std::vector<NodeId> Tracer::nodesOf(const Amount *first, const Amount *last)
{
    std::vector<NodeId> nodes;
    nodes.reserve(static_cast<std::size_t>(last - first));
    for (const Amount *term = first; term != last; ++term)
        nodes.push_back(term->node());
    return nodes;
}

Amount Tracer::recordedSumOfLines(std::string_view name, Money total, const Payslip &payslip,
                                  AmountColumn column) const
{
    std::vector<NodeId> nodes;
    for (const PayslipLine &line : payslip.lines())
        if (line.column == column)
            nodes.push_back(m_record->lineNode(line.row));
    return {total, m_record->operation(std::string(name), Decimal::fromMoney(total), Operation::Sum,
                                       nodes)};
}

Amount Tracer::recordedDifference(std::string_view name, Money result, const Amount &from,
                                  std::initializer_list<Amount> taken) const
{
    std::vector<NodeId> nodes{from.node()};
    for (const Amount &term : taken)
        nodes.push_back(term.node());
    return {result, m_record->operation(std::string(name), Decimal::fromMoney(result),
                                        Operation::Difference, nodes)};
}

Amount Tracer::recordedCappedProduct(std::string_view name, std::string_view productName,
                                     Money value, std::initializer_list<Figure> factors,
                                     const Amount &cap, bool capped) const
{
    std::vector<NodeId> nodes;
    for (const Figure &factor : factors)
        nodes.push_back(factor.node);
    const std::string productText(productName);
    const NodeId product = capped ? m_record->roundedResult(productText, Operation::Product, nodes)
                                  : m_record->operation(productText, Decimal::fromMoney(value),
                                                        Operation::Product, nodes);
    return {value, m_record->operation(std::string(name), Decimal::fromMoney(value),
                                       Operation::Minimum, {product, cap.node()})};
}

} // namespace pagaluz
