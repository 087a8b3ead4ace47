#include "CalcCommand.h"
#include "DocumentKeeper.h"
#include "FontConfigurationLoader.h"
#include "IngresoScreen.h"
#include "PagaluzApp.h"
#include "PdfCommand.h"
#include "PrintableText.h"
#include "ProgramFont.h"
#include "ProgramSetup.h"
#include "StartupProbe.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <optional>

namespace {

// The program's options. --startup-probe is bench/run's, not the user's: it is left out of
// the help.
struct ProgramOptions {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption startupProbe{
        QStringLiteral("startup-probe"),
        QStringLiteral("Informa cuándo se pintó la primera pantalla y termina.")};
    QCommandLineOption pdf{
        QStringLiteral("pdf"),
        QStringLiteral("Escribe en SALIDA.pdf el recibo de los datos del archivo JSON que sigue, "
                       "como se imprime, sin abrir ninguna ventana: pagaluz --pdf SALIDA.pdf "
                       "DATOS.json. Los datos son los que lee pagaluz-calc (- es la entrada "
                       "estándar), y se rechazan igual y con los mismos estados de salida. "
                       "SALIDA.pdf - escribe el PDF en la salida estándar; solo se reemplaza "
                       "un archivo común."),
        QStringLiteral("SALIDA.pdf")};
    QCommandLineOption positionsFile{
        QStringLiteral("positions-file"),
        QStringLiteral("Calcula, hasta que el programa termine, con la tabla de cargos de TABLA "
                       "(CSV como catalogue/positions.csv) en lugar de la incorporada."),
        QStringLiteral("TABLA")};
    QCommandLineOption scale{
        QStringLiteral("scale"),
        QStringLiteral("Calcula con la escala de haberes del archivo ESCALA (como la que escribe "
                       "pagaluz-calc --print-scale) en lugar de la escala en uso: hasta que el "
                       "programa termine, o para el PDF de --pdf."),
        QStringLiteral("ESCALA")};

    ProgramOptions() : help(parser.addHelpOption()), version(parser.addVersionOption())
    {
        parser.setApplicationDescription(QStringLiteral(
            "Liquidación de haberes docentes: calcula el recibo de sueldo mensual de un docente "
            "de escuela pública con la escala \"Haberes Agosto 08\" o la de un archivo de "
            "escala, con cada línea de haberes "
            "y de descuentos y los totales, y lo muestra en una planilla que se puede imprimir. "
            "Abre la pantalla de ingreso de datos, con los datos de ARCHIVO si se indica."));
        parser.addPositionalArgument(
            QStringLiteral("ARCHIVO"),
            QStringLiteral("datos guardados (.pagaluz) que se abren al empezar"),
            QStringLiteral("[ARCHIVO]"));
        // "-reverse", one of Qt's own options, is one word and not -r -e -v...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        startupProbe.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(startupProbe);
        parser.addOption(pdf);
        parser.addOption(positionsFile);
        parser.addOption(scale);
    }
};

// --help and --version are answered before any window or display is needed: the manual page
// is made from them at build time, on machines with no display. The command line is only
// looked at here; Qt's own options (-platform, -style...) are not known yet and are left
// for QApplication.
void answerHelpAndVersion(ProgramOptions &options, int &argc, char *argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    options.parser.parse(arguments);
    if (options.parser.isSet(options.help) || options.parser.isSet(options.version) ||
        options.parser.isSet(QStringLiteral("help-all"))) {
        // The help's "Usage:" line names the program as it was started. Each of these prints
        // and ends the program.
        QCoreApplication application(argc, argv);
        if (options.parser.isSet(options.version))
            options.parser.showVersion();
        if (options.parser.isSet(options.help))
            options.parser.showHelp();
        options.parser.process(application); // --help-all, which lists Qt's own options
    }
}

// --pdf: the payslip of one input as a PDF file, with no window.
int writePdf(const ProgramOptions &options)
{
    const QStringList inputs = options.parser.positionalArguments();
    if (inputs.size() != 1) {
        std::fprintf(stderr, "pagaluz: --pdf lleva un archivo de datos: pagaluz --pdf SALIDA.pdf "
                             "DATOS.json\n");
        return pagaluz::kExitBadUsage;
    }
    const std::optional<QString> scale = options.parser.isSet(options.scale)
                                             ? std::optional(options.parser.value(options.scale))
                                             : std::nullopt;
    return pagaluz::writePayslipPdf(options.parser.value(options.pdf), inputs.front(), scale,
                                    QLocale(), std::cin, std::cout, std::cerr);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Pagaluz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PAGALUZ_VERSION));
    ProgramOptions options;
    answerHelpAndVersion(options, argc, argv);

    // The PDF of --pdf is drawn by the screens without any window: no display is needed.
    if (options.parser.isSet(options.pdf))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    pagaluz::FontConfigurationLoader fonts;
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pagaluz"));
    pagaluz::ui::installSpanishQtTexts(application);
    // Read again without Qt's own options, which QApplication has taken: what is left must be
    // ours. An unknown option ends the program as it does pagaluz-calc (status 64).
    if (!options.parser.parse(QApplication::arguments())) {
        std::fprintf(stderr, "pagaluz: %s\n",
                     pagaluz::printableText(options.parser.errorText().toStdString()).c_str());
        return 64;
    }
    const QStringList files = options.parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "pagaluz: se indicó más de un archivo: %s\n",
                     pagaluz::printableText(files[1].toStdString()).c_str());
        return 64;
    }
    // Dialogs and message boxes in the screens' font. A text box lays its text out in the
    // application's font before taking its screen's, so this also spares start-up a lookup
    // of the system's default font and of its fallbacks.
    QApplication::setFont(pagaluz::ui::programFont());
    if (options.parser.isSet(options.pdf))
        return writePdf(options);
    // The data entry screen makes its window while the font configuration is still being read.
    pagaluz::ui::PagaluzApp pagaluz(QLocale(), [&fonts] { fonts.wait(); });
    pagaluz::ui::setProgramIconAfterFirstPaint(pagaluz.ingreso());
    pagaluz::StartupProbe probe;
    if (options.parser.isSet(options.startupProbe))
        pagaluz.ingreso().installEventFilter(&probe);
    pagaluz.start();
    pagaluz.chooseStartingTable(options.parser.isSet(options.positionsFile)
                                    ? std::optional(options.parser.value(options.positionsFile))
                                    : std::nullopt);
    pagaluz.chooseStartingScale(options.parser.isSet(options.scale)
                                    ? std::optional(options.parser.value(options.scale))
                                    : std::nullopt);
    if (!files.isEmpty())
        pagaluz.documents().openFile(files.front());
    return QApplication::exec();
}
