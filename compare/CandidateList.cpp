#include "CandidateList.h"

#include "InputField.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <string_view>

namespace pagaluz {

namespace {

std::string quoted(std::string_view label)
{
    return "«" + std::string(label) + "»";
}

std::string bracketText(int bracket, const PayScale &scale)
{
    PayInputs chosen;
    chooseSeniorityBracket(chosen, bracket, scale);
    const SeniorityBracket *bracketChosen = chosenBracket(chosen, scale);
    if (bracketChosen == nullptr)
        return "ningún tramo";
    return quoted(bracketChosen->caption) + " (" + bracketChosen->percentText + ")";
}

std::string zoneText(int zone, const PayScale &scale)
{
    const Zone *chosen = zoneAt(zone, scale);
    if (chosen == nullptr)
        return "ninguna zona";
    return quoted(chosen->name) + " (" + std::to_string(chosen->percent) + " %)";
}

std::string positionText(const SelectedPosition &position)
{
    return quoted(position.name) + " (cargo " + position.code + ")";
}

// Builds the list of single changes, in the order they are tried.
class CandidateList {
public:
    CandidateList(const PayInputs &entered, const PositionCatalogue &positions,
                  const PayScale &scale)
        : m_entered(entered), m_positions(positions), m_scale(scale)
    {
    }

    std::vector<Candidate> build()
    {
        addSeniority();
        addZones();
        addTick(infoOf(InputTick::Incentive));
        for (const DeductionInputInfo *deduction : kDeductionsInFrameOrder)
            addDeduction(*deduction);
        addTick(infoOf(InputTick::Spouse));
        addFamilyCount(infoOf(InputTick::Children), InputField::ChildCount);
        addFamilyCount(infoOf(InputTick::DisabledChildren), InputField::DisabledChildCount);
        addCounts(InputField::AbsenceDays, 31);
        addTick(infoOf(InputTick::Transport));
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
        const PayScale &scale = m_scale;
        for (int bracket = 1; bracket <= static_cast<int>(scale.seniorityBrackets.size());
             ++bracket)
            if (bracket != m_entered.seniorityBracket)
                addNamed(kSeniorityBracketInput.label,
                         bracketText(m_entered.seniorityBracket, scale),
                         bracketText(bracket, scale), [bracket, &scale](PayInputs &in) {
                             chooseSeniorityBracket(in, bracket, scale);
                         });
        ++m_input;
    }

    void addZones()
    {
        for (int zone = -1; zone < static_cast<int>(m_scale.zones.size()); ++zone)
            if (zone != m_entered.zone)
                addNamed(kZoneInput.label, zoneText(m_entered.zone, m_scale),
                         zoneText(zone, m_scale), [zone](PayInputs &in) { in.zone = zone; });
        ++m_input;
    }

    void addTick(const InputTickInfo &tick)
    {
        const auto flag = tick.ticked;
        const bool ticked = m_entered.*flag;
        addLabelled(tick.label, tickText(ticked), tickText(!ticked),
                    [flag, ticked](PayInputs &in) { in.*flag = !ticked; });
        ++m_input;
    }

    void addDeduction(const DeductionInputInfo &deduction)
    {
        const auto flag = deduction.chosen;
        const bool ticked = m_entered.deductionsChosen.*flag;
        addLabelled(deduction.label, tickText(ticked), tickText(!ticked),
                    [flag, ticked](PayInputs &in) { in.deductionsChosen.*flag = !ticked; });
        ++m_input;
    }

    // A family count is typed in a box that shows only while its box is ticked: no children is
    // the box unticked, with "0" in it.
    void addFamilyCount(const InputTickInfo &tick, InputField countField)
    {
        const std::string_view label = tick.label;
        const auto ticked = tick.ticked;
        const auto count = infoOf(countField).text;
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
    const PayScale &m_scale;
    std::vector<Candidate> m_list;
    int m_input = 0;
};

} // namespace

std::vector<Candidate> candidateChanges(const PayInputs &entered,
                                        const PositionCatalogue &positions, const PayScale &scale)
{
    return CandidateList(entered, positions, scale).build();
}

} // namespace pagaluz
