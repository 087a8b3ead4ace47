#include "CalcCommand.h"

#include "BatchRun.h"
#include "CompareReport.h"
#include "ComparisonJson.h"
#include "InputText.h"
#include "JsonDocument.h"
#include "JsonInput.h"
#include "JsonOutput.h"
#include "LocaleConventions.h"
#include "PayCalculator.h"
#include "PositionCatalogue.h"
#include "PrintableText.h"
#include "ScaleReader.h"
#include "ScaleWriter.h"
#include "TextOutput.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDate>
#include <QLocale>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pagaluz {

namespace {

// A command line, a file or a JSON text that the calculator cannot use.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void refuseUsage(const std::string &problem)
{
    throw UsageError(problem);
}

// A position table file with a fault: nothing is calculated with it.
class RefusedTable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest --max-seconds: an hour.
constexpr double kMostSeconds = 3600;

struct CalcOptions {
    bool json = false;
    bool explain = false;
    bool batch = false;
    bool positions = false;
    bool help = false;
    bool version = false;
    std::optional<QString> compare; // the school's payslip
    double maxSeconds = 2.0;        // from `started`, reading included
    std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
    std::optional<QString> localeName;
    std::optional<QString> file;
    std::optional<QString> positionsFile;
    std::optional<QString> scaleFile;
    bool printScale = false;
};

// The options and arguments the calculator takes, described for --help.
class CalcCommandLine {
public:
    CalcCommandLine()
    {
        m_parser.setApplicationDescription(QStringLiteral(
            "Lee los datos de un recibo como objeto JSON de ARCHIVO (o de la entrada estándar)\n"
            "y escribe el recibo de sueldo."));
        m_parser.addOptions({m_json, m_explain, m_locale, m_batch, m_positions, m_positionsFile,
                             m_scale, m_printScale, m_compare, m_maxSeconds, m_help, m_version});
        m_parser.addPositionalArgument(
            QStringLiteral("ARCHIVO"),
            QStringLiteral("los datos en JSON; sin ARCHIVO, o con -, la entrada estándar"),
            QStringLiteral("[ARCHIVO]"));
    }

    CalcOptions parse(const QStringList &arguments)
    {
        if (!m_parser.parse(QStringList{QStringLiteral("pagaluz-calc")} + arguments))
            refuseUsage(problemOf(arguments));
        CalcOptions options;
        options.json = m_parser.isSet(m_json);
        options.explain = m_parser.isSet(m_explain);
        options.batch = m_parser.isSet(m_batch);
        options.positions = m_parser.isSet(m_positions);
        options.help = m_parser.isSet(m_help);
        options.version = m_parser.isSet(m_version);
        if (m_parser.isSet(m_locale))
            options.localeName = m_parser.value(m_locale);
        if (m_parser.isSet(m_positionsFile))
            options.positionsFile = m_parser.value(m_positionsFile);
        if (m_parser.isSet(m_scale))
            options.scaleFile = m_parser.value(m_scale);
        options.printScale = m_parser.isSet(m_printScale);
        if (options.printScale && (options.batch || options.positions || options.compare ||
                                   options.explain || !m_parser.positionalArguments().isEmpty()))
            refuseUsage("--print-scale sólo escribe la escala: no admite datos ni otras tareas");
        if (m_parser.isSet(m_compare))
            options.compare = m_parser.value(m_compare);
        if (m_parser.isSet(m_maxSeconds)) {
            bool read = false;
            options.maxSeconds = m_parser.value(m_maxSeconds).toDouble(&read);
            // Written so that NaN fails too.
            if (!read || !(options.maxSeconds > 0 && options.maxSeconds <= kMostSeconds))
                refuseUsage("--max-seconds espera un número de segundos mayor que 0 y no mayor "
                            "que 3600: " +
                            m_parser.value(m_maxSeconds).toStdString());
        }
        if (m_parser.isSet(m_maxSeconds) && !options.compare)
            refuseUsage("--max-seconds sólo vale con --compare");
        if (options.compare && (options.batch || options.positions))
            refuseUsage("--compare compara un solo recibo: no admite --batch ni --positions");
        const QStringList files = m_parser.positionalArguments();
        if (files.size() > 1)
            refuseUsage("se indicó más de un archivo: " + files[1].toStdString());
        if (!files.isEmpty())
            options.file = files.front();
        if (options.positions && (options.batch || options.file))
            refuseUsage("--positions no lee datos: no admite --batch ni un archivo");
        if (options.positions && options.explain)
            refuseUsage("--positions no calcula recibos: no admite --explain");
        return options;
    }

    // The help, with the headings in the user's language.
    std::string helpText() const
    {
        QString text = m_parser.helpText();
        text.replace(QLatin1String("<executable_name>"), QLatin1String("pagaluz-calc"))
            .replace(QLatin1String("Usage:"), QLatin1String("Uso:"))
            .replace(QLatin1String("[options]"), QLatin1String("[opciones]"))
            .replace(QLatin1String("Options:"), QLatin1String("Opciones:"))
            .replace(QLatin1String("Arguments:"), QLatin1String("Argumentos:"));
        return text.toStdString();
    }

private:
    std::string problemOf(const QStringList &arguments) const
    {
        const QStringList unknown = m_parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes =
                unknown.front().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return "opción desconocida: " + (dashes + unknown.front()).toStdString();
        }
        if (!arguments.isEmpty() && arguments.back() == QLatin1String("--compare"))
            return "falta el archivo del recibo del establecimiento después de --compare";
        if (!arguments.isEmpty() && arguments.back() == QLatin1String("--locale"))
            return "falta el nombre de la configuración regional después de --locale";
        if (!arguments.isEmpty() && arguments.back() == QLatin1String("--positions-file"))
            return "falta el archivo de la tabla de cargos después de --positions-file";
        if (!arguments.isEmpty() && arguments.back() == QLatin1String("--scale"))
            return "falta el archivo de la escala después de --scale";
        return m_parser.errorText().toStdString();
    }

    QCommandLineParser m_parser;
    QCommandLineOption m_json{QStringLiteral("json"),
                              QStringLiteral("escribe el recibo (o el error) como objeto JSON")};
    QCommandLineOption m_explain{
        QStringLiteral("explain"),
        QStringLiteral("explica cómo se calculó cada importe: con --json, un árbol en cada línea "
                       "y en cada total, las notas del recibo y, una sola vez, los valores que "
                       "varios importes comparten (\"quantities\"); sin --json, una frase bajo "
                       "cada línea y las notas")};
    QCommandLineOption m_locale{
        QStringLiteral("locale"),
        QStringLiteral("lee y escribe los números como en NOMBRE (es_AR, en_US); por omisión, "
                       "como en la configuración regional del sistema"),
        QStringLiteral("NOMBRE")};
    QCommandLineOption m_batch{
        QStringLiteral("batch"),
        QStringLiteral("lee muchos datos: un arreglo JSON, y escribe un arreglo de resultados, "
                       "o líneas JSON (un objeto por línea), y escribe un resultado por línea")};
    QCommandLineOption m_positions{QStringLiteral("positions"),
                                   QStringLiteral("escribe la tabla de cargos (CSV, o JSON con "
                                                  "--json)")};
    QCommandLineOption m_positionsFile{
        QStringLiteral("positions-file"),
        QStringLiteral("calcula con la tabla de cargos de TABLA (CSV en UTF-8, como "
                       "catalogue/positions.csv) en lugar de la incorporada"),
        QStringLiteral("TABLA")};
    QCommandLineOption m_scale{
        QStringLiteral("scale"),
        QStringLiteral("calcula con la escala de haberes de ESCALA (TOML, como la que escribe "
                       "--print-scale) en lugar de la incorporada"),
        QStringLiteral("ESCALA")};
    QCommandLineOption m_printScale{
        QStringLiteral("print-scale"),
        QStringLiteral("escribe la escala en uso (la incorporada, o la de --scale) como archivo "
                       "de escala: el modelo de una nueva")};
    QCommandLineOption m_compare{
        QStringLiteral("compare"),
        QStringLiteral("compara el recibo con el del establecimiento (RECIBO, en JSON como el de "
                       "--json: lines[].code y lines[].amount, con los decimales impresos) y busca "
                       "qué datos explican las diferencias; escribe una tabla, o con --json un "
                       "informe JSON, y sale con 3 si los recibos difieren"),
        QStringLiteral("RECIBO")};
    QCommandLineOption m_maxSeconds{
        QStringLiteral("max-seconds"),
        QStringLiteral("con --compare, segundos que puede durar la orden entera, lectura incluida: "
                       "más de 0 y hasta 3600 (por omisión, 2)"),
        QStringLiteral("SEGUNDOS")};
    QCommandLineOption m_help{{QStringLiteral("h"), QStringLiteral("help")},
                              QStringLiteral("muestra esta ayuda")};
    QCommandLineOption m_version{QStringLiteral("version"),
                                 QStringLiteral("muestra la versión del programa")};
};

QLocale chosenLocale(const CalcOptions &options)
{
    if (!options.localeName)
        return QLocale::system();
    const std::optional<QLocale> locale = localeNamed(*options.localeName);
    if (!locale)
        refuseUsage("configuración regional desconocida: " + options.localeName->toStdString());
    return *locale;
}

// The bytes of a batch read at a time until its first one that is not blank tells an array from
// JSON Lines.
constexpr std::size_t kBatchStart = 4096;

std::istream &openInput(const QString &path, std::ifstream &file)
{
    file.open(path.toLocal8Bit().toStdString(), std::ios::binary);
    if (!file)
        refuseUsage("no se puede leer el archivo " + path.toStdString());
    return file;
}

InputText readInput(const CalcOptions &options, std::istream &in)
{
    if (!options.file)
        return readAll(in, {}, kLargestDocument);
    std::optional<InputText> text = readFileOrStream(options.file->toLocal8Bit().toStdString(), in);
    if (!text)
        refuseUsage("no se puede leer el archivo " + options.file->toStdString());
    return std::move(*text);
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
    writePayslipTable(result.payslip(), date.toStdString(), out, result.explanation().get());
}

PayCalculator calculatorFor(const CalcOptions &options, const QLocale &locale,
                            const PayScale &scale)
{
    return PayCalculator(decimalConventionsOf(locale),
                         options.explain ? Explanations::Built : Explanations::Omitted, scale);
}

// The scale of --scale, read whole and strictly.
PayScale readScaleFile(const QString &path)
{
    const std::optional<InputText> text =
        readFile(path.toLocal8Bit().toStdString(), kLargestScaleFile);
    if (!text)
        refuseUsage("no se puede leer la escala " + path.toStdString());
    try {
        return readPayScale(text->text());
    } catch (const ScaleRefused &error) {
        throw RefusedTable("escala " + path.toStdString() + ": " + error.what());
    }
}

// The table of --positions-file, read whole and strictly.
PositionCatalogue readPositionsFile(const QString &path)
{
    const std::optional<InputText> text =
        readFile(path.toLocal8Bit().toStdString(), kLargestPositionTable);
    if (!text)
        refuseUsage("no se puede leer la tabla de cargos " + path.toStdString());
    try {
        return PositionCatalogue::fromCsv(text->text());
    } catch (const PositionTableError &error) {
        throw RefusedTable("tabla de cargos " + path.toStdString() + ": " + error.what());
    }
}

PayInputs singleInputs(std::string_view text, const Tables &tables)
{
    JsonParser parser;
    return payInputsFromJson(parser.parsePadded(text), tables.positions, tables.scale);
}

int runSingle(std::string_view text, const CalcOptions &options, const QLocale &locale,
              const Tables &tables, std::ostream &out, std::ostream &err)
{
    const PayInputs inputs = singleInputs(text, tables);
    const CalculationResult result = calculatorFor(options, locale, tables.scale).calculate(inputs);
    if (options.json)
        writeJsonResult(result, out);
    else
        writeTextResult(result, locale, out, err);
    return result.succeeded() ? kExitSuccess : exitStatusOf(result.error());
}

// The school's payslip of --compare, read strictly.
SchoolPayslip readSchoolPayslip(const QString &path)
{
    std::optional<InputText> text = readFile(path.toLocal8Bit().toStdString());
    if (!text)
        refuseUsage("no se puede leer el archivo " + path.toStdString());
    JsonParser parser;
    try {
        return schoolPayslipFromJson(parser.parsePadded(text->text()));
    } catch (const MalformedInput &error) {
        throw MalformedInput(path.toStdString() + ": " + error.what());
    }
}

// Our payslip against the school's, and what explains the difference: a table, or a JSON report.
int runCompare(std::string_view text, const CalcOptions &options, const QLocale &locale,
               const Tables &tables, std::ostream &out, std::ostream &err)
{
    const PositionCatalogue &positions = tables.positions;
    const SchoolPayslip school = readSchoolPayslip(*options.compare);
    const PayInputs inputs = singleInputs(text, tables);
    const CalculationResult result =
        PayCalculator(decimalConventionsOf(locale), Explanations::Omitted, tables.scale)
            .calculate(inputs);
    if (!result.succeeded()) {
        if (options.json)
            writeJsonResult(result, out);
        else
            err << result.error().message << '\n';
        return exitStatusOf(result.error());
    }
    const auto deadline =
        options.started + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(options.maxSeconds));
    return reportComparison(inputs, result.payslip(), school, {positions, tables.scale},
                            {deadline, options.json}, out);
}

// The batch's file, or standard input for none and for "-".
std::istream &batchSource(const CalcOptions &options, std::istream &in, std::ifstream &file)
{
    if (!options.file || *options.file == QLatin1String("-"))
        return in;
    refuseFolder(options.file->toLocal8Bit().toStdString());
    return openInput(*options.file, file);
}

// An array read whole: a regular file from where it lies, anything else as it comes after
// `start`.
InputText arrayText(const CalcOptions &options, std::istream &source, std::string start)
{
    std::error_code error;
    if (!options.file ||
        !std::filesystem::is_regular_file(options.file->toLocal8Bit().toStdString(), error))
        return readAll(source, std::move(start));
    std::optional<InputText> text = readFile(options.file->toLocal8Bit().toStdString(), kNoCap);
    if (!text)
        refuseUsage("no se puede leer el archivo " + options.file->toStdString());
    return std::move(*text);
}

// A JSON array is read whole, from the file where it lies; JSON Lines as they come.
int runBatch(const CalcOptions &options, std::istream &in, const QLocale &locale,
             const Tables &tables, std::ostream &out)
{
    const PayCalculator calculator = calculatorFor(options, locale, tables.scale);
    const BatchCalculation calculation{calculator, tables.positions};
    std::ifstream file;
    std::istream &source = batchSource(options, in, file);
    // Enough of the start to see its first byte that is not blank.
    std::string start;
    while (start.find_first_not_of(" \t\r\n\xEF\xBB\xBF") == std::string::npos &&
           appendPiece(source, start, kBatchStart)) {
    }
    if (!batchIsArray(start)) {
        writeLineResults(std::move(start), source, calculation, out);
        return kExitSuccess;
    }
    writeArrayResults(arrayText(options, source, std::move(start)).text(), calculation, out);
    return kExitSuccess;
}

int listPositions(const CalcOptions &options, const PositionCatalogue &catalogue, std::ostream &out)
{
    if (!options.json) {
        writePositionsCsv(catalogue, out);
        return kExitSuccess;
    }
    std::string json;
    appendPositionsJson(catalogue, json);
    out << json << '\n';
    return kExitSuccess;
}

int dispatch(const CalcCommandLine &commandLine, const CalcOptions &options, std::istream &in,
             std::ostream &out, std::ostream &err)
{
    if (options.help) {
        out << commandLine.helpText();
        return kExitSuccess;
    }
    if (options.version) {
        out << "pagaluz-calc " PAGALUZ_VERSION "\n";
        return kExitSuccess;
    }
    const QLocale locale = chosenLocale(options);
    std::optional<PositionCatalogue> loaded;
    if (options.positionsFile)
        loaded = readPositionsFile(*options.positionsFile);
    std::optional<PayScale> loadedScale;
    if (options.scaleFile)
        loadedScale = readScaleFile(*options.scaleFile);
    const Tables tables{loaded ? *loaded : PositionCatalogue::builtIn(),
                        loadedScale ? *loadedScale : PayScale::builtIn()};
    if (options.printScale) {
        out << scaleFileText(tables.scale);
        return kExitSuccess;
    }
    if (options.positions)
        return listPositions(options, tables.positions, out);
    if (options.batch)
        return runBatch(options, in, locale, tables, out);
    const InputText input = readInput(options, in);
    if (options.compare)
        return runCompare(input.text(), options, locale, tables, out, err);
    return runSingle(input.text(), options, locale, tables, out, err);
}

// Runs the command, its messages gathered in `messages`.
int runCalcTelling(const QStringList &arguments, std::istream &in, std::ostream &out,
                   std::ostream &messages)
{
    int status = kExitBadUsage;
    try {
        CalcCommandLine commandLine;
        status = dispatch(commandLine, commandLine.parse(arguments), in, out, messages);
    } catch (const UsageError &error) {
        messages << "pagaluz-calc: " << error.what() << '\n';
    } catch (const RefusedDocument &error) {
        messages << "pagaluz-calc: " << error.what() << '\n';
    } catch (const JsonSyntaxError &error) {
        messages << "pagaluz-calc: " << error.what() << '\n';
    } catch (const MalformedInput &error) {
        messages << "pagaluz-calc: datos mal formados: " << error.what() << '\n';
    } catch (const RefusedTable &error) {
        messages << "pagaluz-calc: " << error.what() << '\n';
        status = kExitConversionFailed;
    } catch (const BatchOutputFailed &) {
        // Told below, as every write that fails.
    }
    // Results that did not reach their file are no success, whatever was calculated.
    if (!out.flush()) {
        messages << "pagaluz-calc: no se pudieron escribir los resultados (¿disco lleno?)\n";
        return kExitWriteFailed;
    }
    return status;
}

} // namespace

int runCalc(const QStringList &arguments, std::istream &in, std::ostream &out, std::ostream &err)
{
    // Messages quote the user's files: they reach the terminal with their control characters
    // escaped.
    std::ostringstream messages;
    const int status = runCalcTelling(arguments, in, out, messages);
    err << printableText(messages.str());
    return status;
}

} // namespace pagaluz
