#include "CalcCommand.h"

#include "BatchRun.h"
#include "InputText.h"
#include "JsonInput.h"
#include "JsonOutput.h"
#include "JsonReader.h"
#include "LocaleConventions.h"
#include "PayCalculator.h"
#include "PositionCatalogue.h"
#include "TextOutput.h"

#include <QDate>
#include <QLocale>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pagaluz {

namespace {

constexpr std::string_view kUsage =
    "uso: pagaluz-calc [--json] [--locale NOMBRE] [--batch] [--positions] [ARCHIVO]\n"
    "\n"
    "Lee los datos de un recibo como objeto JSON de ARCHIVO (o de la entrada estándar)\n"
    "y escribe el recibo de sueldo.\n"
    "\n"
    "  --json           escribe el recibo (o el error) como objeto JSON\n"
    "  --locale NOMBRE  lee y escribe los números como en NOMBRE (es_AR, en_US);\n"
    "                   por omisión, como en la configuración regional del sistema\n"
    "  --batch          lee un arreglo JSON de datos y escribe un arreglo JSON de resultados\n"
    "  --positions      escribe la tabla de cargos (CSV, o JSON con --json)\n"
    "  --help           muestra esta ayuda\n";

// A command line, a file or a JSON text that the calculator cannot use.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CalcOptions {
    bool json = false;
    bool batch = false;
    bool positions = false;
    bool help = false;
    std::optional<QString> localeName;
    std::optional<QString> file;
};

[[noreturn]] void refuseUsage(const std::string &problem)
{
    throw UsageError(problem);
}

struct FlagOption {
    QLatin1String name;
    bool CalcOptions::*flag;
};

const std::array kFlagOptions{
    FlagOption{QLatin1String("--json"), &CalcOptions::json},
    FlagOption{QLatin1String("--batch"), &CalcOptions::batch},
    FlagOption{QLatin1String("--positions"), &CalcOptions::positions},
    FlagOption{QLatin1String("--help"), &CalcOptions::help},
    FlagOption{QLatin1String("-h"), &CalcOptions::help},
};

const QLatin1String kLocaleOption("--locale");
const QLatin1String kLocaleOptionWithName("--locale=");

// Sets the flag `argument` names; false when it names none.
bool setFlag(const QString &argument, CalcOptions &options)
{
    for (const FlagOption &option : kFlagOptions) {
        if (argument == option.name) {
            options.*option.flag = true;
            return true;
        }
    }
    return false;
}

// The locale name after --locale, at `index`.
QString localeNameAt(const QStringList &arguments, qsizetype index)
{
    if (index >= arguments.size())
        refuseUsage("falta el nombre de la configuración regional después de --locale");
    return arguments[index];
}

// The one input file; "-" stands for standard input.
void setFile(const QString &argument, CalcOptions &options)
{
    if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-"))
        refuseUsage("opción desconocida: " + argument.toStdString());
    if (options.file)
        refuseUsage("se indicó más de un archivo: " + argument.toStdString());
    options.file = argument;
}

void checkCombination(const CalcOptions &options)
{
    if (options.positions && (options.batch || options.file))
        refuseUsage("--positions no lee datos: no admite --batch ni un archivo");
}

CalcOptions parseOptions(const QStringList &arguments)
{
    CalcOptions options;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString &argument = arguments[index];
        if (setFlag(argument, options))
            continue;
        if (argument == kLocaleOption)
            options.localeName = localeNameAt(arguments, ++index);
        else if (argument.startsWith(kLocaleOptionWithName))
            options.localeName = argument.mid(kLocaleOptionWithName.size());
        else
            setFile(argument, options);
    }
    checkCombination(options);
    return options;
}

QLocale chosenLocale(const CalcOptions &options)
{
    if (!options.localeName)
        return QLocale::system();
    const std::optional<QLocale> locale = localeNamed(*options.localeName);
    if (!locale)
        refuseUsage("configuración regional desconocida: " + options.localeName->toStdString());
    return *locale;
}

InputText readInput(const CalcOptions &options, std::istream &in)
{
    if (!options.file || *options.file == QLatin1String("-"))
        return readAll(in);
    std::optional<InputText> text = readFile(options.file->toLocal8Bit().toStdString());
    if (!text)
        refuseUsage("no se puede leer el archivo " + options.file->toStdString());
    return std::move(*text);
}

[[noreturn]] void refuseJson(const JsonSyntaxError &error)
{
    refuseUsage("JSON mal formado (posición " + std::to_string(error.offset()) +
                "): " + error.what());
}

int exitStatusOf(const CalculationError &error)
{
    return error.kind == CalculationError::Kind::Validation ? kExitValidationFailed
                                                            : kExitConversionFailed;
}

void writeJsonResult(const CalculationResult &result, std::ostream &out)
{
    std::string json;
    appendResultJson(result, json);
    out << json << '\n';
}

void writeTextResult(const CalculationResult &result, const QLocale &locale, std::ostream &out,
                     std::ostream &err)
{
    if (!result.succeeded()) {
        err << result.error().message << '\n';
        return;
    }
    const QString date = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
    writePayslipTable(result.payslip(), date.toStdString(), out);
}

PayInputs singleInputs(std::string_view text)
{
    JsonReader reader;
    try {
        return payInputsFromJson(reader.read(text));
    } catch (const JsonSyntaxError &error) {
        refuseJson(error);
    }
}

int runSingle(std::string_view text, const CalcOptions &options, const QLocale &locale,
              std::ostream &out, std::ostream &err)
{
    const PayInputs inputs = singleInputs(text);
    const CalculationResult result = PayCalculator(decimalConventionsOf(locale)).calculate(inputs);
    if (options.json)
        writeJsonResult(result, out);
    else
        writeTextResult(result, locale, out, err);
    return result.succeeded() ? kExitSuccess : exitStatusOf(result.error());
}

int runBatch(std::string_view text, const QLocale &locale, std::ostream &out)
{
    try {
        if (!startsAsArray(text)) {
            JsonReader().read(text); // a malformed text is refused as such first
            refuseUsage("--batch espera un arreglo JSON de datos de recibos");
        }
        writeBatchResults(text, PayCalculator(decimalConventionsOf(locale)), out);
    } catch (const JsonSyntaxError &error) {
        refuseJson(error);
    }
    return kExitSuccess;
}

int listPositions(const CalcOptions &options, std::ostream &out)
{
    const PositionCatalogue &catalogue = PositionCatalogue::instance();
    if (!options.json) {
        writePositionsCsv(catalogue, out);
        return kExitSuccess;
    }
    std::string json;
    appendPositionsJson(catalogue, json);
    out << json << '\n';
    return kExitSuccess;
}

int dispatch(const CalcOptions &options, std::istream &in, std::ostream &out, std::ostream &err)
{
    if (options.help) {
        out << kUsage;
        return kExitSuccess;
    }
    const QLocale locale = chosenLocale(options);
    if (options.positions)
        return listPositions(options, out);
    const InputText input = readInput(options, in);
    if (options.batch)
        return runBatch(input.text(), locale, out);
    return runSingle(input.text(), options, locale, out, err);
}

} // namespace

int runCalc(const QStringList &arguments, std::istream &in, std::ostream &out, std::ostream &err)
{
    int status = kExitBadUsage;
    try {
        status = dispatch(parseOptions(arguments), in, out, err);
    } catch (const UsageError &error) {
        err << "pagaluz-calc: " << error.what() << '\n';
    } catch (const MalformedInput &error) {
        err << "pagaluz-calc: datos mal formados: " << error.what() << '\n';
    }
    // Results that did not reach their file are no success, whatever was calculated.
    if (!out.flush()) {
        err << "pagaluz-calc: no se pudieron escribir los resultados (¿disco lleno?)\n";
        return kExitWriteFailed;
    }
    return status;
}

} // namespace pagaluz
