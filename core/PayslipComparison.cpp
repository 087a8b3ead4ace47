#include "PayslipComparison.h"

#include <algorithm>

namespace pagaluz {

namespace {

bool lineEquals(const PayslipLine &ours, const SchoolPayslipLine &theirs)
{
    return ours.amount == theirs.amount && (!theirs.quantity || *theirs.quantity == ours.quantity);
}

// For each of our lines, the index of the school's line of the same code (the first not yet
// taken, so that a code printed twice pairs in order), or -1.
template <typename Visit>
void pairLines(const Payslip &ours, const SchoolPayslip &theirs, std::vector<char> &taken,
               Visit visit)
{
    taken.assign(theirs.lines.size(), 0);
    for (const PayslipLine &line : ours.lines()) {
        int found = -1;
        for (std::size_t index = 0; index < theirs.lines.size(); ++index) {
            if (!taken[index] && theirs.lines[index].code == line.code) {
                taken[index] = 1;
                found = static_cast<int>(index);
                break;
            }
        }
        visit(line, found);
    }
}

bool totalsEqual(const Payslip &ours, const SchoolPayslip &theirs)
{
    return (!theirs.totalEarnings || *theirs.totalEarnings == ours.totalEarnings()) &&
           (!theirs.totalDeductions || *theirs.totalDeductions == ours.totalDeductions()) &&
           (!theirs.netPay || *theirs.netPay == ours.netPay());
}

} // namespace

std::string_view lineStatusText(LineStatus status)
{
    switch (status) {
    case LineStatus::Equal:
        return "igual";
    case LineStatus::Different:
        return "distinto";
    case LineStatus::OnlyOurs:
        return "sólo en el nuestro";
    case LineStatus::OnlyTheirs:
        return "sólo en el del establecimiento";
    }
    return "";
}

bool PayslipComparison::equal() const
{
    return std::all_of(rows.begin(), rows.end(),
                       [](const ComparisonRow &row) { return row.status == LineStatus::Equal; });
}

int PayslipComparison::matchingLines() const
{
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const ComparisonRow &row) {
        return !row.total && row.status == LineStatus::Equal;
    }));
}

int PayslipComparison::lineCount() const
{
    return static_cast<int>(std::count_if(rows.begin(), rows.end(),
                                          [](const ComparisonRow &row) { return !row.total; }));
}

PayslipComparison comparePayslips(const Payslip &ours, const SchoolPayslip &theirs)
{
    PayslipComparison comparison;
    std::vector<char> taken;
    pairLines(ours, theirs, taken, [&](const PayslipLine &line, int found) {
        ComparisonRow row{line.code, line.amount, std::nullopt, LineStatus::OnlyOurs};
        if (found >= 0) {
            const SchoolPayslipLine &school = theirs.lines[static_cast<std::size_t>(found)];
            row.theirs = school.amount;
            row.status = lineEquals(line, school) ? LineStatus::Equal : LineStatus::Different;
        }
        comparison.rows.push_back(std::move(row));
    });
    for (std::size_t index = 0; index < theirs.lines.size(); ++index)
        if (!taken[index])
            comparison.rows.push_back({theirs.lines[index].code, std::nullopt,
                                       theirs.lines[index].amount, LineStatus::OnlyTheirs});
    const auto addTotal = [&](std::string name, Money our, const std::optional<Money> &their) {
        if (their)
            comparison.rows.push_back({std::move(name), our, their,
                                       our == *their ? LineStatus::Equal : LineStatus::Different,
                                       true});
    };
    addTotal("Total Haberes", ours.totalEarnings(), theirs.totalEarnings);
    addTotal("Total descuentos", ours.totalDeductions(), theirs.totalDeductions);
    addTotal("Liquido a pagar", ours.netPay(), theirs.netPay);
    return comparison;
}

PayslipMatch matchPayslips(const Payslip &ours, const SchoolPayslip &theirs)
{
    thread_local std::vector<char> taken;
    PayslipMatch match;
    int paired = 0;
    pairLines(ours, theirs, taken, [&](const PayslipLine &line, int found) {
        if (found < 0)
            return;
        ++paired;
        if (lineEquals(line, theirs.lines[static_cast<std::size_t>(found)]))
            ++match.matchingLines;
    });
    const int ourCount = static_cast<int>(ours.lines().size());
    match.lineCount = ourCount + static_cast<int>(theirs.lines.size()) - paired;
    match.allEqual = match.matchingLines == match.lineCount && totalsEqual(ours, theirs);
    return match;
}

} // namespace pagaluz
