#include "Payslip.h"

#include "NumberText.h"

#include <stdexcept>

namespace pagaluz {

void Payslip::appendEarningsLine(std::string_view code, std::string_view conceptText,
                                 std::string quantity, Money amount, std::string_view prefix)
{
    appendLine(code, conceptText, std::move(quantity), AmountColumn::Earnings, amount, prefix);
}

void Payslip::appendDeductionLine(std::string_view code, std::string_view conceptText,
                                  std::string quantity, Money amount)
{
    appendLine(code, conceptText, std::move(quantity), AmountColumn::Deductions, amount, kPrefix);
}

// The line is made in its place in the list: its texts are written once, not moved there.
void Payslip::appendLine(std::string_view code, std::string_view conceptText, std::string quantity,
                         AmountColumn column, Money amount, std::string_view prefix)
{
    if (nextRow() >= kMaxLines)
        throw std::logic_error("a payslip has at most 26 lines");
    PayslipLine &line = m_lines.emplace_back();
    line.row = static_cast<int>(m_lines.size()) - 1;
    line.code = code;
    line.conceptText = conceptText;
    line.quantity = std::move(quantity);
    line.column = column;
    line.amount = amount;
    line.amountText = formatAmount(amount, prefix, m_conventions);
}

void Payslip::setTotals(Money totalEarnings, Money totalDeductions)
{
    m_totalEarnings = totalEarnings;
    m_totalDeductions = totalDeductions;
    m_netPay = totalEarnings - totalDeductions;
}

std::string Payslip::amountText(Money amount) const
{
    return formatAmount(amount, kPrefix, m_conventions);
}

} // namespace pagaluz
