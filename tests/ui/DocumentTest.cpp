// Keeping a teacher's data, driven through the screens: what is saved opens onto the screens
// as it was and pays the same, also through pagaluz-calc; bad files are refused and leave the
// screens alone; a failed save leaves the earlier file whole; unsaved changes are asked about.

#include "AdvertenciaScreen.h"
#include "DocumentKeeper.h"
#include "DocumentsFolder.h"
#include "HaberesScreen.h"
#include "IngresoScreen.h"
#include "JsonOutput.h"
#include "LocaleConventions.h"
#include "OtherScale.h"
#include "PagaluzApp.h"
#include "PdfFileQuestion.h"
#include "PositionCatalogue.h"
#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace pagaluz;
using namespace pagaluz::ui;
using Choice = ScriptedDialogs::UnsavedChoice;

namespace {

template <typename T = QWidget> T *child(QWidget &screen, const QString &name)
{
    T *widget = screen.findChild<T *>(name);
    if (!widget)
        qFatal("no control named %s on %s", qPrintable(name), qPrintable(screen.objectName()));
    return widget;
}

// Types `text` key by key, accents and all, into the emptied box.
void typeInto(QLineEdit *box, const QString &text)
{
    box->clear();
    for (const QChar key : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(key), Qt::NoModifier);
}

// Does what `steps` say, one step after each "|": "c NAME" clicks a control of the data entry
// screen, "C NAME" of the selection screen, "h NAME" of the payslip; "t NAME=TEXT" types into a
// box of the data entry screen, "T NAME=TEXT" of the selection screen; "p CODE" chooses a
// position and confirms it; "z N" picks a zone; "n TEXT" writes the comment.
void enter(PagaluzApp &app, const QString &steps)
{
    for (const QString &step : steps.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        const QString rest = step.mid(2);
        const QString what = rest.section(QLatin1Char('='), 0, 0);
        QWidget &screen = step[0].isUpper() ? static_cast<QWidget &>(app.advertencia())
                                            : static_cast<QWidget &>(app.ingreso());
        switch (step[0].toLower().unicode()) {
        case 'c':
            QTest::mouseClick(child<QAbstractButton>(screen, what), Qt::LeftButton);
            break;
        case 'h':
            QTest::mouseClick(child<QAbstractButton>(app.haberes(), what), Qt::LeftButton);
            break;
        case 't':
            if (auto *list = screen.findChild<QComboBox *>(what))
                typeInto(list->lineEdit(), rest.section(QLatin1Char('='), 1));
            else
                typeInto(child<QLineEdit>(screen, what), rest.section(QLatin1Char('='), 1));
            break;
        case 'p':
            enter(app, "c cargo|T codcargo=" + what + "|C Command1");
            break;
        case 'z':
            child<QComboBox>(app.ingreso(), "zona")->setCurrentIndex(what.toInt());
            break;
        case 'n':
            child<QPlainTextEdit>(app.haberes(), "Text11")->setPlainText(rest);
            break;
        }
    }
}

const QString kWorkedExample =
    QStringLiteral("t docente=María José \"Pepa\" Núñez O'Brien|p 734|c Option4|z 2|c APORTEJUB");

// The program with its dialogs answered by `script`, ending the program counted.
struct Program {
    explicit Program(ScriptedDialogs::Script &script) : app(QLocale(QStringLiteral("es_AR")))
    {
        app.documents().setDialogs(std::make_unique<ScriptedDialogs>(script));
        app.setQuitAction([this] { ++quits; });
        app.start();
    }

    PagaluzApp app;
    int quits = 0;
};

// A control's text, tick, choice or row, and whether it can be used.
QString stateOf(QWidget &control)
{
    if (auto *label = qobject_cast<QLabel *>(&control))
        return label->text();
    if (auto *box = qobject_cast<QLineEdit *>(&control))
        return box->text();
    if (auto *button = qobject_cast<QAbstractButton *>(&control))
        return QStringLiteral("%1 %2").arg(button->isChecked()).arg(button->isEnabled());
    if (auto *list = qobject_cast<QComboBox *>(&control))
        return QStringLiteral("%1 %2").arg(list->currentIndex()).arg(list->currentText());
    if (auto *list = qobject_cast<QListWidget *>(&control))
        return QString::number(list->currentRow());
    return {};
}

// What the data entry and selection screens show, control by control, and the comment.
QStringList shownState(PagaluzApp &app)
{
    QStringList state;
    for (QWidget *screen :
         {static_cast<QWidget *>(&app.ingreso()), static_cast<QWidget *>(&app.advertencia())})
        for (QWidget *control : screen->findChildren<QWidget *>()) {
            const QString name = control->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
                state << name + QLatin1Char(' ') + stateOf(*control) +
                             (control->isVisibleTo(screen) ? " shown" : " hidden");
        }
    return state << app.haberes().comment();
}

PayInputs screenInputs(PagaluzApp &app)
{
    return app.ingreso().gatherInputs(app.advertencia().selectedPosition());
}

// What "Calcular" calculates now, as pagaluz-calc --json writes it.
std::string screenResult(PagaluzApp &app)
{
    std::string json;
    const DecimalConventions conventions = decimalConventionsOf(QLocale(QStringLiteral("es_AR")));
    appendResultJson(PayCalculator(conventions).calculate(screenInputs(app)), json);
    return json;
}

std::string calculatorResult(const QString &file)
{
    QProcess calc;
    calc.start(QStringLiteral(PAGALUZ_CALC_PROGRAM), {"--json", "--locale", "es_AR", file});
    calc.waitForFinished();
    return calc.readAllStandardOutput().trimmed().toStdString();
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

    ScriptedDialogs::Script m_script;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QStringLiteral("es_AR")));
    }

    void init()
    {
        m_script = {};
        m_dir = std::make_unique<QTemporaryDir>();
    }

    void savedDataOpenAsTheyWere_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("nothing typed") << QString();
        QTest::newRow("worked example, accents and quotes") << kWorkedExample;
        QTest::newRow("typed point texts and name") << QStringLiteral(
            "p 609|c cargo|T compbas=36,5|T tardif=12|T cargox=Directora|C Command1");
        QTest::newRow("every tick and count") << QStringLiteral(
            "c horasmedio|t numerohorasmed=20|t numhorascod06=4|t numhorasincen=3|"
            "t numhorascod113=2|c Option12|z 4|c Iosper|c Osplad|c UTREL|c APORTEJUB|c cajacomp|"
            "c Ley4035|c Seguro3011|c transporte|t cantkm=40|c hijos|t cantidadhijos=3|"
            "c hijosdisc|t cantidadhijosdisc=1|c conyuge|c inasist|t dinasist=2|c opincentivo");
        QTest::newRow("absences ticked, no days") << QStringLiteral("c inasist");
        QTest::newRow("after Volver")
            << QStringLiteral("c horasmedio|t numerohorasmed=20|c Command1|h Volver");
        QTest::newRow("long name and a comment")
            << "t docente=" + QStringLiteral("Ñandú «Ü» ").repeated(30) +
                   QStringLiteral("|c horassup|t numerohorassup=8|c Command1|"
                                  "n Dos líneas\n\"y comillas\"");
        QTest::newRow("a code left unfinished")
            << QStringLiteral("c cargo|T codcargo=73|c horasmedio");
        // Every bracket, with a kind of pay and a zone (or none) changing from row to row.
        for (int bracket = 1; bracket <= 12; ++bracket) {
            const QString pay[] = {
                "p " + QString::fromStdString(PositionCatalogue::builtIn().row(bracket).code),
                QStringLiteral("c horasmedio|t numerohorasmed=%1,5").arg(bracket),
                QStringLiteral("c horassup|t numerohorassup=%1").arg(bracket)};
            QTest::addRow("bracket %d", bracket)
                << pay[bracket % 3] + QStringLiteral("|c Option%1").arg(bracket) +
                       (bracket % 6 ? QStringLiteral("|z %1").arg(bracket % 6 - 1) : QString());
        }
    }

    void savedDataOpenAsTheyWere()
    {
        QFETCH(QString, steps);
        Program first(m_script);
        enter(first.app, steps);
        const QStringList shown = shownState(first.app);
        const PayInputs inputs = screenInputs(first.app);
        const std::string result = screenResult(first.app);
        m_script.saveName = path("datos.pagaluz");
        QVERIFY(first.app.documents().save());

        Program second(m_script);
        QVERIFY(second.app.documents().openFile(m_script.saveName));
        QCOMPARE(shownState(second.app), shown);
        QVERIFY(screenInputs(second.app) == inputs);
        QCOMPARE(screenResult(second.app), result);
        QCOMPARE(calculatorResult(m_script.saveName), result);
        QVERIFY(!second.app.ingreso().isWindowModified());
    }

    // Data saved under a loaded scale name it. Opened under another scale, both are named before
    // any calculation, and the data are opened all the same; pagaluz-calc reads the file too.
    void dataSavedUnderAnotherScaleSaySo()
    {
        const QString scaleFile = path(QStringLiteral("marzo.toml"));
        QFile scale(scaleFile);
        QVERIFY(scale.open(QIODevice::WriteOnly));
        scale.write(QByteArray::fromStdString(pagaluz::test::otherScaleText()));
        scale.close();
        Program first(m_script);
        first.app.chooseStartingScale(scaleFile);
        enter(first.app, kWorkedExample);
        m_script.saveName = path(QStringLiteral("datos.pagaluz"));
        QVERIFY(first.app.documents().save());
        QVERIFY(contentOf(m_script.saveName).contains("Haberes Marzo 09"));
        QVERIFY(!first.app.scaleMessage());

        Program second(m_script);
        QVERIFY(second.app.documents().openFile(m_script.saveName));
        QVERIFY(second.app.scaleMessage());
        const QString told = second.app.scaleMessage()->text();
        QVERIFY2(told.contains(QStringLiteral("«Haberes Marzo 09»")) &&
                     told.contains(QStringLiteral("«Haberes Agosto 08»")),
                 qPrintable(told));
        QVERIFY(screenInputs(second.app) == screenInputs(first.app));
        QCOMPARE(calculatorResult(m_script.saveName), screenResult(second.app));
    }

    void aBadFileIsRefusedNamingTheKey_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<QString>("named");
        const auto row = [](const char *name, const QByteArray &content, const char *named) {
            QTest::newRow(name) << content << QString::fromUtf8(named);
        };
        row("no JSON", "Liquidación", "JSON mal formado");
        row("not UTF-8", "{\"teacherName\": \"\xff\"}", "UTF-8");
        row("an array", "[{}]", "se esperaba un objeto JSON");
        row("not ours", R"({"name": "x"})", "\"name\": clave desconocida");
        row("newer", R"({"pagaluz": 2, "a": 1})", "\"pagaluz\": el archivo es de la versión 2");
        row("no such zone", R"({"zone": 7})", "\"zone\"");
        row("name beyond its box", "{\"teacherName\": \"" + QByteArray(32768, 'x') + "\"}",
            "\"teacherName\"");
        row("points beyond their box",
            "{\"position\": {\"basicPoints\": \"" + QByteArray(40000, '1') + "\"}}",
            "\"position.basicPoints\"");
        row("days behind an unticked box", R"({"absences": false, "absenceDays": "3"})",
            "\"absenceDays\"");
        row("missing", QByteArray(), "");
    }

    void aBadFileIsRefusedNamingTheKey()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, named);
        Program program(m_script);
        enter(program.app, kWorkedExample);
        m_script.saveName = path("datos.pagaluz");
        QVERIFY(program.app.documents().save());
        enter(program.app, "t docente=Sin guardar");
        const QStringList shown = shownState(program.app);

        QFile bad(path("malo.pagaluz"));
        QVERIFY(content.isNull() || (bad.open(QIODevice::WriteOnly) && bad.write(content) >= 0));
        bad.close();
        QVERIFY(!program.app.documents().openFile(bad.fileName()));
        QCOMPARE(m_script.told.size(), 1);
        QVERIFY2(m_script.told.front().contains(named), qPrintable(m_script.told.front()));
        QCOMPARE(shownState(program.app), shown);
        QVERIFY(program.app.ingreso().isWindowModified());
        QCOMPARE(program.app.documents().filePath(), m_script.saveName);
    }

    // No file may grow beyond the earlier one's size, as on a disk that fills up.
    void aSaveThatCannotBeWrittenLeavesTheEarlierFileWhole()
    {
        Program program(m_script);
        enter(program.app, kWorkedExample);
        m_script.saveName = path("datos.pagaluz");
        QVERIFY(program.app.documents().save());
        const QByteArray earlier = contentOf(m_script.saveName);
        enter(program.app, "t docente=" + QStringLiteral("Un nombre más largo ").repeated(5));

        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit before = limit;
        limit.rlim_cur = rlim_t(earlier.size());
        const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        const bool saved = program.app.documents().save();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, signalBefore);

        QVERIFY(!saved);
        QCOMPARE(contentOf(m_script.saveName), earlier);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"datos.pagaluz"});
        QCOMPARE(m_script.told.size(), 1);
        QVERIFY(program.app.ingreso().isWindowModified());
    }

    // Steps that change nothing leave saved data unmarked: "Cargo" again, with the data just
    // saved or just opened.
    void cargoAgainMarksNothing_data()
    {
        QTest::addColumn<bool>("reopened");
        QTest::newRow("saved") << false;
        QTest::newRow("opened") << true;
    }
    void cargoAgainMarksNothing()
    {
        QFETCH(bool, reopened);
        m_script.saveName = path("datos.pagaluz");
        {
            Program program(m_script);
            enter(program.app, kWorkedExample);
            QVERIFY(program.app.documents().save());
            if (!reopened) {
                enter(program.app, "c cargo|c cargo");
                QVERIFY(!program.app.ingreso().isWindowModified());
                enter(program.app, "C Command1");
                QVERIFY(!program.app.ingreso().isWindowModified());
                return;
            }
        }
        Program program(m_script);
        program.app.documents().openFile(m_script.saveName);
        QVERIFY(!program.app.ingreso().isWindowModified());
        enter(program.app, "c cargo");
        QVERIFY(!program.app.ingreso().isWindowModified());
        enter(program.app, "C Command1");
        QVERIFY(!program.app.ingreso().isWindowModified());
    }

    // The comment is kept as the teacher wrote it, typed or opened: its non-breaking spaces,
    // line separators and CR LF line ends survive saving again.
    void aCommentIsKeptAsWritten_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("typed");
        const QString kinds = QStringLiteral("a\u00A0b\u2028c\nd");
        QTest::newRow("typed") << kinds << true;
        QTest::newRow("opened") << kinds << false;
        QTest::newRow("opened, CR LF") << QStringLiteral("uno\r\ndos\r\n") << false;
    }
    void aCommentIsKeptAsWritten()
    {
        QFETCH(QString, comment);
        QFETCH(bool, typed);
        const auto savedComment = [](const QString &file) {
            return QJsonDocument::fromJson(contentOf(file)).object()[QStringLiteral("comment")];
        };
        m_script.saveName = path("datos.pagaluz");
        {
            Program program(m_script);
            enter(program.app, kWorkedExample + QStringLiteral("|n x"));
            QVERIFY(program.app.documents().save());
        }
        if (!typed) {
            QJsonObject saved = QJsonDocument::fromJson(contentOf(m_script.saveName)).object();
            saved[QStringLiteral("comment")] = comment;
            QFile file(m_script.saveName);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QJsonDocument(saved).toJson());
        }
        Program program(m_script);
        program.app.documents().openFile(m_script.saveName);
        if (typed)
            enter(program.app, QStringLiteral("n ") + comment);
        m_script.saveName = path("otra vez.pagaluz");
        QVERIFY(program.app.documents().saveAs());
        QCOMPARE(savedComment(m_script.saveName).toString(), comment);
    }

    // A home folder without "Documents": the data and the PDF are proposed in the home folder,
    // where the first save succeeds; with it, in "Documents".
    void theFirstSaveProposesAFolderThatExists_data()
    {
        QTest::addColumn<bool>("withDocuments");
        QTest::newRow("no Documents") << false;
        QTest::newRow("Documents") << true;
    }
    void theFirstSaveProposesAFolderThatExists()
    {
        QFETCH(bool, withDocuments);
        const QByteArray home = qgetenv("HOME");
        const auto restore = qScopeGuard([&] { qputenv("HOME", home); });
        qputenv("HOME", QFile::encodeName(m_dir->path()));
        const QString documents = path("Documents");
        if (withDocuments)
            QVERIFY(QDir().mkpath(documents));
        const QString folder = withDocuments ? documents : m_dir->path();
        Program program(m_script);
        enter(program.app, "t docente=Ana Paz");
        m_script.saveName = QDir(folder).filePath("Ana Paz.pagaluz");
        QVERIFY(program.app.documents().saveAs());
        QCOMPARE(QFileInfo(m_script.proposed).absolutePath(), folder);
        QVERIFY(QFile::exists(m_script.saveName));
        QCOMPARE(QFileInfo(proposedPdfPath(QStringLiteral("Ana Paz"))).absolutePath(), folder);
    }

    void theKeysSaveSaveAsAndOpen()
    {
        Program program(m_script);
        IngresoScreen &ingreso = program.app.ingreso();
        QVERIFY(QTest::qWaitForWindowActive(&ingreso));
        enter(program.app, "t docente= Ana/Paz ");
        QVERIFY(ingreso.isWindowModified());
        m_script.saveName = path("ana.pagaluz");
        QTest::keyClick(&ingreso, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_script.proposed, QDir(documentsFolder()).filePath("Ana-Paz.pagaluz"));
        QCOMPARE(ingreso.windowTitle(), QStringLiteral("ana.pagaluz[*] — Ingreso de datos"));
        QVERIFY(!ingreso.isWindowModified());

        m_script.proposed.clear();
        enter(program.app, "t docente=Ana Paz");
        QTest::keyClick(&ingreso, Qt::Key_S, Qt::ControlModifier); // into the same file
        QVERIFY(m_script.proposed.isEmpty());
        QVERIFY(contentOf(path("ana.pagaluz")).contains("\"Ana Paz\""));
        m_script.saveName = path("copia.pagaluz");
        QTest::keyClick(&ingreso, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_script.proposed, path("ana.pagaluz"));

        enter(program.app, "t docente=Sin guardar");
        m_script.openName = path("ana.pagaluz");
        m_script.unsaved = Choice::Discard;
        QTest::keyClick(&ingreso, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_script.asked.size(), 1);
        QCOMPARE(child<QLineEdit>(ingreso, "docente")->text(), QStringLiteral("Ana Paz"));
    }

    void endingAsksOnlyWithUnsavedChanges()
    {
        const struct {
            const char *name;
            bool saveFirst;
            const char *edit; // steps after saving
            const char *end;  // "c Command2" ("Salir"), "h Salir" on the payslip, or "frame"
            Choice answer;
            bool asked, ended, editSaved;
        } cases[] = {
            {"unchanged", true, "", "c Command2", Choice::Cancel, false, true, false},
            {"Descartar", true, "t docente=Editado", "c Command2", Choice::Discard, true, true,
             false},
            {"Cancelar", true, "t docente=Editado", "c Command2", Choice::Cancel, true, false,
             false},
            {"Guardar", true, "t docente=Editado", "c Command2", Choice::Save, true, true, true},
            {"comment, payslip", true, "n Editado", "h Salir", Choice::Save, true, true, true},
            {"frame", true, "t docente=Editado", "frame", Choice::Cancel, true, false, false},
            {"no name given", false, "", "c Command2", Choice::Save, true, false, false},
        };
        for (const auto &c : cases) {
            init();
            Program program(m_script);
            enter(program.app, QStringLiteral("c horasmedio|t numerohorasmed=20|c Command1"));
            m_script.saveName = path("datos.pagaluz");
            QVERIFY(!c.saveFirst || program.app.documents().save());
            m_script.saveName.clear();
            m_script.unsaved = c.answer;
            enter(program.app, QString::fromUtf8(c.edit));
            if (c.end == QLatin1String("frame"))
                program.app.ingreso().close();
            else
                enter(program.app, QString::fromUtf8(c.end));
            QVERIFY2(m_script.asked.isEmpty() != c.asked, c.name);
            QVERIFY2((program.quits == 1) == c.ended, c.name);
            QVERIFY2(contentOf(path("datos.pagaluz")).contains("Editado") == c.editSaved, c.name);
            QVERIFY2(program.app.ingreso().isVisible(), c.name);
        }
    }

    void theFilesOpenedLastAreOfferedFromAbrir()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pagaluz", "Pagaluz").clear();
        Program program(m_script);
        QStringList saved;
        for (int file = 1; file <= 6; ++file) {
            enter(program.app, QStringLiteral("t docente=Docente %1").arg(file));
            m_script.saveName = path(QStringLiteral("%1.pagaluz").arg(file));
            QVERIFY(program.app.documents().saveAs());
            saved.prepend(m_script.saveName);
        }
        QFile::remove(saved[1]); // gone: no longer offered
        auto *menu = child<QMenu>(program.app.ingreso(), "recientes");
        emit menu->aboutToShow();
        QStringList offered;
        for (QAction *entry : menu->actions())
            offered << entry->toolTip();
        QCOMPARE(offered, (QStringList{saved[0], saved[2], saved[3], saved[4]}));
        menu->actions()[2]->trigger();
        QCOMPARE(child<QLineEdit>(program.app.ingreso(), "docente")->text(),
                 QStringLiteral("Docente 3"));
        QCOMPARE(program.app.documents().filePath(), saved[3]);
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
