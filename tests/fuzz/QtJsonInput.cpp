#include "QtJsonInput.h"

#include "JsonInput.h"

#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <QJsonObject>
#include <QVariant>

#include <array>
#include <cmath>
#include <string>
#include <string_view>

namespace pagaluz::fuzz {

namespace {

[[noreturn]] void refuse(std::string_view path, std::string_view problem)
{
    throw MalformedInput("\"" + std::string(path) + "\": " + std::string(problem));
}

std::string_view typeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return "un booleano";
    case QJsonValue::Double:
        return "un número";
    case QJsonValue::String:
        return "un texto";
    case QJsonValue::Array:
        return "un arreglo";
    case QJsonValue::Object:
        return "un objeto";
    default:
        return "null";
    }
}

[[noreturn]] void refuseType(std::string_view path, const QJsonValue &value,
                             std::string_view expected)
{
    refuse(path, "se esperaba " + std::string(expected) + ", no " + std::string(typeName(value)));
}

std::string textOf(const QJsonValue &value, std::string_view path)
{
    if (!value.isString())
        refuseType(path, value, "un texto");
    return value.toString().toStdString();
}

bool flagOf(const QJsonValue &value, std::string_view path)
{
    if (!value.isBool())
        refuseType(path, value, "true o false");
    return value.toBool();
}

QJsonObject objectOf(const QJsonValue &value, std::string_view path)
{
    if (!value.isObject())
        refuseType(path, value, "un objeto");
    return value.toObject();
}

int wholeNumberOf(const QJsonValue &value, std::string_view path, int lowest, int highest)
{
    const std::string range =
        "un número entero de " + std::to_string(lowest) + " a " + std::to_string(highest);
    if (!value.isDouble())
        refuseType(path, value, range);
    const double number = value.toDouble();
    if (!(number >= lowest && number <= highest) || number != std::floor(number))
        refuse(path, "se esperaba " + range + ", no " + value.toVariant().toString().toStdString());
    return static_cast<int>(number);
}

// How one key of an object is read into the part of the inputs it fills.
template <typename Target> struct KeyReader {
    std::string_view key;
    void (*read)(const QJsonValue &value, std::string_view path, Target &target);
};

template <typename Target, std::size_t Count>
const KeyReader<Target> *readerOf(const std::array<KeyReader<Target>, Count> &readers,
                                  std::string_view key)
{
    for (const KeyReader<Target> &reader : readers) {
        if (reader.key == key)
            return &reader;
    }
    return nullptr;
}

// Reads every key of `object` with its reader; null keeps the start-up value.
template <typename Target, std::size_t Count>
void readObject(const QJsonObject &object, std::string_view prefix,
                const std::array<KeyReader<Target>, Count> &readers, Target &target)
{
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        const std::string key = entry.key().toStdString();
        const std::string path = std::string(prefix) + key;
        const KeyReader<Target> *reader = readerOf(readers, key);
        if (reader == nullptr)
            refuse(path, "clave desconocida");
        if (!entry.value().isNull())
            reader->read(entry.value(), path, target);
    }
}

template <typename> struct MemberPointer;
template <typename Owner, typename Type> struct MemberPointer<Type Owner::*> {
    using OwnerType = Owner;
};
template <auto Member> using OwnerOf = typename MemberPointer<decltype(Member)>::OwnerType;

template <auto Member>
void readText(const QJsonValue &value, std::string_view path, OwnerOf<Member> &target)
{
    target.*Member = textOf(value, path);
}

template <auto Member>
void readFlag(const QJsonValue &value, std::string_view path, OwnerOf<Member> &target)
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

void readMode(const QJsonValue &value, std::string_view path, PayInputs &inputs)
{
    const std::string mode = textOf(value, path);
    if (mode == "position")
        inputs.positionChosen = true;
    else if (mode == "secondaryHours")
        inputs.secondaryHoursChosen = true;
    else if (mode == "higherHours")
        inputs.higherHoursChosen = true;
    else
        refuse(path, "modo desconocido \"" + mode +
                         "\"; se esperaba \"position\", \"secondaryHours\" o \"higherHours\"");
}

// The selection screen after the code is typed, then with the given texts in its boxes.
void readPosition(const QJsonValue &value, std::string_view path, PayInputs &inputs)
{
    const QJsonObject object = objectOf(value, path);
    const std::string prefix = std::string(path) + ".";
    const QJsonValue code = object.value(QLatin1String("code"));
    if (!code.isUndefined() && !code.isNull())
        inputs.position =
            selectPositionByCode(PositionCatalogue::instance(), textOf(code, prefix + "code"));
    readObject(object, prefix, kPositionReaders, inputs.position);
}

void readSeniorityBracket(const QJsonValue &value, std::string_view path, PayInputs &inputs)
{
    chooseSeniorityBracket(
        inputs, wholeNumberOf(value, path, 0, static_cast<int>(kSeniorityBrackets.size())));
}

void readZone(const QJsonValue &value, std::string_view path, PayInputs &inputs)
{
    inputs.zone = wholeNumberOf(value, path, -1, static_cast<int>(kZones.size()) - 1);
}

void readDeductions(const QJsonValue &value, std::string_view path, PayInputs &inputs)
{
    readObject(objectOf(value, path), std::string(path) + ".", kDeductionReaders,
               inputs.deductionsChosen);
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

PayInputs payInputsFromQtJson(const QJsonValue &input)
{
    if (!input.isObject())
        throw MalformedInput("se esperaba un objeto JSON con los datos del recibo, no " +
                             std::string(typeName(input)));
    PayInputs inputs;
    readObject(input.toObject(), "", kInputReaders, inputs);
    return inputs;
}

} // namespace pagaluz::fuzz
