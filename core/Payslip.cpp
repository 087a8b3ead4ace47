#include "Payslip.h"

#include "NumberText.h"

#include <stdexcept>

namespace pagaluz {

void Payslip::appendEarningsLine(std::string code, std::string conceptText, std::string quantity,
                                 Money amount, std::string_view prefix)
{
    appendLine({nextRow(),
                std::move(code),
                std::move(conceptText),
                std::move(quantity),
                AmountColumn::Earnings,
                amount,
                {}},
               prefix);
}

void Payslip::appendDeductionLine(std::string code, std::string conceptText, std::string quantity,
                                  Money amount)
{
    appendLine({nextRow(),
                std::move(code),
                std::move(conceptText),
                std::move(quantity),
                AmountColumn::Deductions,
                amount,
                {}},
               kPrefix);
}

void Payslip::appendLine(PayslipLine line, std::string_view prefix)
{
    if (nextRow() >= kMaxLines)
        throw std::logic_error("a payslip has at most 26 lines");
    line.amountText = formatAmount(line.amount, prefix, m_conventions);
    m_lines.push_back(std::move(line));
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
