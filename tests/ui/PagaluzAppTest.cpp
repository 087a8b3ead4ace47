// The whole program driven as a user drives it: the screens, how they meet,
// "Calcular" from typed data to the payslip sheet, and what assistive
// technology finds on the screens.

#include "PagaluzApp.h"
#include "AdvertenciaScreen.h"
#include "DocumentKeeper.h"
#include "ErrorScreen.h"
#include "HaberesScreen.h"
#include "IngresoScreen.h"
#include "OtherScale.h"
#include "PositionCatalogue.h"
#include "PositionTableStore.h"
#include "ProgramSetup.h"
#include "ScaleFile.h"
#include "ScaleStore.h"
#include "ScriptedDialogs.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QWindow>

#include <algorithm>
#include <set>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace pagaluz::ui;

namespace {

// The widgets of the focusable controls found down the accessible tree that have a name, and
// their tool-tip, where they have one, as description.
void collectNamedControls(QAccessibleInterface *iface, std::set<QObject *> &named)
{
    const auto *widget = qobject_cast<const QWidget *>(iface->object());
    if (widget && iface->state().focusable && !iface->text(QAccessible::Name).isEmpty() &&
        (widget->toolTip().isEmpty() || iface->text(QAccessible::Description) == widget->toolTip()))
        named.insert(iface->object());
    for (int index = 0; index < iface->childCount(); ++index)
        collectNamedControls(iface->child(index), named);
}

// A label names the box beside it on the same line, or the box under it.
bool standsBeside(const QRect &label, const QRect &box)
{
    const bool sameLine = label.top() <= box.bottom() && box.top() <= label.bottom();
    const bool sameColumn = label.left() <= box.right() && box.left() <= label.right();
    const int across = std::max(box.left() - label.right(), label.left() - box.right());
    const int below = box.top() - label.bottom();
    return (sameLine && across <= 16) || (sameColumn && below >= 0 && below <= 16);
}

// The names of the list's items, each checked an item in its place.
void readItems(QAccessibleInterface &list, QStringList &names)
{
    names.clear();
    for (int index = 0; index < list.childCount(); ++index) {
        QAccessibleInterface *item = list.child(index);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(list.indexOfChild(item), index);
        names << item->text(QAccessible::Name);
    }
}

const QByteArray kTableHeader = "code,name,basicPoints,extendedDayPoints,fullDayPoints,"
                                "differentiatedTaskPoints,complementPoints\n";
const QByteArray kOwnTable =
    kTableHeader + "600,Cargo propio,1000,0,0,0,0\n" + "734,Asistente Social,2000,0,0,150,101\n";

// A kept copy of kOwnTable as the program writes it.
QByteArray goodCopy()
{
    return R"({"file": "propia.csv", "loaded": "2026-01-01T00:00:00Z", "table": ")" +
           QByteArray(kOwnTable).replace("\n", "\\n") + "\"}";
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// While it lives, no file of the process can grow beyond `bytes`, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails instead of ending us
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
};

} // namespace

class PagaluzAppTest : public QObject {
    Q_OBJECT

private:
    // The user's data folder of these tests, and the table files they load.
    QTemporaryDir m_folder;

    QString tableFile(const char *name, const QByteArray &text) const
    {
        QFile file(m_folder.filePath(QLatin1String(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", name);
        return file.fileName();
    }

    static QString storedCopy() { return PositionTableStore().path(); }
    static QString storedScale() { return ScaleStore().path(); }
    static QByteArray otherScale()
    {
        return QByteArray::fromStdString(pagaluz::test::otherScaleText());
    }

    // "Cargar tabla…" on the selection screen, the file `path` chosen.
    static void loadTable(PagaluzApp &app, const QString &path)
    {
        click(app.ingreso(), "cargo");
        app.advertencia().setTableFileChooser([path](QWidget *) { return path; });
        click(app.advertencia(), "cargartabla");
    }

    // "Cargar escala…" on the data entry screen's button "escala", the file `path` chosen.
    static void loadScale(PagaluzApp &app, const QString &path)
    {
        app.ingreso().setScaleFileChooser([path](QWidget *) { return path; });
        app.ingreso().findChild<QAction *>(QStringLiteral("cargarescala"))->trigger();
    }

    static int rowsOffered(PagaluzApp &app)
    {
        return child<QComboBox>(app.advertencia(), "cargox")->count();
    }

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
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("es_AR")));
        // The stored copy of a table goes to a folder of the test's own, never the user's.
        QVERIFY(m_folder.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.filePath(QStringLiteral("config"))));
        QVERIFY(storedCopy().startsWith(m_folder.path()));
    }

    void cleanup()
    {
        QFile::remove(storedCopy());
        QFile::remove(storedCopy() + QStringLiteral(".ilegible"));
        QFile::remove(storedScale());
        QFile::remove(storedScale() + QStringLiteral(".ilegible"));
    }

    void startsOnTheDataEntryScreenAlone()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        QVERIFY(app.ingreso().isVisible());
        QCOMPARE(app.ingreso().windowHandle()->title(), QStringLiteral("Ingreso de datos"));
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

        QTest::mouseClick(child<QLabel>(app.haberes(), "Label19_3"), Qt::LeftButton);
        QWidget *explanation = child<QWidget>(app.haberes(), "comoSeCalculo");
        QVERIFY(explanation->isVisible());
        QVERIFY(labelText(*explanation, "linea").startsWith(QStringLiteral("010 Antigüedad")));
    }

    // A finding of the comparison, applied: its inputs on the data entry screen, as opening a
    // saved file puts them, and "Calcular" then pays them.
    void applyingAFindingPutsItsInputsOnTheDataEntryScreen()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        enterWorkedExample(app);
        click(app.ingreso(), "Command1");
        pagaluz::PayInputs found;
        found.positionChosen = true;
        found.position =
            pagaluz::selectPositionByCode(pagaluz::PositionCatalogue::builtIn(), "734");
        pagaluz::chooseSeniorityBracket(found, 5);
        found.zone = 2;
        found.deductionsChosen.pension = true;
        emit app.haberes().inputsToApply(found);

        QVERIFY(!app.haberes().isVisible());
        QVERIFY(app.ingreso().isVisible());
        QVERIFY(child<QAbstractButton>(app.ingreso(), "Option5")->isChecked());
        QVERIFY(app.documents().hasUnsavedChanges());
        click(app.ingreso(), "Command1");
        QVERIFY(app.haberes().isVisible());
        QCOMPARE(labelText(app.haberes(), "Label1_3"), QStringLiteral("$ 457,3612"));
    }

    // "Salir sin datos", then "Listo" on the reopened screen: 0 points are paid, and shown.
    void theHeaderShowsThePointsPaidAfterLeavingWithoutData()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        choosePosition(app, QStringLiteral("634"));
        click(app.ingreso(), "cargo");
        click(app.advertencia(), "Command2");
        click(app.ingreso(), "cargo");
        click(app.advertencia(), "Command1");
        click(app.ingreso(), "Command1");
        QCOMPARE(labelText(app.haberes(), "Label1_0"), QStringLiteral("$0"));
        QCOMPARE(child<QLineEdit>(app.haberes(), "punbasicos")->text(), QStringLiteral("0"));
    }

    // A reference row gets the note; the hours paid after it do not.
    void thePayslipNotesReferencePoints()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        choosePosition(app, QStringLiteral("985"));
        click(app.ingreso(), "Command1");
        QVERIFY(child<QLabel>(app.haberes(), "notapuntaje")->isVisible());
        click(app.haberes(), "Volver");
        click(app.ingreso(), "horasmedio");
        typeInto(app.ingreso(), "numerohorasmed", QStringLiteral("10"));
        click(app.ingreso(), "Command1");
        QVERIFY(!child<QLabel>(app.haberes(), "notapuntaje")->isVisible());
    }

    // A table loaded is used, kept for the next start, and dropped by "Tabla incorporada".
    void aLoadedTableIsKeptUntilTheBuiltInOneIsChosen()
    {
        const QString path = tableFile("propia.csv", kOwnTable);
        {
            PagaluzApp app(QLocale(QStringLiteral("es_AR")));
            app.start();
            loadTable(app, path);
            QVERIFY(!app.tableMessage());
            QCOMPARE(rowsOffered(app), 2);
            QVERIFY(
                labelText(app.advertencia(), "aviso")
                    .startsWith(QStringLiteral("Tabla de cargos en uso: propia.csv, cargada el ")));
            typeInto(app.advertencia(), "codcargo", QStringLiteral("734"));
            click(app.advertencia(), "Command1");
            click(app.ingreso(), "Command1");
            QCOMPARE(labelText(app.haberes(), "Label1_0"), QStringLiteral("$1306"));
            QVERIFY(!child<QLabel>(app.haberes(), "notapuntaje")->isVisible());
        }
        QFile::remove(path); // the copy is what the next start reads
        {
            PagaluzApp app(QLocale(QStringLiteral("es_AR")));
            app.start();
            app.chooseStartingTable(std::nullopt);
            QVERIFY(!app.tableMessage());
            QCOMPARE(rowsOffered(app), 2);
            click(app.ingreso(), "cargo");
            click(app.advertencia(), "tablaincorporada");
            QCOMPARE(rowsOffered(app), 311);
            QVERIFY(!QFile::exists(storedCopy()));
        }
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.chooseStartingTable(std::nullopt);
        QCOMPARE(rowsOffered(app), 311);
    }

    // Each fault of a file is told by the core's tests; here, what it leaves unchanged.
    void aTableWithAFaultChangesNothing()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        loadTable(app, tableFile("propia.csv", kOwnTable));
        const QByteArray stored = contentsOf(storedCopy());
        loadTable(app, tableFile("mala.csv", kTableHeader + "734,Asistente T\xE9"
                                                            "cnico,1500,0,0,150,101\n"));
        QVERIFY(app.tableMessage() && app.tableMessage()->isVisible());
        QCOMPARE(app.tableMessage()->informativeText().left(25),
                 QStringLiteral("línea 2, columna 2 (name)"));
        QCOMPARE(rowsOffered(app), 2);
        QVERIFY(labelText(app.advertencia(), "aviso").contains(QStringLiteral("propia.csv")));
        QCOMPARE(contentsOf(storedCopy()), stored);
    }

    // A file's control characters quoted in a message are shown escaped.
    void aMessageShowsControlCharactersEscaped()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        loadTable(app, tableFile("mala.csv", "code,na\x1B[2J\rme\n"));
        QVERIFY(app.tableMessage());
        const QString told = app.tableMessage()->informativeText();
        QVERIFY2(told.contains(QStringLiteral("na\\u001B[2J\\u000Dme")), qPrintable(told));
        QCOMPARE(app.tableMessage()->textFormat(), Qt::PlainText);
    }

    // A copy that cannot be written whole leaves the earlier one as it was; the table
    // loaded is used until the program ends.
    void aFailedSaveLeavesTheEarlierCopy()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        loadTable(app, tableFile("propia.csv", kOwnTable));
        const QByteArray stored = contentsOf(storedCopy());
        QVERIFY(stored.contains("Cargo propio"));
        QByteArray longer = kTableHeader;
        for (int code = 600; code < 1000; ++code)
            longer += QByteArray::number(code) + ",Cargo de la tabla larga,971,0,0,0,170\n";
        const QString path = tableFile("larga.csv", longer);
        {
            const FileSizeLimit fullDisk(static_cast<rlim_t>(stored.size()));
            loadTable(app, path);
        }
        QVERIFY(app.tableMessage());
        QVERIFY2(app.tableMessage()->text().contains(QStringLiteral("no se pudo guardar")),
                 qPrintable(app.tableMessage()->text()));
        QCOMPARE(rowsOffered(app), 400);
        QCOMPARE(contentsOf(storedCopy()), stored);
        QCOMPARE(QDir(QFileInfo(storedCopy()).path()).entryList(QDir::Files).size(), 1);
    }

    void anUnreadableCopyIsToldOnceAndTheBuiltInTableUsed()
    {
        QVERIFY(QDir().mkpath(QFileInfo(storedCopy()).path()));
        QFile copy(storedCopy());
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(R"({"file": "x.csv", "loaded": "2026-01-01T00:00:00Z", "table": "code\n"})");
        copy.close();
        {
            PagaluzApp app(QLocale(QStringLiteral("es_AR")));
            app.start();
            app.chooseStartingTable(std::nullopt);
            QVERIFY(app.tableMessage() && app.tableMessage()->isVisible());
            QVERIFY(app.tableMessage()->informativeText().startsWith(QStringLiteral("línea 1")));
            QCOMPARE(rowsOffered(app), 311);
        }
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.chooseStartingTable(std::nullopt);
        QVERIFY(!app.tableMessage());
        QCOMPARE(rowsOffered(app), 311);
    }

    // A kept copy that is no plain file is set aside unread, at once: a device never ends, a
    // FIFO never answers, a link leads out of the data folder.
    void aKeptCopyThatIsNoPlainFileIsSetAsideUnread_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a device") << QStringLiteral("device");
        QTest::newRow("FIFO") << QStringLiteral("fifo");
        QTest::newRow("link to a good copy") << QStringLiteral("link");
    }
    void aKeptCopyThatIsNoPlainFileIsSetAsideUnread()
    {
        QFETCH(QString, kind);
        QVERIFY(QDir().mkpath(QFileInfo(storedCopy()).path()));
        const QString elsewhere = tableFile("elsewhere.json", goodCopy());
        const QByteArray path = QFile::encodeName(storedCopy());
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        else
            QVERIFY(QFile::link(kind == QLatin1String("device") ? QStringLiteral("/dev/zero")
                                                                : elsewhere,
                                storedCopy()));
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.chooseStartingTable(std::nullopt);
        QVERIFY(app.tableMessage());
        QVERIFY2(app.tableMessage()->informativeText().contains(QStringLiteral("archivo común")),
                 qPrintable(app.tableMessage()->informativeText()));
        QCOMPARE(rowsOffered(app), 311);
        QVERIFY(!QFileInfo(storedCopy()).exists() && !QFileInfo(storedCopy()).isSymLink());
        QCOMPARE(contentsOf(elsewhere), goodCopy());
    }

    // "Cargar tabla…" replaces a link that stands as the kept copy, never the file it leads to.
    void aLoadedTableReplacesALinkNotItsTarget()
    {
        QVERIFY(QDir().mkpath(QFileInfo(storedCopy()).path()));
        const QString elsewhere = tableFile("elsewhere.json", "someone else's file");
        QVERIFY(QFile::link(elsewhere, storedCopy()));
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        loadTable(app, tableFile("propia.csv", kOwnTable));
        QVERIFY(!app.tableMessage());
        QCOMPARE(contentsOf(elsewhere), QByteArray("someone else's file"));
        QVERIFY(!QFileInfo(storedCopy()).isSymLink());
        QVERIFY(contentsOf(storedCopy()).contains("Cargo propio"));
    }

    // A bad copy that cannot be set aside (here a folder stands in the way) is told at the
    // first start only; the built-in table is used at both.
    void aCopyThatCannotBeSetAsideIsToldOnce()
    {
        QVERIFY(QDir().mkpath(storedCopy() + QStringLiteral(".ilegible/lleno")));
        const auto removeFolder = qScopeGuard(
            [] { QDir(storedCopy() + QStringLiteral(".ilegible")).removeRecursively(); });
        QFile copy(storedCopy());
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write("no es una copia");
        copy.close();
        for (const bool told : {true, false}) {
            PagaluzApp app(QLocale(QStringLiteral("es_AR")));
            app.chooseStartingTable(std::nullopt);
            QCOMPARE(bool(app.tableMessage()), told);
            QCOMPARE(rowsOffered(app), 311);
            QVERIFY(QFile::exists(storedCopy()));
        }
    }

    // --positions-file: for this run, not kept; a table with a fault is told and not used.
    void aTableFileGivenAtStartIsUsedForThisRunOnly()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.chooseStartingTable(tableFile("propia.csv", kOwnTable));
        QCOMPARE(rowsOffered(app), 2);
        QVERIFY(!QFile::exists(storedCopy()));

        PagaluzApp refused(QLocale(QStringLiteral("es_AR")));
        refused.chooseStartingTable(tableFile("mala.csv", kTableHeader));
        QVERIFY(refused.tableMessage());
        QCOMPARE(rowsOffered(refused), 311);
    }

    // "40%" typed into the zone box is refused at "Calcular", naming the zones; the text stays.
    // --scale: every calculation of this run uses the scale, which heads the payslip; it is not
    // kept. A scale file with a fault is told with its line and column, and changes nothing.
    void aScaleFileGivenAtStartIsUsedForThisRunOnly()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        app.chooseStartingScale(tableFile("marzo.toml", otherScale()));
        QVERIFY(!app.scaleMessage());
        enterWorkedExample(app);
        click(app.ingreso(), "Command1");
        QCOMPARE(labelText(app.haberes(), "Label3"), QStringLiteral("Haberes Marzo 09"));
        QCOMPARE(labelText(app.haberes(), "Label1_0"), QStringLiteral("$1050")); // 1500 × 0,700
        QVERIFY(!QFile::exists(storedScale()));

        PagaluzApp refused(QLocale(QStringLiteral("es_AR")));
        refused.chooseStartingScale(tableFile("mala.toml", otherScale() + "sobra = 1\n"));
        QVERIFY(refused.scaleMessage());
        QVERIFY2(refused.scaleMessage()->informativeText().startsWith(QStringLiteral("línea ")),
                 qPrintable(refused.scaleMessage()->informativeText()));
        QCOMPARE(scaleName(refused.scale()), QStringLiteral("Haberes Agosto 08"));
    }

    // The button "escala" stands where no control of the data entry screen is.
    void theScaleButtonCoversNothing()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        const QRect button = child<QToolButton>(app.ingreso(), "escala")->geometry();
        for (QWidget *other : app.ingreso().findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!other->objectName().isEmpty() && other->objectName() != QLatin1String("escala"))
                QVERIFY2(!button.intersects(other->geometry()), qPrintable(other->objectName()));
    }

    // A scale file loaded on the data entry screen is used and kept for the next start, until
    // the built-in scale is chosen again; one with a fault leaves the scale in use and the kept
    // copy as they were.
    void aLoadedScaleIsKeptUntilTheBuiltInOneIsChosen()
    {
        {
            PagaluzApp app(QLocale(QStringLiteral("es_AR")));
            app.start();
            loadScale(app, tableFile("marzo.toml", otherScale()));
            QVERIFY(!app.scaleMessage());
            QCOMPARE(contentsOf(storedScale()), otherScale());
            QCOMPARE(labelText(app.ingreso(), "Label10"), QStringLiteral("Marzo de 2.009"));
            QCOMPARE(child<QToolButton>(app.ingreso(), "escala")->text(),
                     QStringLiteral("Escala: Haberes Marzo 09"));
            loadScale(app, tableFile("mala.toml", "nombre = \"Haberes Abril 09\"\n"));
            QVERIFY(app.scaleMessage());
            QVERIFY2(app.scaleMessage()->text().contains(
                         QStringLiteral("sigue en uso «Haberes Marzo 09»")),
                     qPrintable(app.scaleMessage()->text()));
            QVERIFY(app.scaleMessage()->informativeText().startsWith(QStringLiteral("línea ")));
            QCOMPARE(scaleName(app.scale()), QStringLiteral("Haberes Marzo 09"));
            QCOMPARE(contentsOf(storedScale()), otherScale());
        }
        {
            PagaluzApp app(QLocale(QStringLiteral("es_AR")));
            app.chooseStartingScale(std::nullopt);
            QVERIFY(!app.scaleMessage());
            QCOMPARE(scaleName(app.scale()), QStringLiteral("Haberes Marzo 09"));
            app.ingreso().findChild<QAction *>(QStringLiteral("escalaincorporada"))->trigger();
            QCOMPARE(scaleName(app.scale()), QStringLiteral("Haberes Agosto 08"));
            QCOMPARE(labelText(app.ingreso(), "Label10"), QStringLiteral("Agosto de 2.008"));
            QVERIFY(!QFile::exists(storedScale()));
        }
        // A kept copy that cannot be read is told at start, and the built-in scale used.
        QVERIFY(QFile::copy(tableFile("mala.toml", "nombre = 3\n"), storedScale()));
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.chooseStartingScale(std::nullopt);
        QVERIFY(app.scaleMessage());
        QVERIFY(app.scaleMessage()->text().startsWith(QStringLiteral("La escala guardada")));
        QCOMPARE(scaleName(app.scale()), QStringLiteral("Haberes Agosto 08"));
    }

    void aZoneTextThatNamesNoZoneIsRefusedAtCalcular()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        choosePosition(app, QStringLiteral("734"));
        auto *zona = child<QComboBox>(app.ingreso(), "zona");
        zona->lineEdit()->selectAll();
        QTest::keyClicks(zona->lineEdit(), QStringLiteral("40%"));
        click(app.ingreso(), "Command1");
        QVERIFY(app.conversionMessage() && app.conversionMessage()->isVisible());
        QVERIFY2(app.conversionMessage()->text().contains(QStringLiteral("Desfavorable (40 %)")),
                 qPrintable(app.conversionMessage()->text()));
        QVERIFY(!app.haberes().isVisible());
        QCOMPARE(zona->currentText(), QStringLiteral("40%"));
    }

    // Leaving the selection screen without a position, by its button or by Escape, clears the
    // option and the position summary.
    void leavingWithoutAPositionClearsTheSummary_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Salir sin datos") << false;
        QTest::newRow("Escape") << true;
    }
    void leavingWithoutAPositionClearsTheSummary()
    {
        QFETCH(bool, escape);
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        choosePosition(app, QStringLiteral("734"));
        QVERIFY(child<QLabel>(app.ingreso(), "codcarval")->isVisible());
        click(app.ingreso(), "cargo");
        if (escape)
            QTest::keyClick(&app.advertencia(), Qt::Key_Escape);
        else
            click(app.advertencia(), "Command2");
        QVERIFY(!app.advertencia().isVisible());
        QVERIFY(!child<QLabel>(app.ingreso(), "codcarval")->isVisible());
        QVERIFY(!child<QAbstractButton>(app.ingreso(), "cargo")->isChecked());
    }

    // A typed code that no row has is told where the notice stands.
    void anUnknownCodeIsTold()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        click(app.ingreso(), "cargo");
        typeInto(app.advertencia(), "codcargo", QStringLiteral("12345"));
        QCOMPARE(labelText(app.advertencia(), "aviso"),
                 QStringLiteral("Ningún cargo de la tabla tiene el código 12345."));
        QVERIFY(child<QLabel>(app.advertencia(), "aviso")->isVisible());
        typeInto(app.advertencia(), "codcargo", QStringLiteral("734"));
        QVERIFY(!labelText(app.advertencia(), "aviso").startsWith(QStringLiteral("Ningún")));
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

    // Every way a typed count can be wrong, through the screen: the message
    // names the field, the box keeps its text with the cursor in it, and the
    // payslip shown before stays as it was.
    void everyBadInputIsRefusedOnTheScreen_data()
    {
        QTest::addColumn<QString>("tick");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        const QString hours = QStringLiteral("Número de horas N. Medio");
        const struct {
            const char *name;
            const char *tick;
            const char *box;
            const char *text;
            QString field;
        } cases[] = {
            {"empty", "", "numerohorasmed", "", hours},
            {"blanks", "", "numerohorasmed", "   ", hours},
            {"letters", "", "numerohorasmed", "abc", hours},
            {"two separators", "", "numerohorasmed", "1,2,3", hours},
            {"other locale's separator", "", "numerohorasmed", "2.5", hours},
            {"exponent", "", "numerohorasmed", "1e400", hours},
            {"nan", "", "numerohorasmed", "nan", hours},
            {"inf", "", "numerohorasmed", "inf", hours},
            {"negative hours", "", "numerohorasmed", "-1", hours},
            {"hours beyond every amount", "", "numerohorasmed", "100000000000000000000", hours},
            {"negative code-06 hours", "", "numhorascod06", "-2",
             QStringLiteral("Número de horas con código 06")},
            {"incentive hours", "", "numhorasincen", "x",
             QStringLiteral("Número de horas con incentivo")},
            {"code-113 hours", "", "numhorascod113", "",
             QStringLiteral("Número de horas con código 113")},
            {"days", "inasist", "dinasist", "dos", QStringLiteral("Inasistencias Just")},
            {"negative days", "inasist", "dinasist", "-1", QStringLiteral("Inasistencias Just")},
            {"kilometres beyond 16 bits", "transporte", "cantkm", "40000",
             QStringLiteral("Transporte")},
            {"negative kilometres", "transporte", "cantkm", "-10", QStringLiteral("Transporte")},
            {"children beyond 255", "hijos", "cantidadhijos", "256", QStringLiteral("Hijos:")},
            {"negative children", "hijos", "cantidadhijos", "-1", QStringLiteral("Hijos:")},
            {"82 children with a disability", "hijosdisc", "cantidadhijosdisc", "82",
             QStringLiteral("Hijos Diferenc")},
        };
        for (const auto &c : cases)
            QTest::newRow(c.name) << QString::fromLatin1(c.tick) << QString::fromLatin1(c.box)
                                  << QString::fromUtf8(c.text) << c.field;
    }

    void everyBadInputIsRefusedOnTheScreen()
    {
        QFETCH(QString, tick);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, field);
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        click(app.ingreso(), "horasmedio");
        typeInto(app.ingreso(), "numerohorasmed", QStringLiteral("20"));
        click(app.ingreso(), "Command1");
        const QString shownNet = labelText(app.haberes(), "liquido");
        const QString shownFirstAmount = labelText(app.haberes(), "Label1_0");

        if (!tick.isEmpty())
            click(app.ingreso(), qPrintable(tick));
        typeInto(app.ingreso(), qPrintable(box), text);
        click(app.ingreso(), "Command1");

        QVERIFY(app.conversionMessage() && app.conversionMessage()->isVisible());
        QVERIFY2(app.conversionMessage()->text().startsWith(field),
                 qPrintable(app.conversionMessage()->text()));
        QLineEdit *refused = child<QLineEdit>(app.ingreso(), qPrintable(box));
        QCOMPARE(refused->text(), text);
        QCOMPARE(refused->selectedText(), text);
        QCOMPARE(labelText(app.haberes(), "liquido"), shownNet);
        QCOMPARE(labelText(app.haberes(), "Label1_0"), shownFirstAmount);
    }

    // The table of inputs names each converted input's box: a text box on the selection
    // screen for a position's points, on the data entry screen for the rest.
    void everyInputNamesATextBoxOnItsScreen_data()
    {
        QTest::addColumn<int>("field");
        for (const pagaluz::InputFieldInfo &info : pagaluz::kInputFields)
            QTest::newRow(info.key.data()) << int(info.field);
    }

    void everyInputNamesATextBoxOnItsScreen()
    {
        QFETCH(int, field);
        const pagaluz::InputFieldInfo &info = pagaluz::infoOf(pagaluz::InputField(field));
        const QString boxName =
            QString::fromLatin1(info.boxName.data(), qsizetype(info.boxName.size()));
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        QWidget &screen = info.ofPosition() ? static_cast<QWidget &>(app.advertencia())
                                            : static_cast<QWidget &>(app.ingreso());
        QVERIFY2(screen.findChild<QLineEdit *>(boxName), qPrintable(boxName));
    }

    void aFamilyBeyond255IsRefusedOnTheChildCount()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        click(app.ingreso(), "horasmedio");
        click(app.ingreso(), "hijos");
        click(app.ingreso(), "hijosdisc");
        typeInto(app.ingreso(), "cantidadhijos", QStringLiteral("200"));
        typeInto(app.ingreso(), "cantidadhijosdisc", QStringLiteral("60"));
        click(app.ingreso(), "Command1");
        QVERIFY(app.conversionMessage() && app.conversionMessage()->isVisible());
        QVERIFY(app.conversionMessage()->text().startsWith(QStringLiteral("Hijos:")));
        QVERIFY(!app.existingHaberes() || !app.existingHaberes()->isVisible());
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

    // With changes to lose, "Salir" first asks whether to save them: here they are discarded.
    void salirEndsTheProgramFromEitherScreen()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        ScriptedDialogs::Script script;
        script.unsaved = ScriptedDialogs::UnsavedChoice::Discard;
        app.documents().setDialogs(std::make_unique<ScriptedDialogs>(script));
        int quits = 0;
        app.setQuitAction([&quits] { ++quits; });
        app.start();
        click(app.ingreso(), "Command2");
        QCOMPARE(quits, 1);
        click(app.ingreso(), "horasmedio");
        click(app.ingreso(), "Command1");
        click(app.haberes(), "Salir");
        QCOMPARE(quits, 2);
        QCOMPARE(script.asked.size(), 1);
    }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("tiedLabels");
        QTest::newRow("data entry") << 0 << 7;
        QTest::newRow("position selection") << 1 << 7;
        QTest::newRow("payslip") << 2 << 6;
        QTest::newRow("message") << 3 << 0;
    }

    // The walk down a screen's accessible tree reaches every control that takes the focus,
    // hidden ones too, each named; a label tied to a box stands beside it or above it and is
    // read as the box's label.
    void everyControlIsNamed()
    {
        QFETCH(int, screen);
        QFETCH(int, tiedLabels);
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        enterWorkedExample(app);
        click(app.ingreso(), "Command1");
        QWidget *const screens[] = {&app.ingreso(), &app.advertencia(), &app.haberes(),
                                    &app.errorScreen()};
        QWidget &shown = *screens[screen];

        std::set<QObject *> named;
        collectNamedControls(QAccessible::queryAccessibleInterface(&shown), named);
        for (QWidget *widget : shown.findChildren<QWidget *>())
            for (const char *kind :
                 {"QLineEdit", "QPlainTextEdit", "QAbstractButton", "QComboBox", "QScrollBar"})
                if (widget->inherits(kind) && widget->focusPolicy() != Qt::NoFocus)
                    QVERIFY2(named.count(widget), qPrintable(widget->objectName()));

        const auto placeOf = [&shown](QWidget *w) {
            return QRect(w->mapTo(&shown, QPoint()), w->size());
        };
        int tied = 0;
        for (QLabel *label : shown.findChildren<QLabel *>()) {
            if (!label->buddy())
                continue;
            ++tied;
            QVERIFY2(standsBeside(placeOf(label), placeOf(label->buddy())),
                     qPrintable(label->objectName()));
            const auto labels = QAccessible::queryAccessibleInterface(label->buddy())
                                    ->relations(QAccessible::Label);
            QVERIFY(labels.size() == 1 && labels.front().first->object() == label);
        }
        QCOMPARE(tied, tiedLabels);
    }

    void payslipIsReadLineByLine()
    {
        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        app.start();
        child<QLineEdit>(app.ingreso(), "docente")->setText(QStringLiteral("Pérez, Ana"));
        enterWorkedExample(app);
        click(app.ingreso(), "Command1");
        QAccessibleInterface *sheet =
            QAccessible::queryAccessibleInterface(child<QWidget>(app.haberes(), "sosten"));
        QCOMPARE(sheet->role(), QAccessible::List);
        QCOMPARE(sheet->text(QAccessible::Name), QStringLiteral("Recibo de haberes"));
        QStringList items;
        readItems(*sheet, items);
        QCOMPARE(items.size(), 1 + 11 + 3);
        QCOMPARE(items.front(), QStringLiteral("Recibo de sueldos de: Pérez, Ana"));
        QCOMPARE(items[1], QStringLiteral("001, Asign. de la categoría, 1, $979,5, haberes"));
        QCOMPARE(items[2], QStringLiteral("002, Comp. de Básico, $ 65,953, haberes"));
        QCOMPARE(items[11], QStringLiteral("502, Aporte Jub., 16 %, $ 365,8176, descuentos"));
        QCOMPARE(items.mid(12), QStringList({QStringLiteral("Total Haberes, $ 2496,3601"),
                                             QStringLiteral("Total descuentos, $ 365,8176"),
                                             QStringLiteral("Liquido a pagar, $ 2130,5425")}));

        // A shorter payslip afterwards: an item for each row it shows, none left of the first.
        click(app.haberes(), "Volver");
        click(app.ingreso(), "horasmedio");
        typeInto(app.ingreso(), "numerohorasmed", QStringLiteral("20"));
        click(app.ingreso(), "Command1");
        QStringList hours;
        readItems(*sheet, hours);
        for (int row = 0; row < 27; ++row) {
            const QString name = QStringLiteral("cod_%1").arg(row);
            const QLabel *code = child<QLabel>(app.haberes(), qPrintable(name));
            QCOMPARE(row + 4 < hours.size(), !code->isHidden());
            if (!code->isHidden())
                QVERIFY(hours[row + 1].startsWith(code->text() + QStringLiteral(", ")));
        }
    }

    // Qt's own buttons in Spanish, and the program's icon on every window.
    void qtTextsInSpanishAndTheIconOnEveryWindow()
    {
        QVERIFY(installSpanishQtTexts(*qApp));
        setProgramIcon();
        const auto restore = qScopeGuard([] {
            for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
            QApplication::setWindowIcon({});
        });
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Imprimir"), QStringLiteral("x"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));

        PagaluzApp app(QLocale(QStringLiteral("es_AR")));
        for (QWidget *window : QList<QWidget *>{&app.ingreso(), &app.advertencia(), &app.haberes(),
                                                &app.errorScreen(), &box})
            QVERIFY(window->windowIcon().availableSizes().contains(QSize(128, 128)));
    }
};

QTEST_MAIN(PagaluzAppTest)
#include "PagaluzAppTest.moc"
