#include "ProgramSetup.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

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
    // Read as the PNG it is: left to guess, the reader tries every image format first, which
    // costs start-up as much as the decoding itself.
    const QImage icon(QStringLiteral(":/pagaluz/pagaluz.png"), "PNG");
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon)));
}

namespace {

// Sets the icon after the first paint of the window it watches, then goes.
class IconAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &setProgramIcon);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void setProgramIconAfterFirstPaint(QWidget &window)
{
    window.installEventFilter(new IconAfterFirstPaint(&window));
}

} // namespace pagaluz::ui
