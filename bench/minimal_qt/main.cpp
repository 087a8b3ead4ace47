// The yardstick of the start-up time: the smallest Qt Widgets program, one
// label in a window. With --startup-probe it reports its first paint the way
// pagaluz does.

#include "StartupProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Pagaluz"));
    pagaluz::StartupProbe probe;
    if (QApplication::arguments().contains(QStringLiteral("--startup-probe")))
        label.installEventFilter(&probe);
    label.show();
    return QApplication::exec();
}
