// The position selection screen "Selección de cargo" driven as a user drives
// it: typing codes, choosing names, "Listo", "Salir sin datos", Enter and the
// window frame's close.

#include "AdvertenciaScreen.h"
#include "PositionCatalogue.h"
#include "PositionTableFile.h"
#include "Twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cstring>
#include <memory>

using namespace pagaluz;
using namespace pagaluz::ui;

namespace {

// The texts a row puts in the five point boxes, in the screen's left-to-right
// order: basic, complement, prolongation, full day, differentiated task.
struct PointTexts {
    QString basic;
    QString complement;
    QString prolongation;
    QString fullDay;
    QString differentiatedTask;
};

const char *const kHiddenLists[] = {"codigocargo", "puntosbasicos", "proljornada",
                                    "jorcompleta", "tareadif",      "compbasico"};

PointTexts catalogueTexts(int row)
{
    const PositionRecord &r = PositionCatalogue::builtIn().row(row);
    return {QString::fromStdString(r.basicPoints), QString::fromStdString(r.complementPoints),
            QString::fromStdString(r.extendedDayPoints), QString::fromStdString(r.fullDayPoints),
            QString::fromStdString(r.differentiatedTaskPoints)};
}

QString catalogueCode(int row)
{
    return QString::fromStdString(PositionCatalogue::builtIn().row(row).code);
}

QString catalogueName(int row)
{
    return QString::fromStdString(PositionCatalogue::builtIn().row(row).name);
}

} // namespace

Q_DECLARE_METATYPE(PointTexts)

class AdvertenciaScreenTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<AdvertenciaScreen> m_screen;

    template <typename T> T *child(const char *name) const
    {
        T *widget = m_screen->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s on the selection screen", name);
        return widget;
    }

    QLineEdit *codcargo() const { return child<QLineEdit>("codcargo"); }
    QComboBox *cargox() const { return child<QComboBox>("cargox"); }
    QPushButton *listo() const { return child<QPushButton>("Command1"); }
    QPushButton *salir() const { return child<QPushButton>("Command2"); }

    void showScreen()
    {
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    }

    // A click into the code box empties it; then the code is typed key by key.
    void typeCode(const QString &code)
    {
        QTest::mouseClick(codcargo(), Qt::LeftButton);
        QTest::keyClicks(codcargo(), code);
    }

    // Picks the name on `row` from the opened drop-down list with the mouse.
    void chooseName(int row)
    {
        cargox()->showPopup();
        QAbstractItemView *view = cargox()->view();
        QTRY_VERIFY(view->isVisible());
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        const QPoint itemCentre = view->visualRect(index).center();
        QTest::mouseMove(view->viewport(), itemCentre);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, itemCentre);
        QTRY_VERIFY(!view->isVisible());
    }

    // The row of each of the seven lists: the name list first.
    QList<int> rowsOfAllLists() const
    {
        QList<int> rows{cargox()->currentIndex()};
        for (const char *name : kHiddenLists)
            rows.append(child<QListWidget>(name)->currentRow());
        return rows;
    }

    void verifyRowEverywhere(int row) const { QCOMPARE(rowsOfAllLists(), QList<int>(7, row)); }

    void verifyPointBoxes(const PointTexts &texts) const
    {
        QCOMPARE(child<QLineEdit>("punbas")->text(), texts.basic);
        QCOMPARE(child<QLineEdit>("compbas")->text(), texts.complement);
        QCOMPARE(child<QLineEdit>("proljor")->text(), texts.prolongation);
        QCOMPARE(child<QLineEdit>("jorcom")->text(), texts.fullDay);
        QCOMPARE(child<QLineEdit>("tardif")->text(), texts.differentiatedTask);
    }

    void verifyNoSelection() const
    {
        verifyRowEverywhere(-1);
        QCOMPARE(cargox()->currentText(), QString());
        verifyPointBoxes({});
        QVERIFY(!listo()->isEnabled());
    }

    // The screen shows catalogue row `row` throughout, with "Listo" enabled.
    void verifyShowsCatalogueRow(int row) const
    {
        verifyRowEverywhere(row);
        QCOMPARE(codcargo()->text(), catalogueCode(row));
        QCOMPARE(cargox()->currentText(), catalogueName(row));
        verifyPointBoxes(catalogueTexts(row));
        QVERIFY(listo()->isEnabled());
    }

private slots:
    void init() { m_screen = std::make_unique<AdvertenciaScreen>(); }

    void cleanup() { m_screen.reset(); }

    void screenHasItsNameTitleAndClientArea()
    {
        QCOMPARE(m_screen->objectName(), QStringLiteral("advertencia"));
        QCOMPARE(m_screen->windowTitle(), QStringLiteral("Selección de cargo"));
        showScreen();
        QCOMPARE(m_screen->size(), twipsSize(9735, 6855));
    }

    void controlsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("heading") << "Label2" << QRect(60, 105, 5895, 420);
        QTest::newRow("code box") << "codcargo" << QRect(240, 1320, 1275, 330);
        QTest::newRow("basic points") << "punbas" << QRect(2040, 1320, 1065, 330);
        QTest::newRow("complement") << "compbas" << QRect(3720, 1320, 1155, 330);
        QTest::newRow("prolongation") << "proljor" << QRect(5280, 1320, 1065, 330);
        QTest::newRow("full day") << "jorcom" << QRect(6840, 1320, 960, 330);
        QTest::newRow("differentiated task") << "tardif" << QRect(8400, 1320, 960, 330);
        QTest::newRow("Cargo label") << "Label4" << QRect(120, 2760, 1485, 330);
        QTest::newRow("name list") << "cargox" << QRect(1785, 2760, 7050, 345);
        QTest::newRow("Listo") << "Command1" << QRect(6480, 4800, 2325, 435);
        QTest::newRow("Salir sin datos") << "Command2" << QRect(6480, 5520, 2325, 435);
    }

    void controlsStandWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        showScreen();
        auto *widget = m_screen->findChild<QWidget *>(name);
        QVERIFY(widget);
        QVERIFY(widget->isVisible());
        QCOMPARE(widget->geometry(),
                 twipsRect(twips.left(), twips.top(), twips.width(), twips.height()));
    }

    void titlesStandAboveTheirBoxesAndShowTheirWhole_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("code") << "Label1"
                              << "codcargo"
                              << "Código del cargo";
        QTest::newRow("basic") << "Label3"
                               << "punbas"
                               << "Puntos básicos";
        QTest::newRow("complement") << "Label8"
                                    << "compbas"
                                    << "Comp básico";
        QTest::newRow("prolongation") << "Label5"
                                      << "proljor"
                                      << "Prol. de jornada";
        QTest::newRow("full day") << "Label6"
                                  << "jorcom"
                                  << "Jorn. completa";
        QTest::newRow("differentiated") << "Label7"
                                        << "tardif"
                                        << "Tarea diferenc.";
    }

    void titlesStandAboveTheirBoxesAndShowTheirWhole()
    {
        QFETCH(QString, title);
        QFETCH(QString, box);
        QFETCH(QString, text);
        showScreen();
        auto *label = m_screen->findChild<QLabel *>(title);
        auto *edit = m_screen->findChild<QLineEdit *>(box);
        QVERIFY(label && edit);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->y(), twipsToPixels(720));
        QVERIFY(label->geometry().bottom() < edit->y());
        QVERIFY(label->x() <= edit->x());
        QVERIFY(label->geometry().right() >= edit->geometry().right());
        const QRect needed =
            QFontMetrics(label->font())
                .boundingRect(label->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, text);
        QVERIFY(label->contentsRect().contains(needed));
    }

    void singleLineTextsFitTheirControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("heading") << "Label2"
                                 << "Seleccione el cargo o el código del cargo";
        QTest::newRow("Cargo") << "Label4"
                               << "Cargo";
        QTest::newRow("Listo") << "Command1"
                               << "Listo";
        QTest::newRow("Salir sin datos") << "Command2"
                                         << "Salir sin datos";
        QTest::newRow("Cargar tabla") << "cargartabla"
                                      << "Cargar tabla…";
        QTest::newRow("Tabla incorporada") << "tablaincorporada"
                                           << "Tabla incorporada";
    }

    void singleLineTextsFitTheirControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto *widget = m_screen->findChild<QWidget *>(name);
        QVERIFY(widget);
        const QString shown = widget->property("text").toString();
        QCOMPARE(shown, text);
        QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
        const QFontMetrics metrics(widget->font());
        QVERIFY(metrics.horizontalAdvance(text) < widget->width());
        QVERIFY(metrics.height() < widget->height());
    }

    void everyNameFitsTheNameList()
    {
        showScreen();
        const QFontMetrics metrics(cargox()->font());
        for (int row = 0; row < cargox()->count(); ++row)
            QVERIFY2(metrics.horizontalAdvance(cargox()->itemText(row)) <
                         cargox()->lineEdit()->width(),
                     qPrintable(cargox()->itemText(row)));
    }

    void colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        const QColor box(192, 255, 192), blue(0, 0, 192), title(128, 255, 128), green(0, 192, 0);
        QTest::newRow("screen") << "advertencia" << int(QPalette::Window) << QColor(255, 192, 128);
        for (const char *name : {"codcargo", "punbas", "compbas", "proljor", "jorcom", "tardif"}) {
            QTest::addRow("%s background", name) << name << int(QPalette::Base) << box;
            QTest::addRow("%s text", name) << name << int(QPalette::Text) << blue;
        }
        for (const char *name : {"Label1", "Label3", "Label8", "Label5", "Label6", "Label7"})
            QTest::addRow("title %s", name) << name << int(QPalette::Window) << title;
        QTest::newRow("name list") << "cargox" << int(QPalette::Base) << title;
        QTest::newRow("Listo") << "Command1" << int(QPalette::Button) << green;
        QTest::newRow("Salir sin datos") << "Command2" << int(QPalette::Button) << green;
        QTest::newRow("Cargo") << "Label4" << int(QPalette::Window) << green;
        QTest::newRow("heading") << "Label2" << int(QPalette::Window) << green;
    }

    void colours()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        auto *widget =
            name == m_screen->objectName() ? m_screen.get() : m_screen->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
        if (role == QPalette::Window)
            QVERIFY(widget->autoFillBackground());
    }

    void toolTips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::newRow("code box")
            << "codcargo"
            << "Escriba el código del cargo. Si luego de escribir las tres cifras no se "
               "selecciona el cargo, vuelva a elegir un código correcto.";
        for (const char *name : {"punbas", "compbas", "proljor", "jorcom", "tardif"})
            QTest::addRow("%s", name) << name << "Se selecciona automáticamente";
        QTest::newRow("name list") << "cargox"
                                   << "Seleccione el cargo";
        QTest::newRow("heading") << "Label2"
                                 << "Seleccione el cargo o el código del cargo";
        QTest::newRow("code title") << "Label1"
                                    << "Código del cargo";
        QTest::newRow("basic title") << "Label3"
                                     << "Puntos básicos";
        QTest::newRow("complement title") << "Label8"
                                          << "Comp básico";
        QTest::newRow("prolongation title") << "Label5"
                                            << "Prol. de jornada";
        QTest::newRow("full-day title") << "Label6"
                                        << "Jorn. completa";
        QTest::newRow("differentiated title") << "Label7"
                                              << "Tarea diferenc.";
        QTest::newRow("Cargo") << "Label4"
                               << "Cargo";
        QTest::newRow("Listo") << "Command1"
                               << "Listo";
        QTest::newRow("Salir sin datos") << "Command2"
                                         << "Salir sin datos";
    }

    void toolTips()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        auto *widget = m_screen->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->toolTip(), tip);
    }

    void listsHoldTheCatalogueInRowOrder()
    {
        const PositionCatalogue &catalogue = PositionCatalogue::builtIn();
        QCOMPARE(catalogue.size(), 311);
        QCOMPARE(cargox()->count(), catalogue.size());
        QVERIFY(cargox()->isEditable());
        QCOMPARE(cargox()->completer(), nullptr);
        QCOMPARE(cargox()->insertPolicy(), QComboBox::NoInsert);
        for (int row = 0; row < catalogue.size(); ++row)
            QCOMPARE(cargox()->itemText(row), catalogueName(row));
        QCOMPARE(cargox()->itemText(19), QStringLiteral("CAPACITADORES CENTROS LABORALES   Mecl"));
        QVERIFY(cargox()->itemText(295).endsWith(QStringLiteral("Categoría ")));
    }

    void hiddenListsHoldTheColumns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("first code") << "codigocargo" << 0 << "999";
        QTest::newRow("last code") << "codigocargo" << 310 << "733";
        QTest::newRow("734 basic") << "puntosbasicos" << 6 << "1500";
        QTest::newRow("734 complement") << "compbasico" << 6 << "101";
        QTest::newRow("734 differentiated") << "tareadif" << 6 << "150";
        QTest::newRow("813 full day") << "jorcompleta" << 157 << "620";
        QTest::newRow("609 prolongation") << "proljornada" << 30 << "0";
    }

    void hiddenListsHoldTheColumns()
    {
        QFETCH(QString, name);
        QFETCH(int, row);
        QFETCH(QString, text);
        showScreen();
        auto *list = m_screen->findChild<QListWidget *>(name);
        QVERIFY(list);
        QVERIFY(!list->isVisible());
        QCOMPARE(list->count(), 311);
        QCOMPARE(list->item(row)->text(), text);
        QCOMPARE(list->item(row)->data(Qt::UserRole).toInt(), row + 1);
    }

    void beforeFirstUse()
    {
        showScreen();
        verifyRowEverywhere(-1);
        QCOMPARE(codcargo()->text(), QStringLiteral("0"));
        QCOMPARE(cargox()->currentText(), QString());
        verifyPointBoxes({});
        QVERIFY(listo()->isEnabled());
        QVERIFY(listo()->isDefault());
        QVERIFY(child<QLineEdit>("punbas")->isReadOnly());
        for (const char *name : {"codcargo", "compbas", "proljor", "jorcom", "tardif"})
            QVERIFY(!child<QLineEdit>(name)->isReadOnly());
        const SelectedPosition position = m_screen->selectedPosition();
        QCOMPARE(position.code, std::string());
        QCOMPARE(position.name, std::string());
        QCOMPARE(position.basicPoints, std::string());
    }

    void codeBoxHasTheFocusAndTheNameListFollows()
    {
        showScreen();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        QTRY_COMPARE(QApplication::focusWidget(), codcargo());
        QTest::keyClick(codcargo(), Qt::Key_Tab);
        QTRY_VERIFY(cargox()->hasFocus());
    }

    // Opening the screen and typing a code at once replaces the code box's
    // text, on the first opening and on every later one.
    void aCodeTypedOnOpeningReplacesTheBoxText()
    {
        for (const QString &code : {QStringLiteral("734"), QStringLiteral("609")}) {
            showScreen();
            QTest::keyClicks(codcargo(), code);
            QCOMPARE(codcargo()->text(), code);
            QVERIFY(listo()->isEnabled());
            m_screen->hide();
        }
    }

    void typingSixZeroNineDigitByDigit()
    {
        showScreen();
        QTest::mouseClick(codcargo(), Qt::LeftButton);
        QCOMPARE(codcargo()->text(), QString());
        for (const char *partial : {"6", "60"}) {
            QTest::keyClick(codcargo(), partial[std::strlen(partial) - 1]);
            QCOMPARE(codcargo()->text(), QString::fromLatin1(partial));
            verifyNoSelection();
        }
        QTest::keyClick(codcargo(), '9');
        QCOMPARE(cargox()->currentText(), QStringLiteral("Director 1era Categoría"));
        verifyPointBoxes({"2000", "36", "0", "0", "0"});
        verifyRowEverywhere(30);
        QVERIFY(listo()->isEnabled());
        QTest::keyClick(codcargo(), '0');
        QCOMPARE(codcargo()->text(), QStringLiteral("6090"));
        verifyNoSelection();
    }

    void typedCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<PointTexts>("points");
        QTest::newRow("609") << "609" << 30 << "Director 1era Categoría"
                             << PointTexts{"2000", "36", "0", "0", "0"};
        QTest::newRow("734") << "734" << 6 << "Asistente Social"
                             << PointTexts{"1500", "101", "0", "0", "150"};
        QTest::newRow("999 is row 0")
            << "999" << 0 << "Analista Princ Tec Doc" << PointTexts{"3146", "0", "0", "0", "0"};
        QTest::newRow("813 full day") << "813" << 157 << "Maestro De Grado Jornada Completa"
                                      << PointTexts{"971", "170", "0", "620", "0"};
        QTest::newRow("733 last row")
            << "733" << 310 << "Visitador" << PointTexts{"1100", "146", "0", "0", "0"};
        QTest::newRow("fourth digit") << "6090" << -1 << "" << PointTexts{};
        QTest::newRow("two digits") << "60" << -1 << "" << PointTexts{};
        QTest::newRow("below the codes") << "599" << -1 << "" << PointTexts{};
        QTest::newRow("letters") << "abc" << -1 << "" << PointTexts{};
        QTest::newRow("leading blank") << " 609" << -1 << "" << PointTexts{};
        QTest::newRow("trailing blank") << "609 " << -1 << "" << PointTexts{};
        QTest::newRow("leading zero") << "0609" << -1 << "" << PointTexts{};
    }

    void typedCodes()
    {
        QFETCH(QString, code);
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(PointTexts, points);
        showScreen();
        typeCode(code);
        QCOMPARE(codcargo()->text(), code);
        verifyRowEverywhere(row);
        QCOMPARE(cargox()->currentText(), name);
        verifyPointBoxes(points);
        QCOMPARE(listo()->isEnabled(), row >= 0);
    }

    void everyCodeSelectsItsRow()
    {
        for (int row = 0; row < PositionCatalogue::builtIn().size(); ++row) {
            codcargo()->setText(catalogueCode(row));
            verifyShowsCatalogueRow(row);
        }
    }

    void typingNineNineNineIsLikeChoosingItsName()
    {
        showScreen();
        typeCode(QStringLiteral("999"));
        verifyShowsCatalogueRow(0);
        const SelectedPosition typed = m_screen->selectedPosition();

        m_screen = std::make_unique<AdvertenciaScreen>();
        showScreen();
        chooseName(0);
        verifyShowsCatalogueRow(0);
        QVERIFY(m_screen->selectedPosition() == typed);
    }

    void choosingANameShowsTheCodeOfThatRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("basic");
        QTest::newRow("first Maestro De Grado") << 149 << "634"
                                                << "971";
        QTest::newRow("second Maestro De Grado") << 150 << "749"
                                                 << "971";
        QTest::newRow("first Bibliotecario") << 13 << "633"
                                             << "941";
        QTest::newRow("second Bibliotecario") << 14 << "750"
                                              << "1050";
        QTest::newRow("third Bibliotecario") << 15 << "925"
                                             << "1120";
        QTest::newRow("fourth Bibliotecario") << 16 << "996"
                                              << "1480";
        QTest::newRow("last row") << 310 << "733"
                                  << "1100";
    }

    void choosingANameShowsTheCodeOfThatRow()
    {
        QFETCH(int, row);
        QFETCH(QString, code);
        QFETCH(QString, basic);
        showScreen();
        chooseName(row);
        QCOMPARE(codcargo()->text(), code);
        QCOMPARE(child<QLineEdit>("punbas")->text(), basic);
        verifyShowsCatalogueRow(row);
    }

    void choosingANameAfterAnUnmatchedCodeEnablesListo()
    {
        showScreen();
        typeCode(QStringLiteral("12"));
        QVERIFY(!listo()->isEnabled());
        chooseName(6);
        verifyShowsCatalogueRow(6);
    }

    void aChoiceSettlesInOnePass()
    {
        showScreen();
        QSignalSpy codeChanges(codcargo(), &QLineEdit::textChanged);
        QSignalSpy nameChanges(cargox(), &QComboBox::currentIndexChanged);
        chooseName(149);
        QCOMPARE(codeChanges.count(), 1);
        QCOMPARE(nameChanges.count(), 1);

        codeChanges.clear();
        nameChanges.clear();
        typeCode(QStringLiteral("734"));
        QCOMPARE(codeChanges.count(), 4); // emptied, then three digits
        QCOMPARE(nameChanges.count(), 2); // no row when emptied, then row 6
        verifyShowsCatalogueRow(6);
    }

    void clickingIntoTheCodeBoxEmptiesIt()
    {
        showScreen();
        typeCode(QStringLiteral("734"));
        QVERIFY(listo()->isEnabled());
        QTest::mouseClick(codcargo(), Qt::LeftButton);
        QCOMPARE(codcargo()->text(), QString());
        verifyNoSelection();
    }

    void typingIntoTheNameListSelectsNothing_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("row");
        QTest::newRow("after 734") << "734" << 6;
        QTest::newRow("with no row") << "12" << -1;
    }

    void typingIntoTheNameListSelectsNothing()
    {
        QFETCH(QString, code);
        QFETCH(int, row);
        showScreen();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        typeCode(code);
        cargox()->setFocus();
        QTRY_VERIFY(cargox()->hasFocus());
        QLineEdit *nameText = cargox()->lineEdit();
        nameText->selectAll();
        QTest::keyClicks(nameText, QStringLiteral("Bedel")); // a name of the list, row 12
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(!cargox()->hasFocus()); // leaving the name list finishes the typing
        QCOMPARE(cargox()->currentText(), QStringLiteral("Bedel"));
        verifyRowEverywhere(row);
        QCOMPARE(codcargo()->text(), code);
        QCOMPARE(m_screen->selectedPosition().name, std::string("Bedel"));
    }

    void listoOnANeverUsedScreen()
    {
        showScreen();
        QStringList heard;
        PositionSummary summary;
        connect(m_screen.get(), &AdvertenciaScreen::positionConfirmed, this,
                [&](const PositionSummary &s) {
                    summary = s;
                    heard << QStringLiteral("confirmed, visible %1").arg(m_screen->isVisible());
                });
        connect(m_screen.get(), &AdvertenciaScreen::positionCleared, this,
                [&] { heard << QStringLiteral("cleared, visible %1").arg(m_screen->isVisible()); });
        QTest::mouseClick(listo(), Qt::LeftButton);
        QCOMPARE(heard, (QStringList{"confirmed, visible 1", "cleared, visible 1"}));
        QVERIFY(!m_screen->isVisible());
        QCOMPARE(summary.code, QStringLiteral("0"));
        QCOMPARE(summary.name, QString());
        for (const QString &points :
             {summary.basicPoints, summary.complementPoints, summary.extendedDayPoints,
              summary.fullDayPoints, summary.differentiatedTaskPoints})
            QCOMPARE(points, QString());
    }

    void listoAfterTypingACode()
    {
        showScreen();
        typeCode(QStringLiteral("734"));
        QSignalSpy confirmed(m_screen.get(), &AdvertenciaScreen::positionConfirmed);
        QSignalSpy cleared(m_screen.get(), &AdvertenciaScreen::positionCleared);
        QTest::mouseClick(listo(), Qt::LeftButton);
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(cleared.count(), 0);
        QVERIFY(!m_screen->isVisible());
        const auto summary = confirmed.at(0).at(0).value<PositionSummary>();
        QCOMPARE(summary.name, QStringLiteral("Asistente Social"));
        QCOMPARE(summary.code, QStringLiteral("734"));
        QCOMPARE(summary.basicPoints, QStringLiteral("1500"));
        QCOMPARE(summary.complementPoints, QStringLiteral("101"));
        QCOMPARE(summary.extendedDayPoints, QStringLiteral("0"));
        QCOMPARE(summary.fullDayPoints, QStringLiteral("0"));
        QCOMPARE(summary.differentiatedTaskPoints, QStringLiteral("150"));
    }

    void listoHandsBackTypedPointsAndName()
    {
        showScreen();
        typeCode(QStringLiteral("734"));
        QLineEdit *compbas = child<QLineEdit>("compbas");
        compbas->selectAll();
        QTest::keyClicks(compbas, QStringLiteral("250"));
        cargox()->lineEdit()->selectAll();
        QTest::keyClicks(cargox()->lineEdit(), QStringLiteral("Asistente"));
        QSignalSpy confirmed(m_screen.get(), &AdvertenciaScreen::positionConfirmed);
        QTest::mouseClick(listo(), Qt::LeftButton);
        QCOMPARE(confirmed.count(), 1);
        const auto summary = confirmed.at(0).at(0).value<PositionSummary>();
        QCOMPARE(summary.complementPoints, QStringLiteral("250"));
        QCOMPARE(summary.name, QStringLiteral("Asistente"));
        QCOMPARE(summary.code, QStringLiteral("734"));
    }

    void selectedPositionAfterACode()
    {
        showScreen();
        typeCode(QStringLiteral("734"));
        const SelectedPosition position = m_screen->selectedPosition();
        QCOMPARE(position.code, std::string("734"));
        QCOMPARE(position.name, std::string("Asistente Social"));
        QCOMPARE(position.basicPoints, std::string("1500"));
        QCOMPARE(position.complementPoints, std::string("101"));
        QCOMPARE(position.extendedDayPoints, std::string("0"));
        QCOMPARE(position.fullDayPoints, std::string("0"));
        QCOMPARE(position.differentiatedTaskPoints, std::string("150"));
    }

    void typedPointTextsAreWhatTheCalculationReads_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("field");
        QTest::newRow("complement") << "compbas" << 0;
        QTest::newRow("prolongation") << "proljor" << 1;
        QTest::newRow("full day") << "jorcom" << 2;
        QTest::newRow("differentiated task") << "tardif" << 3;
    }

    void typedPointTextsAreWhatTheCalculationReads()
    {
        QFETCH(QString, box);
        QFETCH(int, field);
        showScreen();
        typeCode(QStringLiteral("734"));
        auto *edit = m_screen->findChild<QLineEdit *>(box);
        QVERIFY(edit);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("77"));
        const SelectedPosition position = m_screen->selectedPosition();
        const std::string read[] = {position.complementPoints, position.extendedDayPoints,
                                    position.fullDayPoints, position.differentiatedTaskPoints};
        QCOMPARE(read[field], std::string("77"));
        QCOMPARE(position.code, std::string("734"));
        QCOMPARE(position.basicPoints, std::string("1500"));
        verifyRowEverywhere(6);
    }

    void basicPointsCannotBeTyped()
    {
        showScreen();
        typeCode(QStringLiteral("734"));
        QLineEdit *punbas = child<QLineEdit>("punbas");
        QTest::mouseClick(punbas, Qt::LeftButton);
        QTest::keyClicks(punbas, QStringLiteral("9"));
        QCOMPARE(punbas->text(), QStringLiteral("1500"));
    }

    void salirSinDatosThenReopening()
    {
        showScreen();
        typeCode(QStringLiteral("734"));
        QStringList heard;
        connect(m_screen.get(), &AdvertenciaScreen::positionConfirmed, this,
                [&] { heard << QStringLiteral("confirmed"); });
        connect(m_screen.get(), &AdvertenciaScreen::positionCleared, this,
                [&] { heard << QStringLiteral("cleared, visible %1").arg(m_screen->isVisible()); });
        QTest::mouseClick(salir(), Qt::LeftButton);
        QCOMPARE(heard, QStringList{"cleared, visible 0"});

        showScreen();
        QCOMPARE(codcargo()->text(), QStringLiteral("734"));
        QCOMPARE(cargox()->currentText(), QString());
        verifyPointBoxes({"0", "0", "0", "0", "0"});
        const int row734 = PositionCatalogue::builtIn().findCode("734");
        QCOMPARE(rowsOfAllLists(), (QList<int>{-1, -1, row734, row734, row734, row734, row734}));
        const SelectedPosition position = m_screen->selectedPosition();
        QCOMPARE(position.code, std::string());
        QCOMPARE(position.name, std::string());
        for (const std::string &points :
             {position.basicPoints, position.complementPoints, position.extendedDayPoints,
              position.fullDayPoints, position.differentiatedTaskPoints})
            QCOMPARE(points, std::string("0"));
    }

    void enterPressesListo_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("code box, Return") << "codcargo" << int(Qt::Key_Return);
        QTest::newRow("code box, keypad Enter") << "codcargo" << int(Qt::Key_Enter);
        QTest::newRow("name list") << "cargox" << int(Qt::Key_Return);
        QTest::newRow("complement box") << "compbas" << int(Qt::Key_Return);
        QTest::newRow("Listo itself") << "Command1" << int(Qt::Key_Return);
    }

    void enterPressesListo()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        showScreen();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        typeCode(QStringLiteral("734"));
        auto *target = m_screen->findChild<QWidget *>(focus);
        QVERIFY(target);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QSignalSpy confirmed(m_screen.get(), &AdvertenciaScreen::positionConfirmed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(confirmed.count(), 1);
        QCOMPARE(confirmed.at(0).at(0).value<PositionSummary>().code, QStringLiteral("734"));
        QVERIFY(!m_screen->isVisible());
    }

    void enterDoesNothingWhileListoIsDisabled()
    {
        showScreen();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        typeCode(QStringLiteral("73"));
        QSignalSpy confirmed(m_screen.get(), &AdvertenciaScreen::positionConfirmed);
        QSignalSpy cleared(m_screen.get(), &AdvertenciaScreen::positionCleared);
        QTest::keyClick(codcargo(), Qt::Key_Return);
        QCOMPARE(confirmed.count(), 0);
        QCOMPARE(cleared.count(), 0);
        QVERIFY(m_screen->isVisible());
    }

    void enterOnSalirSinDatosPressesIt()
    {
        showScreen();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
        typeCode(QStringLiteral("734"));
        salir()->setFocus();
        QTRY_VERIFY(salir()->hasFocus());
        QSignalSpy confirmed(m_screen.get(), &AdvertenciaScreen::positionConfirmed);
        QSignalSpy cleared(m_screen.get(), &AdvertenciaScreen::positionCleared);
        QTest::keyClick(salir(), Qt::Key_Return);
        QCOMPARE(confirmed.count(), 0);
        QCOMPARE(cleared.count(), 1);
    }

    void closingThroughTheFrame_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("confirmations");
        QTest::addColumn<int>("clearings");
        QTest::addColumn<QString>("pointsAfter");
        QTest::addColumn<int>("rowAfter");
        QTest::newRow("row chosen: as Listo") << "734" << 1 << 0 << "101" << 6;
        QTest::newRow("no row: as Salir sin datos") << "73" << 0 << 1 << "0" << -1;
        QTest::newRow("emptied code box: as Salir sin datos") << "" << 0 << 1 << "0" << -1;
    }

    void closingThroughTheFrame()
    {
        QFETCH(QString, code);
        QFETCH(int, confirmations);
        QFETCH(int, clearings);
        QFETCH(QString, pointsAfter);
        QFETCH(int, rowAfter);
        showScreen();
        typeCode(code);
        QSignalSpy confirmed(m_screen.get(), &AdvertenciaScreen::positionConfirmed);
        QSignalSpy cleared(m_screen.get(), &AdvertenciaScreen::positionCleared);
        QVERIFY(!m_screen->close()); // the close is refused: the screen is only hidden
        QVERIFY(!m_screen->isVisible());
        QCOMPARE(confirmed.count(), confirmations);
        QCOMPARE(cleared.count(), clearings);
        showScreen();
        QCOMPARE(codcargo()->text(), code);
        QCOMPARE(child<QLineEdit>("compbas")->text(), pointsAfter);
        verifyRowEverywhere(rowAfter);
    }

    // The notice and the two table buttons lie inside the screen and over none of the
    // controls of its layout.
    void tableControlsCoverNothing()
    {
        showScreen();
        const QRect client = m_screen->rect();
        for (const char *name : {"aviso", "cargartabla", "tablaincorporada"}) {
            const QRect place = child<QWidget>(name)->geometry();
            QVERIFY2(client.contains(place), name);
            for (QWidget *other : m_screen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const QString otherName = other->objectName();
                if (other->isHidden() || otherName == QLatin1String(name) ||
                    otherName == QLatin1String("aviso") ||
                    otherName == QLatin1String("cargartabla") ||
                    otherName == QLatin1String("tablaincorporada"))
                    continue;
                QVERIFY2(!place.intersects(other->geometry()),
                         qPrintable(QStringLiteral("%1 covers %2").arg(name, otherName)));
            }
        }
    }

    void referencePointsAreNoticed_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("leaveWithoutPosition");
        QTest::addColumn<bool>("notice");
        QTest::newRow("verified row") << "734" << false << false;
        QTest::newRow("reference row") << "985" << false << true;
        QTest::newRow("no row, which is told") << "98" << false << false;
        QTest::newRow("reference row, then Salir sin datos") << "985" << true << false;
    }

    void referencePointsAreNoticed()
    {
        QFETCH(QString, code);
        QFETCH(bool, leaveWithoutPosition);
        QFETCH(bool, notice);
        showScreen();
        typeCode(code);
        if (leaveWithoutPosition) {
            QTest::mouseClick(salir(), Qt::LeftButton);
            showScreen();
        }
        auto *aviso = child<QLabel>("aviso");
        const bool unknownCode = code == QLatin1String("98");
        QCOMPARE(aviso->isVisible(), notice || unknownCode);
        if (unknownCode)
            QCOMPARE(aviso->text(), QStringLiteral("Ningún cargo de la tabla tiene el código 98."));
        QCOMPARE(m_screen->referencePointsChosen(), notice);
        if (notice) {
            QCOMPARE(aviso->text(),
                     QStringLiteral("Puntaje de referencia: verifíquelo con la escala oficial"));
            QVERIFY(QFontMetrics(aviso->font()).horizontalAdvance(aviso->text()) <
                    aviso->contentsRect().width());
        }
    }

    // A table replaces the rows and is described where the notice stands. A row shown is
    // looked up again by its code; a screen without a row stays as it was.
    void aTableGivenReplacesTheRows()
    {
        showScreen();
        auto table = std::make_shared<const PositionCatalogue>(PositionCatalogue::fromCsv(
            "code,name,basicPoints,extendedDayPoints,fullDayPoints,differentiatedTaskPoints,"
            "complementPoints\n600,Cargo propio,1000,0,0,0,0\n"
            "734,Asistente Social,2000,0,0,17,90\n"));
        const QString description = QStringLiteral("Tabla de cargos en uso: propia.csv");
        m_screen->setTable(table, description);
        QCOMPARE(codcargo()->text(), QStringLiteral("0"));
        QVERIFY(listo()->isEnabled()); // as before the first use
        QCOMPARE(cargox()->count(), 2);
        QCOMPARE(child<QListWidget>("codigocargo")->count(), 2);
        QCOMPARE(child<QLabel>("aviso")->text(), description);
        QVERIFY(child<QPushButton>("tablaincorporada")->isEnabled());
        typeCode(QStringLiteral("734"));
        verifyRowEverywhere(1);
        verifyPointBoxes({"2000", "90", "0", "0", "17"});

        m_screen->setTable(sharedBuiltInTable(), QString());
        verifyShowsCatalogueRow(6); // 734's row of the built-in table
        QVERIFY(!child<QPushButton>("tablaincorporada")->isEnabled());
        m_screen->setTable(table, description);
        typeCode(QStringLiteral("985")); // a code of the built-in table only
        verifyNoSelection();
    }

    void closingANeverUsedScreenLeavesWithoutPosition()
    {
        showScreen();
        QSignalSpy confirmed(m_screen.get(), &AdvertenciaScreen::positionConfirmed);
        QSignalSpy cleared(m_screen.get(), &AdvertenciaScreen::positionCleared);
        QVERIFY(!m_screen->close());
        QCOMPARE(confirmed.count(), 0);
        QCOMPARE(cleared.count(), 1);
        QCOMPARE(codcargo()->text(), QStringLiteral("0"));
        verifyPointBoxes({"0", "0", "0", "0", "0"});
    }
};

QTEST_MAIN(AdvertenciaScreenTest)
#include "AdvertenciaScreenTest.moc"
