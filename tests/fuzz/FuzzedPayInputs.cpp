#include "FuzzedPayInputs.h"

#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagaluz::fuzz {

namespace {

constexpr std::size_t kSwitchBytes = 10;

using Lines = std::vector<std::optional<std::string>>;

enum class PositionSource { CatalogueRow, TypedCode, RowTypedOver, AllTyped };

bool bit(std::uint8_t byte, int index)
{
    return ((byte >> index) & 1) != 0;
}

Lines splitLines(std::span<const std::uint8_t> bytes, std::size_t count)
{
    Lines lines(count);
    const std::string_view text(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    std::size_t start = 0;
    for (std::size_t index = 0; index < count && start < text.size(); ++index) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines[index] = std::string(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void setIfPresent(std::string &box, const std::optional<std::string> &line)
{
    if (line)
        box = *line;
}

// The five point boxes take lines 1 to 5 (basic, complement, full day,
// extended day, differentiated task).
void typePointBoxes(SelectedPosition &position, const Lines &lines)
{
    const std::array boxes{&SelectedPosition::basicPoints, &SelectedPosition::complementPoints,
                           &SelectedPosition::fullDayPoints, &SelectedPosition::extendedDayPoints,
                           &SelectedPosition::differentiatedTaskPoints};
    for (std::size_t index = 0; index < boxes.size(); ++index)
        setIfPresent(position.*boxes[index], lines[index + 1]);
}

SelectedPosition fuzzedPosition(const std::array<std::uint8_t, kSwitchBytes> &switches,
                                const Lines &lines)
{
    const PositionCatalogue &catalogue = PositionCatalogue::builtIn();
    const int row = (switches[8] | (switches[9] << 8)) % catalogue.size();
    switch (static_cast<PositionSource>(switches[7] % 4)) {
    case PositionSource::CatalogueRow:
        return selectPositionByRow(catalogue, row);
    case PositionSource::TypedCode:
        return selectPositionByCode(catalogue, lines[0].value_or(""));
    case PositionSource::RowTypedOver: {
        SelectedPosition position = selectPositionByRow(catalogue, row);
        typePointBoxes(position, lines);
        return position;
    }
    case PositionSource::AllTyped:
        break;
    }
    SelectedPosition position;
    position.code = lines[0].value_or("");
    position.name = "Cargo tecleado";
    typePointBoxes(position, lines);
    return position;
}

void chooseBracket(PayInputs &inputs, std::uint8_t byte)
{
    inputs.seniorityBracket = byte % 13;
}

void chooseDeductions(DeductionChoices &chosen, std::uint8_t byte)
{
    const std::array deductions{
        &DeductionChoices::iosper,       &DeductionChoices::osplad,
        &DeductionChoices::pension,      &DeductionChoices::law4035,
        &DeductionChoices::unionDues,    &DeductionChoices::compensationFund,
        &DeductionChoices::insurance3011};
    for (std::size_t index = 0; index < deductions.size(); ++index)
        chosen.*deductions[index] = bit(byte, static_cast<int>(index) + 1);
}

// Bytes 3 to 6 as a little-endian 32-bit integer, any value included.
int zoneIndex(const std::array<std::uint8_t, kSwitchBytes> &switches)
{
    std::uint32_t index = 0;
    for (std::size_t byte = 6; byte >= 3; --byte)
        index = (index << 8) | switches[byte];
    return static_cast<int>(index);
}

void setSwitches(PayInputs &inputs, const std::array<std::uint8_t, kSwitchBytes> &switches)
{
    inputs.positionChosen = bit(switches[0], 0);
    inputs.secondaryHoursChosen = bit(switches[0], 1);
    inputs.higherHoursChosen = bit(switches[0], 2);
    inputs.incentive = bit(switches[0], 4);
    inputs.transport = bit(switches[0], 5);
    inputs.children = bit(switches[0], 6);
    inputs.disabledChildren = bit(switches[0], 7);
    inputs.spouse = bit(switches[1], 0);
    chooseDeductions(inputs.deductionsChosen, switches[1]);
    chooseBracket(inputs, switches[2]);
    inputs.zone = zoneIndex(switches);
}

void setBoxTexts(PayInputs &inputs, const Lines &lines)
{
    const std::array boxes{&PayInputs::secondaryHoursText, &PayInputs::higherHours,
                           &PayInputs::code06Hours,        &PayInputs::incentiveHours,
                           &PayInputs::code113Hours,       &PayInputs::absenceDays,
                           &PayInputs::transportKm,        &PayInputs::childCount,
                           &PayInputs::disabledChildCount, &PayInputs::teacherName};
    for (std::size_t index = 0; index < boxes.size(); ++index)
        setIfPresent(inputs.*boxes[index], lines[index + 6]);
}

} // namespace

FuzzedCalculation fuzzedCalculation(std::span<const std::uint8_t> bytes)
{
    std::array<std::uint8_t, kSwitchBytes> switches{};
    const std::size_t switchCount = std::min(bytes.size(), kSwitchBytes);
    std::copy_n(bytes.begin(), switchCount, switches.begin());
    const Lines lines = splitLines(bytes.subspan(switchCount), 16);

    FuzzedCalculation fuzzed;
    setSwitches(fuzzed.inputs, switches);
    fuzzed.inputs.position = fuzzedPosition(switches, lines);
    setBoxTexts(fuzzed.inputs, lines);
    fuzzed.conventions =
        bit(switches[0], 3) ? DecimalConventions::point() : DecimalConventions::comma();
    return fuzzed;
}

} // namespace pagaluz::fuzz
