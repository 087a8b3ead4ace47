#include "PayslipDiagnosis.h"

#include <algorithm>
#include <string_view>

namespace pagaluz {

namespace {

using Clock = std::chrono::steady_clock;

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

std::string changesText(const std::vector<InputChange> &changes)
{
    std::string text;
    for (std::size_t index = 0; index < changes.size(); ++index) {
        if (index > 0)
            text += index + 1 == changes.size() ? " y " : ", ";
        text += changes[index].phrase;
    }
    return text;
}

std::string findingText(const DiagnosisFinding &finding)
{
    std::string text = "Con " + changesText(finding.changes);
    for (const ChangedInputs &equivalent : finding.equivalents)
        text += " o con " + changesText(equivalent.changes);
    const PayslipMatch &match = finding.match;
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
    const PayCalculator explaining(calculator.conventions(), Explanations::Built,
                                   calculator.scale());
    const CalculationResult result = explaining.calculate(entered);
    const CalculationResult bestResult = calculator.calculate(best);
    std::vector<UnexplainedLine> lines;
    if (!result.succeeded() || !bestResult.succeeded())
        return lines;
    const PayslipComparison comparison = comparePayslips(bestResult.payslip(), school);
    for (const ComparisonRow &row : comparison.rows) {
        if (row.status == LineStatus::Equal || row.status == LineStatus::NotCalculated || row.total)
            continue;
        std::string explanation = "no figura en nuestro recibo";
        if (result.explanation())
            for (const ExplanationPtr &line : result.explanation()->lines)
                if (line->lineCode == row.code)
                    explanation = line->text;
        if (const std::string quantity = quantityDifferenceText(row); !quantity.empty())
            explanation = quantity + "; " + explanation;
        lines.push_back({row.code, std::move(explanation)});
    }
    return lines;
}

// The search's state: the calculations done, the time and the wish to stop.
class SearchClock {
public:
    explicit SearchClock(const DiagnosisLimits &limits)
        : m_limits(limits),
          m_deadline(Clock::now() + std::chrono::duration_cast<Clock::duration>(limits.maxTime))
    {
    }

    // Counts one calculation; whether the search must stop. The clock is read every few
    // calculations, each of which takes microseconds.
    bool countAndCheck()
    {
        ++m_calculations;
        if ((m_calculations & 15) != 0)
            return m_stopped;
        if (m_limits.progress)
            m_limits.progress->store(m_calculations, std::memory_order_relaxed);
        if (m_limits.cancel && m_limits.cancel->load(std::memory_order_relaxed))
            m_cancelled = m_stopped = true;
        if (Clock::now() >= m_deadline)
            m_stopped = true;
        return m_stopped;
    }
    bool stopped() const { return m_stopped; }
    bool cancelled() const { return m_cancelled; }
    std::size_t calculations() const { return m_calculations; }

private:
    const DiagnosisLimits &m_limits;
    Clock::time_point m_deadline;
    std::size_t m_calculations = 0;
    bool m_stopped = false;
    bool m_cancelled = false;
};

// The findings of the best hits, each calculated again from its own inputs; hits whose payslips
// are the same at the school's precision are one finding. When one reproduces the school's
// payslip, only those that do.
std::vector<DiagnosisFinding> findingsOf(const std::vector<Hit> &best, const PayInputs &entered,
                                         const std::vector<Candidate> &candidates,
                                         const SchoolPayslip &school,
                                         const PayCalculator &calculator, std::size_t most)
{
    std::vector<DiagnosisFinding> findings;
    std::vector<std::string> printed;
    for (const Hit &hit : best) {
        ChangedInputs changed{{}, entered};
        for (const int index : {hit.first, hit.second}) {
            if (index < 0)
                continue;
            const Candidate &candidate = candidates[static_cast<std::size_t>(index)];
            candidate.apply(changed.inputs);
            changed.changes.push_back(candidate.change);
        }
        const CalculationResult result = calculator.calculate(changed.inputs);
        if (!result.succeeded() || !(matchPayslips(result.payslip(), school) == hit.match))
            continue;
        std::string text = printedAtSchoolPrecision(result.payslip(), school);
        const auto same = std::find(printed.begin(), printed.end(), text);
        if (same != printed.end()) {
            findings[static_cast<std::size_t>(same - printed.begin())].equivalents.push_back(
                std::move(changed));
            continue;
        }
        if (findings.size() == most)
            continue;
        findings.push_back(
            {std::move(changed.changes), std::move(changed.inputs), hit.match, {}, {}});
        printed.push_back(std::move(text));
    }
    if (!findings.empty() && findings.front().match.allEqual)
        findings.erase(
            std::remove_if(findings.begin(), findings.end(),
                           [](const DiagnosisFinding &finding) { return !finding.match.allEqual; }),
            findings.end());
    for (DiagnosisFinding &finding : findings)
        finding.text = findingText(finding);
    return findings;
}

} // namespace

Diagnosis diagnose(const PayInputs &entered, const SchoolPayslip &school,
                   const PayCalculator &calculator, const DiagnosisLimits &limits,
                   const PositionCatalogue &positions)
{
    const Clock::time_point start = Clock::now();
    SearchClock clock(limits);
    const PayCalculator fast(calculator.conventions(), Explanations::Omitted, calculator.scale());
    Diagnosis diagnosis;

    const CalculationResult enteredResult = fast.calculate(entered);
    const PayslipMatch enteredMatch =
        enteredResult.succeeded() ? matchPayslips(enteredResult.payslip(), school) : PayslipMatch{};
    diagnosis.finished = true;
    if (enteredMatch.allEqual)
        return diagnosis;
    const std::vector<Candidate> candidates =
        candidateChanges(entered, positions, calculator.scale());
    // Room for the findings and for those that turn out to be the same at the school's
    // precision.
    HitList hits(4 * limits.maxFindings);

    // Calculates one alternative and keeps it when it comes closer than the entered inputs.
    PayInputs trial;
    const auto tryInputs = [&](int first, int second) {
        trial = entered;
        candidates[static_cast<std::size_t>(first)].apply(trial);
        if (second >= 0)
            candidates[static_cast<std::size_t>(second)].apply(trial);
        const CalculationResult result = fast.calculate(trial);
        if (result.succeeded()) {
            const PayslipMatch match = matchPayslips(result.payslip(), school);
            if (match.allEqual)
                hits.noteAllEqual();
            if (match.allEqual || match.matchingLines > enteredMatch.matchingLines)
                hits.add({first, second, match});
        }
        return clock.countAndCheck();
    };

    const int count = static_cast<int>(candidates.size());
    for (int first = 0; first < count && !clock.stopped(); ++first)
        tryInputs(first, -1);
    // Pairs in the order of their later change, so that the first changes' pairs come first.
    if (hits.allEqualCount() == 0)
        for (int second = 1; second < count && !clock.stopped() && !hits.full(); ++second)
            for (int first = 0; first < second && !clock.stopped() && !hits.full(); ++first)
                if (candidates[static_cast<std::size_t>(first)].input !=
                    candidates[static_cast<std::size_t>(second)].input)
                    tryInputs(first, second);
    diagnosis.calculations = clock.calculations();
    diagnosis.finished = !clock.stopped();
    diagnosis.cancelled = clock.cancelled();

    diagnosis.findings =
        findingsOf(hits.best(), entered, candidates, school, calculator, limits.maxFindings);
    const bool reproduced =
        !diagnosis.findings.empty() && diagnosis.findings.front().match.allEqual;
    if (!reproduced)
        diagnosis.unexplained = unexplainedLines(
            entered, diagnosis.findings.empty() ? entered : diagnosis.findings.front().inputs,
            school, calculator);
    diagnosis.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return diagnosis;
}

} // namespace pagaluz
