#include "PagaluzApp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagaluz"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pagaluz"));
    pagaluz::ui::PagaluzApp pagaluz;
    pagaluz.start();
    return QApplication::exec();
}
