#include "IngresoScreen.h"
#include "PagaluzApp.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagaluz"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pagaluz"));
    pagaluz::ui::PagaluzApp pagaluz;
    pagaluz::StartupProbe probe;
    if (QApplication::arguments().contains(QStringLiteral("--startup-probe")))
        pagaluz.ingreso().installEventFilter(&probe);
    pagaluz.start();
    return QApplication::exec();
}
