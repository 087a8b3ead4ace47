#include "JsonInput.h"

#include "MemberOrder.h"
#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"
#include "TextAsRead.h"

#include <QVariant>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace pagaluz {

namespace {

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

std::string_view typeName(JsonValue value)
{
    switch (value.type()) {
    case JsonType::Boolean:
        return "un booleano";
    case JsonType::Number:
        return "un número";
    case JsonType::String:
        return "un texto";
    case JsonType::Array:
        return "un arreglo";
    case JsonType::Object:
        return "un objeto";
    case JsonType::Null:
        break;
    }
    return "null";
}

[[noreturn]] void refuseType(const KeyPath &path, JsonValue value, std::string_view expected)
{
    refuse(path, "se esperaba " + std::string(expected) + ", no " + std::string(typeName(value)));
}

std::string_view textOf(JsonValue value, const KeyPath &path)
{
    if (value.type() != JsonType::String)
        refuseType(path, value, "un texto");
    return textAsRead(value);
}

bool flagOf(JsonValue value, const KeyPath &path)
{
    if (value.type() != JsonType::Boolean)
        refuseType(path, value, "true o false");
    return value.boolean();
}

JsonValue objectOf(JsonValue value, const KeyPath &path)
{
    if (value.type() != JsonType::Object)
        refuseType(path, value, "un objeto");
    return value;
}

// A number as messages have always written it: a whole number written within the 64-bit range
// as it is written, any other whole double within that range as that whole number, and the
// rest as the shortest text of the double.
std::string numberText(std::string_view json, double number)
{
    long long whole = 0;
    const char *end = json.data() + json.size();
    const auto [stop, error] = std::from_chars(json.data(), end, whole);
    if (error == std::errc() && stop == end)
        return std::to_string(whole);
    constexpr double kTwoToThe63 = 9223372036854775808.0;
    if (number >= -kTwoToThe63 && number < kTwoToThe63 && number == std::floor(number))
        return std::to_string(static_cast<long long>(number));
    return QVariant(number).toString().toStdString();
}

int wholeNumberOf(JsonValue value, const KeyPath &path, int lowest, int highest)
{
    const std::string range =
        "un número entero de " + std::to_string(lowest) + " a " + std::to_string(highest);
    if (value.type() != JsonType::Number)
        refuseType(path, value, range);
    const std::string_view json = value.text();
    double number = 0;
    if (std::from_chars(json.data(), json.data() + json.size(), number).ec != std::errc())
        refuse(path, "se esperaba " + range + ", no " + std::string(json)); // beyond a double
    if (!(number >= lowest && number <= highest) || number != std::floor(number))
        refuse(path, "se esperaba " + range + ", no " + numberText(json, number));
    return static_cast<int>(number);
}

// How one key of an object is read into the part of the inputs it fills.
template <typename Target> struct KeyReader {
    std::string_view key;
    void (*read)(JsonValue value, const KeyPath &path, Target &target);
};

template <typename Target, std::size_t Count>
const KeyReader<Target> *readerOf(const std::array<KeyReader<Target>, Count> &readers,
                                  std::string_view key)
{
    // The size and the first letter tell most keys apart without a call to compare them whole.
    for (const KeyReader<Target> &reader : readers) {
        if (reader.key.size() == key.size() && reader.key[0] == key[0] && reader.key == key)
            return &reader;
    }
    return nullptr;
}

SortedMembers membersOf(JsonValue object, const KeyPath *parent)
{
    SortedMembers members(object);
    if (const auto repeated = members.repeatedKey())
        refuse({parent, *repeated}, "clave repetida");
    return members;
}

// Of the unknown keys from `first` on, the one the calculator has always reported: the first
// in its order of reading keys, which agrees with the code point order of SortedMembers except
// between some keys written with escapes.
template <typename Target, std::size_t Count>
[[noreturn]] void refuseUnknownKey(const JsonMember *first, const JsonMember *end,
                                   const KeyPath *parent,
                                   const std::array<KeyReader<Target>, Count> &readers)
{
    JsonValue reported = first->key;
    for (const JsonMember *member = first + 1; member != end; ++member) {
        if (readerOf(readers, textAsRead(member->key)) == nullptr &&
            keyReadBefore(member->key, reported))
            reported = member->key;
    }
    refuse({parent, textAsRead(reported)}, "clave desconocida");
}

// A key read before all the others of its object, such as the code of a position.
template <typename Target> using FirstKeyReader = KeyReader<Target>;

template <typename Target>
void readFirstKey(std::optional<JsonValue> value, const KeyPath *parent,
                  const FirstKeyReader<Target> *first, Target &target)
{
    if (first != nullptr && value && !value->isNull())
        first->read(*value, {parent, first->key}, target);
}

std::optional<JsonValue> memberAsWritten(JsonValue object, std::string_view key)
{
    for (const JsonMember member : object.members()) {
        if (member.key.text() == key)
            return member.value;
    }
    return std::nullopt;
}

// Reads the members in the order they are written, which gives the same inputs as any other
// order when nothing is wrong, for no more than one look at each. False when a key is unknown
// or written twice; throws MalformedInput for a value that is refused. Either way the target
// is left part-read.
template <typename Target, std::size_t Count>
bool readAsWritten(JsonValue object, const KeyPath *parent,
                   const std::array<KeyReader<Target>, Count> &readers,
                   const FirstKeyReader<Target> *first, Target &target)
{
    static_assert(Count <= 32, "one bit of `seen` for each key");
    if (first != nullptr)
        readFirstKey(memberAsWritten(object, first->key), parent, first, target);
    std::uint32_t seen = 0;
    for (const JsonMember member : object.members()) {
        const KeyReader<Target> *reader = readerOf(readers, textAsRead(member.key));
        if (reader == nullptr)
            return false;
        const auto bit = std::uint32_t{1} << (reader - readers.data());
        if ((seen & bit) != 0)
            return false;
        seen |= bit;
        if (!member.value.isNull())
            reader->read(member.value, {parent, textAsRead(member.key)}, target);
    }
    return true;
}

// Reads the members in the calculator's order of keys (SortedMembers), and so refuses the
// input for the fault it has always reported first.
template <typename Target, std::size_t Count>
void readInOrder(JsonValue object, const KeyPath *parent,
                 const std::array<KeyReader<Target>, Count> &readers,
                 const FirstKeyReader<Target> *first, Target &target)
{
    const SortedMembers members = membersOf(object, parent);
    if (first != nullptr)
        readFirstKey(members.find(first->key), parent, first, target);
    for (const JsonMember &member : members) {
        const KeyReader<Target> *reader = readerOf(readers, textAsRead(member.key));
        if (reader == nullptr)
            refuseUnknownKey(&member, members.end(), parent, readers);
        if (!member.value.isNull())
            reader->read(member.value, {parent, textAsRead(member.key)}, target);
    }
}

// Reads every member with the reader of its key; null keeps the start-up value. When anything
// is wrong the members are read again in order, for the fault to report.
template <typename Target, std::size_t Count>
void readObject(JsonValue object, const KeyPath *parent,
                const std::array<KeyReader<Target>, Count> &readers, Target &target,
                const FirstKeyReader<Target> *first = nullptr)
{
    try {
        if (readAsWritten(object, parent, readers, first, target))
            return;
    } catch (const MalformedInput &) {
        // Read again below.
    }
    readInOrder(object, parent, readers, first, target);
}

template <typename> struct MemberPointer;
template <typename Owner, typename Type> struct MemberPointer<Type Owner::*> {
    using OwnerType = Owner;
};
template <auto Member> using OwnerOf = typename MemberPointer<decltype(Member)>::OwnerType;

template <auto Member> void readText(JsonValue value, const KeyPath &path, OwnerOf<Member> &target)
{
    target.*Member = textOf(value, path);
}

template <auto Member> void readFlag(JsonValue value, const KeyPath &path, OwnerOf<Member> &target)
{
    target.*Member = flagOf(value, path);
}

const std::array kPositionReaders{
    KeyReader<SelectedPosition>{"code", &readText<&SelectedPosition::code>},
    KeyReader<SelectedPosition>{"name", &readText<&SelectedPosition::name>},
    KeyReader<SelectedPosition>{"basicPoints", &readText<&SelectedPosition::basicPoints>},
    KeyReader<SelectedPosition>{"complementPoints", &readText<&SelectedPosition::complementPoints>},
    KeyReader<SelectedPosition>{"fullDayPoints", &readText<&SelectedPosition::fullDayPoints>},
    KeyReader<SelectedPosition>{"extendedDayPoints",
                                &readText<&SelectedPosition::extendedDayPoints>},
    KeyReader<SelectedPosition>{"differentiatedTaskPoints",
                                &readText<&SelectedPosition::differentiatedTaskPoints>},
};

const std::array kDeductionReaders{
    KeyReader<DeductionChoices>{"iosper", &readFlag<&DeductionChoices::iosper>},
    KeyReader<DeductionChoices>{"osplad", &readFlag<&DeductionChoices::osplad>},
    KeyReader<DeductionChoices>{"pension", &readFlag<&DeductionChoices::pension>},
    KeyReader<DeductionChoices>{"law4035", &readFlag<&DeductionChoices::law4035>},
    KeyReader<DeductionChoices>{"unionDues", &readFlag<&DeductionChoices::unionDues>},
    KeyReader<DeductionChoices>{"compensationFund", &readFlag<&DeductionChoices::compensationFund>},
    KeyReader<DeductionChoices>{"insurance3011", &readFlag<&DeductionChoices::insurance3011>},
};

void readMode(JsonValue value, const KeyPath &path, PayInputs &inputs)
{
    const std::string_view mode = textOf(value, path);
    if (mode == "position")
        inputs.positionChosen = true;
    else if (mode == "secondaryHours")
        inputs.secondaryHoursChosen = true;
    else if (mode == "higherHours")
        inputs.higherHoursChosen = true;
    else
        refuse(path, "modo desconocido \"" + std::string(mode) +
                         "\"; se esperaba \"position\", \"secondaryHours\" o \"higherHours\"");
}

void selectPosition(JsonValue code, const KeyPath &path, SelectedPosition &position)
{
    position = selectPositionByCode(PositionCatalogue::instance(), textOf(code, path));
}

const FirstKeyReader<SelectedPosition> kPositionCode{"code", &selectPosition};

// The selection screen after the code is typed, then with the given texts in its boxes.
void readPosition(JsonValue value, const KeyPath &path, PayInputs &inputs)
{
    readObject(objectOf(value, path), &path, kPositionReaders, inputs.position, &kPositionCode);
}

void readSeniorityBracket(JsonValue value, const KeyPath &path, PayInputs &inputs)
{
    chooseSeniorityBracket(
        inputs, wholeNumberOf(value, path, 0, static_cast<int>(kSeniorityBrackets.size())));
}

void readZone(JsonValue value, const KeyPath &path, PayInputs &inputs)
{
    inputs.zone = wholeNumberOf(value, path, -1, static_cast<int>(kZones.size()) - 1);
}

void readDeductions(JsonValue value, const KeyPath &path, PayInputs &inputs)
{
    readObject(objectOf(value, path), &path, kDeductionReaders, inputs.deductionsChosen);
}

const std::array kInputReaders{
    KeyReader<PayInputs>{"mode", &readMode},
    KeyReader<PayInputs>{"position", &readPosition},
    KeyReader<PayInputs>{"secondaryHoursText", &readText<&PayInputs::secondaryHoursText>},
    KeyReader<PayInputs>{"higherHours", &readText<&PayInputs::higherHours>},
    KeyReader<PayInputs>{"code06Hours", &readText<&PayInputs::code06Hours>},
    KeyReader<PayInputs>{"incentiveHours", &readText<&PayInputs::incentiveHours>},
    KeyReader<PayInputs>{"code113Hours", &readText<&PayInputs::code113Hours>},
    KeyReader<PayInputs>{"incentive", &readFlag<&PayInputs::incentive>},
    KeyReader<PayInputs>{"seniorityBracket", &readSeniorityBracket},
    KeyReader<PayInputs>{"zone", &readZone},
    KeyReader<PayInputs>{"absenceDays", &readText<&PayInputs::absenceDays>},
    KeyReader<PayInputs>{"transport", &readFlag<&PayInputs::transport>},
    KeyReader<PayInputs>{"transportKm", &readText<&PayInputs::transportKm>},
    KeyReader<PayInputs>{"children", &readFlag<&PayInputs::children>},
    KeyReader<PayInputs>{"childCount", &readText<&PayInputs::childCount>},
    KeyReader<PayInputs>{"disabledChildren", &readFlag<&PayInputs::disabledChildren>},
    KeyReader<PayInputs>{"disabledChildCount", &readText<&PayInputs::disabledChildCount>},
    KeyReader<PayInputs>{"spouse", &readFlag<&PayInputs::spouse>},
    KeyReader<PayInputs>{"deductions", &readDeductions},
    KeyReader<PayInputs>{"teacherName", &readText<&PayInputs::teacherName>},
};

} // namespace

PayInputs payInputsFromJson(JsonValue input)
{
    if (input.type() != JsonType::Object)
        throw MalformedInput("se esperaba un objeto JSON con los datos del recibo, no " +
                             std::string(typeName(input)));
    PayInputs inputs;
    readObject(input, nullptr, kInputReaders, inputs);
    return inputs;
}

} // namespace pagaluz
