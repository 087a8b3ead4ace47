#include "SavedFile.h"

#include "InputField.h"
#include "InputText.h"
#include "JsonDocument.h"
#include "JsonInput.h"
#include "PayScale.h"
#include "WholeFile.h"

#include <string>
#include <string_view>

namespace pagaluz::ui {

namespace {

// The characters a text box takes.
constexpr qsizetype kBoxCapacity = 32767;

[[noreturn]] void refuse(std::string_view key, const std::string &problem)
{
    throw UnreadableFile("\"" + std::string(key) + "\": " + problem);
}

void checkFitsItsBox(std::string_view key, const std::string &text)
{
    // A character takes at least one byte of UTF-8: a shorter text fits.
    if (text.size() <= static_cast<std::size_t>(kBoxCapacity))
        return;
    const qsizetype length = QString::fromStdString(text).size();
    if (length > kBoxCapacity)
        refuse(key, "un texto de " + std::to_string(length) +
                        " caracteres no cabe en su casilla, que admite hasta " +
                        std::to_string(kBoxCapacity));
}

void checkScreensCanHold(const SavedInputs &saved)
{
    const PayInputs &in = saved.inputs;
    for (const InputTextInfo &text : kInputTexts)
        checkFitsItsBox(text.key, textIn(in, text));
    for (const InputFieldInfo &field : kInputFields)
        checkFitsItsBox(field.key, fieldText(in, field.field));
    if (!saved.absencesTicked && in.absenceDays != "0")
        refuse("absenceDays", "hay días de inasistencia, pero \"absences\" es false: la pantalla "
                              "solo muestra los días con \"Inasistencias Just\" marcada");
}

} // namespace

SavedInputs readSavedFile(const QString &path, const PayScale &scale)
{
    QString problem;
    const QByteArray bytes = readWholeFile(path, kLargestDocument, problem);
    if (!problem.isEmpty())
        throw UnreadableFile(problem.toStdString());
    SavedInputs saved;
    try {
        JsonParser parser;
        saved = savedInputsFromJson(
            parser.parse(std::string_view(bytes.constData(), std::size_t(bytes.size()))),
            PositionCatalogue::builtIn(), scale);
    } catch (const JsonSyntaxError &error) {
        throw UnreadableFile(error.what());
    } catch (const MalformedInput &error) {
        throw UnreadableFile(error.what());
    }
    checkScreensCanHold(saved);
    return saved;
}

QString writeSavedFile(const QString &path, const SavedInputs &saved)
{
    std::string json;
    appendSavedInputsJson(saved, json);
    return writeWholeFile(path, QByteArray::fromStdString(json));
}

} // namespace pagaluz::ui
