#include "ReaderDifferential.h"

#include "Describe.h"
#include "FuzzCheck.h"
#include "JsonInput.h"
#include "JsonReader.h"
#include "MemberOrder.h"
#include "QtJsonInput.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <optional>
#include <system_error>

namespace pagaluz::fuzz {

namespace {

// A value as compact text, for comparing two readings of it.
std::string compact(JsonValue value)
{
    switch (value.type()) {
    case JsonType::Null:
        return "null";
    case JsonType::Boolean:
        return value.boolean() ? "true" : "false";
    case JsonType::Number:
        return "#" + std::string(value.text());
    case JsonType::String:
        return "\"" + std::string(value.text()) + "\"";
    case JsonType::Array: {
        std::string text = "[";
        for (const JsonValue element : value.elements())
            text += compact(element) + ",";
        return text + "]";
    }
    case JsonType::Object: {
        std::string text = "{";
        for (const JsonMember member : value.members())
            text += compact(member.key) + ":" + compact(member.value) + ",";
        return text + "}";
    }
    }
    return "?";
}

bool hasRepeatedKey(JsonValue value)
{
    if (value.type() == JsonType::Array) {
        for (const JsonValue element : value.elements()) {
            if (hasRepeatedKey(element))
                return true;
        }
    }
    if (value.type() != JsonType::Object)
        return false;
    if (SortedMembers(value).repeatedKey())
        return true;
    for (const JsonMember member : value.members()) {
        if (hasRepeatedKey(member.value))
            return true;
    }
    return false;
}

bool hasNumberBeyondDouble(JsonValue value)
{
    if (value.type() == JsonType::Number) {
        double number = 0;
        const std::string_view text = value.text();
        return std::from_chars(text.data(), text.data() + text.size(), number).ec ==
               std::errc::result_out_of_range;
    }
    if (value.type() == JsonType::Array) {
        for (const JsonValue element : value.elements()) {
            if (hasNumberBeyondDouble(element))
                return true;
        }
    }
    if (value.type() == JsonType::Object) {
        for (const JsonMember member : value.members()) {
            if (hasNumberBeyondDouble(member.value))
                return true;
        }
    }
    return false;
}

// The inputs, or the message of the refusal.
struct Reading {
    std::optional<PayInputs> inputs;
    std::string refusal;
};

template <typename Read> Reading readingBy(Read read)
{
    try {
        return {read(), ""};
    } catch (const MalformedInput &error) {
        return {std::nullopt, error.what()};
    }
}

void checkSameReading(JsonValue ours, const QJsonValue &qt, const std::string &text)
{
    const Reading mine = readingBy([&] { return payInputsFromJson(ours); });
    const Reading reference = readingBy([&] { return payInputsFromQtJson(qt); });
    if (mine.inputs && reference.inputs) {
        check(*mine.inputs == *reference.inputs,
              "payInputsFromJson read other inputs than the reading over QJsonValue: " +
                  quotedBytes(text));
        return;
    }
    check(!mine.inputs && !reference.inputs && mine.refusal == reference.refusal,
          "payInputsFromJson and the reading over QJsonValue disagree: [" + mine.refusal +
              "] against [" + reference.refusal + "] for " + quotedBytes(text));
}

void checkBothAccepted(JsonValue ours, const QJsonDocument &qt, const std::string &text)
{
    if (hasRepeatedKey(ours))
        return; // refused by payInputsFromJson, one of the values kept by Qt
    if (qt.isObject()) {
        check(ours.type() == JsonType::Object, "Qt read an object, our reader none");
        checkSameReading(ours, qt.object(), text);
        return;
    }
    check(ours.type() == JsonType::Array, "Qt read an array, our reader none");
    checkSameReading(ours, qt.array(), text);
    const QJsonArray elements = qt.array();
    qsizetype index = 0;
    for (const JsonValue element : ours.elements()) {
        check(index < elements.size(), "our reader read more elements than Qt");
        checkSameReading(element, elements[index++], text);
    }
    check(index == elements.size(), "our reader read fewer elements than Qt");
}

char byteAt(std::string_view text, std::size_t offset)
{
    return offset < text.size() ? text[offset] : '\0';
}

// The refusals of bytes that Qt accepts: it takes control bytes in strings as they are, drops
// the backslash of an unknown escape, keeps a lone surrogate (written out as "?"), reads "1."
// and ".5" as numbers and nests up to 1024 deep.
bool isDocumentedRefusal(const JsonSyntaxError &error, std::string_view text)
{
    const std::size_t at = error.offset();
    switch (error.fault()) {
    case JsonFault::ControlCharacter:
        return static_cast<unsigned char>(byteAt(text, at)) < 0x20;
    case JsonFault::UnknownEscape:
    case JsonFault::LoneSurrogate:
        return byteAt(text, at) == '\\';
    case JsonFault::MissingDigit:
        return byteAt(text, at) == '.' || (at > 0 && byteAt(text, at - 1) == '.');
    case JsonFault::TooDeep:
        return true;
    default:
        return false;
    }
}

// The acceptances of bytes that Qt refuses: RFC 8259 allows any value at the top, and a number
// beyond the range of a double is refused only where an input reads it.
bool isDocumentedAcceptance(JsonValue ours, const QJsonParseError &qtError)
{
    const bool container = ours.type() == JsonType::Object || ours.type() == JsonType::Array;
    return (qtError.error == QJsonParseError::IllegalValue && !container) ||
           (qtError.error == QJsonParseError::IllegalNumber && hasNumberBeyondDouble(ours));
}

void checkAgainstQt(const std::string &text)
{
    QJsonParseError qtError{};
    const QJsonDocument qt = QJsonDocument::fromJson(QByteArray::fromStdString(text), &qtError);
    const bool qtAccepts = qtError.error == QJsonParseError::NoError;
    JsonReader reader;
    try {
        const JsonValue ours = reader.read(text);
        if (qtAccepts)
            checkBothAccepted(ours, qt, text);
        else
            check(isDocumentedAcceptance(ours, qtError), "our reader accepts what Qt refuses (" +
                                                             qtError.errorString().toStdString() +
                                                             "): " + quotedBytes(text));
    } catch (const JsonSyntaxError &error) {
        check(error.offset() <= text.size(), "a refusal beyond the end of the text");
        if (qtAccepts)
            check(isDocumentedRefusal(error, text),
                  "our reader refuses (" + std::string(error.what()) + " at " +
                      std::to_string(error.offset()) + ") what Qt accepts: " + quotedBytes(text));
    }
}

// What the whole reader reads of an array: its elements, or where and why it refuses.
std::string wholeReading(const std::string &text)
{
    JsonReader reader;
    try {
        return compact(reader.read(text));
    } catch (const JsonSyntaxError &error) {
        return "refused " + std::to_string(error.offset()) + " " + error.what();
    }
}

std::string elementByElementReading(const std::string &text)
{
    std::string elements = "[";
    try {
        JsonArrayReader reader(text);
        while (const std::optional<JsonValue> element = reader.next())
            elements += compact(*element) + ",";
        return elements + "]";
    } catch (const JsonSyntaxError &error) {
        return "refused " + std::to_string(error.offset()) + " " + error.what();
    }
}

void checkArrayReaderAgrees(const std::string &text)
{
    if (!startsAsArray(text))
        return;
    check(wholeReading(text) == elementByElementReading(text),
          "JsonArrayReader and JsonReader read " + quotedBytes(text) + " differently");
}

} // namespace

void checkJsonReadersAgree(const std::string &text)
{
    checkAgainstQt(text);
    checkArrayReaderAgrees(text);
}

} // namespace pagaluz::fuzz
