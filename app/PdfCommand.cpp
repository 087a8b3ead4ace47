#include "PdfCommand.h"

#include "PositionCatalogue.h"

#include "CalcCommand.h"
#include "HaberesScreen.h"
#include "InputText.h"
#include "JsonDocument.h"
#include "JsonInput.h"
#include "LocaleConventions.h"
#include "PayCalculator.h"
#include "PrintableText.h"
#include "ScaleReader.h"
#include "WholeFile.h"

#include <QDate>

#include <memory>
#include <optional>
#include <sstream>

namespace pagaluz {

namespace {

QString fromStd(const std::string &text)
{
    return QString::fromStdString(text);
}

// Whether the position paid is a row of the built-in table whose points are reference values:
// the page notes it, as the screens do.
bool paidOnReferencePoints(const PayInputs &inputs)
{
    const PositionCatalogue &table = PositionCatalogue::builtIn();
    const int row = table.findCode(inputs.position.code);
    return inputs.positionChosen && row != PositionCatalogue::kNoRow && !table.row(row).verified;
}

// Writes `pdf` to standard output.
QString writeOut(const QByteArray &pdf, std::ostream &out)
{
    out.write(pdf.constData(), pdf.size());
    if (pdf.isEmpty() || !out.flush())
        return QStringLiteral("no se pudo escribir el recibo en la salida estándar");
    return {};
}

// The scale of the file at `path`, read whole and strictly; null, with the exit status in
// `status` and the reason told to `err`, when it cannot be used.
std::shared_ptr<const PayScale> readScale(const QString &path, std::ostream &err, int &status)
{
    status = kExitBadUsage;
    try {
        const std::optional<InputText> text =
            readFile(path.toLocal8Bit().toStdString(), kLargestScaleFile);
        if (!text) {
            err << "pagaluz: no se puede leer la escala " << path.toStdString() << '\n';
            return nullptr;
        }
        return std::make_shared<const PayScale>(readPayScale(text->text()));
    } catch (const RefusedDocument &refused) {
        err << "pagaluz: " << refused.what() << '\n';
    } catch (const ScaleRefused &refused) {
        err << "pagaluz: escala " << path.toStdString() << ": " << refused.what() << '\n';
        status = kExitConversionFailed;
    }
    return nullptr;
}

// The screens show a position's points in the header once it is confirmed, before "Calcular";
// so does the page.
int writePdf(const PayInputs &inputs, const Payslip &payslip, std::shared_ptr<const PayScale> scale,
             const QString &pdfPath, const QLocale &locale, std::ostream &out, std::ostream &err)
{
    ui::HaberesScreen screen;
    screen.setScale(std::move(scale));
    if (inputs.positionChosen) {
        const SelectedPosition &position = inputs.position;
        screen.setConfirmedPosition(
            {fromStd(position.name), fromStd(position.code), fromStd(position.basicPoints),
             fromStd(position.extendedDayPoints), fromStd(position.fullDayPoints),
             fromStd(position.differentiatedTaskPoints), fromStd(position.complementPoints)});
    }
    screen.setPayslip(payslip, locale.toString(QDate::currentDate(), QLocale::ShortFormat), nullptr,
                      paidOnReferencePoints(inputs));
    const QString failure =
        pdfPath == QLatin1String("-") ? writeOut(screen.pdf(), out) : screen.writePdf(pdfPath);
    if (failure.isEmpty())
        return kExitSuccess;
    err << "pagaluz: " << failure.toStdString() << '\n';
    return kExitWriteFailed;
}

// The payslip of the input at `inputPath` written as a PDF at `pdfPath`; messages to `err`.
int writeInputsPdf(const QString &pdfPath, const QString &inputPath,
                   const std::optional<QString> &scalePath, const QLocale &locale, std::istream &in,
                   std::ostream &out, std::ostream &err)
{
    if (const QString refused = ui::notAFileToReplace(pdfPath);
        pdfPath != QLatin1String("-") && !refused.isEmpty()) {
        err << "pagaluz: " << refused.toStdString() << '\n';
        return kExitCannotCreate;
    }
    std::shared_ptr<const PayScale> scale(std::shared_ptr<const PayScale>(), &PayScale::builtIn());
    if (scalePath) {
        int status = kExitSuccess;
        scale = readScale(*scalePath, err, status);
        if (!scale)
            return status;
    }
    PayInputs inputs;
    try {
        const std::optional<InputText> text =
            readFileOrStream(inputPath.toLocal8Bit().toStdString(), in);
        if (!text) {
            err << "pagaluz: no se puede leer el archivo " << inputPath.toStdString() << '\n';
            return kExitBadUsage;
        }
        JsonParser parser;
        inputs = payInputsFromJson(parser.parsePadded(text->text()), PositionCatalogue::builtIn(),
                                   *scale);
    } catch (const RefusedDocument &refused) {
        err << "pagaluz: " << refused.what() << '\n';
        return kExitBadUsage;
    } catch (const JsonSyntaxError &error) {
        err << "pagaluz: " << error.what() << '\n';
        return kExitBadUsage;
    } catch (const MalformedInput &error) {
        err << "pagaluz: datos mal formados: " << error.what() << '\n';
        return kExitBadUsage;
    }
    const CalculationResult result =
        PayCalculator(decimalConventionsOf(locale), Explanations::Omitted, *scale)
            .calculate(inputs);
    if (!result.succeeded()) {
        err << result.error().message << '\n';
        return result.error().kind == CalculationError::Kind::Validation ? kExitValidationFailed
                                                                         : kExitConversionFailed;
    }
    return writePdf(inputs, result.payslip(), std::move(scale), pdfPath, locale, out, err);
}

} // namespace

int writePayslipPdf(const QString &pdfPath, const QString &inputPath,
                    const std::optional<QString> &scalePath, const QLocale &locale,
                    std::istream &in, std::ostream &out, std::ostream &err)
{
    // Messages quote the user's files: they reach the terminal with their control characters
    // escaped.
    std::ostringstream messages;
    const int status = writeInputsPdf(pdfPath, inputPath, scalePath, locale, in, out, messages);
    err << printableText(messages.str());
    return status;
}

} // namespace pagaluz
