#pragma once

#include "DecimalConventions.h"
#include "PayslipLine.h"

#include <string>
#include <string_view>
#include <vector>

namespace pagaluz {

// The header panel of the sheet: for a position its code, basic points and
// name; for hours the count typed, its points and the level.
struct PayslipHeader {
    std::string title;          // "Código del cargo" or "Cantidad de horas"
    std::string number;         // the position's code or the hours as typed
    std::string points;         // shown under "Puntaje"
    std::string name;           // the position's name or the level of the hours
    bool positionBoxes = false; // whether the position-only point boxes show

    friend bool operator==(const PayslipHeader &, const PayslipHeader &) = default;
};

// The lines and totals of one calculation, with their texts written in the
// decimal conventions the payslip was made with.
class Payslip {
public:
    static constexpr int kGridRows = 27;
    static constexpr int kMaxLines = 26; // no calculation can append more
    static constexpr std::string_view kPrefix = "$ ";
    static constexpr std::string_view kFirstLinePrefix = "$";

    explicit Payslip(DecimalConventions conventions = {}) : m_conventions(std::move(conventions))
    {
        m_lines.reserve(kMaxLines);
    }

    // The index of the next free row, i.e. the number of lines so far.
    int nextRow() const { return static_cast<int>(m_lines.size()); }

    void appendEarningsLine(std::string_view code, std::string_view conceptText,
                            std::string quantity, Money amount, std::string_view prefix = kPrefix);
    void appendDeductionLine(std::string_view code, std::string_view conceptText,
                             std::string quantity, Money amount);

    // Stores the three totals and their texts.
    void setTotals(Money totalEarnings, Money totalDeductions);

    const std::vector<PayslipLine> &lines() const { return m_lines; }
    Money totalEarnings() const { return m_totalEarnings; }
    Money totalDeductions() const { return m_totalDeductions; }
    Money netPay() const { return m_netPay; }
    std::string totalEarningsText() const { return amountText(m_totalEarnings); }
    std::string totalDeductionsText() const { return amountText(m_totalDeductions); }
    std::string netPayText() const { return amountText(m_netPay); }

    PayslipHeader header;
    std::string teacherName;

    const DecimalConventions &conventions() const { return m_conventions; }

    friend bool operator==(const Payslip &, const Payslip &) = default;

private:
    void appendLine(std::string_view code, std::string_view conceptText, std::string quantity,
                    AmountColumn column, Money amount, std::string_view prefix);
    std::string amountText(Money amount) const;

    DecimalConventions m_conventions;
    std::vector<PayslipLine> m_lines;
    Money m_totalEarnings;
    Money m_totalDeductions;
    Money m_netPay;
};

} // namespace pagaluz
