// The message screen "Error de selección": its layout, and how it is hidden and
// shown again.

#include "ErrorScreen.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace pagaluz::ui;

namespace {

template <typename T> T *child(QWidget &screen, const QString &name)
{
    T *widget = screen.findChild<T *>(name);
    if (!widget)
        qFatal("no control named %s on %s", qPrintable(name), qPrintable(screen.objectName()));
    return widget;
}

} // namespace

class ErrorScreenTest : public QObject {
    Q_OBJECT

private slots:
    void errorScreenLayout()
    {
        ErrorScreen error;
        error.show();
        QVERIFY(QTest::qWaitForWindowExposed(&error));
        QCOMPARE(error.objectName(), QStringLiteral("error"));
        QCOMPARE(error.windowTitle(), QStringLiteral("Error de selección"));
        QCOMPARE(error.size(), QSize(341, 101));
        QVERIFY(!error.isModal());
        QCOMPARE(error.windowModality(), Qt::NonModal);

        auto *message = child<QLabel>(error, "Label1");
        QCOMPARE(message->text(), QStringLiteral("No seleccionaste cargo ni horas"));
        QCOMPARE(message->x(), 0);
        QCOMPARE(message->width(), 341);
        QVERIFY(message->alignment() & Qt::AlignHCenter);
        QVERIFY(message->font().bold());
        QVERIFY(message->font().pointSize() > error.font().pointSize());
        QVERIFY(QFontMetrics(message->font()).horizontalAdvance(message->text()) <= 341);
        const QColor colour = message->palette().color(QPalette::WindowText);
        QVERIFY(colour.red() > 100 && colour.green() < 50 && colour.blue() < 50);

        auto *aceptar = child<QPushButton>(error, "Aceptar");
        QCOMPARE(aceptar->text(), QStringLiteral("Aceptar"));
        QVERIFY(aceptar->isDefault());
        QVERIFY(qAbs(2 * aceptar->x() + aceptar->width() - 341) <= 1);
        QVERIFY(aceptar->y() >= message->geometry().bottom());
        QVERIFY(aceptar->geometry().bottom() < 101);
    }

    // Assistive technology presents a window of the alert role whole when it appears.
    void errorScreenIsReadAsAnAlert()
    {
        ErrorScreen error;
        QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(&error);
        QCOMPARE(alert->role(), QAccessible::AlertMessage);
        QCOMPARE(alert->text(QAccessible::Name), QStringLiteral("Error de selección"));
        QCOMPARE(alert->text(QAccessible::Description),
                 QStringLiteral("No seleccionaste cargo ni horas"));
    }

    void errorScreenHides_data()
    {
        QTest::addColumn<int>("key"); // 0: a click on "Aceptar"
        QTest::newRow("Aceptar clicked") << 0;
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void errorScreenHides()
    {
        QFETCH(int, key);
        ErrorScreen error;
        error.show();
        QVERIFY(QTest::qWaitForWindowExposed(&error));
        QWidget *target = error.focusWidget() ? error.focusWidget() : &error;
        if (key == 0)
            QTest::mouseClick(child<QPushButton>(error, "Aceptar"), Qt::LeftButton);
        else
            QTest::keyClick(target, Qt::Key(key));
        QTRY_VERIFY(!error.isVisible());

        error.show(); // shown again with its message
        QVERIFY(error.isVisible());
        QCOMPARE(child<QLabel>(error, "Label1")->text(),
                 QStringLiteral("No seleccionaste cargo ni horas"));
    }
};

QTEST_MAIN(ErrorScreenTest)
#include "ErrorScreenTest.moc"
