#include "CalcCommand.h"

#include <QString>
#include <QStringList>

#include <iostream>

int main(int argc, char *argv[])
{
    std::ios::sync_with_stdio(false);
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return pagaluz::runCalc(arguments, std::cin, std::cout, std::cerr);
}
