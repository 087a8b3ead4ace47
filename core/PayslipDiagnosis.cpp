#include "PayslipDiagnosis.h"

#include "InputField.h"
#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>

namespace pagaluz {

namespace {

using Clock = std::chrono::steady_clock;

// One change of one input. Two changes of the same `input` are never tried together.
struct Candidate {
    int input = 0;
    InputChange change;
    std::function<void(PayInputs &)> apply;
};

std::string quoted(std::string_view label)
{
    return "«" + std::string(label) + "»";
}

std::string bracketText(int bracket)
{
    if (bracket < 1 || bracket > static_cast<int>(kSeniorityBrackets.size()))
        return "ningún tramo";
    const SeniorityBracket &chosen = kSeniorityBrackets[static_cast<std::size_t>(bracket - 1)];
    return quoted(chosen.caption) + " (" + std::string(chosen.percentText) + ")";
}

std::string zoneText(int zone)
{
    if (zone < 0 || zone >= static_cast<int>(kZones.size()))
        return "ninguna zona";
    const Zone &chosen = kZones[static_cast<std::size_t>(zone)];
    return quoted(chosen.name) + " (" + std::to_string(chosen.percent) + " %)";
}

std::string positionText(const SelectedPosition &position)
{
    return quoted(position.name) + " (cargo " + position.code + ")";
}

// Builds the list of single changes, in the order they are tried.
class CandidateList {
public:
    CandidateList(const PayInputs &entered, const PositionCatalogue &positions)
        : m_entered(entered), m_positions(positions)
    {
    }

    std::vector<Candidate> build()
    {
        addSeniority();
        addZones();
        addFlag("Incentivo", &PayInputs::incentive);
        addDeduction("IOSPER", &DeductionChoices::iosper);
        addDeduction("OSPLAD", &DeductionChoices::osplad);
        addDeduction("UTREL", &DeductionChoices::unionDues);
        addDeduction("Aporte jubilatorio", &DeductionChoices::pension);
        addDeduction("Caja compensadora", &DeductionChoices::compensationFund);
        addDeduction("Ley 4035", &DeductionChoices::law4035);
        addDeduction("Seguro (3011)", &DeductionChoices::insurance3011);
        addFlag("Conyuge", &PayInputs::spouse);
        addFamilyCount("Hijos", &PayInputs::children, &PayInputs::childCount);
        addFamilyCount("Hijos Diferenc", &PayInputs::disabledChildren,
                       &PayInputs::disabledChildCount);
        addCounts(InputField::AbsenceDays, 31);
        addFlag("Transporte", &PayInputs::transport);
        if (m_entered.secondaryHoursChosen)
            addCounts(InputField::SecondaryHours, kMostHours);
        if (m_entered.higherHoursChosen)
            addCounts(InputField::HigherHours, kMostHours);
        if (m_entered.secondaryHoursChosen || m_entered.higherHoursChosen) {
            addCounts(InputField::Code06Hours, kMostHours);
            addCounts(InputField::IncentiveHours, kMostHours);
            addCounts(InputField::Code113Hours, kMostHours);
        }
        if (m_entered.positionChosen)
            addPositions();
        return std::move(m_list);
    }

private:
    static constexpr int kMostHours = 60;

    void add(std::string field, std::string from, std::string to, std::string phrase,
             std::function<void(PayInputs &)> apply)
    {
        m_list.push_back({m_input,
                          {std::move(field), std::move(from), std::move(to), std::move(phrase)},
                          std::move(apply)});
    }
    // A change named by its label and values: "«Hijos» 2 en lugar de 1".
    void addLabelled(std::string_view label, std::string from, std::string to,
                     std::function<void(PayInputs &)> apply)
    {
        std::string phrase = quoted(label) + " " + to + " en lugar de " + from;
        add(std::string(label), std::move(from), std::move(to), std::move(phrase),
            std::move(apply));
    }
    // A change whose values name themselves: "«Común» (0 %) en lugar de «Desfavorable» (40 %)".
    void addNamed(std::string_view label, std::string from, std::string to,
                  std::function<void(PayInputs &)> apply)
    {
        std::string phrase = to + " en lugar de " + from;
        add(std::string(label), std::move(from), std::move(to), std::move(phrase),
            std::move(apply));
    }

    static std::string tickText(bool ticked) { return ticked ? "marcado" : "sin marcar"; }

    void addSeniority()
    {
        for (int bracket = 1; bracket <= static_cast<int>(kSeniorityBrackets.size()); ++bracket)
            if (bracket != m_entered.seniorityBracket)
                addNamed("Antigüedad", bracketText(m_entered.seniorityBracket),
                         bracketText(bracket),
                         [bracket](PayInputs &in) { chooseSeniorityBracket(in, bracket); });
        ++m_input;
    }

    void addZones()
    {
        for (int zone = -1; zone < static_cast<int>(kZones.size()); ++zone)
            if (zone != m_entered.zone)
                addNamed("Ubicación Escuela (Zona)", zoneText(m_entered.zone), zoneText(zone),
                         [zone](PayInputs &in) { in.zone = zone; });
        ++m_input;
    }

    void addFlag(std::string_view label, bool PayInputs::*flag)
    {
        const bool ticked = m_entered.*flag;
        addLabelled(label, tickText(ticked), tickText(!ticked),
                    [flag, ticked](PayInputs &in) { in.*flag = !ticked; });
        ++m_input;
    }

    void addDeduction(std::string_view label, bool DeductionChoices::*flag)
    {
        const bool ticked = m_entered.deductionsChosen.*flag;
        addLabelled(label, tickText(ticked), tickText(!ticked),
                    [flag, ticked](PayInputs &in) { in.deductionsChosen.*flag = !ticked; });
        ++m_input;
    }

    // A family count is typed in a box that shows only while its box is ticked: no children is
    // the box unticked, with "0" in it.
    void addFamilyCount(std::string_view label, bool PayInputs::*ticked,
                        std::string PayInputs::*count)
    {
        const std::string from = m_entered.*ticked ? m_entered.*count : "0";
        for (int children = 0; children <= 15; ++children) {
            std::string to = std::to_string(children);
            if (to == from && m_entered.*ticked == (children > 0))
                continue;
            addLabelled(label, from, to, [ticked, count, children, to](PayInputs &in) {
                in.*ticked = children > 0;
                in.*count = to;
            });
        }
        ++m_input;
    }

    void addCounts(InputField field, int most)
    {
        const std::string &from = fieldText(m_entered, field);
        for (int count = 0; count <= most; ++count) {
            std::string to = std::to_string(count);
            if (to != from)
                addLabelled(inputFieldLabel(field), from, to,
                            [field, to](PayInputs &in) { fieldText(in, field) = to; });
        }
        ++m_input;
    }

    // The rows of the entered position's name first, then every other row.
    void addPositions()
    {
        const PositionCatalogue &catalogue = m_positions;
        const int current = catalogue.findCode(m_entered.position.code);
        std::vector<int> rows;
        for (int row = 0; row < catalogue.size(); ++row)
            if (row != current && catalogue.row(row).name == m_entered.position.name)
                rows.push_back(row);
        for (int row = 0; row < catalogue.size(); ++row)
            if (row != current && catalogue.row(row).name != m_entered.position.name)
                rows.push_back(row);
        for (const int row : rows) {
            SelectedPosition position = selectPositionByRow(catalogue, row);
            addNamed("Cargo", positionText(m_entered.position), positionText(position),
                     [position](PayInputs &in) { in.position = position; });
        }
        ++m_input;
    }

    const PayInputs &m_entered;
    const PositionCatalogue &m_positions;
    std::vector<Candidate> m_list;
    int m_input = 0;
};

// A finding before it is written out: which candidates, and how close their payslip came.
struct Hit {
    int first = -1;
    int second = -1; // -1 for a single change
    PayslipMatch match;

    int changeCount() const { return second < 0 ? 1 : 2; }
};

bool betterThan(const Hit &a, const Hit &b)
{
    if (a.match.allEqual != b.match.allEqual)
        return a.match.allEqual;
    if (a.match.matchingLines != b.match.matchingLines)
        return a.match.matchingLines > b.match.matchingLines;
    if (a.changeCount() != b.changeCount())
        return a.changeCount() < b.changeCount();
    return std::pair(a.first, a.second) < std::pair(b.first, b.second);
}

// The best hits so far, at most `keep` of them once trimmed.
class HitList {
public:
    explicit HitList(std::size_t keep) : m_keep(keep) {}

    void add(const Hit &hit)
    {
        m_hits.push_back(hit);
        if (m_hits.size() >= 8 * m_keep + 64)
            trim();
    }
    std::vector<Hit> best()
    {
        trim();
        return m_hits;
    }
    std::size_t allEqualCount() const { return m_allEqual; }
    void noteAllEqual() { ++m_allEqual; }
    // Enough findings that reproduce the school's payslip fill the list: no later one can come
    // before them.
    bool full() const { return m_allEqual >= m_keep; }

private:
    void trim()
    {
        std::sort(m_hits.begin(), m_hits.end(), betterThan);
        if (m_hits.size() > m_keep)
            m_hits.resize(m_keep);
    }

    std::size_t m_keep;
    std::vector<Hit> m_hits;
    std::size_t m_allEqual = 0;
};

std::string findingText(const std::vector<InputChange> &changes, const PayslipMatch &match)
{
    std::string text = "Con ";
    for (std::size_t index = 0; index < changes.size(); ++index) {
        if (index > 0)
            text += index + 1 == changes.size() ? " y " : ", ";
        text += changes[index].phrase;
    }
    if (match.allEqual)
        return text + ", todas las líneas coinciden.";
    return text + ", coinciden " + std::to_string(match.matchingLines) + " de " +
           std::to_string(match.lineCount) + " líneas.";
}

// The lines that stay different with the best inputs found, each with the sentence of how the
// payslip of the entered inputs reached its amount.
std::vector<UnexplainedLine> unexplainedLines(const PayInputs &entered, const PayInputs &best,
                                              const SchoolPayslip &school,
                                              const PayCalculator &calculator)
{
    const PayCalculator explaining(calculator.conventions(), Explanations::Built);
    const CalculationResult result = explaining.calculate(entered);
    const CalculationResult bestResult = calculator.calculate(best);
    std::vector<UnexplainedLine> lines;
    if (!result.succeeded() || !bestResult.succeeded())
        return lines;
    const PayslipComparison comparison = comparePayslips(bestResult.payslip(), school);
    for (const ComparisonRow &row : comparison.rows) {
        if (row.status == LineStatus::Equal || row.total)
            continue;
        std::string explanation = "no figura en nuestro recibo";
        if (result.explanation())
            for (const ExplanationPtr &line : result.explanation()->lines)
                if (line->lineCode == row.code)
                    explanation = line->text;
        lines.push_back({row.code, std::move(explanation)});
    }
    return lines;
}

} // namespace

Diagnosis diagnose(const PayInputs &entered, const SchoolPayslip &school,
                   const PayCalculator &calculator, const DiagnosisLimits &limits,
                   const PositionCatalogue &positions)
{
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline =
        start + std::chrono::duration_cast<Clock::duration>(limits.maxTime);
    const PayCalculator fast(calculator.conventions());
    Diagnosis diagnosis;

    const CalculationResult enteredResult = fast.calculate(entered);
    const PayslipMatch enteredMatch =
        enteredResult.succeeded() ? matchPayslips(enteredResult.payslip(), school) : PayslipMatch{};
    const std::vector<Candidate> candidates = CandidateList(entered, positions).build();
    HitList hits(limits.maxFindings);

    // Calculates one alternative and keeps it when it comes closer than the entered inputs.
    PayInputs trial;
    const auto tryInputs = [&](int first, int second) {
        trial = entered;
        candidates[static_cast<std::size_t>(first)].apply(trial);
        if (second >= 0)
            candidates[static_cast<std::size_t>(second)].apply(trial);
        ++diagnosis.calculations;
        const CalculationResult result = fast.calculate(trial);
        if (!result.succeeded())
            return;
        const PayslipMatch match = matchPayslips(result.payslip(), school);
        if (match.allEqual)
            hits.noteAllEqual();
        if (match.allEqual || match.matchingLines > enteredMatch.matchingLines)
            hits.add({first, second, match});
    };
    const auto timeIsUp = [&] {
        return (diagnosis.calculations & 255) == 0 && Clock::now() >= deadline;
    };

    diagnosis.finished = true;
    if (enteredMatch.allEqual)
        return diagnosis;
    bool outOfTime = false;
    const int count = static_cast<int>(candidates.size());
    for (int first = 0; first < count && !outOfTime; ++first) {
        tryInputs(first, -1);
        outOfTime = timeIsUp();
    }
    // Pairs in the order of their later change, so that the first changes' pairs come first.
    if (hits.allEqualCount() == 0)
        for (int second = 1; second < count && !outOfTime && !hits.full(); ++second)
            for (int first = 0; first < second && !outOfTime && !hits.full(); ++first)
                if (candidates[static_cast<std::size_t>(first)].input !=
                    candidates[static_cast<std::size_t>(second)].input) {
                    tryInputs(first, second);
                    outOfTime = timeIsUp();
                }
    diagnosis.finished = !outOfTime;

    // Every finding is calculated again from its own inputs before it is reported.
    for (const Hit &hit : hits.best()) {
        DiagnosisFinding finding;
        finding.inputs = entered;
        for (const int index : {hit.first, hit.second}) {
            if (index < 0)
                continue;
            const Candidate &candidate = candidates[static_cast<std::size_t>(index)];
            candidate.apply(finding.inputs);
            finding.changes.push_back(candidate.change);
        }
        const CalculationResult result = calculator.calculate(finding.inputs);
        if (!result.succeeded())
            continue;
        finding.match = matchPayslips(result.payslip(), school);
        if (!(finding.match == hit.match))
            continue;
        finding.text = findingText(finding.changes, finding.match);
        diagnosis.findings.push_back(std::move(finding));
    }

    const bool reproduced = enteredMatch.allEqual || (!diagnosis.findings.empty() &&
                                                      diagnosis.findings.front().match.allEqual);
    if (!reproduced)
        diagnosis.unexplained = unexplainedLines(
            entered, diagnosis.findings.empty() ? entered : diagnosis.findings.front().inputs,
            school, calculator);
    diagnosis.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return diagnosis;
}

} // namespace pagaluz
