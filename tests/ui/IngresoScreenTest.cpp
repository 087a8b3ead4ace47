#include "IngresoScreen.h"
#include "InputField.h"
#include "PayCalculator.h"
#include "PayScale.h"
#include "SeniorityAndZone.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBackingStore>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <array>
#include <memory>
#include <string_view>

using namespace pagaluz;
using namespace pagaluz::ui;

namespace {

template <typename T> T *child(QWidget &screen, const QString &name)
{
    T *widget = screen.findChild<T *>(name);
    if (!widget)
        qFatal("no control named %s on %s", qPrintable(name), qPrintable(screen.objectName()));
    return widget;
}

// The text a control shows: caption, typed text, frame title or edit text.
QString shownText(QWidget &widget)
{
    if (auto *label = qobject_cast<QLabel *>(&widget))
        return label->text();
    if (auto *box = qobject_cast<QLineEdit *>(&widget))
        return box->text();
    if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(&widget))
        return frame->title();
    if (auto *list = qobject_cast<QComboBox *>(&widget))
        return list->currentText();
    return QStringLiteral("<no text>");
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

#define COMPARE_TEXT(actual, expected) QCOMPARE(q(actual), q(expected))

void comparePositions(const SelectedPosition &actual, const SelectedPosition &expected)
{
    COMPARE_TEXT(actual.code, expected.code);
    COMPARE_TEXT(actual.name, expected.name);
    COMPARE_TEXT(actual.basicPoints, expected.basicPoints);
    COMPARE_TEXT(actual.complementPoints, expected.complementPoints);
    COMPARE_TEXT(actual.fullDayPoints, expected.fullDayPoints);
    COMPARE_TEXT(actual.extendedDayPoints, expected.extendedDayPoints);
    COMPARE_TEXT(actual.differentiatedTaskPoints, expected.differentiatedTaskPoints);
}

// The seven deduction choices in the order of their boxes' rows below.
std::array<bool, 7> deductionFlags(const DeductionChoices &chosen)
{
    return {chosen.iosper,    chosen.osplad,           chosen.pension,      chosen.law4035,
            chosen.unionDues, chosen.compensationFund, chosen.insurance3011};
}

void compareInputs(const PayInputs &actual, const PayInputs &expected)
{
    QCOMPARE(actual.positionChosen, expected.positionChosen);
    QCOMPARE(actual.secondaryHoursChosen, expected.secondaryHoursChosen);
    QCOMPARE(actual.higherHoursChosen, expected.higherHoursChosen);
    comparePositions(actual.position, expected.position);
    COMPARE_TEXT(actual.secondaryHoursText, expected.secondaryHoursText);
    COMPARE_TEXT(actual.higherHours, expected.higherHours);
    COMPARE_TEXT(actual.code06Hours, expected.code06Hours);
    COMPARE_TEXT(actual.incentiveHours, expected.incentiveHours);
    COMPARE_TEXT(actual.code113Hours, expected.code113Hours);
    QCOMPARE(actual.incentive, expected.incentive);
    QCOMPARE(actual.seniorityBracket, expected.seniorityBracket);
    QCOMPARE(actual.zone, expected.zone);
    COMPARE_TEXT(actual.absenceDays, expected.absenceDays);
    QCOMPARE(actual.transport, expected.transport);
    COMPARE_TEXT(actual.transportKm, expected.transportKm);
    QCOMPARE(actual.children, expected.children);
    COMPARE_TEXT(actual.childCount, expected.childCount);
    QCOMPARE(actual.disabledChildren, expected.disabledChildren);
    COMPARE_TEXT(actual.disabledChildCount, expected.disabledChildCount);
    QCOMPARE(actual.spouse, expected.spouse);
    QCOMPARE(deductionFlags(actual.deductionsChosen), deductionFlags(expected.deductionsChosen));
    COMPARE_TEXT(actual.teacherName, expected.teacherName);
}

const QStringList kPositionSummary{
    "cargoselect",   "codcartit",     "codcarval",    "puncartit",    "puncarval",
    "punproljortit", "punproljorval", "punjorcomtit", "punjorcomval", "puntardiftit",
    "puntardifval",  "puncompbastit", "puncompbasval"};

const QStringList kHourFields{"Label3", "numerohorasmed", "Label4", "numerohorassup",
                              "Label2", "numhorascod06",  "Label7", "numhorasincen",
                              "Label6", "numhorascod113"};

const QStringList kCodeHourFields{"Label2",        "numhorascod06", "Label7",
                                  "numhorasincen", "Label6",        "numhorascod113"};

PositionSummary sampleSummary()
{
    return {QStringLiteral("Asistente Social"),
            QStringLiteral("734"),
            QStringLiteral("1500"),
            QStringLiteral("22"),
            QStringLiteral("11"),
            QStringLiteral("150"),
            QStringLiteral("101")};
}

// What the screen holds after fillScreen().
PayInputs filledScreenInputs()
{
    PayInputs in;
    in.secondaryHoursChosen = true;
    in.secondaryHoursText = "20";
    in.code06Hours = "12";
    in.incentiveHours = "10";
    in.code113Hours = "30";
    in.incentive = false;
    in.seniorityBracket = 5;
    in.zone = 3;
    in.absenceDays = "2";
    in.transport = true;
    in.transportKm = "40";
    in.children = true;
    in.childCount = "3";
    in.disabledChildren = true;
    in.disabledChildCount = "1";
    in.spouse = true;
    in.deductionsChosen.pension = true;
    in.deductionsChosen.unionDues = true;
    in.deductionsChosen.insurance3011 = true;
    in.teacherName = "Docente de prueba Ñ";
    return in;
}

} // namespace

class IngresoScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<IngresoScreen> m_screen;

    template <typename T = QWidget> T *control(const QString &name)
    {
        return child<T>(*m_screen, name);
    }

    void click(const QString &name)
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }

    bool shown(const QString &name) { return control(name)->isVisible(); }

    QString text(const QString &name) { return shownText(*control(name)); }

    // Replaces the text of a box by typing, as a user does.
    void typeInto(const QString &name, const QString &typed)
    {
        QLineEdit *box = control<QLineEdit>(name);
        QVERIFY2(box->isVisible(), qPrintable(name));
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
    }

    // Opens the zone list and clicks the item at `index`.
    void pickZone(int index)
    {
        auto *zona = control<QComboBox>(QStringLiteral("zona"));
        zona->showPopup();
        QAbstractItemView *list = zona->view();
        QTRY_VERIFY(list->isVisible());
        const QRect item = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!list->isVisible());
    }

    void typeIntoZone(const QString &typed)
    {
        auto *zona = control<QComboBox>(QStringLiteral("zona"));
        zona->setFocus();
        zona->lineEdit()->selectAll();
        QTest::keyClicks(zona->lineEdit(), typed);
    }

    // A secondary-hours teacher with every other input filled in.
    void fillScreen()
    {
        typeInto("docente", QStringLiteral("Docente de prueba Ñ"));
        click("horasmedio");
        typeInto("numerohorasmed", "20");
        typeInto("numhorascod06", "12");
        typeInto("numhorasincen", "10");
        typeInto("numhorascod113", "30");
        click("opincentivo");
        click("Option5");
        pickZone(3);
        click("inasist");
        typeInto("dinasist", "2");
        click("transporte");
        typeInto("cantkm", "40");
        click("hijos");
        typeInto("cantidadhijos", "3");
        click("hijosdisc");
        typeInto("cantidadhijosdisc", "1");
        click("conyuge");
        for (const char *deduction : {"APORTEJUB", "UTREL", "Seguro3011"})
            click(deduction);
    }

    void verifyShown(const QStringList &names, bool expected)
    {
        for (const QString &name : names)
            QVERIFY2(shown(name) == expected, qPrintable(name));
    }

private slots:
    void init()
    {
        m_screen = std::make_unique<IngresoScreen>();
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    }

    void cleanup() { m_screen.reset(); }

    // Built for the program, the screen makes its window and drawing surface before it waits
    // for the fonts, and its controls only after; once shown, its window shows every control.
    void makesItsWindowBeforeItWaitsForFonts()
    {
        int waits = 0;
        auto awaitFonts = [&waits] {
            ++waits;
            QWidget *building = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (window->objectName() == QStringLiteral("ingreso") &&
                    window->findChildren<QWidget *>().isEmpty())
                    building = window;
            }
            QVERIFY(building != nullptr);
            QVERIFY(building->windowHandle() != nullptr);
            QVERIFY(building->backingStore() != nullptr);
            QCOMPARE(building->backingStore()->size(), QSize(792, 566));
        };
        IngresoScreen screen(nullptr, awaitFonts);
        QCOMPARE(waits, 1);
        QVERIFY(!screen.findChildren<QWidget *>().isEmpty());

        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QCoreApplication::processEvents();
        QPaintDevice *surface = screen.backingStore()->paintDevice();
        QCOMPARE(surface->devType(), int(QInternal::Image));
        const QImage shown = static_cast<QImage *>(surface)->convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, screen.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }

    void theScreenItself()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("ingreso"));
        QCOMPARE(m_screen->windowHandle()->title(), QStringLiteral("Ingreso de datos"));
        QCOMPARE(m_screen->size(), QSize(792, 566));
        QCOMPARE(m_screen->minimumSize(), m_screen->maximumSize());
    }

    void startUpVisibility_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("visible");
        for (const QString &name : kHourFields + kPositionSummary)
            QTest::newRow(qPrintable(name)) << name << false;
        for (const char *name :
             {"mensajekm", "cantkm", "dinasist", "cantidadhijos", "cantidadhijosdisc"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
        const char *visibleAtStart[] = {
            "Label5",     "docente",    "Label9",      "Label10", "Frame2",     "cargo",
            "horasmedio", "horassup",   "opincentivo", "Text1",   "transporte", "zona",
            "Frame3",     "Iosper",     "Osplad",      "UTREL",   "APORTEJUB",  "cajacomp",
            "Ley4035",    "Seguro3011", "Frame1",      "Option1", "Option12",   "porcantig",
            "inasist",    "hijos",      "hijosdisc",   "conyuge", "Command1",   "Command2",
            "Picture1",   "Picture2",   "Shape1",      "Label1",  "Label8"};
        for (const char *name : visibleAtStart)
            QTest::newRow(name) << QString::fromLatin1(name) << true;
    }

    void startUpVisibility()
    {
        QFETCH(QString, name);
        QFETCH(bool, visible);
        QCOMPARE(shown(name), visible);
    }

    void startUpTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const std::pair<const char *, const char *> rows[] = {
            {"Label5", "Apellido y nombre:"},
            {"docente", ""},
            {"Label9", "Pagaluz"},
            {"Label10", "Agosto de 2.008"},
            {"Frame2", "Categoría"},
            {"cargo", "Cargo"},
            {"horasmedio", "Hs. N. Medio"},
            {"horassup", "Hs. N. Superior"},
            {"cargoselect", ""},
            {"Label3", "Número de horas N. Medio"},
            {"numerohorasmed", "0"},
            {"Label4", "Número de horas N. Superior"},
            {"numerohorassup", "0"},
            {"codcartit", "Código del cargo"},
            {"puncartit", "Puntaje del cargo"},
            {"puncompbastit", "Comp de Básico"},
            {"punproljortit", "Puntos prol jorn"},
            {"punjorcomtit", "Puntos Jor comp"},
            {"puntardiftit", "Puntos tarea difer"},
            {"Label2", "Número de horas con código 06"},
            {"numhorascod06", "0"},
            {"Label7", "Número de horas con incentivo"},
            {"numhorasincen", "0"},
            {"Label6", "Número de horas con código 113"},
            {"numhorascod113", "0"},
            {"opincentivo", "Incentivo"},
            {"Text1", "Si"},
            {"transporte", "Transporte"},
            {"cantkm", "0"},
            {"mensajekm", "cantidad de km semanales"},
            {"zona", "Ubicación Escuela (Zona)"},
            {"Frame3", "Descuentos"},
            {"Iosper", "IOSPER"},
            {"Osplad", "OSPLAD"},
            {"UTREL", "UTREL"},
            {"APORTEJUB", "Aporte jubilatorio"},
            {"cajacomp", "Caja compensadora"},
            {"Ley4035", "Ley 4035"},
            {"Seguro3011", "Seguro (3011)"},
            {"Frame1", "Antigüedad"},
            {"porcantig", "0 %"},
            {"inasist", "Inasistencias Just"},
            {"dinasist", "0"},
            {"hijos", "Hijos"},
            {"cantidadhijos", "0"},
            {"hijosdisc", "Hijos Diferenc"},
            {"cantidadhijosdisc", "0"},
            {"conyuge", "Conyuge"},
            {"Command1", "Calcular"},
            {"Command2", "Salir"},
        };
        for (const auto &[name, expected] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(expected);
    }

    void startUpTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(text(name), expected);
    }

    void startUpChecks()
    {
        QVERIFY(control<QCheckBox>("opincentivo")->isChecked());
        for (const char *name :
             {"transporte", "inasist", "hijos", "hijosdisc", "conyuge", "Iosper", "Osplad", "UTREL",
              "APORTEJUB", "cajacomp", "Ley4035", "Seguro3011", "cargo", "horasmedio", "horassup"})
            QVERIFY2(!control<QAbstractButton>(name)->isChecked(), name);
        for (int bracket = 1; bracket <= 12; ++bracket) {
            const QString name = QStringLiteral("Option%1").arg(bracket);
            QVERIFY2(!control<QRadioButton>(name)->isChecked(), qPrintable(name));
        }
    }

    void startUpInputsAreThePayInputsDefaults()
    {
        compareInputs(m_screen->gatherInputs({}), PayInputs{});
    }

    void zoneListOffersTheFiveZones()
    {
        auto *zona = control<QComboBox>("zona");
        QVERIFY(zona->isEditable());
        const QStringList expected{"Común", "Alejada radio urbano", "Desfavorable",
                                   "Muy desfavorable", "Zona Inhóspita"};
        QStringList items;
        for (int index = 0; index < zona->count(); ++index)
            items << zona->itemText(index);
        QCOMPARE(items, expected);
        // Each item's tool-tip is its percentage, as the seniority options show theirs.
        QCOMPARE(zona->itemData(2, Qt::ToolTipRole).toString(), QStringLiteral("40 %"));
        QCOMPARE(zona->itemData(4, Qt::ToolTipRole).toString(), QStringLiteral("120 %"));
    }

    void toolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const std::pair<const char *, const char *> rows[] = {
            {"cargo", "Seleccione para evaluar un cargo"},
            {"horasmedio", "Seleccione para evaluar horas de nivel medio"},
            {"horassup", "Seleccione para evaluar horas de nivel superior"},
            {"numerohorasmed", "Ingrese la cantidad de horas"},
            {"numerohorassup", "Ingrese la cantidad de horas"},
            {"numhorascod06", "Ingrese la cantidad de horas"},
            {"numhorasincen", "Ingrese la cantidad de horas"},
            {"numhorascod113", "Ingrese la cantidad de horas"},
            {"opincentivo", "Deshabilite si no se cobra"},
            {"cantkm", "¿Cuántos Km semanales?"},
            {"porcantig", "Porcentaje de Antigüedad"},
            {"inasist", "Haga Click si tiene inasistencias"},
            {"dinasist", "Cantidad de días."},
            {"cantidadhijos", "¿Cuántos Hijos?"},
            {"cantidadhijosdisc", "¿Cuántos Hijos?"},
            {"Command1", "Genera el recibo"},
        };
        for (const auto &[name, expected] : rows)
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(expected);
    }

    void toolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(control(name)->toolTip(), expected);
    }

    void authorAndPublisherLabelsHaveTextsAndToolTips()
    {
        for (const char *name : {"Label1", "Label8"}) {
            QVERIFY2(!text(name).isEmpty(), name);
            QVERIFY2(!control(name)->toolTip().isEmpty(), name);
        }
        // The author label on one line, clear of the publisher label.
        auto *author = control<QLabel>("Label1");
        QVERIFY(!author->wordWrap());
        QVERIFY(author->fontMetrics().horizontalAdvance(author->text()) <=
                author->contentsRect().width());
        QVERIFY(author->geometry().right() < control("Label8")->geometry().left());
        QVERIFY(!control<QLabel>("Picture1")->pixmap().isNull());
        QVERIFY(!control<QLabel>("Picture2")->pixmap().isNull());
    }

    void positions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("expected"); // width and height 0 where the layout gives none
        struct Row {
            const char *name;
            const char *parent;
            QRect expected;
        };
        const Row rows[] = {
            {"Label5", "ingreso", {28, 8, 0, 0}},
            {"docente", "ingreso", {184, 8, 0, 0}},
            {"Label9", "ingreso", {464, 8, 0, 0}},
            {"Label10", "ingreso", {464, 40, 0, 0}},
            {"Frame2", "ingreso", {9, 45, 438, 49}},
            {"cargo", "Frame2", {8, 16, 0, 0}},
            {"horasmedio", "Frame2", {128, 16, 0, 0}},
            {"horassup", "Frame2", {296, 16, 0, 0}},
            {"cargoselect", "ingreso", {8, 104, 0, 0}},
            {"Label3", "ingreso", {151, 101, 0, 0}},
            {"numerohorasmed", "ingreso", {168, 141, 0, 0}},
            {"Label4", "ingreso", {312, 101, 0, 0}},
            {"numerohorassup", "ingreso", {328, 141, 0, 0}},
            {"codcartit", "ingreso", {8, 136, 0, 0}},
            {"codcarval", "ingreso", {8, 167, 0, 0}},
            {"puncartit", "ingreso", {104, 136, 0, 0}},
            {"puncarval", "ingreso", {104, 167, 0, 0}},
            {"puncompbastit", "ingreso", {200, 136, 0, 0}},
            {"puncompbasval", "ingreso", {200, 167, 0, 0}},
            {"punproljortit", "ingreso", {296, 136, 0, 0}},
            {"punproljorval", "ingreso", {296, 168, 0, 0}},
            {"punjorcomtit", "ingreso", {392, 136, 0, 0}},
            {"punjorcomval", "ingreso", {392, 168, 0, 0}},
            {"puntardiftit", "ingreso", {488, 136, 0, 0}},
            {"puntardifval", "ingreso", {488, 168, 0, 0}},
            {"Label2", "ingreso", {136, 168, 0, 0}},
            {"numhorascod06", "ingreso", {328, 168, 0, 0}},
            {"Label7", "ingreso", {136, 192, 0, 0}},
            {"numhorasincen", "ingreso", {328, 192, 0, 0}},
            {"Label6", "ingreso", {136, 216, 0, 0}},
            {"numhorascod113", "ingreso", {328, 214, 0, 0}},
            {"opincentivo", "ingreso", {7, 232, 0, 0}},
            {"Text1", "ingreso", {96, 233, 0, 0}},
            {"transporte", "ingreso", {8, 272, 0, 0}},
            {"cantkm", "ingreso", {128, 272, 0, 0}},
            {"mensajekm", "ingreso", {184, 272, 0, 0}},
            {"zona", "ingreso", {8, 304, 0, 0}},
            {"Frame3", "ingreso", {224, 304, 145, 209}},
            {"Iosper", "Frame3", {8, 16, 0, 0}},
            {"Osplad", "Frame3", {8, 40, 0, 0}},
            {"UTREL", "Frame3", {8, 64, 0, 0}},
            {"APORTEJUB", "Frame3", {8, 88, 0, 0}},
            {"cajacomp", "Frame3", {8, 112, 0, 0}},
            {"Ley4035", "Frame3", {8, 136, 0, 0}},
            {"Seguro3011", "Frame3", {8, 160, 0, 0}},
            {"Frame1", "ingreso", {400, 264, 137, 251}},
            {"Option1", "Frame1", {8, 16, 0, 0}},
            {"Option2", "Frame1", {8, 32, 0, 0}},
            {"Option7", "Frame1", {8, 112, 0, 0}},
            {"Option12", "Frame1", {8, 192, 0, 0}},
            {"porcantig", "Frame1", {40, 216, 0, 0}},
            {"inasist", "ingreso", {8, 400, 0, 0}},
            {"dinasist", "ingreso", {144, 400, 0, 0}},
            {"hijos", "ingreso", {16, 440, 0, 0}},
            {"cantidadhijos", "ingreso", {144, 440, 0, 0}},
            {"hijosdisc", "ingreso", {16, 464, 0, 0}},
            {"cantidadhijosdisc", "ingreso", {144, 464, 0, 0}},
            {"conyuge", "ingreso", {16, 488, 0, 0}},
            {"Command1", "ingreso", {600, 440, 169, 25}},
            {"Command2", "ingreso", {600, 488, 169, 25}},
            {"Picture1", "ingreso", {600, 136, 185, 172}},
            {"Picture2", "ingreso", {544, 320, 242, 97}},
            {"Shape1", "ingreso", {8, 432, 185, 81}},
            {"Label1", "ingreso", {344, 528, 0, 0}},
            {"Label8", "ingreso", {552, 528, 0, 0}},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name)
                << QString::fromLatin1(row.name) << QString::fromLatin1(row.parent) << row.expected;
    }

    void positions()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, expected);
        QWidget *widget = control(name);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->pos(), expected.topLeft());
        if (expected.width() > 0)
            QCOMPARE(widget->size(), expected.size());
    }

    void everyControlFitsInsideItsParent()
    {
        const QStringList containers{"ingreso", "Frame1", "Frame2", "Frame3"};
        int checked = 0;
        for (QWidget *widget : m_screen->findChildren<QWidget *>()) {
            QWidget *parent = widget->parentWidget();
            if (widget->objectName().isEmpty() || !containers.contains(parent->objectName()))
                continue;
            // An empty label (the chosen position's name, before a position is chosen) has no
            // size yet: its corner must lie inside.
            const QRect geometry = widget->geometry();
            const bool fits = geometry.isEmpty() ? parent->rect().contains(geometry.topLeft())
                                                 : parent->rect().contains(geometry);
            QVERIFY2(fits, qPrintable(widget->objectName()));
            ++checked;
        }
        // Every named control of the screen and its three frames, "Guardar", "Abrir" and
        // "escala" too.
        QCOMPARE(checked, 76);
    }

    void familyFieldsLieInsideTheirRectangle()
    {
        const QRect shape = control("Shape1")->geometry();
        for (const char *name :
             {"hijos", "cantidadhijos", "hijosdisc", "cantidadhijosdisc", "conyuge"})
            QVERIFY2(shape.contains(control(name)->geometry()), name);
    }

    void seniorityBrackets_data()
    {
        QTest::addColumn<int>("bracket");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("percentText");
        QTest::addColumn<int>("percent");
        const std::tuple<int, const char *, const char *, int> rows[] = {
            {1, "Menos de 1 año", "0 %", 0},          {2, "Entre 1 y 2 años", "10 %", 10},
            {3, "Entre 2 y 5 años", "15 %", 15},      {4, "Entre 5 y 7 años", "30 %", 30},
            {5, "Entre 7 y 10 años", "40 %", 40},     {6, "Entre 10 y 12 años", "50 %", 50},
            {7, "Entre 12 y 15 años", "60 %", 60},    {8, "Entre 15 y 17 años", "70 %", 70},
            {9, "Entre 17 y 20 años", "80 %", 80},    {10, "Entre 20 y 22 años", "100 %", 100},
            {11, "Entre 22 y 24 años", "110 %", 110}, {12, "Más de 24 años", "120 %", 120},
        };
        for (const auto &[bracket, caption, percentText, percent] : rows)
            QTest::addRow("Option%d", bracket) << bracket << QString::fromUtf8(caption)
                                               << QString::fromUtf8(percentText) << percent;
    }

    void seniorityBrackets()
    {
        QFETCH(int, bracket);
        QFETCH(QString, caption);
        QFETCH(QString, percentText);
        QFETCH(int, percent);
        const QString option = QStringLiteral("Option%1").arg(bracket);
        QCOMPARE(text(option), caption);
        QCOMPARE(control(option)->toolTip(), percentText);
        click("Option12"); // another bracket first, so that the click must change the texts
        if (bracket == 12)
            click("Option1");
        click(option);
        QVERIFY(control<QRadioButton>(option)->isChecked());
        QCOMPARE(text("porcantig"), percentText);
        const PayInputs in = m_screen->gatherInputs({});
        QCOMPARE(in.seniorityBracket, bracket);
        QCOMPARE(int(seniorityPercent(in)), percent);
        QCOMPARE(q(seniorityText(in)), percentText);
    }

    // Another scale's brackets and zones take the options and the list: those it has not are
    // hidden or gone, and a bracket it has not is no longer chosen; the zone picked stays.
    void anotherScalesBracketsAndZones()
    {
        auto scale = std::make_shared<PayScale>(PayScale::builtIn());
        scale->seniorityBrackets.pop_back();
        scale->seniorityBrackets.front() = {"Hasta 1 año", "5 %", 5};
        scale->zones.pop_back();
        scale->period = {"Haberes Marzo 09", "Marzo de 2.009", "Haberes de Marzo de 2.009"};
        click("Option12");
        control<QComboBox>("zona")->setCurrentIndex(2);
        m_screen->showScale(scale, false);
        QVERIFY(control("Option12")->isHidden());
        QVERIFY(!control("Option11")->isHidden());
        QCOMPARE(text("porcantig"), QStringLiteral("0 %"));
        QCOMPARE(m_screen->gatherInputs({}).seniorityBracket, 0);
        QCOMPARE(text("Option1"), QStringLiteral("Hasta 1 año"));
        click("Option1");
        QCOMPARE(text("porcantig"), QStringLiteral("5 %"));
        QCOMPARE(control<QComboBox>("zona")->count(), 4);
        QCOMPARE(m_screen->gatherInputs({}).zone, 2);
        QCOMPARE(control<QLabel>("Label10")->text(), QStringLiteral("Marzo de 2.009"));
        QCOMPARE(control("Label8")->toolTip(), QStringLiteral("Haberes de Marzo de 2.009"));
    }

    void aLowerBracketAfterAHigherOne()
    {
        click("Option4");
        QCOMPARE(text("porcantig"), QStringLiteral("30 %"));
        click("Option1");
        QCOMPARE(text("porcantig"), QStringLiteral("0 %"));
        QVERIFY(!control<QRadioButton>("Option4")->isChecked());
        const PayInputs in = m_screen->gatherInputs({});
        QCOMPARE(in.seniorityBracket, 1);
        QCOMPARE(int(seniorityPercent(in)), 0);
    }

    void seniorityPercentCannotBeTypedOver()
    {
        click("Option4");
        auto *porcantig = control<QLineEdit>("porcantig");
        QVERIFY(porcantig->isReadOnly());
        porcantig->setFocus();
        QTest::keyClicks(porcantig, "99");
        QCOMPARE(porcantig->text(), QStringLiteral("30 %"));
    }

    void arrowKeysCheckTheBracketTheyMoveTo_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("down from the first, none checked") << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("left") << 5 << int(Qt::Key_Left) << 4;
        QTest::newRow("up from the first, round") << 1 << int(Qt::Key_Up) << 12;
    }

    // The keyboard chooses a bracket as a click does: its option checked, its percentage
    // shown and paid.
    void arrowKeysCheckTheBracketTheyMoveTo()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        auto *start = control<QRadioButton>(QStringLiteral("Option%1").arg(from));
        start->setFocus(Qt::TabFocusReason);
        QTest::keyClick(start, Qt::Key(key));
        auto *option = control<QRadioButton>(QStringLiteral("Option%1").arg(to));
        QVERIFY(option->isChecked());
        QVERIFY(option->hasFocus());
        const SeniorityBracket &bracket = kSeniorityBrackets.at(std::size_t(to - 1));
        QCOMPARE(text("porcantig").toStdString(), bracket.percentText);
        const PayInputs in = m_screen->gatherInputs({});
        QCOMPARE(in.seniorityBracket, to);
        QCOMPARE(seniorityPercent(in), bracket.percent);
    }

    // Tab goes round every box of the screen without stopping at the read-only percentage.
    void tabPassesTheSeniorityPercentBy()
    {
        click("Option4");
        control("docente")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int press = 0; press < 60; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QVERIFY(visited.contains(QStringLiteral("Option4")));
        QVERIFY(visited.contains(QStringLiteral("Command1")));
        QVERIFY2(!visited.contains(QStringLiteral("porcantig")), qPrintable(visited.join(' ')));
    }

    void incentiveEchoesInText1()
    {
        click("opincentivo");
        QCOMPARE(text("Text1"), QStringLiteral("No"));
        QCOMPARE(m_screen->gatherInputs({}).incentive, false);
        click("opincentivo");
        QCOMPARE(text("Text1"), QStringLiteral("Si"));
        QCOMPARE(m_screen->gatherInputs({}).incentive, true);
    }

    void countBoxesFollowTheirCheckBox_data()
    {
        QTest::addColumn<QString>("checkBox");
        QTest::addColumn<QString>("countBox");
        QTest::addColumn<QString>("message");
        QTest::newRow("transporte") << "transporte"
                                    << "cantkm"
                                    << "mensajekm";
        QTest::newRow("inasist") << "inasist"
                                 << "dinasist"
                                 << "";
        QTest::newRow("hijos") << "hijos"
                               << "cantidadhijos"
                               << "";
        QTest::newRow("hijosdisc") << "hijosdisc"
                                   << "cantidadhijosdisc"
                                   << "";
    }

    void countBoxesFollowTheirCheckBox()
    {
        QFETCH(QString, checkBox);
        QFETCH(QString, countBox);
        QFETCH(QString, message);
        const QStringList dependents =
            message.isEmpty() ? QStringList{countBox} : QStringList{countBox, message};
        click(checkBox);
        verifyShown(dependents, true);
        QCOMPARE(text(countBox), QStringLiteral("0"));
        typeInto(countBox, "40");
        QCOMPARE(text(countBox), QStringLiteral("40"));
        click(checkBox);
        verifyShown(dependents, false);
        QCOMPARE(text(countBox), QStringLiteral("0"));
        click(checkBox);
        verifyShown(dependents, true);
        QCOMPARE(text(countBox), QStringLiteral("0"));
    }

    void secondaryHoursShowTheirFields()
    {
        click("horasmedio");
        verifyShown({"Label3", "numerohorasmed"}, true);
        verifyShown(kCodeHourFields, true);
        verifyShown({"Label4", "numerohorassup"}, false);
    }

    void secondaryAfterHigherHoursClearsOnlyTheHigherCount()
    {
        click("horassup");
        verifyShown({"Label4", "numerohorassup"}, true);
        verifyShown(kCodeHourFields, true);
        verifyShown({"Label3", "numerohorasmed"}, false);
        typeInto("numerohorassup", "12");
        typeInto("numhorascod06", "14");
        typeInto("numhorasincen", "24");
        typeInto("numhorascod113", "25");

        click("horasmedio");
        verifyShown({"Label4", "numerohorassup"}, false);
        QCOMPARE(text("numerohorassup"), QStringLiteral("0"));
        verifyShown({"Label3", "numerohorasmed"}, true);
        verifyShown(kCodeHourFields, true);
        QCOMPARE(text("numhorascod06"), QStringLiteral("14"));
        QCOMPARE(text("numhorasincen"), QStringLiteral("24"));
        QCOMPARE(text("numhorascod113"), QStringLiteral("25"));

        typeInto("numerohorasmed", "20");
        click("cargo");
        verifyShown(kHourFields, false);
        for (const char *box : {"numerohorasmed", "numerohorassup", "numhorascod06",
                                "numhorasincen", "numhorascod113"})
            QCOMPARE(text(box), QStringLiteral("0"));
    }

    void higherAfterSecondaryHoursClearsOnlyTheSecondaryCount()
    {
        click("horasmedio");
        typeInto("numerohorasmed", "20");
        typeInto("numhorascod06", "12");
        click("horassup");
        QCOMPARE(text("numerohorasmed"), QStringLiteral("0"));
        verifyShown({"Label3", "numerohorasmed"}, false);
        verifyShown({"Label4", "numerohorassup"}, true);
        QCOMPARE(text("numhorascod06"), QStringLiteral("12"));
        verifyShown(kCodeHourFields, true);
    }

    void hoursOptionsHideThePositionSummary_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("horasmedio") << "horasmedio";
        QTest::newRow("horassup") << "horassup";
    }

    void hoursOptionsHideThePositionSummary()
    {
        QFETCH(QString, option);
        click("cargo");
        m_screen->showPositionSummary(sampleSummary());
        verifyShown(kPositionSummary, true);
        click(option);
        verifyShown(kPositionSummary, false);
        QCOMPARE(text("codcarval"), QStringLiteral("734")); // kept while hidden
    }

    void optionsAndButtonsEmitTheirSignals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("expectedCounts"); // position, hours, calculate, quit
        QTest::newRow("cargo") << "cargo" << QList<int>{1, 0, 0, 0};
        QTest::newRow("horasmedio") << "horasmedio" << QList<int>{0, 1, 0, 0};
        QTest::newRow("horassup") << "horassup" << QList<int>{0, 1, 0, 0};
        QTest::newRow("Calcular") << "Command1" << QList<int>{0, 0, 1, 0};
        QTest::newRow("Salir") << "Command2" << QList<int>{0, 0, 0, 1};
    }

    void optionsAndButtonsEmitTheirSignals()
    {
        QFETCH(QString, button);
        QFETCH(QList<int>, expectedCounts);
        QSignalSpy position(m_screen.get(), &IngresoScreen::positionOptionClicked);
        QSignalSpy hours(m_screen.get(), &IngresoScreen::hoursOptionClicked);
        QSignalSpy calculate(m_screen.get(), &IngresoScreen::calculateRequested);
        QSignalSpy quit(m_screen.get(), &IngresoScreen::quitRequested);
        click(button);
        const QList<int> counts{int(position.count()), int(hours.count()), int(calculate.count()),
                                int(quit.count())};
        QCOMPARE(counts, expectedCounts);
    }

    void enterPressesCalcular_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::newRow("docente, Return") << "docente" << int(Qt::Key_Return);
        QTest::newRow("docente, keypad Enter") << "docente" << int(Qt::Key_Enter);
        QTest::newRow("numerohorasmed") << "numerohorasmed" << int(Qt::Key_Return);
        QTest::newRow("cantkm") << "cantkm" << int(Qt::Key_Return);
        QTest::newRow("porcantig") << "porcantig" << int(Qt::Key_Return);
        QTest::newRow("zona") << "zona" << int(Qt::Key_Return);
        QTest::newRow("conyuge") << "conyuge" << int(Qt::Key_Return);
        QTest::newRow("Calcular") << "Command1" << int(Qt::Key_Return);
    }

    void enterPressesCalcular()
    {
        QFETCH(QString, focused);
        QFETCH(int, key);
        click("horasmedio");
        click("transporte");
        QSignalSpy calculate(m_screen.get(), &IngresoScreen::calculateRequested);
        QSignalSpy quit(m_screen.get(), &IngresoScreen::quitRequested);
        QWidget *widget = control(focused);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key(key));
        QCOMPARE(calculate.count(), 1);
        QCOMPARE(quit.count(), 0);
        QVERIFY(control<QPushButton>("Command1")->isDefault());
    }

    void enterOnAFocusedSalirPressesSalir()
    {
        QSignalSpy calculate(m_screen.get(), &IngresoScreen::calculateRequested);
        QSignalSpy quit(m_screen.get(), &IngresoScreen::quitRequested);
        auto *salir = control<QPushButton>("Command2");
        salir->setFocus();
        QTest::keyClick(salir, Qt::Key_Return);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(calculate.count(), 0);
    }

    void gatherInputsFromAFullScreen()
    {
        fillScreen();
        const SelectedPosition position{"734", "Asistente Social", "1500", "101", "0", "0", "150"};
        PayInputs expected = filledScreenInputs();
        expected.position = position;
        compareInputs(m_screen->gatherInputs(position), expected);
    }

    void eachDeductionBoxSetsItsOwnChoice_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("flag"); // index into deductionFlags()
        const char *boxes[] = {"Iosper", "Osplad",   "APORTEJUB", "Ley4035",
                               "UTREL",  "cajacomp", "Seguro3011"};
        for (int flag = 0; flag < 7; ++flag)
            QTest::newRow(boxes[flag]) << QString::fromLatin1(boxes[flag]) << flag;
    }

    void eachDeductionBoxSetsItsOwnChoice()
    {
        QFETCH(QString, box);
        QFETCH(int, flag);
        click(box);
        const std::array<bool, 7> flags =
            deductionFlags(m_screen->gatherInputs({}).deductionsChosen);
        for (int index = 0; index < 7; ++index)
            QCOMPARE(flags.at(std::size_t(index)), index == flag);
    }

    void eachModeOptionSetsItsOwnChoice()
    {
        const std::tuple<const char *, bool, bool, bool> rows[] = {
            {"cargo", true, false, false},
            {"horasmedio", false, true, false},
            {"horassup", false, false, true},
        };
        for (const auto &[option, positionChosen, secondary, higher] : rows) {
            click(option);
            const PayInputs in = m_screen->gatherInputs({});
            QVERIFY2(in.positionChosen == positionChosen, option);
            QVERIFY2(in.secondaryHoursChosen == secondary, option);
            QVERIFY2(in.higherHoursChosen == higher, option);
        }
    }

    // Each input of the tables of inputs, restored alone from saved data, shows in the control
    // its table names on this screen and is gathered back as it was: an input left out of the
    // restoring or the gathering, or a table naming another control, fails here.
    void eachInputOfTheTablesIsRestoredAndGathered()
    {
        const auto check = [this](std::string_view controlName, auto change, auto shows) {
            PayInputs in;
            change(in);
            m_screen->restoreInputs(in, false);
            const QString name =
                QString::fromUtf8(controlName.data(), qsizetype(controlName.size()));
            QVERIFY2(shows(name, in), qPrintable(name));
            compareInputs(m_screen->gatherInputs(in.position), in);
        };
        const auto checked = [this](const QString &name, bool expected) {
            return control<QAbstractButton>(name)->isChecked() == expected;
        };
        for (const InputTextInfo &text : kInputTexts)
            if (!text.ofPosition())
                check(
                    text.boxName, [&](PayInputs &in) { textIn(in, text) = "Ñ 7,5"; },
                    [&](const QString &name, const PayInputs &) {
                        return control<QLineEdit>(name)->text() == QStringLiteral("Ñ 7,5");
                    });
        for (const InputFieldInfo &field : kInputFields)
            if (!field.ofPosition())
                check(
                    field.boxName, [&](PayInputs &in) { textIn(in, field) = "7,5"; },
                    [&](const QString &name, const PayInputs &) {
                        return control<QLineEdit>(name)->text() == QStringLiteral("7,5");
                    });
        for (const InputTickInfo &tick : kInputTicks)
            check(
                tick.boxName, [&](PayInputs &in) { in.*tick.ticked = !(in.*tick.ticked); },
                [&](const QString &name, const PayInputs &in) {
                    return checked(name, in.*tick.ticked);
                });
        for (const DeductionInputInfo &deduction : kDeductionInputs)
            check(
                deduction.boxName,
                [&](PayInputs &in) { in.deductionsChosen.*deduction.chosen = true; },
                [&](const QString &name, const PayInputs &) { return checked(name, true); });
        for (const PayKindInfo &kind : kPayKinds)
            check(
                kind.boxName, [&](PayInputs &in) { in.*kind.chosen = true; },
                [&](const QString &name, const PayInputs &) { return checked(name, true); });
        check(
            kSeniorityBracketInput.controlName,
            [](PayInputs &in) { chooseSeniorityBracket(in, 7); },
            [this](const QString &name, const PayInputs &) {
                return m_screen->findChild<QButtonGroup *>(name)->checkedId() == 7;
            });
        check(
            kZoneInput.controlName, [](PayInputs &in) { in.zone = 2; },
            [this](const QString &name, const PayInputs &) {
                return control<QComboBox>(name)->currentIndex() == 2;
            });
    }

    // A zone picked or named in full counts; the prompt or a blank box mean no zone; any
    // other text is refused before a calculation.
    void zoneChoice_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("expectedZone");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<bool>("refused");
        QTest::newRow("nothing chosen")
            << QStringList{} << -1 << "Ubicación Escuela (Zona)" << false;
        QTest::newRow("picked from the list")
            << QStringList{"pick 2"} << 2 << "Desfavorable" << false;
        QTest::newRow("picked twice")
            << QStringList{"pick 2", "pick 4"} << 4 << "Zona Inhóspita" << false;
        QTest::newRow("picked, then typed over")
            << QStringList{"pick 2", "type Desfav"} << -1 << "Desfav" << true;
        QTest::newRow("a percentage typed") << QStringList{"type 40%"} << -1 << "40%" << true;
        QTest::newRow("a zone's name typed")
            << QStringList{"type Desfavorable"} << 2 << "Desfavorable" << false;
        QTest::newRow("a zone's name typed in small letters, then Enter")
            << QStringList{"type muy desfavorable", "enter"} << 3 << "muy desfavorable" << false;
        QTest::newRow("the picked zone's name typed again")
            << QStringList{"pick 1", "type Alejada radio urbano", "enter"} << 1
            << "Alejada radio urbano" << false;
        QTest::newRow("typed over, then picked again")
            << QStringList{"pick 2", "type x", "pick 2"} << 2 << "Desfavorable" << false;
        QTest::newRow("emptied") << QStringList{"pick 2", "type  "} << -1 << " " << false;
        QTest::newRow("chosen with the arrow key")
            << QStringList{"down", "down"} << 1 << "Alejada radio urbano" << false;
        QTest::newRow("set by the program")
            << QStringList{"set 4"} << 4 << "Zona Inhóspita" << false;
    }

    void zoneChoice()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, expectedZone);
        QFETCH(QString, expectedText);
        QFETCH(bool, refused);
        auto *zona = control<QComboBox>("zona");
        for (const QString &step : steps) {
            const QString argument = step.section(QLatin1Char(' '), 1);
            if (step.startsWith(QLatin1String("pick ")))
                pickZone(argument.toInt());
            else if (step.startsWith(QLatin1String("type ")))
                typeIntoZone(argument);
            else if (step == QLatin1String("enter"))
                QTest::keyClick(zona, Qt::Key_Return);
            else if (step == QLatin1String("down"))
                QTest::keyClick(zona, Qt::Key_Down);
            else if (step.startsWith(QLatin1String("set ")))
                zona->setCurrentIndex(argument.toInt());
            else
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
        QCOMPARE(zona->currentText(), expectedText);
        QCOMPARE(m_screen->gatherInputs({}).zone, expectedZone);
        const QString refusal = m_screen->zoneRefusal();
        QCOMPARE(!refusal.isEmpty(), refused);
        if (refused)
            QVERIFY2(refusal.contains(QStringLiteral("Desfavorable (40 %)")), qPrintable(refusal));
        QCOMPARE(zona->currentText(), expectedText); // the input is kept
    }

    void secondaryHoursCalculationMatchesTheCore()
    {
        fillScreen();
        const PayCalculator calculator(DecimalConventions::comma());
        const CalculationResult fromScreen = calculator.calculate(m_screen->gatherInputs({}));
        const CalculationResult direct = calculator.calculate(filledScreenInputs());
        QVERIFY(fromScreen.succeeded());
        QVERIFY(direct.succeeded());
        QVERIFY(fromScreen.payslip() == direct.payslip());

        // The typed hours, bracket and zone reached the calculation.
        const Payslip &payslip = fromScreen.payslip();
        QVERIFY(payslip.lines().size() > 5);
        const PayslipLine &hoursLine = payslip.lines().front();
        COMPARE_TEXT(hoursLine.conceptText, std::string("Hs. N. Medio"));
        COMPARE_TEXT(hoursLine.quantity, std::string("20"));
        COMPARE_TEXT(hoursLine.amountText, std::string("$844,982"));
        COMPARE_TEXT(payslip.lines().at(1).quantity, std::string("40 %"));
        COMPARE_TEXT(payslip.lines().at(2).conceptText, std::string("As. por zona"));
        COMPARE_TEXT(payslip.teacherName, std::string("Docente de prueba Ñ"));
    }

    void showPositionSummaryFillsTheLabels()
    {
        click("cargo");
        m_screen->showPositionSummary(sampleSummary());
        verifyShown(kPositionSummary, true);
        const std::pair<const char *, const char *> values[] = {
            {"cargoselect", "Asistente Social"},
            {"codcarval", "734"},
            {"puncarval", "1500"},
            {"puncompbasval", "101"},
            {"punproljorval", "22"},
            {"punjorcomval", "11"},
            {"puntardifval", "150"},
        };
        for (const auto &[name, expected] : values)
            QCOMPARE(text(name), QString::fromLatin1(expected));
    }

    void positionNameLabelSizesToItsText()
    {
        auto *cargoselect = control<QLabel>("cargoselect");
        PositionSummary summary = sampleSummary();
        summary.name =
            QStringLiteral("Maestro de grado de jornada completa con tarea diferenciada");
        m_screen->showPositionSummary(summary);
        const int longWidth = cargoselect->width();
        QCOMPARE(cargoselect->size(), cargoselect->sizeHint());
        summary.name = QStringLiteral("Preceptor");
        m_screen->showPositionSummary(summary);
        QCOMPARE(cargoselect->size(), cargoselect->sizeHint());
        QVERIFY(cargoselect->width() < longWidth);
        QCOMPARE(cargoselect->pos(), QPoint(8, 104));
    }

    void clearPositionOptionLeavesNoneSelected_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("cargo") << "cargo";
        QTest::newRow("horasmedio") << "horasmedio";
        QTest::newRow("horassup") << "horassup";
    }

    void clearPositionOptionLeavesNoneSelected()
    {
        QFETCH(QString, option);
        click(option);
        m_screen->clearPositionOption();
        for (const char *name : {"cargo", "horasmedio", "horassup"})
            QVERIFY2(!control<QRadioButton>(name)->isChecked(), name);
        const PayInputs in = m_screen->gatherInputs({});
        QVERIFY(!in.positionChosen && !in.secondaryHoursChosen && !in.higherHoursChosen);

        // The options are exclusive again afterwards.
        click("horasmedio");
        click("cargo");
        QVERIFY(control<QRadioButton>("cargo")->isChecked());
        QVERIFY(!control<QRadioButton>("horasmedio")->isChecked());
    }

    void returnFromPayslipKeepsEveryOtherInput()
    {
        fillScreen();
        click("horassup");
        typeInto("numerohorassup", "12");
        const PayInputs before = m_screen->gatherInputs({});
        QVERIFY(before.higherHoursChosen);

        m_screen->returnFromPayslip();

        PayInputs expected = before;
        expected.higherHoursChosen = false;
        compareInputs(m_screen->gatherInputs({}), expected);
        verifyShown({"numerohorasmed", "numerohorassup", "Label3", "Label4"}, false);
        verifyShown(kPositionSummary, false);
        verifyShown(kCodeHourFields, true);
        verifyShown({"dinasist", "cantkm", "mensajekm", "cantidadhijos", "cantidadhijosdisc"},
                    true);
        QCOMPARE(text("numerohorassup"), QStringLiteral("12"));
    }

    void returnFromPayslipHidesThePositionSummary()
    {
        click("cargo");
        m_screen->showPositionSummary(sampleSummary());
        m_screen->returnFromPayslip();
        verifyShown(kPositionSummary, false);
        QVERIFY(!control<QRadioButton>("cargo")->isChecked());
        QCOMPARE(text("puncarval"), QStringLiteral("1500"));
    }

    void focusFieldSelectsTheText_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shownBy");
        QTest::newRow("secondary hours") << int(InputField::SecondaryHours) << "numerohorasmed"
                                         << "horasmedio";
        QTest::newRow("higher hours") << int(InputField::HigherHours) << "numerohorassup"
                                      << "horassup";
        QTest::newRow("code 06 hours") << int(InputField::Code06Hours) << "numhorascod06"
                                       << "horasmedio";
        QTest::newRow("incentive hours") << int(InputField::IncentiveHours) << "numhorasincen"
                                         << "horassup";
        QTest::newRow("code 113 hours") << int(InputField::Code113Hours) << "numhorascod113"
                                        << "horasmedio";
        QTest::newRow("absence days") << int(InputField::AbsenceDays) << "dinasist"
                                      << "inasist";
        QTest::newRow("transport km") << int(InputField::TransportKm) << "cantkm"
                                      << "transporte";
        QTest::newRow("children") << int(InputField::ChildCount) << "cantidadhijos"
                                  << "hijos";
        QTest::newRow("disabled children")
            << int(InputField::DisabledChildCount) << "cantidadhijosdisc"
            << "hijosdisc";
    }

    void focusFieldSelectsTheText()
    {
        QFETCH(int, field);
        QFETCH(QString, box);
        QFETCH(QString, shownBy);
        click(shownBy);
        typeInto(box, "1x2");
        auto *edit = control<QLineEdit>(box);
        edit->deselect();
        control("docente")->setFocus();
        QTRY_VERIFY(!edit->hasFocus());

        QVERIFY(m_screen->focusField(InputField(field)));
        QCOMPARE(m_screen->focusWidget(), edit);
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("1x2"));
    }

    void focusFieldRefusesTheSelectionScreensFields()
    {
        control("docente")->setFocus();
        for (InputField field :
             {InputField::BasicPoints, InputField::FullDayPoints, InputField::ExtendedDayPoints,
              InputField::DifferentiatedTaskPoints, InputField::ComplementPoints})
            QVERIFY(!m_screen->focusField(field));
        QCOMPARE(m_screen->focusWidget(), control("docente"));
    }
};

QTEST_MAIN(IngresoScreenTest)
#include "IngresoScreenTest.moc"
