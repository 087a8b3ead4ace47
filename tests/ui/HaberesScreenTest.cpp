// The payslip screen "Haberes", driven through its controls with payslips made
// by the real calculation: the grid and its totals block, the header, the
// scroll bar and the wheel, resizing, printing, saving as PDF, and the buttons.

#include "HaberesScreen.h"
#include "ComparisonWindow.h"
#include "HaberesPdfFileTarget.h"
#include "NumberText.h"
#include "PayCalculator.h"
#include "PayScale.h"
#include "PdfFileQuestion.h"
#include "PositionCatalogue.h"
#include "PrinterTarget.h"
#include "SelectedPositionFromCatalogue.h"
#include "SheetPlacement.h"
#include "Twips.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <tuple>

using namespace pagaluz;
using namespace pagaluz::ui;

Q_DECLARE_METATYPE(pagaluz::PayInputs)

namespace {

constexpr int kRows = 27;

// The worked example: "Asistente Social" (code 734), 30 % seniority, the
// zone "Desfavorable", incentive, pension contribution; eleven lines.
PayInputs workedExample()
{
    PayInputs in;
    in.positionChosen = true;
    in.position = selectPositionByCode(PositionCatalogue::builtIn(), "734");
    in.seniorityBracket = 4;
    in.zone = 2;
    in.incentive = true;
    in.deductionsChosen.pension = true;
    in.teacherName = "Ana Gómez";
    return in;
}

// The worked example with the spouse allowance: twelve lines.
PayInputs twelveLines()
{
    PayInputs in = workedExample();
    in.spouse = true;
    return in;
}

// A typed position with every kind of points, absences, transport, family and
// all seven deductions: the longest payslip there is.
PayInputs twentySixLines()
{
    PayInputs in;
    in.positionChosen = true;
    in.position = {"", "Cargo de prueba", "901", "1", "1", "1", "1"};
    in.seniorityBracket = 2;
    in.zone = 1;
    in.absenceDays = "4";
    in.transport = true;
    in.transportKm = "20";
    in.children = true;
    in.childCount = "2";
    in.disabledChildren = true;
    in.disabledChildCount = "1";
    in.spouse = true;
    in.deductionsChosen = {true, true, true, true, true, true, true};
    in.teacherName = "Docente de prueba";
    return in;
}

PayInputs secondaryHours(const std::string &hours)
{
    PayInputs in;
    in.secondaryHoursChosen = true;
    in.secondaryHoursText = hours;
    return in;
}

Payslip calculate(const PayInputs &inputs)
{
    const CalculationResult result = PayCalculator(DecimalConventions::comma()).calculate(inputs);
    if (!result.succeeded())
        throw std::runtime_error("the calculation gave no payslip: " + result.error().message);
    return result.payslip();
}

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QString cellName(const char *array, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index);
}

// How many pages a PDF file has, by its page objects.
int pdfPageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int count = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next())
        ++count;
    return count;
}

// How many pixels of `image` in `area` match.
int countPixels(const QImage &image, const QRect &area, const std::function<bool(QColor)> &match)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += match(image.pixelColor(x, y));
    return count;
}

// A print target that draws the page onto an image, as a printer would, and checks it.
class CheckingTarget : public PrintTarget {
public:
    CheckingTarget(std::function<void(const QImage &)> check, QString answer = {})
        : m_check(std::move(check)), m_answer(std::move(answer))
    {
    }
    QString print(const PrintPage &page) override
    {
        ++calls;
        QImage image(page.size(), QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        page.paint(painter);
        painter.end();
        m_check(image);
        return m_answer;
    }
    int calls = 0;

private:
    std::function<void(const QImage &)> m_check;
    QString m_answer;
};

// A page of a test, for a teacher.
class PlainPage : public PrintPage {
public:
    explicit PlainPage(QString teacher = {}) : m_teacher(std::move(teacher)) {}
    QSize size() const override { return {100, 50}; }
    void paint(QPainter &painter) const override { painter.drawText(10, 20, m_teacher); }
    QString teacherName() const override { return m_teacher; }

private:
    QString m_teacher;
};

// A print target that keeps the texts the page draws and where they start on it.
class TextTarget : public PrintTarget, QPaintDevice, QPaintEngine {
public:
    TextTarget() : QPaintEngine(AllFeatures) {}
    QString print(const PrintPage &page) override
    {
        texts.clear();
        size = page.size();
        QPainter painter(this);
        page.paint(painter);
        return {};
    }
    QList<std::pair<QString, QPoint>> texts;
    QSize size;

private:
    QPaintEngine *paintEngine() const override { return const_cast<TextTarget *>(this); }
    int metric(PaintDeviceMetric metric) const override
    {
        const std::map<PaintDeviceMetric, int> metrics{
            {PdmWidth, size.width()},
            {PdmHeight, size.height()},
            {PdmDepth, 32},
            {PdmDevicePixelRatio, 1},
            {PdmDevicePixelRatioScaled, int(devicePixelRatioFScale())}};
        return metrics.contains(metric) ? metrics.at(metric) : 96;
    }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &changed) override
    {
        if (changed.state() & DirtyTransform)
            m_transform = changed.transform();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        texts.append({item.text(), m_transform.map(at).toPoint()});
    }
    Type type() const override { return User; }

    QTransform m_transform;
};

// Records, in order, the widgets shown and hidden and the printing itself.
class VisibilityLog : public QObject {
public:
    void watch(QWidget *widget) { widget->installEventFilter(this); }
    QStringList entries;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent)
            entries << QStringLiteral("show ") + watched->objectName();
        if (event->type() == QEvent::HideToParent)
            entries << QStringLiteral("hide ") + watched->objectName();
        return false;
    }
};

const QStringList kButtonNames{QStringLiteral("Volver"), QStringLiteral("Imprimir"),
                               QStringLiteral("Salir"), QStringLiteral("GuardarPdf")};
const QStringList kHintNames{QStringLiteral("Text1"), QStringLiteral("Text12")};
const QStringList kMarkNames{"Text2", "Text3", "Text4", "Text5",
                             "Text6", "Text7", "Text8", "Text9"};
const QStringList kPositionOnlyNames{"Label14", "Label20", "Label21", "Label2",
                                     "proljor", "jorcom",  "tardif",  "compbas"};

} // namespace

class HaberesScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsHiddenWithItsColoursAndControls();
    void elementsStandAtTheirPlaces_data();
    void elementsStandAtTheirPlaces();
    void fixedTexts_data();
    void fixedTexts();

    void rowsShowTheLinesOfThePayslip();
    void totalsBlockFollowsTheLastLine_data();
    void totalsBlockFollowsTheLastLine();
    void shorterPayslipHidesTheRowsBeyondItsLastLine();
    void amountsEndOnTheirColumnsRightEdge();
    void amountsFitBetweenTheRules_data();
    void amountsFitBetweenTheRules();
    void totalsNameAndDate();
    void referencePointsNoteFollowsTheTotals_data();
    void referencePointsNoteFollowsTheTotals();
    void referencePointsNoteIsPrinted();

    void positionHeader();
    void hoursHeaderHidesThePositionOnlyBoxes();
    void longPositionNameGrowsDownwards();
    void addedButtonsCoverNothing_data();
    void addedButtonsCoverNothing();
    void confirmedPositionFillsTheHeaderBoxes();
    void commentStaysAcrossCalculations();

    void scrollingMovesTheSheet_data();
    void scrollingMovesTheSheet();
    void scrollBarClicksStepTheSheet();
    void draggingMovesTheSheetOnlyWhenReleased();
    void scrollBarFollowsTheWindowHeight();
    void aSmallWindowHidesNothing();

    void wheelOverTheSheetStepsTheScrollBar_data();
    void wheelOverTheSheetStepsTheScrollBar();

    void printingUsesThePrintLookInOrder();
    void pageHoldsTheWholeSheet();
    void printingRestoresTheScreen_data();
    void printingRestoresTheScreen();
    void printingToAFileRestoresTheScreen();
    void failedPrintingRestoresTheScreenThenTellsWhy();
    void printerTargetWithoutPrinterOffersAPdf();
    void printerTargetWithoutPrinterCancelled();
    void aCancelledPrintLeavesTheScreenAsItWas();
    void aLongNameFitsItsBox();
    void printerTargetReportsAnUnwritablePdf();
    void guardarPdfWritesThePrintedPage();
    void theScaleNamesTheHeaderThePdfAndTheComparison_data();
    void theScaleNamesTheHeaderThePdfAndTheComparison();
    void proposedPdfPathNamesTheTeacher_data();
    void proposedPdfPathNamesTheTeacher();

    void volverHidesDisablesAndAsksToReturn();
    void salirAsksToQuit();

    void hoveringAndClickingALineExplainsIt();
    void theKeyboardOpensTheExplanationOfALine_data();
    void theKeyboardOpensTheExplanationOfALine();
    void theExplanationClosesWithItsPayslip_data();
    void theExplanationClosesWithItsPayslip();
    void comparingWithTheSchoolsPayslipFindsWhatDiffers();
    void comparingAPayslipPrintedInCents();
    void comparingRefusesARowAndClearsTheResults_data();
    void comparingRefusesARowAndClearsTheResults();
    void comparingSearchesOffTheScreensThreadAndCancels();
    void comparingSearchesThePositionTableInUse();
    void comparingQuantitiesByValue_data();
    void comparingQuantitiesByValue();
    void theTypedTableStaysTidy_data();
    void theTypedTableStaysTidy();
    void theComparisonIsNamedForScreenReaders();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        T *widget = m_screen->findChild<T *>(name);
        if (!widget)
            throw std::runtime_error("no control " + name.toStdString());
        return widget;
    }
    QRect twips(const QString &name) const { return twipsGeometry(*control(name)); }
    QLine rule(const QString &name) const { return control(name)->property("twipsLine").toLine(); }
    bool shown(const QString &name) const { return !control(name)->isHidden(); }
    QString labelText(const QString &name) const { return control<QLabel>(name)->text(); }
    QString boxText(const QString &name) const { return control<QLineEdit>(name)->text(); }
    void show(const PayInputs &inputs, const QString &date = QStringLiteral("08/08/08"))
    {
        m_screen->showPayslip(calculate(inputs), date);
    }
    void scrollTo(int value) { control<QScrollBar>(QStringLiteral("movedor"))->setValue(value); }
    void clickOnScrollBar(QStyle::SubControl part);
    void verifyRestoredAfterPrinting() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<HaberesScreen> m_screen;
    QString m_pdfPath;
};

void HaberesScreenTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_pdfPath = m_dir->filePath(QStringLiteral("recibo.pdf"));
    m_screen = std::make_unique<HaberesScreen>();
    m_screen->setPrintTarget(std::make_unique<PdfFileTarget>(m_pdfPath));
}

void HaberesScreenTest::cleanup()
{
    m_screen.reset();
    m_dir.reset();
}

void HaberesScreenTest::startsHiddenWithItsColoursAndControls()
{
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(m_screen->objectName(), QStringLiteral("Haberes"));
    QCOMPARE(m_screen->windowTitle(), QStringLiteral("Haberes"));
    QCOMPARE(m_screen->size(), twipsSize(11880, 8490));
    QCOMPARE(m_screen->palette().color(QPalette::Window), QColor(0, 128, 128));

    auto *sheet = control<QGroupBox>(QStringLiteral("sosten"));
    QCOMPARE(sheet->parentWidget(), m_screen.get());
    QCOMPARE(sheet->title(), QStringLiteral("Recibo de haberes"));
    QCOMPARE(sheet->palette().color(QPalette::Window), QColor(192, 255, 192));
    QVERIFY(sheet->autoFillBackground());

    for (int row = 0; row < kRows; ++row) {
        for (const char *array : {"cod", "Label10", "Label19", "Line8"})
            QVERIFY2(!shown(cellName(array, row)), qPrintable(cellName(array, row)));
        QVERIFY(!shown(cellName("Label1", row)));
        QVERIFY(!shown(cellName("Label1", row + kRows)));
    }
    QVERIFY(!m_screen->findChild<QWidget *>(cellName("Label1", 2 * kRows)));

    const QList<QColor> markGreys{{192, 192, 192}, {224, 224, 224}, {64, 64, 64}, {128, 128, 128},
                                  {128, 128, 128}, {224, 224, 224}, {64, 64, 64}, {192, 192, 192}};
    for (qsizetype i = 0; i < kMarkNames.size(); ++i) {
        auto *mark = control<QLineEdit>(kMarkNames[i]);
        QVERIFY(mark->isHidden());
        QCOMPARE(mark->text(), QStringLiteral("UTREL"));
        QCOMPARE(mark->palette().color(QPalette::Text), markGreys[i]);
    }

    QCOMPARE(control(QStringLiteral("Volver"))->toolTip(),
             QStringLiteral("Permite cambiar los datos ingresados"));
    QCOMPARE(control(QStringLiteral("Imprimir"))->toolTip(),
             QStringLiteral("Se imprime con fondo blanco."));
    QCOMPARE(control(QStringLiteral("Volver"))->palette().color(QPalette::Button),
             QColor(0, 255, 0));
    QCOMPARE(control(QStringLiteral("Imprimir"))->palette().color(QPalette::Button),
             QColor(0, 192, 0));
    QCOMPARE(control(QStringLiteral("Salir"))->palette().color(QPalette::Button),
             QColor(0, 128, 0));

    auto *scrollBar = control<QScrollBar>(QStringLiteral("movedor"));
    QCOMPARE(scrollBar->orientation(), Qt::Vertical);
    QCOMPARE(scrollBar->minimum(), 0);
    QCOMPARE(scrollBar->maximum(), 32767);
    QCOMPARE(scrollBar->singleStep(), 100);
    QCOMPARE(scrollBar->pageStep(), 500);
    QCOMPARE(scrollBar->value(), 0);
    QVERIFY(!scrollBar->hasTracking());

    QVERIFY(control<QPlainTextEdit>(QStringLiteral("Text11"))->toPlainText().isEmpty());
    for (const char *name : {"Text12", "Text1", "Text10", "numcargo", "punbasicos"})
        QVERIFY2(control<QLineEdit>(QLatin1String(name))->isReadOnly(), name);
}

void HaberesScreenTest::elementsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");

    const auto row = [](const char *name, QRect place) { QTest::newRow(name) << name << place; };
    row("sosten", {840, 0, 6840, 12000});
    row("Label18", {360, 240, 2295, 375});
    row("docente", {3030, 210, 3135, 375});
    row("cod_0", {510, 735, 495, 300});
    row("Label10_3", {1140, 1680, 495, 300});
    row("Label19_26", {1770, 8925, 2355, 300});
    row("Label3", {8160, 0, 2295, 375});
    row("carsel", {7680, 480, 3360, 300});
    row("Label11", {7665, 840, 1890, 300});
    row("numcargo", {7920, 1200, 1275, 360});
    row("Label12", {7680, 1680, 1905, 330});
    row("punbasicos", {7920, 2040, 1275, 360});
    row("Label2", {7680, 2520, 1905, 330});
    row("compbas", {7920, 2880, 1275, 360});
    row("Label14", {7665, 3465, 1905, 330});
    row("proljor", {7980, 3885, 1275, 360});
    row("Label20", {7665, 4515, 1905, 330});
    row("jorcom", {7980, 4935, 1275, 360});
    row("Label21", {7665, 5565, 1905, 330});
    row("tardif", {7980, 5985, 1275, 360});
    row("Text12", {9720, 1560, 1695, 285});
    row("Text11", {9720, 1920, 1695, 2895});
    row("Volver", {9840, 4920, 1335, 495});
    row("Imprimir", {9840, 5640, 1335, 495});
    row("Salir", {9840, 6360, 1335, 495});
    row("Text1", {8880, 7200, 2415, 285});
    row("Text10", {8880, 7680, 2415, 375});
    row("movedor", {11520, 0, 345, 8565});
    row("Text3", {120, 360, 615, 255});
    row("Text2", {120, 840, 615, 255});
    row("Text5", {120, 1320, 615, 255});
    row("Text4", {120, 1800, 615, 255});
    row("Text7", {120, 2280, 615, 255});
    row("Text9", {120, 2760, 615, 255});
    row("Text6", {120, 3240, 615, 255});
    row("Text8", {120, 3720, 615, 255});
}

void HaberesScreenTest::elementsStandAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QCOMPARE(twips(name), place);
    QCOMPARE(control(name)->geometry(),
             twipsRect(place.x(), place.y(), place.width(), place.height()));
}

void HaberesScreenTest::fixedTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *name, const char *text) {
        QTest::newRow(name) << name << QString::fromUtf8(text);
    };
    row("Label18", "Recibo de sueldos de:");
    row("Label15", "Total Haberes");
    row("Label16", "Total descuentos");
    row("Label17", "Liquido a pagar");
    row("Label3", "Haberes Agosto 08");
    row("Label12", "Puntaje");
    row("Label2", "Ptos. Comp Básico");
    row("Label14", "Prol jorn");
    row("Label20", "Jorn Comp");
    row("Label21", "Tarea dif");
    row("Text12", "Poné tu comentario");
    row("Text1", "Se imprime en blanco y negro");
    row("Volver", "Volver");
    row("Imprimir", "Imprimir");
    row("Salir", "Salir");
}

void HaberesScreenTest::fixedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget *widget = control(name);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *box = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(box->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
}

void HaberesScreenTest::rowsShowTheLinesOfThePayslip()
{
    const Payslip payslip = calculate(workedExample());
    QCOMPARE(payslip.nextRow(), 11);
    m_screen->showPayslip(payslip, QStringLiteral("08/08/08"));

    for (const PayslipLine &line : payslip.lines()) {
        const int row = line.row;
        const bool deduction = line.column == AmountColumn::Deductions;
        const QString amountCell = cellName("Label1", deduction ? row + kRows : row);
        const QString otherCell = cellName("Label1", deduction ? row : row + kRows);
        QCOMPARE(labelText(cellName("cod", row)), qs(line.code));
        QCOMPARE(labelText(cellName("Label19", row)), qs(line.conceptText));
        QCOMPARE(labelText(cellName("Label10", row)), qs(line.quantity));
        QCOMPARE(labelText(amountCell), qs(line.amountText));
        for (const QString &cell : {cellName("cod", row), cellName("Label19", row),
                                    cellName("Label10", row), amountCell, cellName("Line8", row)})
            QVERIFY2(control(cell)->isVisible(), qPrintable(cell));
        QVERIFY2(!control(otherCell)->isVisible(), qPrintable(otherCell));
        const int ruleY = 1050 + 315 * row;
        QCOMPARE(rule(cellName("Line8", row)), QLine(300, ruleY, 6570, ruleY));
        QCOMPARE(twips(cellName("cod", row)).top(), 735 + 315 * row);
        QCOMPARE(twips(amountCell).top(), 735 + 315 * row);
    }
    // The first and the last line of the worked example, as the pay scale gives them.
    QCOMPARE(labelText(QStringLiteral("cod_0")), QStringLiteral("001"));
    QCOMPARE(labelText(QStringLiteral("Label1_0")), QStringLiteral("$979,5"));
    QCOMPARE(labelText(QStringLiteral("Label19_10")), QStringLiteral("Aporte Jub."));
    QCOMPARE(labelText(QStringLiteral("Label1_37")), QStringLiteral("$ 365,8176"));
    QVERIFY(!control(QStringLiteral("Label1_10"))->isVisible());
    for (int row = 11; row < kRows; ++row)
        QVERIFY(!control(cellName("cod", row))->isVisible());
}

void HaberesScreenTest::totalsBlockFollowsTheLastLine_data()
{
    QTest::addColumn<PayInputs>("inputs");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("thickRule");
    QTest::addColumn<int>("earningsTop");
    QTest::addColumn<int>("earningsRule");
    QTest::addColumn<int>("deductionsTop");
    QTest::addColumn<int>("deductionsRule");
    QTest::addColumn<int>("netPayTop");
    QTest::addColumn<int>("lastRule");

    QTest::newRow("worked example, 11 lines")
        << workedExample() << 11 << 4515 << 4715 << 5015 << 5115 << 5415 << 5515 << 5815;
    QTest::newRow("12 lines") << twelveLines() << 12 << 4830 << 5030 << 5330 << 5430 << 5730 << 5830
                              << 6130;
    QTest::newRow("26 lines") << twentySixLines() << 26 << 9240 << 9440 << 9740 << 9840 << 10140
                              << 10240 << 10540;
    QTest::newRow("hours, 5 lines")
        << secondaryHours("20") << 5 << 2625 << 2825 << 3125 << 3225 << 3525 << 3625 << 3925;
}

void HaberesScreenTest::totalsBlockFollowsTheLastLine()
{
    QFETCH(PayInputs, inputs);
    QFETCH(int, lines);
    QFETCH(int, thickRule);
    QFETCH(int, earningsTop);
    QFETCH(int, earningsRule);
    QFETCH(int, deductionsTop);
    QFETCH(int, deductionsRule);
    QFETCH(int, netPayTop);
    QFETCH(int, lastRule);

    // Another payslip first, so that every position below is really moved.
    show(lines == 26 ? workedExample() : twentySixLines());
    const Payslip payslip = calculate(inputs);
    QCOMPARE(payslip.nextRow(), lines);
    m_screen->showPayslip(payslip, QStringLiteral("08/08/08"));

    QCOMPARE(rule(QStringLiteral("Line6")), QLine(300, thickRule, 6570, thickRule));
    QCOMPARE(rule(QStringLiteral("Line15")), QLine(300, earningsRule, 6570, earningsRule));
    QCOMPARE(rule(QStringLiteral("Line16")), QLine(300, deductionsRule, 6570, deductionsRule));
    QCOMPARE(rule(QStringLiteral("Line17")), QLine(300, lastRule, 6570, lastRule));
    QCOMPARE(rule(QStringLiteral("Line4")), QLine(300, 735, 6570, 735));
    for (const char *name : {"Label15", "thaberes"})
        QCOMPARE(twips(QLatin1String(name)).top(), earningsTop);
    for (const char *name : {"Label16", "tdescuentos"})
        QCOMPARE(twips(QLatin1String(name)).top(), deductionsTop);
    for (const char *name : {"Label17", "liquido"})
        QCOMPARE(twips(QLatin1String(name)).top(), netPayTop);
    QCOMPARE(twips(QStringLiteral("Label15")).left(), 1770);

    const QList<std::pair<QString, int>> columnRules{{"Line3_1", 300}, {"Line7", 1035},
                                                     {"Line5", 1665},  {"Line2", 4185},
                                                     {"Line1", 5340},  {"Line3_0", 6570}};
    for (const auto &[name, x] : columnRules) {
        QCOMPARE(rule(name), QLine(x, 735, x, lastRule));
        const QRect pixels = control(name)->geometry();
        QCOMPARE(pixels.top(), twipsToPixels(735));
        QCOMPARE(pixels.bottom(), twipsToPixels(lastRule));
    }
    QCOMPARE(control(QStringLiteral("Line17"))->geometry().top(), twipsToPixels(lastRule));
    QVERIFY(twips(QStringLiteral("liquido")).bottom() < 12000);
}

void HaberesScreenTest::shorterPayslipHidesTheRowsBeyondItsLastLine()
{
    const Payslip longer = calculate(twentySixLines());
    const Payslip shorter = calculate(workedExample());
    QCOMPARE(longer.nextRow(), 26);
    m_screen->showPayslip(longer, QStringLiteral("08/08/08"));
    m_screen->showPayslip(shorter, QStringLiteral("08/08/08"));

    for (int row = 0; row < kRows; ++row) {
        const bool used = row < shorter.nextRow();
        const bool deduction = used && shorter.lines()[static_cast<std::size_t>(row)].column ==
                                           AmountColumn::Deductions;
        const QString earnings = cellName("Label1", row);
        const QString deductions = cellName("Label1", row + kRows);
        QCOMPARE(shown(earnings), used && !deduction);
        QCOMPARE(shown(deductions), used && deduction);
        for (const char *array : {"cod", "Label10", "Label19", "Line8"})
            QVERIFY2(shown(cellName(array, row)) == used, qPrintable(cellName(array, row)));
    }
    // The row 10 earnings cell of the longer payslip was shown, and is hidden now.
    QCOMPARE(longer.lines()[10].column, AmountColumn::Earnings);
    // Hidden cells keep the texts of the longer payslip.
    QCOMPARE(labelText(QStringLiteral("cod_25")), qs(longer.lines()[25].code));
}

void HaberesScreenTest::amountsEndOnTheirColumnsRightEdge()
{
    const Payslip payslip = calculate(twentySixLines());
    m_screen->showPayslip(payslip, QStringLiteral("08/08/08"));

    std::set<int> earningsWidths;
    std::set<int> deductionsWidths;
    for (const PayslipLine &line : payslip.lines()) {
        const bool deduction = line.column == AmountColumn::Deductions;
        const QString name = cellName("Label1", deduction ? line.row + kRows : line.row);
        const QRect place = twips(name);
        const int rightEdge = deduction ? 6450 : 5250;
        QCOMPARE(place.left() + place.width(), rightEdge);
        QCOMPARE(control(name)->geometry().right() + 1, twipsToPixels(rightEdge));
        QCOMPARE(control(name)->width(), control(name)->sizeHint().width());
        (deduction ? deductionsWidths : earningsWidths).insert(place.width());
    }
    QVERIFY(earningsWidths.size() > 1);
    QVERIFY(deductionsWidths.size() > 1);

    const QList<std::pair<QString, int>> totals{
        {"thaberes", 5250}, {"tdescuentos", 6475}, {"liquido", 6475}};
    for (const auto &[name, rightEdge] : totals) {
        const QRect place = twips(name);
        QCOMPARE(place.left() + place.width(), rightEdge);
        QCOMPARE(control(name)->width(), control(name)->sizeHint().width());
        QVERIFY(control<QLabel>(name)->font().bold());
    }
}

void HaberesScreenTest::amountsFitBetweenTheRules_data()
{
    QTest::addColumn<qint64>("amount"); // in ten-thousandths
    QTest::newRow("4 digits") << qint64(23055924);
    QTest::newRow("5 digits") << qint64(100552858);
    QTest::newRow("10 digits") << qint64(99999999999999);
    QTest::newRow("the largest") << std::numeric_limits<qint64>::max() / 2;
}

// Every amount and total stands clear of the rules on both sides of its column, whole, in a
// smaller size when its text needs one.
void HaberesScreenTest::amountsFitBetweenTheRules()
{
    QFETCH(qint64, amount);
    const Money money = Money::fromTenThousandths(amount);
    Payslip payslip(DecimalConventions::comma());
    payslip.appendEarningsLine("010", "Antigüedad", "120 %", money);
    payslip.appendDeductionLine("502", "Aporte Jub.", "16 %", money);
    payslip.setTotals(money + money, money);
    m_screen->showPayslip(payslip, QStringLiteral("08/08/08"));

    const QList<std::tuple<QString, std::string, QString, QString>> cells{
        {"Label1_0", payslip.lines()[0].amountText, "Line2", "Line1"},
        {"Label1_28", payslip.lines()[1].amountText, "Line1", "Line3_0"},
        {"thaberes", payslip.totalEarningsText(), "Line2", "Line1"},
        {"liquido", payslip.netPayText(), "Line1", "Line3_0"}};
    for (const auto &[name, text, leftRule, rightRule] : cells) {
        auto *label = control<QLabel>(name);
        QCOMPARE(label->text(), qs(text));
        QVERIFY2(label->x() > control(leftRule)->x() + 1, qPrintable(name));
        QVERIFY2(label->geometry().right() < control(rightRule)->x() - 1, qPrintable(name));
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    }
}

void HaberesScreenTest::totalsNameAndDate()
{
    const Payslip payslip = calculate(workedExample());
    m_screen->showPayslip(payslip, QStringLiteral("25/8/08"));
    QCOMPARE(labelText(QStringLiteral("thaberes")), QStringLiteral("$ 2496,3601"));
    QCOMPARE(labelText(QStringLiteral("tdescuentos")), QStringLiteral("$ 365,8176"));
    QCOMPARE(labelText(QStringLiteral("liquido")), QStringLiteral("$ 2130,5425"));
    QCOMPARE(labelText(QStringLiteral("docente")), QStringLiteral("Ana Gómez"));
    QCOMPARE(boxText(QStringLiteral("Text10")), QStringLiteral("25/8/08"));
    QVERIFY(m_screen->isVisible());
    QVERIFY(m_screen->isEnabled());
}

void HaberesScreenTest::referencePointsNoteFollowsTheTotals_data()
{
    QTest::addColumn<PayInputs>("inputs");
    QTest::addColumn<bool>("reference");
    QTest::newRow("reference points, 11 lines") << workedExample() << true;
    QTest::newRow("verified points") << workedExample() << false;
    QTest::newRow("reference points, 26 lines") << twentySixLines() << true;
}

void HaberesScreenTest::referencePointsNoteFollowsTheTotals()
{
    QFETCH(PayInputs, inputs);
    QFETCH(bool, reference);
    m_screen->showPayslip(calculate(twelveLines()), QStringLiteral("08/08/08"), nullptr,
                          !reference);
    m_screen->showPayslip(calculate(inputs), QStringLiteral("08/08/08"), nullptr, reference);
    const QString name = QStringLiteral("notapuntaje");
    QCOMPARE(shown(name), reference);
    QCOMPARE(labelText(name),
             QStringLiteral("Puntaje de referencia: verifíquelo con la escala oficial"));
    const QRect place = twips(name);
    QCOMPARE(place.top(), rule(QStringLiteral("Line17")).y1() + 150);
    QCOMPARE(place.left(), 300);
    QVERIFY(place.bottom() < 12000);
    auto *note = control<QLabel>(name);
    QVERIFY(QFontMetrics(note->font()).horizontalAdvance(note->text()) <
            note->contentsRect().width());
}

void HaberesScreenTest::referencePointsNoteIsPrinted()
{
    m_screen->showPayslip(calculate(workedExample()), QStringLiteral("08/08/08"), nullptr, true);
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    auto *note = control<QLabel>(QStringLiteral("notapuntaje"));
    int darkPixels = 0;
    auto target = std::make_unique<CheckingTarget>([&](const QImage &image) {
        const QRect area(note->mapTo(m_screen.get(), QPoint()), note->size());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                darkPixels += image.pixelColor(x, y).lightness() < 100;
    });
    m_screen->setPrintTarget(std::move(target));
    QTest::mouseClick(control(QStringLiteral("Imprimir")), Qt::LeftButton);
    QVERIFY(darkPixels > 100); // the note's text, printed
}

void HaberesScreenTest::positionHeader()
{
    show(workedExample());
    QCOMPARE(labelText(QStringLiteral("Label11")), QStringLiteral("Código del cargo"));
    QCOMPARE(boxText(QStringLiteral("numcargo")), QStringLiteral("734"));
    QCOMPARE(boxText(QStringLiteral("punbasicos")), QStringLiteral("1500"));
    QCOMPARE(labelText(QStringLiteral("carsel")), QStringLiteral("Asistente Social"));
    for (const QString &name : kPositionOnlyNames)
        QVERIFY2(control(name)->isVisible(), qPrintable(name));
}

void HaberesScreenTest::hoursHeaderHidesThePositionOnlyBoxes()
{
    show(workedExample());
    show(secondaryHours("20"));
    QCOMPARE(labelText(QStringLiteral("Label11")), QStringLiteral("Cantidad de horas"));
    QCOMPARE(boxText(QStringLiteral("numcargo")), QStringLiteral("20"));
    QCOMPARE(boxText(QStringLiteral("punbasicos")), QStringLiteral("1294"));
    QCOMPARE(labelText(QStringLiteral("carsel")), QStringLiteral("Horas de nivel medio"));
    for (const QString &name : kPositionOnlyNames)
        QVERIFY2(!control(name)->isVisible(), qPrintable(name));
    for (const char *name : {"Label12", "punbasicos", "Label11", "numcargo", "carsel"})
        QVERIFY2(control(QLatin1String(name))->isVisible(), name);

    show(workedExample());
    for (const QString &name : kPositionOnlyNames)
        QVERIFY2(control(name)->isVisible(), qPrintable(name));
}

void HaberesScreenTest::longPositionNameGrowsDownwards()
{
    const auto rows = PositionCatalogue::builtIn().rows();
    const auto longest = std::max_element(
        rows.begin(), rows.end(), [](auto &a, auto &b) { return a.name.size() < b.name.size(); });
    PayInputs inputs = workedExample();
    inputs.position = selectPositionByCode(PositionCatalogue::builtIn(), longest->code);
    show(inputs);
    auto *name = control<QLabel>(QStringLiteral("carsel"));
    QCOMPARE(name->text(), qs(longest->name));
    QVERIFY(name->wordWrap());
    const QRect grown = twips(QStringLiteral("carsel"));
    QCOMPARE(grown.topLeft(), QPoint(7680, 480));
    QCOMPARE(grown.width(), 3360);
    QVERIFY2(grown.height() > 300, qPrintable(QString::number(grown.height())));
    const QRect wrapped = name->fontMetrics().boundingRect(
        QRect(0, 0, name->contentsRect().width(), 10000), Qt::TextWordWrap, name->text());
    QVERIFY(wrapped.height() > name->fontMetrics().height()); // more than one line
    QVERIFY(name->contentsRect().height() >= wrapped.height());
    // What stands under the name moves down with it, nothing drawn over it.
    QCOMPARE(twips(QStringLiteral("Label11")).top(), grown.bottom() + 1 + 60);
    QCOMPARE(twips(QStringLiteral("tardif")).top() - twips(QStringLiteral("Label11")).top(),
             5985 - 840);

    show(workedExample());
    QCOMPARE(twips(QStringLiteral("carsel")), QRect(7680, 480, 3360, 300));
    QCOMPARE(twips(QStringLiteral("Label11")), QRect(7665, 840, 1890, 300));
}

void HaberesScreenTest::addedButtonsCoverNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Guardar PDF") << "GuardarPdf"
                                 << "Guardar PDF";
    QTest::newRow("Comparar con mi recibo") << "CompararRecibo"
                                            << "Comparar con mi recibo";
}

void HaberesScreenTest::addedButtonsCoverNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    show(twentySixLines());
    auto *button = control<QPushButton>(name);
    QCOMPARE(button->text(), caption);
    QVERIFY(button->isVisible());
    QVERIFY(button->fontMetrics().horizontalAdvance(caption) < button->width());
    QVERIFY(QRect(QPoint(), twipsSize(11880, 8490)).contains(button->geometry()));
    for (QWidget *other : m_screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != button && !other->isWindow() && other->objectName() != "sosten")
            QVERIFY2(!other->geometry().intersects(button->geometry()),
                     qPrintable(other->objectName()));
    }
    QVERIFY(button->geometry().left() > control(QStringLiteral("sosten"))->geometry().right());
}

void HaberesScreenTest::confirmedPositionFillsTheHeaderBoxes()
{
    m_screen->setConfirmedPosition(
        {QStringLiteral("Cargo"), QStringLiteral("123"), QStringLiteral("1000"),
         QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("33"), QStringLiteral("44")});
    QCOMPARE(boxText(QStringLiteral("numcargo")), QStringLiteral("123"));
    QCOMPARE(boxText(QStringLiteral("punbasicos")), QStringLiteral("1000"));
    QCOMPARE(boxText(QStringLiteral("proljor")), QStringLiteral("11"));
    QCOMPARE(boxText(QStringLiteral("jorcom")), QStringLiteral("22"));
    QCOMPARE(boxText(QStringLiteral("tardif")), QStringLiteral("33"));
    QCOMPARE(boxText(QStringLiteral("compbas")), QStringLiteral("44"));
    QVERIFY(!m_screen->isVisible());

    // The calculation rewrites the code and basic points only.
    show(workedExample());
    QCOMPARE(boxText(QStringLiteral("numcargo")), QStringLiteral("734"));
    QCOMPARE(boxText(QStringLiteral("punbasicos")), QStringLiteral("1500"));
    QCOMPARE(boxText(QStringLiteral("tardif")), QStringLiteral("33"));
}

void HaberesScreenTest::commentStaysAcrossCalculations()
{
    show(workedExample());
    auto *comment = control<QPlainTextEdit>(QStringLiteral("Text11"));
    QTest::keyClicks(comment, QStringLiteral("Cobrar el lunes"));
    QCOMPARE(comment->toPlainText(), QStringLiteral("Cobrar el lunes"));
    show(twentySixLines());
    show(secondaryHours("20"));
    QCOMPARE(comment->toPlainText(), QStringLiteral("Cobrar el lunes"));
}

void HaberesScreenTest::scrollingMovesTheSheet_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");

    QTest::newRow("to 3500") << QList<int>{3500} << -3400 << 15500;
    QTest::newRow("to 3500 and back to 0") << QList<int>{3500, 0} << 100 << 12000;
    QTest::newRow("one step") << QList<int>{100} << 0 << 12100;
    QTest::newRow("back and forth") << QList<int>{200, 32767, 1200, 700} << -600 << 12700;
    QTest::newRow("to the end") << QList<int>{32767} << -32667 << 44767;
}

void HaberesScreenTest::scrollingMovesTheSheet()
{
    QFETCH(QList<int>, values);
    QFETCH(int, top);
    QFETCH(int, height);
    show(workedExample());
    for (int value : values)
        scrollTo(value);
    const QRect expected(840, top, 6840, height);
    QCOMPARE(twips(QStringLiteral("sosten")), expected);
    QCOMPARE(control(QStringLiteral("sosten"))->geometry(), twipsRect(840, top, 6840, height));

    // Moved once to the final value, another screen ends the same (a new
    // screen is already at 0, where its sheet still stands at its first place).
    if (values.last() == 0)
        return;
    HaberesScreen once;
    once.findChild<QScrollBar *>(QStringLiteral("movedor"))->setValue(values.last());
    auto *sheet = once.findChild<QWidget *>(QStringLiteral("sosten"));
    QCOMPARE(twipsGeometry(*sheet), expected);
    QCOMPARE(sheet->geometry(), control(QStringLiteral("sosten"))->geometry());
}

void HaberesScreenTest::clickOnScrollBar(QStyle::SubControl part)
{
    auto *scrollBar = control<QScrollBar>(QStringLiteral("movedor"));
    QStyleOptionSlider option;
    option.initFrom(scrollBar);
    option.orientation = scrollBar->orientation();
    option.minimum = scrollBar->minimum();
    option.maximum = scrollBar->maximum();
    option.sliderPosition = scrollBar->sliderPosition();
    option.sliderValue = scrollBar->value();
    option.singleStep = scrollBar->singleStep();
    option.pageStep = scrollBar->pageStep();
    option.upsideDown = scrollBar->invertedAppearance();
    const QRect area =
        scrollBar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, scrollBar);
    QVERIFY(area.isValid());
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, area.center());
}

void HaberesScreenTest::scrollBarClicksStepTheSheet()
{
    show(workedExample());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    auto *scrollBar = control<QScrollBar>(QStringLiteral("movedor"));

    clickOnScrollBar(QStyle::SC_ScrollBarAddLine);
    QTRY_COMPARE(scrollBar->value(), 100);
    QCOMPARE(twips(QStringLiteral("sosten")), QRect(840, 0, 6840, 12100));

    clickOnScrollBar(QStyle::SC_ScrollBarAddPage);
    QTRY_COMPARE(scrollBar->value(), 600);
    QCOMPARE(twips(QStringLiteral("sosten")), QRect(840, -500, 6840, 12600));

    clickOnScrollBar(QStyle::SC_ScrollBarSubLine);
    QTRY_COMPARE(scrollBar->value(), 500);
    QCOMPARE(twips(QStringLiteral("sosten")), QRect(840, -400, 6840, 12500));
}

void HaberesScreenTest::draggingMovesTheSheetOnlyWhenReleased()
{
    show(workedExample());
    auto *scrollBar = control<QScrollBar>(QStringLiteral("movedor"));
    const QRect before = twips(QStringLiteral("sosten"));
    scrollBar->setSliderDown(true);
    scrollBar->setSliderPosition(2000);
    scrollBar->setSliderPosition(2600);
    QCOMPARE(twips(QStringLiteral("sosten")), before);
    scrollBar->setSliderDown(false);
    QCOMPARE(scrollBar->value(), 2600);
    QCOMPARE(twips(QStringLiteral("sosten")), QRect(840, -2500, 6840, 14600));
}

void HaberesScreenTest::scrollBarFollowsTheWindowHeight()
{
    show(workedExample());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    const int frameExtra = m_screen->frameGeometry().height() - m_screen->height();
    m_screen->resize(m_screen->width(), twipsToPixels(9000) - frameExtra);
    QTRY_COMPARE(m_screen->frameGeometry().height(), twipsToPixels(9000));
    QTRY_COMPARE(twips(QStringLiteral("movedor")).height(), 8600);
    QCOMPARE(control(QStringLiteral("movedor"))->height(), twipsToPixels(8600));
    // Nothing else moves.
    QCOMPARE(twips(QStringLiteral("movedor")).topLeft(), QPoint(11520, 0));
    QCOMPARE(twips(QStringLiteral("sosten")), QRect(840, 0, 6840, 12000));
}

// Made as small as the window system allows, the window keeps the size at which every note,
// box and button beside the sheet is whole; the scroll bar spans it less 400 twips.
void HaberesScreenTest::aSmallWindowHidesNothing()
{
    show(workedExample());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->resize(10, 10);
    QTRY_COMPARE(m_screen->size(), twipsSize(11880, 8490));
    const QList<QWidget *> parts = m_screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *part : parts) {
        if (part->isVisible() && part->objectName() != QLatin1String("sosten"))
            QVERIFY2(m_screen->rect().contains(part->geometry()), qPrintable(part->objectName()));
    }
    QVERIFY(twips(QStringLiteral("movedor")).height() > 0);
}

void HaberesScreenTest::wheelOverTheSheetStepsTheScrollBar_data()
{
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<QPoint>("over"); // twips on the screen
    QTest::addColumn<int>("value");

    QTest::newRow("over a row, down 3, up 1")
        << QList<int>{-120, -240, 120} << QPoint(2500, 1800) << 200;
    QTest::newRow("half notches") << QList<int>{-60, -60, -60} << QPoint(3000, 4000) << 100;
    QTest::newRow("up at the top") << QList<int>{120} << QPoint(3000, 4000) << 0;
    QTest::newRow("over the header") << QList<int>{-120} << QPoint(9000, 1300) << 0;
}

void HaberesScreenTest::wheelOverTheSheetStepsTheScrollBar()
{
    QFETCH(QList<int>, deltas);
    QFETCH(QPoint, over);
    QFETCH(int, value);
    show(workedExample());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    const QPoint at(twipsToPixels(over.x()), twipsToPixels(over.y()));
    // The widget under the pointer first, then its parents while it is refused, as the
    // window system's wheel events go (a sent one would reach only the first).
    for (const int delta : deltas) {
        for (QWidget *widget = m_screen->childAt(at); widget; widget = widget->parentWidget()) {
            QWheelEvent wheel(widget->mapFrom(m_screen.get(), QPointF(at)),
                              m_screen->mapToGlobal(QPointF(at)), {}, {0, delta}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(widget, &wheel);
            if (wheel.isAccepted() || widget->isWindow())
                break;
        }
    }
    QCOMPARE(control<QScrollBar>(QStringLiteral("movedor"))->value(), value);
    if (value > 0)
        QCOMPARE(twips(QStringLiteral("sosten")), QRect(840, 100 - value, 6840, 12000 + value));
}

void HaberesScreenTest::printingUsesThePrintLookInOrder()
{
    show(workedExample());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    VisibilityLog log;
    for (const QStringList &names : {kButtonNames, kHintNames, kMarkNames})
        for (const QString &name : names)
            log.watch(control(name));

    // The whole page drawn, on white where the buttons stand, with the darkest "UTREL" mark.
    auto check = [&](const QImage &page) {
        log.entries << QStringLiteral("printed");
        QCOMPARE(page.size(), twipsSize(11880, 12000));
        QCOMPARE(countPixels(page, page.rect(), [](QColor c) { return c == Qt::red; }), 0);
        QCOMPARE(page.pixelColor(twipsRect(9840, 4920, 1335, 495).center()), QColor(Qt::white));
        QVERIFY(countPixels(page, twipsRect(120, 1800, 615, 255),
                            [](QColor c) { return c.lightness() < 128; }) > 0);
    };
    auto target = std::make_unique<CheckingTarget>(check);
    CheckingTarget &checking = *target;
    m_screen->setPrintTarget(std::move(target));

    QTest::mouseClick(control(QStringLiteral("Imprimir")), Qt::LeftButton);
    QCOMPARE(checking.calls, 1);

    QStringList expected;
    for (const QString &name : kButtonNames + kHintNames)
        expected << QStringLiteral("hide ") + name;
    for (const QString &name : kMarkNames)
        expected << QStringLiteral("show ") + name;
    for (const QString &name : kMarkNames)
        expected << QStringLiteral("hide ") + name;
    for (const QString &name : kHintNames + kButtonNames)
        expected << QStringLiteral("show ") + name;
    expected << QStringLiteral("printed");
    QCOMPARE(log.entries, expected);
    verifyRestoredAfterPrinting();
}

void HaberesScreenTest::verifyRestoredAfterPrinting() const
{
    for (const QString &name : kButtonNames + kHintNames)
        QVERIFY2(control(name)->isVisible(), qPrintable(name));
    for (const QString &name : kMarkNames)
        QVERIFY2(!control(name)->isVisible(), qPrintable(name));
    QCOMPARE(m_screen->palette().color(QPalette::Window), QColor(0, 192, 192));
    QCOMPARE(control(QStringLiteral("sosten"))->palette().color(QPalette::Window),
             QColor(192, 255, 192));
}

// The page holds the whole sheet as first shown, the same at any scroll value and window
// size: the name, every line, the totals, the header.
void HaberesScreenTest::pageHoldsTheWholeSheet()
{
    const Payslip payslip = calculate(twentySixLines());
    m_screen->showPayslip(payslip, QStringLiteral("08/08/08"));
    auto target = std::make_unique<TextTarget>();
    TextTarget &page = *target;
    m_screen->setPrintTarget(std::move(target));
    QStringList expected{qs(payslip.teacherName), qs(payslip.header.name), "Código del cargo",
                         qs(payslip.totalEarningsText()), qs(payslip.netPayText())};
    for (const PayslipLine &line : payslip.lines())
        expected << qs(line.code) << qs(line.conceptText) << qs(line.amountText);

    QList<QList<std::pair<QString, QPoint>>> pages;
    for (const int value : {0, 3500, 32767}) {
        scrollTo(value);
        m_screen->resize(twipsSize(6000, value == 0 ? 8490 : 3000));
        QTest::mouseClick(control(QStringLiteral("Imprimir")), Qt::LeftButton);
        QStringList texts;
        for (const auto &[text, at] : page.texts) {
            texts << text;
            QVERIFY2(QRect(QPoint(), page.size).contains(at), qPrintable(text));
        }
        for (const QString &text : expected)
            QVERIFY2(texts.contains(text), qPrintable(text));
        pages << page.texts;
    }
    QCOMPARE(pages[1], pages[0]);
    QCOMPARE(pages[2], pages[0]);
}

void HaberesScreenTest::printingRestoresTheScreen_data()
{
    QTest::addColumn<QString>("focused");
    QTest::newRow("a comment selected") << QStringLiteral("Text11");
    QTest::newRow("the button pressed") << QStringLiteral("Imprimir");
    QTest::newRow("a line of the sheet") << QStringLiteral("sosten");
}

// Printing leaves the screen as it was (scroll value, sheet, size, focus and selections) and
// puts no selection or focus on paper: no box under the buttons takes the focus meanwhile.
void HaberesScreenTest::printingRestoresTheScreen()
{
    QFETCH(QString, focused);
    show(twentySixLines());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    scrollTo(3500);
    m_screen->resize(twipsSize(12600, 9000));
    auto *comment = control<QPlainTextEdit>(QStringLiteral("Text11"));
    QTest::keyClicks(comment, QStringLiteral("Cobrar el lunes"));
    comment->selectAll();
    control(focused)->setFocus();
    QTRY_VERIFY(control(focused)->hasFocus());
    const QColor highlight = comment->palette().color(QPalette::Highlight);
    QStringList focusedDuringPrinting;
    const QMetaObject::Connection watching =
        connect(qApp, &QApplication::focusChanged, [&](QWidget *, QWidget *now) {
            focusedDuringPrinting << (now ? now->objectName() : QString());
        });
    const auto stopWatching = qScopeGuard([&] { disconnect(watching); });
    int highlighted = -1;
    m_screen->setPrintTarget(std::make_unique<CheckingTarget>([&](const QImage &page) {
        highlighted = countPixels(page, page.rect(), [&](QColor c) { return c == highlight; });
    }));
    if (focused == QLatin1String("Imprimir"))
        QTest::keyClick(control(focused), Qt::Key_Space);
    else
        QMetaObject::invokeMethod(control(QStringLiteral("Imprimir")), "click");

    QCOMPARE(highlighted, 0);
    QCOMPARE(focusedDuringPrinting, (QStringList{QStringLiteral("Haberes"), focused}));
    QCOMPARE(control<QScrollBar>(QStringLiteral("movedor"))->value(), 3500);
    QCOMPARE(twips(QStringLiteral("sosten")), QRect(840, -3400, 6840, 15500));
    QCOMPARE(m_screen->size(), twipsSize(12600, 9000));
    QTRY_VERIFY(control(focused)->hasFocus());
    QCOMPARE(comment->textCursor().selectedText(), QStringLiteral("Cobrar el lunes"));
    QVERIFY(!control<QLineEdit>(QStringLiteral("Text10"))->hasSelectedText());
    verifyRestoredAfterPrinting();
}

void HaberesScreenTest::printingToAFileRestoresTheScreen()
{
    show(workedExample());
    QCOMPARE(m_screen->palette().color(QPalette::Window), QColor(0, 128, 128));
    QTest::mouseClick(control(QStringLiteral("Imprimir")), Qt::LeftButton);
    verifyRestoredAfterPrinting();
    QVERIFY(!m_screen->findChild<QMessageBox *>(QStringLiteral("printMessage")));

    QFile pdf(m_pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(pdfPageCount(content), 1);
}

void HaberesScreenTest::failedPrintingRestoresTheScreenThenTellsWhy()
{
    show(workedExample());
    bool messageDuringPrinting = true;
    auto check = [&](const QImage &) {
        auto *box = m_screen->findChild<QMessageBox *>(QStringLiteral("printMessage"));
        messageDuringPrinting = box && box->isVisible();
    };
    m_screen->setPrintTarget(
        std::make_unique<CheckingTarget>(check, QStringLiteral("La impresora no responde.")));
    QTest::mouseClick(control(QStringLiteral("Imprimir")), Qt::LeftButton);

    QVERIFY(!messageDuringPrinting);
    verifyRestoredAfterPrinting();
    auto *box = m_screen->findChild<QMessageBox *>(QStringLiteral("printMessage"));
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("La impresora no responde."));
}

void HaberesScreenTest::printerTargetWithoutPrinterOffersAPdf()
{
    QStringList asked; // what was told, then the titles of the questions, in their order
    QStringList proposed;
    const QString path = m_dir->filePath(QStringLiteral("guardado.pdf"));
    PrinterTarget target(
        nullptr,
        [&](const QString &title, const QString &proposedPath) {
            asked << title;
            proposed << proposedPath;
            return path;
        },
        [] { return QPrinterInfo(); }, [&](const QString &text) { asked << text; });
    const QString message = target.print(PlainPage(QStringLiteral("Ana Gómez")));

    QCOMPARE(asked, (QStringList{QStringLiteral("No hay una impresora predeterminada. El recibo "
                                                "se puede guardar como PDF."),
                                 QStringLiteral("Guardar el recibo como PDF")}));
    QVERIFY(!target.cancelled());
    QCOMPARE(proposed, QStringList{proposedPdfPath(QStringLiteral("Ana Gómez"))});
    QCOMPARE(message, QStringLiteral("No hay una impresora predeterminada; el recibo se guardó en "
                                     "%1.")
                          .arg(QDir::toNativeSeparators(path)));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(pdfPageCount(content), 1);
}

void HaberesScreenTest::printerTargetWithoutPrinterCancelled()
{
    int questions = 0;
    PrinterTarget target(
        nullptr,
        [&](const QString &, const QString &) {
            ++questions;
            return QString();
        },
        [] { return QPrinterInfo(); }, [](const QString &) {});
    QCOMPARE(target.print(PlainPage()), QString());
    QVERIFY(target.cancelled());
    QCOMPARE(questions, 1);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

// With no printer, "Imprimir" tells so first; given up at the PDF question, the screen keeps
// its colour and tells nothing more.
// A teacher's name too long for its box is written smaller, as the amounts are, its start in
// view, on the screen and so on the printed page, which draws the same box; a short name keeps
// the sheet's size.
void HaberesScreenTest::aLongNameFitsItsBox()
{
    for (const char *name : {"Ana Paz", "María José Fernández de la Torre y Quintana Echeverría"}) {
        PayInputs in = workedExample();
        in.teacherName = name;
        show(in);
        const auto *box = control<QLabel>(QStringLiteral("docente"));
        QCOMPARE(box->text(), QString::fromUtf8(name));
        QVERIFY(box->sizeHint().width() <= box->width());
        const bool shrunk = box->font().pointSizeF() < m_screen->font().pointSizeF();
        QCOMPARE(shrunk, std::string_view(name).size() > 20);
    }
}

void HaberesScreenTest::aCancelledPrintLeavesTheScreenAsItWas()
{
    show(workedExample());
    QStringList asked;
    m_screen->setPrintTarget(std::make_unique<PrinterTarget>(
        nullptr,
        [&](const QString &title, const QString &) {
            asked << title;
            return QString();
        },
        [] { return QPrinterInfo(); }, [&](const QString &text) { asked << text; }));
    QTest::mouseClick(control(QStringLiteral("Imprimir")), Qt::LeftButton);
    QCOMPARE(asked.size(), 2);
    QVERIFY(asked.front().startsWith(QStringLiteral("No hay una impresora predeterminada.")));
    QCOMPARE(m_screen->palette().color(QPalette::Window), QColor(0, 128, 128));
    QVERIFY(control(QStringLiteral("Imprimir"))->isVisible());
    const auto *box = m_screen->findChild<QMessageBox *>(QStringLiteral("printMessage"));
    QVERIFY(!box || !box->isVisible());
}

void HaberesScreenTest::printerTargetReportsAnUnwritablePdf()
{
    const QString path = m_dir->filePath(QStringLiteral("no-existe/recibo.pdf"));
    PrinterTarget target(
        nullptr, [&](const QString &, const QString &) { return path; },
        [] { return QPrinterInfo(); }, [](const QString &) {});
    const QString message = target.print(PlainPage());
    QVERIFY2(message.startsWith(QStringLiteral("No hay una impresora predeterminada. No se pudo "
                                               "guardar el recibo en")),
             qPrintable(message));
    QVERIFY(!QFile::exists(path));
}

// "Guardar PDF" writes the printed page where the user says, signed with the teacher's name,
// and leaves the screen as it was; cancelled, it writes nothing.
void HaberesScreenTest::guardarPdfWritesThePrintedPage()
{
    show(workedExample());
    const QString path = m_dir->filePath(QStringLiteral("elegido.pdf"));
    QStringList answers{path, QString()};
    QStringList proposed;
    m_screen->setPdfPathQuestion([&](const QString &, const QString &proposedPath) {
        proposed << proposedPath;
        return answers.takeFirst();
    });
    QTest::mouseClick(control(QStringLiteral("GuardarPdf")), Qt::LeftButton);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QCOMPARE(pdfPageCount(content), 1);
    QVERIFY(content.contains("/Author <FEFF0041006E00610020004700F3006D0065007A>")); // Ana Gómez
    QCOMPARE(m_screen->palette().color(QPalette::Window), QColor(0, 128, 128));
    QVERIFY(control(QStringLiteral("GuardarPdf"))->isVisible());

    QVERIFY(pdf.remove());
    QTest::mouseClick(control(QStringLiteral("GuardarPdf")), Qt::LeftButton);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(proposed, QStringList(2, proposedPdfPath(QStringLiteral("Ana Gómez"))));
}

void HaberesScreenTest::proposedPdfPathNamesTheTeacher_data()
{
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("blank") << QStringLiteral("  ") << QStringLiteral("Recibo de haberes.pdf");
    QTest::newRow("name") << QStringLiteral("María José Pérez")
                          << QStringLiteral("Recibo de haberes - María José Pérez.pdf");
    QTest::newRow("separators") << QStringLiteral("A/B\\C: D*\tE")
                                << QStringLiteral("Recibo de haberes - A B C D E.pdf");
}

void HaberesScreenTest::proposedPdfPathNamesTheTeacher()
{
    QFETCH(QString, teacher);
    QFETCH(QString, fileName);
    const QFileInfo proposed(proposedPdfPath(teacher));
    QCOMPARE(proposed.fileName(), fileName);
    QVERIFY(proposed.dir().exists());
}

void HaberesScreenTest::volverHidesDisablesAndAsksToReturn()
{
    show(workedExample());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    QSignalSpy returns(m_screen.get(), &HaberesScreen::returnRequested);
    QSignalSpy quits(m_screen.get(), &HaberesScreen::quitRequested);
    QTest::mouseClick(control(QStringLiteral("Volver")), Qt::LeftButton);
    QCOMPARE(returns.count(), 1);
    QCOMPARE(quits.count(), 0);
    QVERIFY(!m_screen->isVisible());
    QVERIFY(!m_screen->isEnabled());

    show(twelveLines());
    QVERIFY(m_screen->isVisible());
    QVERIFY(m_screen->isEnabled());

    // Escape is "Volver".
    QTest::keyClick(m_screen.get(), Qt::Key_Escape);
    QCOMPARE(returns.count(), 2);
    QVERIFY(!m_screen->isVisible());
}

void HaberesScreenTest::salirAsksToQuit()
{
    show(workedExample());
    QSignalSpy quits(m_screen.get(), &HaberesScreen::quitRequested);
    QSignalSpy returns(m_screen.get(), &HaberesScreen::returnRequested);
    QTest::mouseClick(control(QStringLiteral("Salir")), Qt::LeftButton);
    QCOMPARE(quits.count(), 1);
    QCOMPARE(returns.count(), 0);
}

namespace {

// Where every widget on the sheet stands, in twips (a tool-tip is a window of its own).
std::map<QString, QRect> sheetPlaces(const QWidget &sheet)
{
    std::map<QString, QRect> places;
    for (const QWidget *widget : sheet.findChildren<QWidget *>()) {
        if (!widget->isWindow())
            places[widget->objectName()] = twipsGeometry(*widget);
    }
    return places;
}

QString unwrapped(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The names of an accessible object and of everything under it.
QStringList accessibleNames(QAccessibleInterface &object)
{
    QStringList names{object.text(QAccessible::Name)};
    for (int index = 0; index < object.childCount(); ++index)
        if (QAccessibleInterface *child = object.child(index))
            names << accessibleNames(*child);
    return names;
}

// Tabs from the comment box until the sheet has the focus, at most a round.
bool tabToTheSheet(QWidget &screen, QWidget &sheet)
{
    screen.findChild<QWidget *>(QStringLiteral("Text11"))->setFocus();
    for (int press = 0; press < 20 && !sheet.hasFocus(); ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return sheet.hasFocus();
}

} // namespace

// Hovering a row, on a cell or between cells, shows its sentence; a click opens "Cómo se
// calculó" with its tree and the notes, which follows the next line clicked and closes with
// Escape, "Cerrar" and "Volver"; the three totals explain themselves as well. Nothing on the
// sheet moves.
void HaberesScreenTest::hoveringAndClickingALineExplainsIt()
{
    const CalculationResult result =
        PayCalculator(DecimalConventions::comma(), Explanations::Built).calculate(workedExample());
    QVERIFY(result.succeeded());
    const PayslipExplanation &explanation = *result.explanation();
    m_screen->showPayslip(result.payslip(), QStringLiteral("08/08/08"), result.explanation());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    auto *sheet = control(QStringLiteral("sosten"));
    const std::map<QString, QRect> places = sheetPlaces(*sheet);

    const QString hint = QStringLiteral(" (Un clic en la línea: cómo se calculó.)");
    const auto hover = [](QWidget *widget, const QPoint &at) {
        QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
    };
    QLabel *conceptCell = control<QLabel>(cellName("Label19", 3));
    hover(conceptCell, conceptCell->rect().center());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(unwrapped(QToolTip::text()), qs(explanation.lines[3]->text) + hint);
    // Between the code and the quantity of row 4.
    hover(sheet, QPoint(twipsToPixels(1070), twipsToPixels(735 + 4 * 315 + 150)));
    QTRY_COMPARE(unwrapped(QToolTip::text()), qs(explanation.lines[4]->text) + hint);

    QTest::mouseClick(control(cellName("Label1", 3)), Qt::LeftButton);
    auto *window = m_screen->findChild<QWidget *>(QStringLiteral("comoSeCalculo"));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Cómo se calculó"));
    QVERIFY(window->isWindow() && !window->isModal());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("linea"))->text(),
             QStringLiteral("010 Antigüedad   $ 343,0209"));
    const QTreeWidgetItem *root =
        window->findChild<QTreeWidget *>(QStringLiteral("arbol"))->topLevelItem(0);
    QCOMPARE(unwrapped(root->text(2)), qs(explanation.lines[3]->text));
    QCOMPARE(root->childCount(), 2);
    QCOMPARE(unwrapped(root->child(1)->text(0)), QStringLiteral("base de antigüedad"));
    QCOMPARE(root->child(1)->text(1), QStringLiteral("1143,403"));
    QCOMPARE(root->child(1)->childCount(), 3);
    QVERIFY(unwrapped(window->findChild<QLabel *>(QStringLiteral("notas"))->text())
                .contains(qs(explanation.notes.front())));

    QTest::mouseClick(control(cellName("cod", 10)), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("linea"))->text(),
             QStringLiteral("502 Aporte Jub.   $ 365,8176"));
    QCOMPARE(sheetPlaces(*sheet), places);

    // The totals explain themselves as the lines do.
    QLabel *netPay = control<QLabel>(QStringLiteral("liquido"));
    hover(netPay, netPay->rect().center());
    QTRY_COMPARE(unwrapped(QToolTip::text()),
                 qs(explanation.netPay->text) +
                     QStringLiteral(" (Un clic en el total: cómo se calculó.)"));
    QTest::mouseClick(control(QStringLiteral("Label15")), Qt::LeftButton);
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("linea"))->text(),
             QStringLiteral("Total Haberes   ") + control<QLabel>("thaberes")->text());
    QCOMPARE(
        unwrapped(
            window->findChild<QTreeWidget *>(QStringLiteral("arbol"))->topLevelItem(0)->text(2)),
        qs(explanation.totalEarnings->text));
    QCOMPARE(sheetPlaces(*sheet), places);

    // Escape and "Cerrar" close it; "Volver" too.
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(m_screen->isVisible());
    QTest::mouseClick(control(cellName("Label1", 3)), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cerrar")), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QTest::mouseClick(control(cellName("Label1", 3)), Qt::LeftButton);
    QTest::mouseClick(control(QStringLiteral("Volver")), Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

void HaberesScreenTest::theKeyboardOpensTheExplanationOfALine_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("part"); // a line's index, or 11 plus a total's
    QTest::newRow("Return on the first line") << QList<int>{Qt::Key_Return} << 0;
    QTest::newRow("Space two lines down")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Space} << 2;
    QTest::newRow("past the last line, the first total")
        << (QList<int>(11, Qt::Key_Down) << Qt::Key_Return) << 11;
    QTest::newRow("Down stops at the net pay")
        << (QList<int>(20, Qt::Key_Down) << Qt::Key_Enter) << 13;
    QTest::newRow("Up stops at the first line")
        << QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return} << 0;
}

// Tab reaches the sheet, through the comment box; Up and Down move between its lines and totals,
// marked on the screen and told to a screen reader with the explanation as the description; Return
// or Space opens "Cómo se calculó", its tree named after the line and no name broken into lines.
void HaberesScreenTest::theKeyboardOpensTheExplanationOfALine()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, part);
    const CalculationResult result =
        PayCalculator(DecimalConventions::comma(), Explanations::Built).calculate(workedExample());
    const PayslipExplanation &explanation = *result.explanation();
    m_screen->showPayslip(result.payslip(), QStringLiteral("08/08/08"), result.explanation());
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    QWidget *sheet = control(QStringLiteral("sosten"));
    control(QStringLiteral("Volver"))->setFocus();
    const QImage unfocused = sheet->grab().toImage();
    QVERIFY(tabToTheSheet(*m_screen, *sheet));
    QVERIFY(sheet->grab().toImage() != unfocused); // the first line marked

    for (const int key : keys)
        QTest::keyClick(sheet, Qt::Key(key));
    const auto lines = static_cast<int>(result.payslip().lines().size());
    const std::array<QString, 3> totals{"Total Haberes", "Total descuentos", "Liquido a pagar"};
    const std::array<QString, 3> totalAmounts{"thaberes", "tdescuentos", "liquido"};
    const ExplanationNode *node = nullptr;
    QString name;
    QString heading;
    if (part < lines) {
        const PayslipLine &line = result.payslip().lines()[static_cast<std::size_t>(part)];
        node = explanation.lines[static_cast<std::size_t>(part)].get();
        name = qs(line.code + " " + line.conceptText);
        heading = name + qs("   " + line.amountText);
    } else {
        const auto total = static_cast<std::size_t>(part - lines);
        node = std::array{explanation.totalEarnings.get(), explanation.totalDeductions.get(),
                          explanation.netPay.get()}[total];
        name = totals[total];
        heading = name + QStringLiteral("   ") + labelText(totalAmounts[total]);
    }
    QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(sheet)->focusChild();
    QVERIFY(focused);
    QVERIFY(focused->state().focused);
    QCOMPARE(focused->text(QAccessible::Description), qs(node->text));
    QVERIFY2(focused->text(QAccessible::Name).startsWith(name.section(' ', 0, 0)),
             qPrintable(focused->text(QAccessible::Name)));

    auto *window = m_screen->findChild<QWidget *>(QStringLiteral("comoSeCalculo"));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("linea"))->text(), heading);
    auto *tree = window->findChild<QTreeWidget *>(QStringLiteral("arbol"));
    QCOMPARE(tree->accessibleName(), QStringLiteral("Cómo se calculó: ") + name);
    const QStringList cellNames = accessibleNames(*QAccessible::queryAccessibleInterface(tree));
    QVERIFY(cellNames.contains(qs(node->text)));
    for (const QString &cellName : cellNames)
        QVERIFY2(!cellName.contains(QLatin1Char('\n')), qPrintable(cellName));
    for (QTreeWidgetItemIterator item(tree); *item; ++item)
        QVERIFY((*item)->childCount() > 0 || !(*item)->isExpanded());
}

void HaberesScreenTest::theExplanationClosesWithItsPayslip_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Volver") << "Volver";
    QTest::newRow("hidden, as a finding applied hides it") << "hide";
    QTest::newRow("the frame's close button") << "close";
    QTest::newRow("a new payslip calculated") << "calculate";
}

// "Cómo se calculó" explains the payslip shown: it closes when that is hidden or replaced.
void HaberesScreenTest::theExplanationClosesWithItsPayslip()
{
    QFETCH(QString, action);
    const auto showExplained = [this](const PayInputs &inputs) {
        const CalculationResult result =
            PayCalculator(DecimalConventions::comma(), Explanations::Built).calculate(inputs);
        m_screen->showPayslip(result.payslip(), QStringLiteral("08/08/08"), result.explanation());
    };
    showExplained(workedExample());
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    QTest::mouseClick(control(cellName("Label1", 3)), Qt::LeftButton);
    auto *window = m_screen->findChild<QWidget *>(QStringLiteral("comoSeCalculo"));
    QVERIFY(window && window->isVisible());
    if (action == QLatin1String("Volver"))
        QTest::mouseClick(control(QStringLiteral("Volver")), Qt::LeftButton);
    else if (action == QLatin1String("hide"))
        m_screen->hide();
    else if (action == QLatin1String("close"))
        m_screen->close();
    else
        showExplained(twelveLines());
    QVERIFY(!window->isVisible());
}

// The school paid the bracket above: the table, typed as the teacher would, marks the lines
// that differ, the first finding names the bracket, and applying it hands on its inputs.
void HaberesScreenTest::comparingWithTheSchoolsPayslipFindsWhatDiffers()
{
    PayInputs theirs = workedExample();
    theirs.seniorityBracket = 5;
    const Payslip school = calculate(theirs);
    m_screen->setEnteredInputs(workedExample(), nullptr);
    show(workedExample());
    control<QPushButton>(QStringLiteral("CompararRecibo"))->click();
    ComparisonWindow *window = m_screen->comparisonWindow();
    QVERIFY(window && window->isVisible() && !window->isModal());
    window->setSearchTime(0.5);
    QSignalSpy searched(window, &ComparisonWindow::searchEnded);

    auto *table = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    QCOMPARE(table->rowCount(), static_cast<int>(school.lines().size()) + 3);
    for (std::size_t index = 0; index < school.lines().size(); ++index) {
        const int row = static_cast<int>(index);
        QCOMPARE(table->item(row, 0)->text().toStdString(), school.lines()[index].code);
        table->item(row, 2)->setText(QString::fromStdString(
            formatAmount(school.lines()[index].amount, "", school.conventions())));
    }
    table->item(table->rowCount() - 1, 2)
        ->setText(QString::fromStdString(formatAmount(school.netPay(), "", school.conventions())));
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QVERIFY(searched.wait(10000));

    std::map<QString, QString> statuses;
    for (int row = 0; row < table->rowCount(); ++row)
        statuses[table->item(row, 0)->text()] = table->item(row, 5)->text();
    QCOMPARE(statuses["001"], QStringLiteral("igual"));
    QCOMPARE(statuses["010"], QStringLiteral("distinto"));
    QCOMPARE(statuses["Liquido a pagar"], QStringLiteral("distinto"));
    QCOMPARE(statuses["Total Haberes"], QString()); // not typed: not compared
    QVERIFY(table->item(0, 5)->background() != table->item(3, 5)->background());

    auto *findings = window->findChild<QListWidget *>(QStringLiteral("hallazgos"));
    QVERIFY(findings->count() > 0);
    QCOMPARE(findings->item(0)->text(),
             QStringLiteral("Con «Entre 7 y 10 años» (40 %) en lugar de «Entre 5 y 7 años» (30 "
                            "%), todas las líneas coinciden."));
    QSignalSpy applied(m_screen.get(), &HaberesScreen::inputsToApply);
    QStringList questions;
    bool answer = false;
    window->setApplyQuestion([&](QWidget &, const QString &question) {
        questions << question;
        return answer;
    });
    findings->setCurrentRow(0);
    auto *apply = window->findChild<QPushButton *>(QStringLiteral("aplicar"));
    apply->click();
    QCOMPARE(questions.size(), 1);
    QCOMPARE(applied.count(), 0);
    answer = true;
    apply->click();
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.front().front().value<PayInputs>().seniorityBracket, 5);

    // The payslip of the finding's inputs, compared with what was typed, kept: equal.
    m_screen->setEnteredInputs(theirs, nullptr);
    show(theirs);
    QCOMPARE(table->item(3, 2)->text(), QStringLiteral("457,3612"));
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("resumen"))->text(),
             QStringLiteral("Los dos recibos son iguales."));
    QCOMPARE(findings->count(), 0);

    // A quantity typed is compared too: the school's "010" shows 40 %.
    table->item(3, 3)->setText(QStringLiteral("30 %"));
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QCOMPARE(table->item(3, 5)->text(), QStringLiteral("distinto en la cantidad"));
    table->item(3, 3)->setText(QStringLiteral("40 %"));
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QCOMPARE(table->item(3, 5)->text(), QStringLiteral("igual"));
}

// The comparison window, opened on the payslip of `entered` calculated with `positions`.
ComparisonWindow *openComparison(HaberesScreen &screen, const PayInputs &entered,
                                 std::shared_ptr<const PositionCatalogue> positions = nullptr)
{
    screen.setEnteredInputs(entered, std::move(positions));
    screen.showPayslip(calculate(entered), QStringLiteral("08/08/08"));
    screen.findChild<QPushButton *>(QStringLiteral("CompararRecibo"))->click();
    return screen.comparisonWindow();
}

// Types the school's amounts, by code, in the table.
void typeAmounts(QTableWidget &table, const std::map<QString, QString> &amounts)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        const auto typed = amounts.find(table.item(row, 0)->text());
        table.item(row, 2)->setText(typed == amounts.end() ? QString() : typed->second);
    }
}

QString statusOf(const QTableWidget &table, const QString &code)
{
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0)->text() == code)
            return table.item(row, 5)->text();
    return QStringLiteral("(no row)");
}

// The worked example's payslip as the paper shows it, typed with the decimal comma.
const std::map<QString, QString> kWorkedExampleInCents{
    {"001", "979,50"},
    {"002", "65,95"},
    {"016", "97,95"},
    {"010", "343,02"},
    {"078", "457,36"},
    {"006", "193,00"},
    {"014", "13,51"},
    {"084", "110,00"},
    {"113", "100,00"},
    {"188", "136,07"},
    {"502", "365,82"},
    {"Total Haberes", "2496,36"},
    {"Total descuentos", "365,82"},
    {"Liquido a pagar", "2130,54"},
};

// Typed in pesos and cents, the worked example's own payslip is equal; the rows equal only to
// the cent say so, with ours rounded.
void HaberesScreenTest::comparingAPayslipPrintedInCents()
{
    ComparisonWindow *window = openComparison(*m_screen, workedExample());
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    typeAmounts(*table, kWorkedExampleInCents);
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("resumen"))->text(),
             QStringLiteral("Los dos recibos son iguales."));
    QVERIFY(!window->searching());
    QCOMPARE(statusOf(*table, "001"), QStringLiteral("igual"));
    QCOMPARE(statusOf(*table, "002"), QStringLiteral("igual al centavo (65,95)"));
    QCOMPARE(statusOf(*table, "Liquido a pagar"), QStringLiteral("igual al centavo (2130,54)"));
}

void HaberesScreenTest::comparingRefusesARowAndClearsTheResults_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("point under a decimal comma")
        << "001"
        << "979.50"
        << "Fila 1 (código 001): «979.50» no es un importe.";
    QTest::newRow("letters") << "002"
                             << "sesenta"
                             << "Fila 2 (código 002): «sesenta» no es un importe.";
    QTest::newRow("five decimals")
        << "001"
        << "979,12345"
        << "Fila 1 (código 001): «979,12345» tiene más de cuatro decimales.";
    QTest::newRow("a blank before")
        << "001"
        << " 979,50"
        << "Fila 1 (código 001): « 979,50» tiene blancos antes o después del importe.";
    QTest::newRow("overflow")
        << "001"
        << "-922337203685000"
        << "Fila 1 (código 001): «-922337203685000» está fuera de ±100000000.";
    QTest::newRow("a total") << "Total Haberes"
                             << "1e9"
                             << "Fila 12 (código Total Haberes): «1e9» no es un importe.";
}

// A row whose text is no amount is named, and the colours and findings of the comparison before
// are cleared.
void HaberesScreenTest::comparingRefusesARowAndClearsTheResults()
{
    QFETCH(QString, code);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ComparisonWindow *window = openComparison(*m_screen, workedExample());
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    typeAmounts(*table, kWorkedExampleInCents);
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QCOMPARE(statusOf(*table, "001"), QStringLiteral("igual"));

    std::map<QString, QString> amounts = kWorkedExampleInCents;
    amounts[code] = typed;
    typeAmounts(*table, amounts);
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("resumen"))->text(), message);
    for (int row = 0; row < table->rowCount(); ++row) {
        QCOMPARE(table->item(row, 5)->text(), QString());
        QCOMPARE(table->item(row, 0)->background(), QBrush());
    }
    QCOMPARE(table->item(table->currentRow(), 0)->text(), code);
}

// The search runs on another thread with its progress and "Cancelar", which stops it; the
// school's payslip here has many lines Pagaluz does not calculate, so each calculation's
// comparison takes long enough for the search still to be running.
void HaberesScreenTest::comparingSearchesOffTheScreensThreadAndCancels()
{
    ComparisonWindow *window = openComparison(*m_screen, workedExample());
    window->setSearchTime(60);
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    std::map<QString, QString> amounts = kWorkedExampleInCents;
    amounts["001"] = "979,4";
    for (int code = 600; code < 720; ++code) {
        window->findChild<QPushButton *>(QStringLiteral("agregarCodigo"))->click();
        const int row = table->rowCount() - 4;
        table->item(row, 0)->setText(QString::number(code));
        amounts[QString::number(code)] = QStringLiteral("1,00");
    }
    typeAmounts(*table, amounts);
    QSignalSpy searched(window, &ComparisonWindow::searchEnded);
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    auto *progress = window->findChild<QProgressBar *>(QStringLiteral("progreso"));
    auto *cancel = window->findChild<QPushButton *>(QStringLiteral("cancelar"));
    QVERIFY(window->searching());
    QVERIFY(progress->isVisible() && cancel->isVisible());
    QCOMPARE(cancel->text(), QStringLiteral("Cancelar"));
    QTRY_VERIFY(progress->text().contains(QStringLiteral("cálculos")));
    QVERIFY(window->searching());
    QElapsedTimer clock;
    clock.start();
    cancel->click();
    QVERIFY(searched.wait(5000));
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(!progress->isVisible() && !cancel->isVisible());
    const QString summary = window->findChild<QLabel *>(QStringLiteral("resumen"))->text();
    QVERIFY2(summary.startsWith(QStringLiteral("1 de 11 líneas difieren.")), qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("Búsqueda cancelada.")), qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("no los calcula Pagaluz")), qPrintable(summary));
    QCOMPARE(statusOf(*table, "600"), QStringLiteral("no lo calcula Pagaluz"));
}

// The search tries the rows of the position table the inputs were read with, not the built-in
// one.
void HaberesScreenTest::comparingSearchesThePositionTableInUse()
{
    const auto table = std::make_shared<const PositionCatalogue>(PositionCatalogue::fromCsv(
        "code,name,basicPoints,extendedDayPoints,fullDayPoints,differentiatedTaskPoints,"
        "complementPoints\n"
        "734,Asistente Social,1500,0,0,150,101\n"
        "601,Asistente Social,1600,0,0,150,101\n"));
    PayInputs entered = workedExample();
    entered.position = selectPositionByCode(*table, "734");
    PayInputs theirs = entered;
    theirs.position = selectPositionByCode(*table, "601");
    const Payslip school = calculate(theirs);

    ComparisonWindow *window = openComparison(*m_screen, entered, table);
    window->setSearchTime(5);
    auto *lines = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    std::map<QString, QString> amounts;
    for (const PayslipLine &line : school.lines())
        amounts[QString::fromStdString(line.code)] =
            QString::fromStdString(formatAmount(line.amount, "", school.conventions()));
    typeAmounts(*lines, amounts);
    QSignalSpy searched(window, &ComparisonWindow::searchEnded);
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QVERIFY(searched.wait(10000));
    auto *findings = window->findChild<QListWidget *>(QStringLiteral("hallazgos"));
    QVERIFY(findings->count() > 0);
    QCOMPARE(findings->item(0)->text(),
             QStringLiteral("Con «Asistente Social» (cargo 601) en lugar de «Asistente Social» "
                            "(cargo 734), todas las líneas coinciden."));
}

void HaberesScreenTest::comparingQuantitiesByValue_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("status");  // the row's status, or empty when refused
    QTest::addColumn<QString>("message"); // the result line, or its start
    QTest::newRow("a whole number for 7.0") << "188"
                                            << "7"
                                            << "igual"
                                            << "Los dos recibos son iguales.";
    QTest::newRow("our own text") << "188"
                                  << "7.0"
                                  << "igual"
                                  << "Los dos recibos son iguales.";
    QTest::newRow("with the decimal comma") << "188"
                                            << "7,00"
                                            << "igual"
                                            << "Los dos recibos son iguales.";
    QTest::newRow("a percentage without its sign") << "010"
                                                   << "30"
                                                   << "igual"
                                                   << "Los dos recibos son iguales.";
    QTest::newRow("a percentage with it") << "010"
                                          << "30%"
                                          << "igual"
                                          << "Los dos recibos son iguales.";
    QTest::newRow("another percentage, the same amount") << "010"
                                                         << "40 %"
                                                         << "distinto en la cantidad"
                                                         << "1 de 11 líneas difieren.";
    QTest::newRow("another number") << "188"
                                    << "7,5"
                                    << "distinto en la cantidad"
                                    << "1 de 11 líneas difieren.";
    QTest::newRow("an exponent") << "010"
                                 << "e3" << QString()
                                 << "Fila 4 (código 010): «e3» no es una cantidad.";
    QTest::newRow("two decimal commas")
        << "188"
        << "12,5,3" << QString() << "Fila 10 (código 188): «12,5,3» no es una cantidad.";
    QTest::newRow("a point under a decimal comma")
        << "010"
        << "30.5" << QString() << "Fila 4 (código 010): «30.5» no es una cantidad.";
}

// A quantity typed is a number in the teacher's conventions, compared by value; a text that is
// no quantity is refused naming its row; an equal amount with another quantity is marked so,
// and the lines left unexplained say which quantity differs.
void HaberesScreenTest::comparingQuantitiesByValue()
{
    QFETCH(QString, code);
    QFETCH(QString, quantity);
    QFETCH(QString, status);
    QFETCH(QString, message);
    ComparisonWindow *window = openComparison(*m_screen, workedExample());
    window->setSearchTime(0.3);
    QSignalSpy searched(window, &ComparisonWindow::searchEnded);
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    typeAmounts(*table, kWorkedExampleInCents);
    int row = 0;
    while (table->item(row, 0)->text() != code)
        ++row;
    table->item(row, 3)->setText(quantity);
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    auto *summary = window->findChild<QLabel *>(QStringLiteral("resumen"));
    QVERIFY2(summary->text().startsWith(message), qPrintable(summary->text()));
    // Typed in cents, the equal rows are equal to the cent.
    QVERIFY2(status.isEmpty() ? table->item(row, 5)->text().isEmpty()
                              : table->item(row, 5)->text().startsWith(status),
             qPrintable(table->item(row, 5)->text()));
    if (status != QLatin1String("distinto en la cantidad"))
        return;
    QVERIFY(searched.wait(10000));
    const QString ours =
        qs(calculate(workedExample()).lines()[static_cast<std::size_t>(row)].quantity);
    const QString said = code + QStringLiteral(": la cantidad difiere (") + ours +
                         QStringLiteral(" en el nuestro, ") + quantity +
                         QStringLiteral(" en el del establecimiento); ");
    auto *findings = window->findChild<QListWidget *>(QStringLiteral("hallazgos"));
    QVERIFY(!findings->findItems(said, Qt::MatchStartsWith).isEmpty());
}

void HaberesScreenTest::theTypedTableStaysTidy_data()
{
    QTest::addColumn<PayInputs>("before");
    QTest::addColumn<QString>("code"); // typed in a row added, or in our row of that code
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<bool>("recalculated"); // with the worked example, rather than compared
    QTest::addColumn<bool>("kept");
    const PayInputs worked = workedExample();
    QTest::newRow("a blank row added, compared") << worked << ""
                                                 << ""
                                                 << "" << false << false;
    QTest::newRow("a code alone, compared") << worked << "999"
                                            << ""
                                            << "" << false << false;
    QTest::newRow("an amount added, compared") << worked << "999"
                                               << "1,00"
                                               << "" << false << true;
    QTest::newRow("a blank row added, recalculated") << worked << ""
                                                     << ""
                                                     << "" << true << false;
    QTest::newRow("an amount added, recalculated") << worked << "999"
                                                   << "1,00"
                                                   << "" << true << true;
    QTest::newRow("a quantity added, recalculated") << worked << "999"
                                                    << ""
                                                    << "2" << true << true;
    QTest::newRow("our code gone, its amount typed") << twelveLines() << "our code gone"
                                                     << "12,00"
                                                     << "" << true << true;
    QTest::newRow("our code gone, nothing typed") << twelveLines() << "our code gone"
                                                  << ""
                                                  << "" << true << false;
}

// Rows added and left blank go at "Comparar"; after a recalculation what was typed for a code
// the payslip no longer has stays as a line of the school's only, and blank rows go.
void HaberesScreenTest::theTypedTableStaysTidy()
{
    QFETCH(PayInputs, before);
    QFETCH(QString, code);
    QFETCH(QString, amount);
    QFETCH(QString, quantity);
    QFETCH(bool, recalculated);
    QFETCH(bool, kept);
    ComparisonWindow *window = openComparison(*m_screen, before);
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    const int workedRows = static_cast<int>(calculate(workedExample()).lines().size()) + 3;
    int row = -1;
    if (code == QLatin1String("our code gone")) {
        const Payslip worked = calculate(workedExample());
        for (row = 0; row < table->rowCount(); ++row) {
            const std::string ours = table->item(row, 0)->text().toStdString();
            if (std::none_of(worked.lines().begin(), worked.lines().end(),
                             [&](const PayslipLine &line) { return line.code == ours; }))
                break;
        }
        code = table->item(row, 0)->text();
    } else {
        window->findChild<QPushButton *>(QStringLiteral("agregarCodigo"))->click();
        row = table->rowCount() - 4;
        table->item(row, 0)->setText(code);
    }
    table->item(row, 2)->setText(amount);
    table->item(row, 3)->setText(quantity);
    if (recalculated) {
        m_screen->setEnteredInputs(workedExample(), nullptr);
        show(workedExample());
    } else {
        window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    }
    QCOMPARE(table->rowCount(), workedRows + (kept ? 1 : 0));
    if (!kept)
        return;
    const QList<QTableWidgetItem *> found = table->findItems(code, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const int keptRow = found.front()->row();
    QCOMPARE(keptRow, workedRows - 3);
    QCOMPARE(table->item(keptRow, 1)->text(), QString()); // not ours
    QCOMPARE(table->item(keptRow, 2)->text(), amount);
    QCOMPARE(table->item(keptRow, 3)->text(), quantity);
}

// The table is named and its rows read their codes; the cells typed in are editable and the
// others read-only; the findings list is named by the result line above it.
void HaberesScreenTest::theComparisonIsNamedForScreenReaders()
{
    ComparisonWindow *window = openComparison(*m_screen, workedExample());
    window->setSearchTime(0.3);
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("lineas"));
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(table);
    QCOMPARE(access->text(QAccessible::Name),
             QStringLiteral("Comparación con el recibo del establecimiento"));
    QAccessibleTableInterface *cells = access->tableInterface();
    QVERIFY(cells);
    QCOMPARE(cells->cellAt(0, 2)->tableCellInterface()->rowHeaderCells().front()->text(
                 QAccessible::Name),
             QStringLiteral("001"));
    for (const auto &[column, editable] : std::vector<std::pair<int, bool>>{
             {0, false}, {1, false}, {2, true}, {3, true}, {5, false}}) {
        const QAccessible::State state = cells->cellAt(0, column)->state();
        QVERIFY2(state.editable == editable && state.readOnly == !editable,
                 qPrintable(QString::number(column)));
    }

    std::map<QString, QString> amounts = kWorkedExampleInCents;
    amounts["010"] = "457,36";
    typeAmounts(*table, amounts);
    QSignalSpy searched(window, &ComparisonWindow::searchEnded);
    window->findChild<QPushButton *>(QStringLiteral("comparar"))->click();
    QVERIFY(searched.wait(10000));
    auto *findings = window->findChild<QListWidget *>(QStringLiteral("hallazgos"));
    const QString summary = window->findChild<QLabel *>(QStringLiteral("resumen"))->text();
    QVERIFY(summary.startsWith(QStringLiteral("1 de 11 líneas difieren.")));
    QCOMPARE(QAccessible::queryAccessibleInterface(findings)->text(QAccessible::Name), summary);
}

// The scale the payslip was calculated with heads the sheet, in a smaller size when its name
// is long, titles the PDF and is named by the comparison.
void HaberesScreenTest::theScaleNamesTheHeaderThePdfAndTheComparison_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("short") << QStringLiteral("Haberes Marzo 09");
    QTest::newRow("forty characters") << QStringLiteral("Haberes de Marzo de 2009, con el decreto");
}
void HaberesScreenTest::theScaleNamesTheHeaderThePdfAndTheComparison()
{
    QFETCH(QString, name);
    auto scale = std::make_shared<PayScale>(PayScale::builtIn());
    scale->period.title = name.toStdString();
    m_screen->setScale(scale);
    show(workedExample());
    auto *title = control<QLabel>(QStringLiteral("Label3"));
    QCOMPARE(title->text(), name);
    QVERIFY(title->font().pointSize() >= 6);
    const QRect room = title->contentsRect();
    QVERIFY(room.contains(
        QFontMetrics(title->font()).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, name)));
    QByteArray utf16("\xFE\xFF"); // the title as the PDF writes it: UTF-16, big-endian
    for (const QChar unit : QStringLiteral("Recibo de haberes — ") + name)
        utf16.append(char(unit.unicode() >> 8)).append(char(unit.unicode() & 0xFF));
    QVERIFY(m_screen->pdf().contains("/Title (" + utf16 + ")"));
    ComparisonWindow *window = openComparison(*m_screen, workedExample());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("escala"))->text(),
             QStringLiteral("Nuestro recibo se calculó con la escala «%1».").arg(name));
}

QTEST_MAIN(HaberesScreenTest)
#include "HaberesScreenTest.moc"
