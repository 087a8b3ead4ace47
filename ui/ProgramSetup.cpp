#include "ProgramSetup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace pagaluz::ui {

bool installSpanishQtTexts(QCoreApplication &application)
{
    auto *translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_es"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void setProgramIcon()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pagaluz/pagaluz.png")));
}

} // namespace pagaluz::ui
