// The whole program driven as a user drives it: the screens, how they meet,
// and "Calcular" from typed data to the payslip sheet.

#include "PagaluzApp.h"
#include "AdvertenciaScreen.h"
#include "ErrorScreen.h"
#include "HaberesScreen.h"
#include "IngresoScreen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

using namespace pagaluz::ui;

class PagaluzAppTest : public QObject {
    Q_OBJECT

private:
    template <typename T> static T *child(QWidget &screen, const char *name)
    {
        T *widget = screen.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s on %s", name, qPrintable(screen.objectName()));
        return widget;
    }

    static void click(QWidget &screen, const char *name)
    {
        QTest::mouseClick(child<QAbstractButton>(screen, name), Qt::LeftButton);
    }

    static void typeInto(QWidget &screen, const char *name, const QString &text)
    {
        QLineEdit *box = child<QLineEdit>(screen, name);
        box->clear();
        QTest::keyClicks(box, text);
    }

    static QString labelText(QWidget &screen, const char *name)
    {
        return child<QLabel>(screen, name)->text();
    }

    // Opens the selection screen, types the code and confirms it.
    static void choosePosition(PagaluzApp &app, const QString &code)
    {
        click(app.ingreso(), "cargo");
        QTRY_VERIFY(app.existingAdvertencia() && app.existingAdvertencia()->isVisible());
        typeInto(app.advertencia(), "codcargo", code);
        click(app.advertencia(), "Command1");
    }

    // The worked example: 734, "Entre 5 y 7 años", "Desfavorable", pension.
    static void enterWorkedExample(PagaluzApp &app)
    {
        choosePosition(app, QStringLiteral("734"));
        click(app.ingreso(), "Option4");
        child<QComboBox>(app.ingreso(), "zona")->setCurrentIndex(2);
        click(app.ingreso(), "APORTEJUB");
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("es_AR"))); }

    void startsOnTheDataEntryScreenAlone()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        QVERIFY(app.ingreso().isVisible());
        QCOMPARE(app.ingreso().windowTitle(), QStringLiteral("Ingreso de datos"));
        QVERIFY(!app.existingAdvertencia());
        QVERIFY(!app.existingHaberes());
        QVERIFY(!app.existingErrorScreen());
    }

    void calculatingWithoutPayBasisShowsTheMessageOnly()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        click(app.ingreso(), "Command1");
        QVERIFY(app.existingErrorScreen() && app.existingErrorScreen()->isVisible());
        QCOMPARE(labelText(app.errorScreen(), "Label1"),
                 QStringLiteral("No seleccionaste cargo ni horas"));
        QVERIFY(!app.existingHaberes() || !app.existingHaberes()->isVisible());
    }

    void workedExampleReachesThePayslipSheet()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        enterWorkedExample(app);
        QVERIFY(!app.advertencia().isVisible());
        QCOMPARE(labelText(app.ingreso(), "codcarval"), QStringLiteral("734"));
        QVERIFY(child<QLabel>(app.ingreso(), "cargoselect")->isVisible());

        click(app.ingreso(), "Command1");
        QVERIFY(app.existingHaberes() && app.haberes().isVisible());
        QCOMPARE(labelText(app.haberes(), "Label1_0"), QStringLiteral("$979,5"));
        QCOMPARE(labelText(app.haberes(), "Label1_37"), QStringLiteral("$ 365,8176"));
        QCOMPARE(labelText(app.haberes(), "thaberes"), QStringLiteral("$ 2496,3601"));
        QCOMPARE(labelText(app.haberes(), "liquido"), QStringLiteral("$ 2130,5425"));
        QCOMPARE(child<QLineEdit>(app.haberes(), "numcargo")->text(), QStringLiteral("734"));
    }

    void typedPointTextsArePaid()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        choosePosition(app, QStringLiteral("734"));
        click(app.ingreso(), "cargo"); // reopen the selection screen, keep its row
        typeInto(app.advertencia(), "compbas", QStringLiteral("200"));
        click(app.advertencia(), "Command1");
        click(app.ingreso(), "Command1");
        QCOMPARE(labelText(app.haberes(), "Label19_1"), QStringLiteral("Comp. de Básico"));
        QCOMPARE(labelText(app.haberes(), "Label1_1"), QStringLiteral("$ 130,6"));
    }

    void aRefusedInputNamesItsFieldAndKeepsThePreviousPayslip()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        click(app.ingreso(), "horasmedio");
        typeInto(app.ingreso(), "numerohorasmed", QStringLiteral("20"));
        click(app.ingreso(), "Command1");
        QVERIFY(app.haberes().isVisible());
        const QString shownNet = labelText(app.haberes(), "liquido");

        typeInto(app.ingreso(), "numerohorasmed", QStringLiteral("veinte"));
        click(app.ingreso(), "Command1");
        QVERIFY(app.conversionMessage() && app.conversionMessage()->isVisible());
        QVERIFY(
            app.conversionMessage()->text().startsWith(QStringLiteral("Número de horas N. Medio")));
        QLineEdit *hours = child<QLineEdit>(app.ingreso(), "numerohorasmed");
        QCOMPARE(hours->text(), QStringLiteral("veinte"));
        QCOMPARE(hours->selectedText(), QStringLiteral("veinte"));
        QCOMPARE(labelText(app.haberes(), "liquido"), shownNet);
    }

    void aRefusedPointBoxIsShownOnTheSelectionScreen()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        choosePosition(app, QStringLiteral("734"));
        click(app.ingreso(), "cargo");
        typeInto(app.advertencia(), "tardif", QStringLiteral("x"));
        click(app.advertencia(), "Command1");
        click(app.ingreso(), "Command1");
        QVERIFY(app.conversionMessage() && app.conversionMessage()->isVisible());
        QVERIFY(app.advertencia().isVisible());
        QCOMPARE(child<QLineEdit>(app.advertencia(), "tardif")->selectedText(),
                 QStringLiteral("x"));
    }

    void volverReturnsToTheDataEntryScreenWithoutPayBasis()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        enterWorkedExample(app);
        click(app.ingreso(), "Command1");
        click(app.haberes(), "Volver");
        QVERIFY(!app.haberes().isVisible());
        for (const char *option : {"cargo", "horasmedio", "horassup"})
            QVERIFY2(!child<QAbstractButton>(app.ingreso(), option)->isChecked(), option);
        QVERIFY(!child<QLabel>(app.ingreso(), "cargoselect")->isVisible());
        QVERIFY(child<QAbstractButton>(app.ingreso(), "APORTEJUB")->isChecked());

        click(app.ingreso(), "Command1"); // no pay basis any more
        QVERIFY(app.errorScreen().isVisible());
    }

    void choosingHoursHidesTheSelectionScreen()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        click(app.ingreso(), "cargo");
        QVERIFY(app.advertencia().isVisible());
        click(app.ingreso(), "horassup");
        QVERIFY(!app.advertencia().isVisible());
    }

    void leavingWithoutDataClearsThePositionOption()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        click(app.ingreso(), "cargo");
        click(app.advertencia(), "Command2");
        QVERIFY(!child<QAbstractButton>(app.ingreso(), "cargo")->isChecked());
    }

    void salirEndsTheProgramFromEitherScreen()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        int quits = 0;
        app.setQuitAction([&quits] { ++quits; });
        app.start();
        click(app.ingreso(), "Command2");
        QCOMPARE(quits, 1);
        click(app.ingreso(), "horasmedio");
        click(app.ingreso(), "Command1");
        click(app.haberes(), "Salir");
        QCOMPARE(quits, 2);
    }
};

QTEST_MAIN(PagaluzAppTest)
#include "PagaluzAppTest.moc"
