#include "Traced.h"

namespace pagaluz {

std::vector<NodeId> Tracer::nodesOf(const Amount *first, const Amount *last)
{
    std::vector<NodeId> nodes;
    nodes.reserve(static_cast<std::size_t>(last - first));
    for (const Amount *term = first; term != last; ++term)
        nodes.push_back(term->node());
    return nodes;
}

Amount Tracer::sumOfLines(std::string_view name, const Payslip &payslip, AmountColumn column) const
{
    Money total;
    std::vector<NodeId> nodes;
    for (const PayslipLine &line : payslip.lines()) {
        if (line.column != column)
            continue;
        total += line.amount;
        if (m_record)
            nodes.push_back(m_record->lineNode(line.row));
    }
    if (!m_record)
        return total;
    return {total, m_record->operation(std::string(name), Decimal::fromMoney(total), Operation::Sum,
                                       nodes)};
}

Amount Tracer::difference(std::string_view name, const Amount &from,
                          std::initializer_list<Amount> taken) const
{
    Money result = from;
    for (const Amount &term : taken)
        result -= term;
    if (!m_record)
        return result;
    std::vector<NodeId> nodes{from.node()};
    for (const Amount &term : taken)
        nodes.push_back(term.node());
    return {result, m_record->operation(std::string(name), Decimal::fromMoney(result),
                                        Operation::Difference, nodes)};
}

Amount Tracer::cappedProduct(std::string_view name, std::string_view productName,
                             std::initializer_list<Figure> factors, const Amount &cap,
                             bool capped) const
{
    Money value = cap;
    if (!capped) {
        double product = 1.0;
        bool first = true;
        for (const Figure &factor : factors) {
            product = first ? factor.value : product * factor.value;
            first = false;
        }
        value = Money::fromDouble(product);
    }
    if (!m_record)
        return value;
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
