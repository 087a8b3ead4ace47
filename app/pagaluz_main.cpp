#include "FontConfigurationLoader.h"
#include "IngresoScreen.h"
#include "PagaluzApp.h"
#include "PositionsFileOption.h"
#include "ProgramFont.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    pagaluz::FontConfigurationLoader fonts;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pagaluz"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pagaluz"));
    // Dialogs and message boxes in the screens' font. A text box lays its text out in the
    // application's font before taking its screen's, so this also spares start-up a lookup
    // of the system's default font and of its fallbacks.
    QApplication::setFont(pagaluz::ui::programFont());
    // The data entry screen makes its window while the font configuration is still being read.
    pagaluz::ui::PagaluzApp pagaluz(QLocale(), [&fonts] { fonts.wait(); });
    pagaluz::StartupProbe probe;
    if (QApplication::arguments().contains(QStringLiteral("--startup-probe")))
        pagaluz.ingreso().installEventFilter(&probe);
    pagaluz.start();
    pagaluz.chooseStartingTable(pagaluz::positionsFileOption(QApplication::arguments()));
    return QApplication::exec();
}
