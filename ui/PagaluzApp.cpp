#include "PagaluzApp.h"

#include "AdvertenciaScreen.h"
#include "DocumentKeeper.h"
#include "ErrorScreen.h"
#include "HaberesScreen.h"
#include "IngresoScreen.h"
#include "LocaleConventions.h"
#include "PayCalculator.h"
#include "PayScale.h"
#include "PositionTableFile.h"
#include "PrinterTarget.h"
#include "ScaleFile.h"
#include "ShownText.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

namespace pagaluz::ui {

namespace {

void bringToFront(QWidget &screen)
{
    screen.show();
    screen.raise();
    screen.activateWindow();
}

// The selection screen as it starts: "0" in the code box, nothing else.
const SelectedPosition &untouchedSelection()
{
    static const SelectedPosition untouched{"0", {}, {}, {}, {}, {}, {}};
    return untouched;
}

// A scale file as the screens can use it: one with more seniority brackets than the data entry
// screen offers is refused too.
ScaleFile readScaleForScreens(const QString &path)
{
    ScaleFile read = readScaleFile(path);
    const int most = IngresoScreen::kMostBrackets;
    if (read.scale && static_cast<int>(read.scale->seniorityBrackets.size()) > most) {
        read.problem = QStringLiteral("tiene %1 tramos de antigüedad, y la pantalla de ingreso "
                                      "de datos ofrece a lo sumo %2")
                           .arg(read.scale->seniorityBrackets.size())
                           .arg(most);
        read.scale.reset();
    }
    return read;
}

} // namespace

PagaluzApp::PagaluzApp(const QLocale &locale, const std::function<void()> &awaitFonts)
    : m_locale(locale), m_conventions(decimalConventionsOf(locale)),
      m_ingreso(std::make_unique<IngresoScreen>(nullptr, awaitFonts)),
      m_scale(sharedBuiltInScale()),
      // The event loop ends without offering the windows a close: the selection screen would
      // take it as "Listo", the data entry screen as a question already answered.
      m_quit([] { QApplication::exit(0); })
{
    connect(m_ingreso.get(), &IngresoScreen::positionOptionClicked, this,
            &PagaluzApp::openPositionSelection);
    connect(m_ingreso.get(), &IngresoScreen::hoursOptionClicked, this,
            &PagaluzApp::hidePositionSelection);
    connect(m_ingreso.get(), &IngresoScreen::calculateRequested, this,
            &PagaluzApp::ingreso_Command1_Click);
    connect(m_ingreso.get(), &IngresoScreen::quitRequested, this, &PagaluzApp::quit);
    connect(m_ingreso.get(), &IngresoScreen::scaleFileChosen, this, &PagaluzApp::loadScaleFile);
    connect(m_ingreso.get(), &IngresoScreen::builtInScaleChosen, this,
            &PagaluzApp::useBuiltInScale);
    connectDocuments();
}

PagaluzApp::~PagaluzApp() = default;

void PagaluzApp::connectDocuments()
{
    m_documents = std::make_unique<DocumentKeeper>(
        *m_ingreso, [this] { return savedInputs(); },
        [this](const SavedInputs &saved) { restoreSavedInputs(saved); });
    DocumentKeeper *documents = m_documents.get();
    IngresoScreen *ingreso = m_ingreso.get();
    connect(ingreso, &IngresoScreen::saveRequested, documents, &DocumentKeeper::save);
    connect(ingreso, &IngresoScreen::saveAsRequested, documents, &DocumentKeeper::saveAs);
    connect(ingreso, &IngresoScreen::openRequested, documents, &DocumentKeeper::open);
    connect(ingreso, &IngresoScreen::recentFileChosen, documents, &DocumentKeeper::openRecent);
    connect(ingreso, &IngresoScreen::recentFilesWanted, documents,
            [ingreso, documents] { ingreso->showRecentFiles(documents->recentFiles()); });
    connect(ingreso, &IngresoScreen::inputsEdited, documents, &DocumentKeeper::noteEdit);
    connect(documents, &DocumentKeeper::fileNameChanged, ingreso, &IngresoScreen::showFileName);
}

void PagaluzApp::start()
{
    bringToFront(*m_ingreso);
}

AdvertenciaScreen &PagaluzApp::advertencia()
{
    if (!m_advertencia) {
        m_advertencia = std::make_unique<AdvertenciaScreen>();
        connect(m_advertencia.get(), &AdvertenciaScreen::positionConfirmed, this,
                &PagaluzApp::confirmPosition);
        connect(m_advertencia.get(), &AdvertenciaScreen::positionCleared, this,
                &PagaluzApp::clearPositionOption);
        connect(m_advertencia.get(), &AdvertenciaScreen::positionEdited, m_documents.get(),
                &DocumentKeeper::noteEdit);
        connect(m_advertencia.get(), &AdvertenciaScreen::tableFileChosen, this,
                &PagaluzApp::loadTableFile);
        connect(m_advertencia.get(), &AdvertenciaScreen::builtInTableChosen, this,
                &PagaluzApp::useBuiltInTable);
        if (m_table)
            m_advertencia->setTable(m_table, m_tableDescription);
    }
    return *m_advertencia;
}

HaberesScreen &PagaluzApp::haberes()
{
    if (!m_haberes) {
        m_haberes = std::make_unique<HaberesScreen>();
        m_haberes->setPrintTarget(std::make_unique<PrinterTarget>(m_haberes.get()));
        connect(m_haberes.get(), &HaberesScreen::returnRequested, this,
                &PagaluzApp::returnFromPayslip);
        connect(m_haberes.get(), &HaberesScreen::quitRequested, this, &PagaluzApp::quit);
        connect(m_haberes.get(), &HaberesScreen::commentEdited, m_documents.get(),
                &DocumentKeeper::noteEdit);
        connect(m_haberes.get(), &HaberesScreen::inputsToApply, this,
                &PagaluzApp::applyFoundInputs);
    }
    return *m_haberes;
}

ErrorScreen &PagaluzApp::errorScreen()
{
    if (!m_error)
        m_error = std::make_unique<ErrorScreen>();
    return *m_error;
}

// "Calcular": the inputs as the screens hold them, the calculation with how
// each amount was reached, then the payslip, the validation message, or a
// message naming the refused input.
void PagaluzApp::ingreso_Command1_Click()
{
    if (const QString refusal = m_ingreso->zoneRefusal(); !refusal.isEmpty()) {
        showInputMessage(refusal);
        return;
    }
    const SelectedPosition position =
        m_advertencia ? m_advertencia->selectedPosition() : SelectedPosition{};
    const PayInputs inputs = m_ingreso->gatherInputs(position);
    const CalculationResult result =
        PayCalculator(m_conventions, Explanations::Built, *m_scale).calculate(inputs);
    if (result.succeeded()) {
        const bool referencePoints =
            inputs.positionChosen && m_advertencia && m_advertencia->referencePointsChosen();
        haberes().setEnteredInputs(inputs, m_table);
        haberes().setScale(m_scale);
        haberes().showPayslip(result.payslip(),
                              m_locale.toString(QDate::currentDate(), QLocale::ShortFormat),
                              result.explanation(), referencePoints);
        return;
    }
    const CalculationError &error = result.error();
    if (error.kind == CalculationError::Kind::Validation) {
        bringToFront(errorScreen());
        return;
    }
    showConversionError(*error.field, QString::fromStdString(error.message));
}

void PagaluzApp::showConversionError(InputField field, const QString &message)
{
    focusInputBox(field);
    showInputMessage(message);
}

void PagaluzApp::showInputMessage(const QString &message)
{
    m_conversionMessage =
        std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Dato incorrecto"),
                                      shownText(message), QMessageBox::Ok, m_ingreso.get());
    m_conversionMessage->setTextFormat(Qt::PlainText);
    m_conversionMessage->setObjectName(QStringLiteral("conversionError"));
    m_conversionMessage->setInformativeText(
        QStringLiteral("Corrija el dato y presione \"Calcular\" otra vez."));
    m_conversionMessage->open();
}

// Puts the cursor in the refused box with its text selected, on whichever
// screen holds it.
void PagaluzApp::focusInputBox(InputField field)
{
    if (m_ingreso->focusField(field))
        return;
    const InputFieldInfo &info = infoOf(field);
    if (!info.ofPosition())
        return;
    AdvertenciaScreen &selection = advertencia();
    bringToFront(selection);
    const QLatin1String boxName(info.boxName.data(), qsizetype(info.boxName.size()));
    if (auto *box = selection.findChild<QLineEdit *>(boxName)) {
        box->setFocus();
        box->selectAll();
    }
}

void PagaluzApp::openPositionSelection()
{
    bringToFront(advertencia());
}

void PagaluzApp::hidePositionSelection()
{
    if (m_advertencia)
        m_advertencia->hide();
}

void PagaluzApp::confirmPosition(const PositionSummary &summary)
{
    haberes().setConfirmedPosition(summary);
    m_ingreso->showPositionSummary(summary);
    bringToFront(*m_ingreso);
}

void PagaluzApp::clearPositionOption()
{
    m_ingreso->clearPositionOption();
}

void PagaluzApp::returnFromPayslip()
{
    m_ingreso->returnFromPayslip();
    bringToFront(*m_ingreso);
}

void PagaluzApp::quit()
{
    auto *screen = qobject_cast<QWidget *>(sender());
    if (m_documents->mayEnd(screen ? *screen : *m_ingreso))
        m_quit();
}

// A finding of the comparison with the school's payslip, chosen by the teacher: its inputs onto
// the data entry screen as opening a saved file puts them, the comment kept; the data are then
// changed and not saved.
void PagaluzApp::applyFoundInputs(const PayInputs &inputs)
{
    SavedInputs saved;
    saved.inputs = inputs;
    saved.absencesTicked = inputs.absenceDays != "0";
    saved.comment = m_haberes ? m_haberes->comment().toStdString() : std::string();
    restoreSavedInputs(saved);
    m_documents->noteEdit();
    bringToFront(*m_ingreso);
}

SavedInputs PagaluzApp::savedInputs() const
{
    SavedInputs saved;
    saved.inputs = m_ingreso->gatherInputs(m_advertencia ? m_advertencia->typedPosition()
                                                         : untouchedSelection());
    saved.absencesTicked = m_ingreso->absencesTicked();
    if (m_haberes)
        saved.comment = m_haberes->comment().toStdString();
    saved.scaleName = m_scale->period.title;
    return saved;
}

// The screens that show the results of the data before are hidden: the payslip, the message and
// the selection screen.
void PagaluzApp::restoreSavedInputs(const SavedInputs &saved)
{
    for (QWidget *screen :
         std::initializer_list<QWidget *>{m_advertencia.get(), m_haberes.get(), m_error.get()})
        if (screen)
            screen->hide();
    // A selection screen that was not used is made anew when it is next needed, as at start
    // ("Listo" can be pressed at once).
    if (saved.inputs.position == untouchedSelection())
        m_advertencia.reset();
    else
        advertencia().restorePosition(saved.inputs.position);
    m_ingreso->restoreInputs(saved.inputs, saved.absencesTicked);
    if (saved.inputs.positionChosen) {
        const PositionSummary summary = advertencia().confirmedSummary();
        haberes().setConfirmedPosition(summary);
        m_ingreso->showPositionSummary(summary);
    }
    if (m_haberes || !saved.comment.empty())
        haberes().setComment(QString::fromStdString(saved.comment));
    if (!saved.scaleName.empty() && saved.scaleName != m_scale->period.title)
        showScaleMessage(
            QStringLiteral("Estos datos se guardaron con la escala «%1»; se calculan con la "
                           "escala en uso, «%2».")
                .arg(QString::fromStdString(saved.scaleName), scaleName(*m_scale)),
            QStringLiteral("Para calcular con «%1», cargue su archivo de escala con el botón "
                           "«Escala» de la pantalla de ingreso de datos.")
                .arg(QString::fromStdString(saved.scaleName)));
}

void PagaluzApp::chooseStartingTable(const std::optional<QString> &positionsFile)
{
    if (positionsFile) {
        const PositionTableFile read = readPositionTableFile(*positionsFile);
        if (read.table) {
            useTable(read.table, QFileInfo(*positionsFile).fileName(),
                     QDateTime::currentDateTime());
            return;
        }
        showTableMessage(QStringLiteral("La tabla de cargos de %1 no se puede usar.")
                             .arg(QFileInfo(*positionsFile).fileName()),
                         read.problem);
    }
    QString problem;
    if (const std::optional<PositionTableStore::Copy> copy = m_tableStore.load(problem)) {
        useTable(copy->table, copy->fileName, copy->loaded);
        return;
    }
    if (!problem.isEmpty())
        showTableMessage(QStringLiteral("La tabla de cargos guardada no se puede leer; se usa la "
                                        "tabla incorporada."),
                         problem);
}

// "Cargar tabla…": a table that can be used takes the place of the one in
// use and is kept for the next start; one that cannot leaves everything as
// it was.
void PagaluzApp::loadTableFile(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    const PositionTableFile read = readPositionTableFile(path);
    if (!read.table) {
        showTableMessage(
            QStringLiteral("La tabla de cargos de %1 no se puede usar; sigue en uso la de antes.")
                .arg(fileName),
            read.problem);
        return;
    }
    const QDateTime loaded = QDateTime::currentDateTime();
    useTable(read.table, fileName, loaded);
    const QString problem = m_tableStore.save(read.text, fileName, loaded);
    if (!problem.isEmpty())
        showTableMessage(QStringLiteral("La tabla de cargos de %1 se usa hasta que termine el "
                                        "programa, pero no se pudo guardar para las próximas "
                                        "veces; la guardada antes sigue como estaba.")
                             .arg(fileName),
                         problem);
}

void PagaluzApp::useBuiltInTable()
{
    useTable(nullptr, {}, {});
    const QString problem = m_tableStore.remove();
    if (!problem.isEmpty())
        showTableMessage(QStringLiteral("Se usa la tabla incorporada hasta que termine el "
                                        "programa, pero la tabla guardada no se pudo borrar."),
                         problem);
}

// `table` null: the built-in table.
void PagaluzApp::useTable(std::shared_ptr<const PositionCatalogue> table, const QString &fileName,
                          const QDateTime &loaded)
{
    m_table = table ? std::move(table) : sharedBuiltInTable();
    m_tableDescription =
        fileName.isEmpty()
            ? QString()
            : QStringLiteral("Tabla de cargos en uso: %1, cargada el %2")
                  .arg(fileName, m_locale.toString(loaded.date(), QLocale::ShortFormat));
    if (m_advertencia)
        m_advertencia->setTable(m_table, m_tableDescription);
}

void PagaluzApp::showTableMessage(const QString &text, const QString &details)
{
    QWidget *parent = m_advertencia && m_advertencia->isVisible()
                          ? static_cast<QWidget *>(m_advertencia.get())
                          : m_ingreso.get();
    m_tableMessage =
        std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Tabla de cargos"),
                                      shownText(text), QMessageBox::Ok, parent);
    m_tableMessage->setTextFormat(Qt::PlainText);
    m_tableMessage->setObjectName(QStringLiteral("tableMessage"));
    m_tableMessage->setInformativeText(shownText(details));
    m_tableMessage->open();
}

void PagaluzApp::chooseStartingScale(const std::optional<QString> &scaleFile)
{
    if (scaleFile) {
        const ScaleFile read = readScaleForScreens(*scaleFile);
        if (read.scale) {
            useScale(read.scale);
            return;
        }
        showScaleMessage(QStringLiteral("La escala de %1 no se puede usar.")
                             .arg(QFileInfo(*scaleFile).fileName()),
                         read.problem);
    }
    QString problem;
    if (std::shared_ptr<const PayScale> kept = m_scaleStore.load(problem)) {
        useScale(std::move(kept));
        return;
    }
    if (!problem.isEmpty())
        showScaleMessage(QStringLiteral("La escala guardada no se puede leer; se usa la escala "
                                        "incorporada «%1».")
                             .arg(scaleName(PayScale::builtIn())),
                         problem);
}

void PagaluzApp::loadScaleFile(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    const ScaleFile read = readScaleForScreens(path);
    if (!read.scale) {
        showScaleMessage(QStringLiteral("La escala de %1 no se puede usar; sigue en uso «%2».")
                             .arg(fileName, scaleName(*m_scale)),
                         read.problem);
        return;
    }
    useScale(read.scale);
    const QString problem = m_scaleStore.save(read.text);
    if (!problem.isEmpty())
        showScaleMessage(QStringLiteral("La escala «%1» se usa hasta que termine el programa, "
                                        "pero no se pudo guardar para las próximas veces; la "
                                        "guardada antes sigue como estaba.")
                             .arg(scaleName(*m_scale)),
                         problem);
}

void PagaluzApp::useBuiltInScale()
{
    useScale(sharedBuiltInScale());
    const QString problem = m_scaleStore.remove();
    if (!problem.isEmpty())
        showScaleMessage(QStringLiteral("Se usa la escala incorporada hasta que termine el "
                                        "programa, pero la escala guardada no se pudo borrar."),
                         problem);
}

// The payslip shown keeps the scale it was calculated with, which heads it; the next
// "Calcular" uses this one.
void PagaluzApp::useScale(std::shared_ptr<const PayScale> scale)
{
    m_scale = std::move(scale);
    m_ingreso->showScale(m_scale, m_scale.get() == &PayScale::builtIn());
    m_documents->setScale(m_scale);
}

void PagaluzApp::showScaleMessage(const QString &text, const QString &details)
{
    m_scaleMessage =
        std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Escala de haberes"),
                                      shownText(text), QMessageBox::Ok, m_ingreso.get());
    m_scaleMessage->setTextFormat(Qt::PlainText);
    m_scaleMessage->setObjectName(QStringLiteral("scaleMessage"));
    m_scaleMessage->setInformativeText(shownText(details));
    m_scaleMessage->open();
}

} // namespace pagaluz::ui
