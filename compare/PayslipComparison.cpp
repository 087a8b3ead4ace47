#include "PayslipComparison.h"

#include "PrintedQuantity.h"

#include <algorithm>
#include <array>

namespace pagaluz {

namespace {

bool quantityEquals(const PayslipLine &ours, const SchoolPayslipLine &theirs,
                    const DecimalConventions &conventions)
{
    return !theirs.quantity || quantitiesEqual(ours.quantity, *theirs.quantity, conventions);
}

bool lineEquals(const PayslipLine &ours, const SchoolPayslipLine &theirs,
                const DecimalConventions &conventions)
{
    return theirs.amount.matches(ours.amount) && quantityEquals(ours, theirs, conventions);
}

// For each of our lines, the index of the school's line of the same code (the first not yet
// taken, so that a code printed twice pairs in order), or -1. `taken` marks the school's lines
// paired.
void pairLines(const Payslip &ours, const SchoolPayslip &theirs, std::vector<int> &theirsOfOurs,
               std::vector<char> &taken)
{
    taken.assign(theirs.lines.size(), 0);
    theirsOfOurs.clear();
    for (const PayslipLine &line : ours.lines()) {
        int found = -1;
        for (std::size_t index = 0; index < theirs.lines.size(); ++index) {
            if (!taken[index] && theirs.lines[index].code == line.code) {
                taken[index] = 1;
                found = static_cast<int>(index);
                break;
            }
        }
        theirsOfOurs.push_back(found);
    }
}

// The school's lines that no calculation writes, added up by column.
struct NotCalculatedSums {
    Money earnings;
    Money deductions;
};

NotCalculatedSums notCalculatedSums(const SchoolPayslip &theirs)
{
    NotCalculatedSums sums;
    for (const SchoolPayslipLine &line : theirs.lines)
        if (!line.calculated())
            (line.columnOrGuess() == AmountColumn::Earnings ? sums.earnings : sums.deductions) +=
                line.amount.value;
    return sums;
}

Money sumOfRounded(const Payslip &ours, AmountColumn column, int decimals)
{
    Money sum;
    for (const PayslipLine &line : ours.lines())
        if (line.column == column)
            sum += roundedHalfUp(line.amount, decimals);
    return sum;
}

// One total of both payslips: the school's as printed, less its lines Pagaluz does not
// calculate, against ours and against the sum of our lines rounded as it prints them.
struct TotalPair {
    PayslipTotal total;
    Money ours;
    PrintedAmount theirs;
    Money oursOfRoundedLines;
};

std::array<std::optional<TotalPair>, 3> pairTotals(const Payslip &ours, const SchoolPayslip &theirs)
{
    const NotCalculatedSums left = notCalculatedSums(theirs);
    const auto rounded = [&](PayslipTotal total, int decimals) {
        const Money earnings = sumOfRounded(ours, AmountColumn::Earnings, decimals);
        const Money deductions = sumOfRounded(ours, AmountColumn::Deductions, decimals);
        switch (total) {
        case PayslipTotal::Earnings:
            return earnings;
        case PayslipTotal::Deductions:
            return deductions;
        case PayslipTotal::NetPay:
            break;
        }
        return earnings - deductions;
    };
    const auto pair = [&](PayslipTotal total, const std::optional<PrintedAmount> &printed,
                          Money our, Money notCalculated) -> std::optional<TotalPair> {
        if (!printed)
            return std::nullopt;
        const PrintedAmount compared(printed->value - notCalculated, printed->decimals);
        return TotalPair{total, our, compared,
                         printed->exact() ? our : rounded(total, printed->decimals)};
    };
    return {
        pair(PayslipTotal::Earnings, theirs.totalEarnings, ours.totalEarnings(), left.earnings),
        pair(PayslipTotal::Deductions, theirs.totalDeductions, ours.totalDeductions(),
             left.deductions),
        pair(PayslipTotal::NetPay, theirs.netPay, ours.netPay(), left.earnings - left.deductions)};
}

bool totalEquals(const TotalPair &pair)
{
    return pair.theirs.matches(pair.ours) || pair.theirs.matches(pair.oursOfRoundedLines);
}

// Notes the rounding on a row equal only at the school's decimals.
void noteRounding(ComparisonRow &row, const PrintedAmount &theirs, Money oursRounded)
{
    if (row.status == LineStatus::Equal && row.ours && *row.ours != theirs.value) {
        row.roundedTo = theirs.decimals;
        row.oursRounded = oursRounded;
    }
}

ComparisonRow rowOf(std::string code, std::optional<Money> ours, std::optional<Money> theirs,
                    LineStatus status)
{
    ComparisonRow row;
    row.code = std::move(code);
    row.ours = ours;
    row.theirs = theirs;
    row.status = status;
    return row;
}

std::string joinedCodes(const std::vector<std::string> &codes)
{
    std::string text;
    for (std::size_t index = 0; index < codes.size(); ++index) {
        if (index > 0)
            text += index + 1 == codes.size() ? " y " : ", ";
        text += codes[index];
    }
    return text;
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
    case LineStatus::NotCalculated:
        return "no lo calcula Pagaluz";
    }
    return "";
}

std::string_view payslipTotalName(PayslipTotal total)
{
    switch (total) {
    case PayslipTotal::Earnings:
        return "Total Haberes";
    case PayslipTotal::Deductions:
        return "Total descuentos";
    case PayslipTotal::NetPay:
        break;
    }
    return "Liquido a pagar";
}

std::string statusWithNote(const ComparisonRow &row)
{
    if (row.quantityDiffers && row.ours && row.theirs &&
        PrintedAmount(*row.theirs, row.theirDecimals).matches(*row.ours))
        return "distinto en la cantidad";
    if (!row.roundedTo)
        return std::string(lineStatusText(row.status));
    switch (*row.roundedTo) {
    case 0:
        return "igual al peso";
    case 1:
        return "igual a la décima";
    case 2:
        return "igual al centavo";
    default:
        return "igual a la milésima";
    }
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
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const ComparisonRow &row) {
        return !row.total && row.status != LineStatus::NotCalculated;
    }));
}

std::vector<std::string> PayslipComparison::notCalculatedCodes() const
{
    std::vector<std::string> codes;
    for (const ComparisonRow &row : rows)
        if (row.status == LineStatus::NotCalculated)
            codes.push_back(row.code);
    return codes;
}

PayslipComparison comparePayslips(const Payslip &ours, const SchoolPayslip &theirs)
{
    PayslipComparison comparison;
    std::vector<int> theirsOfOurs;
    std::vector<char> taken;
    pairLines(ours, theirs, theirsOfOurs, taken);
    for (std::size_t index = 0; index < ours.lines().size(); ++index) {
        const PayslipLine &line = ours.lines()[index];
        ComparisonRow row = rowOf(line.code, line.amount, std::nullopt, LineStatus::OnlyOurs);
        row.ourLine = static_cast<int>(index);
        if (const int found = theirsOfOurs[index]; found >= 0) {
            const SchoolPayslipLine &school = theirs.lines[static_cast<std::size_t>(found)];
            row.theirs = school.amount.value;
            row.theirLine = found;
            row.theirDecimals = school.amount.decimals;
            row.status = lineEquals(line, school, ours.conventions()) ? LineStatus::Equal
                                                                      : LineStatus::Different;
            if (!quantityEquals(line, school, ours.conventions())) {
                row.quantityDiffers = true;
                row.ourQuantity = line.quantity;
                row.theirQuantity = *school.quantity;
            }
            noteRounding(row, school.amount, roundedHalfUp(line.amount, school.amount.decimals));
        }
        comparison.rows.push_back(std::move(row));
    }
    for (const bool calculated : {true, false})
        for (std::size_t index = 0; index < theirs.lines.size(); ++index) {
            const SchoolPayslipLine &line = theirs.lines[index];
            if (taken[index] || line.calculated() != calculated)
                continue;
            ComparisonRow row =
                rowOf(line.code, std::nullopt, line.amount.value,
                      calculated ? LineStatus::OnlyTheirs : LineStatus::NotCalculated);
            row.theirLine = static_cast<int>(index);
            row.theirDecimals = line.amount.decimals;
            comparison.rows.push_back(std::move(row));
        }
    for (const std::optional<TotalPair> &pair : pairTotals(ours, theirs)) {
        if (!pair)
            continue;
        ComparisonRow row =
            rowOf(std::string(payslipTotalName(pair->total)), pair->ours, pair->theirs.value,
                  totalEquals(*pair) ? LineStatus::Equal : LineStatus::Different);
        row.total = pair->total;
        row.theirDecimals = pair->theirs.decimals;
        noteRounding(row, pair->theirs,
                     pair->theirs.matches(pair->oursOfRoundedLines) &&
                             !pair->theirs.matches(pair->ours)
                         ? pair->oursOfRoundedLines
                         : roundedHalfUp(pair->ours, pair->theirs.decimals));
        comparison.rows.push_back(std::move(row));
    }
    return comparison;
}

std::string comparisonSummary(const PayslipComparison &comparison)
{
    if (comparison.equal())
        return "Los dos recibos son iguales.";
    const int differing = comparison.lineCount() - comparison.matchingLines();
    if (differing == 0) {
        const bool totalsDiffer = std::any_of(
            comparison.rows.begin(), comparison.rows.end(),
            [](const ComparisonRow &row) { return row.total && row.status != LineStatus::Equal; });
        return totalsDiffer ? "Las líneas son iguales, pero no los totales."
                            : "Las líneas que calcula Pagaluz son iguales.";
    }
    return std::to_string(differing) + " de " + std::to_string(comparison.lineCount()) +
           (comparison.lineCount() == 1 ? " línea difiere." : " líneas difieren.");
}

std::string notCalculatedSentence(const PayslipComparison &comparison)
{
    const std::vector<std::string> codes = comparison.notCalculatedCodes();
    if (codes.empty())
        return {};
    if (codes.size() == 1)
        return "El código " + codes.front() +
               " no lo calcula Pagaluz: se comparan las demás líneas, y los totales del "
               "establecimiento sin esa línea.";
    return "Los códigos " + joinedCodes(codes) +
           " no los calcula Pagaluz: se comparan las demás líneas, y los totales del "
           "establecimiento sin esas líneas.";
}

PayslipMatch matchPayslips(const Payslip &ours, const SchoolPayslip &theirs)
{
    thread_local std::vector<int> theirsOfOurs;
    thread_local std::vector<char> taken;
    pairLines(ours, theirs, theirsOfOurs, taken);
    PayslipMatch match;
    int paired = 0;
    for (std::size_t index = 0; index < theirsOfOurs.size(); ++index) {
        const int found = theirsOfOurs[index];
        if (found < 0)
            continue;
        ++paired;
        if (lineEquals(ours.lines()[index], theirs.lines[static_cast<std::size_t>(found)],
                       ours.conventions()))
            ++match.matchingLines;
    }
    const auto notCalculated = static_cast<int>(
        std::count_if(theirs.lines.begin(), theirs.lines.end(),
                      [](const SchoolPayslipLine &line) { return !line.calculated(); }));
    match.lineCount = static_cast<int>(ours.lines().size()) +
                      static_cast<int>(theirs.lines.size()) - notCalculated - paired;
    match.allEqual = match.matchingLines == match.lineCount;
    if (match.allEqual)
        for (const std::optional<TotalPair> &pair : pairTotals(ours, theirs))
            match.allEqual = match.allEqual && (!pair || totalEquals(*pair));
    return match;
}

std::string printedAtSchoolPrecision(const Payslip &ours, const SchoolPayslip &theirs)
{
    thread_local std::vector<int> theirsOfOurs;
    thread_local std::vector<char> taken;
    pairLines(ours, theirs, theirsOfOurs, taken);
    std::string text;
    const auto add = [&text](Money amount) {
        text += std::to_string(amount.tenThousandths());
        text += '\n';
    };
    for (std::size_t index = 0; index < ours.lines().size(); ++index) {
        const PayslipLine &line = ours.lines()[index];
        const int found = theirsOfOurs[index];
        text += line.code + '\t' + line.quantity + '\t';
        add(roundedHalfUp(line.amount,
                          found < 0
                              ? PrintedAmount::kExactDecimals
                              : theirs.lines[static_cast<std::size_t>(found)].amount.decimals));
    }
    for (const std::optional<TotalPair> &pair : pairTotals(ours, theirs))
        if (pair)
            add(totalEquals(*pair) ? pair->theirs.value
                                   : roundedHalfUp(pair->ours, pair->theirs.decimals));
    return text;
}

std::string quantityDifferenceText(const ComparisonRow &row)
{
    if (!row.quantityDiffers)
        return {};
    const std::string ours = row.ourQuantity.empty() ? "ninguna" : row.ourQuantity;
    return "la cantidad difiere (" + ours + " en el nuestro, " + row.theirQuantity +
           " en el del establecimiento)";
}

} // namespace pagaluz
