// The copy of the pay scale file last loaded, as the next start finds it, and what stands in
// its place when it is no plain file.

#include "ScaleStore.h"
#include "KeptCopy.h"
#include "OtherScale.h"
#include "ScaleFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace pagaluz::ui;

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool standsThere(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

const QByteArray kOtherScale = QByteArray::fromStdString(pagaluz::test::otherScaleText());

} // namespace

class ScaleStoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString dataFolder() const { return m_folder.filePath(QStringLiteral("datos")); }
    ScaleStore store() const { return ScaleStore(dataFolder()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder.filePath(QStringLiteral("config"))));
    }

    void cleanup() { QDir(dataFolder()).removeRecursively(); }

    void aSavedCopyIsReadBackUntilRemoved()
    {
        QCOMPARE(store().save(kOtherScale), QString());
        QCOMPARE(contentsOf(store().path()), kOtherScale);
        QString problem;
        const std::shared_ptr<const pagaluz::PayScale> scale = store().load(problem);
        QVERIFY2(scale, qPrintable(problem));
        QCOMPARE(scaleName(*scale), QStringLiteral("Haberes Marzo 09"));
        QCOMPARE(scale->pointValue.value, 0.7);
        QCOMPARE(store().remove(), QString());
        QVERIFY(!store().load(problem));
        QCOMPARE(problem, QString());
    }

    // A copy that cannot be used is told, set aside unread, and not told again; what a link
    // leads to is left as it was.
    void aCopyThatCannotBeUsedIsSetAsideAndToldOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        QTest::newRow("FIFO") << QStringLiteral("fifo") << QStringLiteral("no es un archivo común");
        QTest::newRow("link to a good copy")
            << QStringLiteral("link") << QStringLiteral("no es un archivo común");
        QTest::newRow("folder") << QStringLiteral("folder")
                                << QStringLiteral("no es un archivo común");
        QTest::newRow("a figure missing")
            << QStringLiteral("fault") << QStringLiteral("línea 1, columna 1 (periodo): falta");
    }
    void aCopyThatCannotBeUsedIsSetAsideAndToldOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        QVERIFY(QDir().mkpath(dataFolder()));
        const QString path = store().path();
        const QString elsewhere = m_folder.filePath(QStringLiteral("elsewhere.toml"));
        QVERIFY(writeFile(elsewhere, kOtherScale));
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(elsewhere, path));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(writeFile(path, "nombre = \"Haberes Marzo 09\"\n"));

        QString problem;
        QVERIFY(!store().load(problem));
        QVERIFY2(problem.contains(told), qPrintable(problem));
        QVERIFY(!standsThere(path));
        QVERIFY(standsThere(setAsidePath(path)));
        QVERIFY(!store().load(problem));
        QCOMPARE(problem, QString());
        QCOMPARE(contentsOf(elsewhere), kOtherScale);
    }

    // Saving replaces a link standing as the copy, never the file it leads to.
    void savingReplacesALinkNotWhatItLeadsTo()
    {
        QVERIFY(QDir().mkpath(dataFolder()));
        const QString elsewhere = m_folder.filePath(QStringLiteral("someone-elses.toml"));
        QVERIFY(writeFile(elsewhere, "someone else's file"));
        QVERIFY(QFile::link(elsewhere, store().path()));
        QCOMPARE(store().save(kOtherScale), QString());
        QVERIFY(!QFileInfo(store().path()).isSymLink());
        QCOMPARE(contentsOf(store().path()), kOtherScale);
        QCOMPARE(contentsOf(elsewhere), QByteArray("someone else's file"));
        QCOMPARE(store().remove(), QString());
        QVERIFY(QFile::link(elsewhere, store().path()));
        QCOMPARE(store().remove(), QString());
        QVERIFY(!standsThere(store().path()));
        QVERIFY(QFile::exists(elsewhere));
    }
};

QTEST_GUILESS_MAIN(ScaleStoreTest)
#include "ScaleStoreTest.moc"
