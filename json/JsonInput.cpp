#include "JsonInput.h"

#include "InputField.h"
#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace pagaluz {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

// Where a key stands in the input, e.g. "position.code": the text is made only for a message.
struct KeyPath {
    const KeyPath *parent = nullptr;
    std::string_view key;

    std::string text() const
    {
        return parent == nullptr ? std::string(key) : parent->text() + "." + std::string(key);
    }
};

[[noreturn]] void refuse(const KeyPath &path, std::string_view problem)
{
    throw MalformedInput("\"" + path.text() + "\": " + std::string(problem));
}

std::string_view typeName(element value)
{
    switch (value.type()) {
    case element_type::BOOL:
        return "un booleano";
    case element_type::INT64:
    case element_type::UINT64:
    case element_type::DOUBLE:
        return "un número";
    case element_type::STRING:
        return "un texto";
    case element_type::ARRAY:
        return "un arreglo";
    case element_type::OBJECT:
        return "un objeto";
    case element_type::NULL_VALUE:
        break;
    }
    return "null";
}

// The value when it has the type, else a refusal that says what was expected.
element ofType(element value, element_type type, const KeyPath &path, std::string_view expected)
{
    if (value.type() != type)
        refuse(path,
               "se esperaba " + std::string(expected) + ", no " + std::string(typeName(value)));
    return value;
}

std::string_view textOf(element value, const KeyPath &path)
{
    return ofType(value, element_type::STRING, path, "un texto").get_string().value_unsafe();
}

bool flagOf(element value, const KeyPath &path)
{
    return ofType(value, element_type::BOOL, path, "true o false").get_bool().value_unsafe();
}

simdjson::dom::object objectOf(element value, const KeyPath &path)
{
    return ofType(value, element_type::OBJECT, path, "un objeto").get_object().value_unsafe();
}

// A number as messages write it: a whole number within the 64-bit range as that whole number,
// any other with the shortest digits that read back as it, in plain or scientific notation,
// whichever is shorter ("2.5", "0.00012", "1e+19", "1e-04"), plain on a tie.
std::string numberText(double number)
{
    constexpr double kTwoToThe63 = 9223372036854775808.0;
    if (number >= -kTwoToThe63 && number < kTwoToThe63 && number == std::floor(number))
        return std::to_string(static_cast<long long>(number));
    std::array<char, 32> buffer{};
    const char *end =
        std::to_chars(buffer.begin(), buffer.end(), number, std::chars_format::scientific).ptr;
    const std::string scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t mark = scientific.find('e');
    if (mark == std::string::npos)
        return scientific; // inf, nan
    int exponent = 0;
    std::from_chars(scientific.data() + mark + 1 + (scientific[mark + 1] == '+' ? 1 : 0),
                    scientific.data() + scientific.size(), exponent);
    std::string digits;
    for (const char c : scientific.substr(0, mark))
        if (c >= '0' && c <= '9')
            digits += c;
    const auto count = static_cast<int>(digits.size());
    std::string plain = number < 0 ? "-" : "";
    if (exponent < 0)
        plain += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    else if (exponent >= count - 1)
        plain += digits + std::string(static_cast<std::size_t>(exponent - count + 1), '0');
    else
        plain += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                 digits.substr(static_cast<std::size_t>(exponent + 1));
    return plain.size() <= scientific.size() ? plain : scientific;
}

int wholeNumberOf(element value, const KeyPath &path, int lowest, int highest)
{
    const std::string range =
        "un número entero de " + std::to_string(lowest) + " a " + std::to_string(highest);
    if (!value.is_number())
        refuse(path, "se esperaba " + range + ", no " + std::string(typeName(value)));
    if (value.is_int64()) {
        const std::int64_t whole = value.get_int64().value_unsafe();
        if (whole < lowest || whole > highest)
            refuse(path, "se esperaba " + range + ", no " + std::to_string(whole));
        return static_cast<int>(whole);
    }
    const double number = value.get_double().value_unsafe();
    if (!(number >= lowest && number <= highest) || number != std::floor(number))
        refuse(path, "se esperaba " + range + ", no " + numberText(number));
    return static_cast<int>(number);
}

// How one key of an object is read into the part of the inputs it fills: by `read`, or into
// the member `text` for a text kept as it is written, or into the member `flag` for a tick.
template <typename Target> struct KeyReader {
    std::string_view key;
    void (*read)(element value, const KeyPath &path, Target &target) = nullptr;
    std::string Target::*text = nullptr;
    bool Target::*flag = nullptr;
};

// Reads the keys an object has besides those of its readers: none.
struct NoOtherKeys {
    bool operator()(const simdjson::dom::key_value_pair &, const KeyPath &) const { return false; }
};

// Reads the members in the order they are written, each with the reader of its key; null keeps
// the start-up value. A key no reader has is given to `otherKey`, which returns whether it knows
// it. The first fault in that order is refused: an unknown key, a key written twice, a value its
// reader refuses.
template <typename Target, std::size_t Count, typename OtherKey = NoOtherKeys>
void readObject(simdjson::dom::object object, const KeyPath *parent,
                const std::array<KeyReader<Target>, Count> &readers, Target &target,
                OtherKey &&otherKey = {})
{
    static_assert(Count <= 32, "one bit for each key");
    std::uint32_t seen = 0;
    for (const simdjson::dom::key_value_pair member : object) {
        const KeyPath path{parent, member.key};
        const auto reader = std::find_if(readers.begin(), readers.end(), [&](const auto &known) {
            return known.key == member.key;
        });
        if (reader == readers.end()) {
            if (!otherKey(member, path))
                refuse(path, "clave desconocida");
            continue;
        }
        const auto bit = std::uint32_t{1} << (reader - readers.begin());
        if ((seen & bit) != 0)
            refuse(path, "clave repetida");
        seen |= bit;
        if (member.value.is_null())
            continue;
        if (reader->read != nullptr)
            reader->read(member.value, path, target);
        else if (reader->text != nullptr)
            target.*reader->text = textOf(member.value, path);
        else
            target.*reader->flag = flagOf(member.value, path);
    }
}

// How many entries of `table` keep their text in the object of `Target`: the position's or
// the inputs' own.
template <typename Target, typename Table> constexpr std::size_t textCount(const Table &table)
{
    return static_cast<std::size_t>(
        std::count_if(table.begin(), table.end(), [](const auto &entry) {
            return entry.ofPosition() == std::is_same_v<Target, SelectedPosition>;
        }));
}

// Puts a reader for the text of each entry of `table` kept in the object of `Target` into
// `readers` from `count` on, under the entry's key within that object.
template <typename Target, std::size_t Count, typename Table>
constexpr void addTextReaders(const Table &table, std::array<KeyReader<Target>, Count> &readers,
                              std::size_t &count)
{
    for (const auto &entry : table) {
        if constexpr (std::is_same_v<Target, SelectedPosition>) {
            if (entry.ofPosition())
                readers[count++] = {entry.memberKey(), nullptr, entry.positionText};
        } else if (!entry.ofPosition()) {
            readers[count++] = {entry.memberKey(), nullptr, entry.text};
        }
    }
}

// The texts of the position's keys; the code chooses the row before the texts replace its boxes,
// the code's own box among them (a code no row has stays in its box).
constexpr auto kPositionReaders = [] {
    std::array<KeyReader<SelectedPosition>,
               textCount<SelectedPosition>(kInputTexts) + textCount<SelectedPosition>(kInputFields)>
        readers{};
    std::size_t count = 0;
    addTextReaders(kInputTexts, readers, count);
    addTextReaders(kInputFields, readers, count);
    return readers;
}();

constexpr auto kDeductionReaders = [] {
    std::array<KeyReader<DeductionChoices>, kDeductionInputs.size()> readers{};
    for (std::size_t index = 0; index < readers.size(); ++index)
        readers[index] = {kDeductionInputs[index].key, nullptr, nullptr,
                          kDeductionInputs[index].chosen};
    return readers;
}();

// "position", "secondaryHours" o "higherHours"
std::string payKindsText()
{
    std::string text;
    for (std::size_t index = 0; index < kPayKinds.size(); ++index) {
        if (index > 0)
            text += index + 1 == kPayKinds.size() ? " o " : ", ";
        text.append("\"").append(kPayKinds[index].mode).append("\"");
    }
    return text;
}

void readMode(element value, const KeyPath &path, PayInputs &inputs)
{
    const std::string_view mode = textOf(value, path);
    for (const PayKindInfo &kind : kPayKinds) {
        if (kind.mode == mode) {
            inputs.*kind.chosen = true;
            return;
        }
    }
    refuse(path, "modo desconocido \"" + std::string(mode) + "\"; se esperaba " + payKindsText());
}

// The position's texts in the boxes they name. When a code is given, choosePositionRow then
// puts its row in the boxes first.
void readPosition(element value, const KeyPath &path, PayInputs &inputs)
{
    readObject(objectOf(value, path), &path, kPositionReaders, inputs.position);
}

void readDeductions(element value, const KeyPath &path, PayInputs &inputs)
{
    readObject(objectOf(value, path), &path, kDeductionReaders, inputs.deductionsChosen);
}

constexpr std::array kInputObjectReaders{
    KeyReader<PayInputs>{kPayKindKey, &readMode},
    KeyReader<PayInputs>{kPositionKey, &readPosition},
    KeyReader<PayInputs>{kDeductionsKey, &readDeductions},
};

// The readers of the inputs' own keys: the kind of pay, the objects, the bracket and the zone,
// each tick and each text.
constexpr auto kInputReaders = [] {
    std::array<KeyReader<PayInputs>, kInputObjectReaders.size() + kInputTicks.size() +
                                         textCount<PayInputs>(kInputTexts) +
                                         textCount<PayInputs>(kInputFields)>
        readers{};
    std::size_t count = 0;
    for (const KeyReader<PayInputs> &reader : kInputObjectReaders)
        readers[count++] = reader;
    for (const InputTickInfo &tick : kInputTicks)
        readers[count++] = {tick.key, nullptr, nullptr, tick.ticked};
    addTextReaders(kInputTexts, readers, count);
    addTextReaders(kInputFields, readers, count);
    return readers;
}();

// The choices whose range is the pay scale's: the seniority bracket (0 for none, else up to the
// scale's number of brackets) and the zone (-1 for none, else an index of its list).
class ScaleChoiceKeys {
public:
    ScaleChoiceKeys(PayInputs &inputs, const PayScale &scale) : m_inputs(inputs), m_scale(scale) {}

    bool operator()(const simdjson::dom::key_value_pair &member, const KeyPath &path)
    {
        const bool bracket = member.key == kSeniorityBracketInput.key;
        if (!bracket && member.key != kZoneInput.key)
            return false;
        const std::uint32_t bit = bracket ? 1 : 2;
        if ((m_seen & bit) != 0)
            refuse(path, "clave repetida");
        m_seen |= bit;
        if (member.value.is_null())
            return true;
        if (bracket)
            chooseSeniorityBracket(
                m_inputs,
                wholeNumberOf(member.value, path, 0,
                              static_cast<int>(m_scale.seniorityBrackets.size())),
                m_scale);
        else
            m_inputs.zone =
                wholeNumberOf(member.value, path, -1, static_cast<int>(m_scale.zones.size()) - 1);
        return true;
    }

private:
    PayInputs &m_inputs;
    const PayScale &m_scale;
    std::uint32_t m_seen = 0;
};

// The keys a saved file adds to the inputs: its version, the tick of "Inasistencias Just", the
// payslip's comment and the name of the scale it was saved under. None takes part in the
// calculation.
class SavedFileKeys {
public:
    explicit SavedFileKeys(SavedInputs &saved) : m_saved(saved) {}

    bool operator()(const simdjson::dom::key_value_pair &member, const KeyPath &path)
    {
        const auto known = std::find(kKeys.begin(), kKeys.end(), member.key);
        if (known == kKeys.end())
            return false;
        const auto bit = std::uint32_t{1} << (known - kKeys.begin());
        if ((m_seen & bit) != 0)
            refuse(path, "clave repetida");
        m_seen |= bit;
        if (member.value.is_null())
            return true;
        if (*known == "pagaluz") {
            readVersion(member.value, path);
        } else if (*known == "absences") {
            m_saved.absencesTicked = flagOf(member.value, path);
            m_absencesGiven = true;
        } else if (*known == "comment") {
            m_saved.comment = textOf(member.value, path);
        } else {
            m_saved.scaleName = textOf(member.value, path);
        }
        return true;
    }

    // Without the key, the box is ticked when there are days of absence, as on the screen.
    void finish()
    {
        if (!m_absencesGiven)
            m_saved.absencesTicked = m_saved.inputs.absenceDays != "0";
    }

private:
    static constexpr std::array<std::string_view, 4> kKeys{"pagaluz", "absences", "comment",
                                                           "scale"};

    static void readVersion(element value, const KeyPath &path)
    {
        const int version = wholeNumberOf(value, path, 1, std::numeric_limits<int>::max());
        if (version > kSavedFileVersion)
            refuse(path, "el archivo es de la versión " + std::to_string(version) +
                             ", de un Pagaluz más nuevo; este programa lee hasta la versión " +
                             std::to_string(kSavedFileVersion));
    }

    SavedInputs &m_saved;
    std::uint32_t m_seen = 0;
    bool m_absencesGiven = false;
};

} // namespace

namespace {

// The selection screen after a given code is typed: the texts of the code's row of `catalogue`
// (or, for a code no row has, no row), then the position's given texts in the boxes they name.
// The inputs have been read whole, so the position is known to be well formed.
void choosePositionRow(simdjson::dom::object input, const PositionCatalogue &catalogue,
                       PayInputs &inputs)
{
    element position;
    element code;
    if (input.at_key("position").get(position) != simdjson::SUCCESS || !position.is_object() ||
        position.at_key("code").get(code) != simdjson::SUCCESS || code.is_null())
        return;
    SelectedPosition chosen = selectPositionByCode(catalogue, code.get_string().value_unsafe());
    const KeyPath path{nullptr, "position"};
    readObject(position.get_object().value_unsafe(), &path, kPositionReaders, chosen);
    inputs.position = std::move(chosen);
}

} // namespace

SavedInputs savedInputsFromJson(element input, const PositionCatalogue &catalogue,
                                const PayScale &scale)
{
    if (input.type() != element_type::OBJECT)
        throw MalformedInput("se esperaba un objeto JSON con los datos del recibo, no " +
                             std::string(typeName(input)));
    SavedInputs saved;
    SavedFileKeys savedFileKeys(saved);
    ScaleChoiceKeys scaleChoices(saved.inputs, scale);
    const simdjson::dom::object object = input.get_object().value_unsafe();
    readObject(object, nullptr, kInputReaders, saved.inputs,
               [&](const simdjson::dom::key_value_pair &member, const KeyPath &path) {
                   return scaleChoices(member, path) || savedFileKeys(member, path);
               });
    choosePositionRow(object, catalogue, saved.inputs);
    savedFileKeys.finish();
    return saved;
}

PayInputs payInputsFromJson(element input, const PositionCatalogue &catalogue,
                            const PayScale &scale)
{
    return savedInputsFromJson(input, catalogue, scale).inputs;
}

} // namespace pagaluz
