// calcular_bench [RUNS]: the time from the click of "Calcular" to the payslip
// screen shown and painted, for the worked example entered through the
// screens as a user enters it (platform offscreen). The first click, which
// also creates the payslip screen, is reported on its own; then "Volver",
// the position chosen again, and RUNS more clicks (200 by default), of which
// the median and the shortest are reported, and the peak memory of the
// program with every screen created:
//
//   calcular first_ms=35.1 median_ms=4.2 min_ms=3.9 runs=200 max_rss_kib=61234

#include "AdvertenciaScreen.h"
#include "HaberesScreen.h"
#include "IngresoScreen.h"
#include "PagaluzApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

using namespace pagaluz::ui;

namespace {

template <typename T> T &child(QWidget &screen, const char *name)
{
    T *widget = screen.findChild<T *>(QLatin1String(name));
    if (!widget)
        throw std::runtime_error(std::string("no control named ") + name);
    return *widget;
}

void click(QWidget &screen, const char *name)
{
    QTest::mouseClick(&child<QAbstractButton>(screen, name), Qt::LeftButton);
}

// Notes a paint of the payslip screen once armed. It watches every object of
// the program, since the first click creates the screen.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(PagaluzApp &app) : m_app(app) {}

    void arm() { m_painted = false; }
    bool painted() const { return m_painted; }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == m_app.existingHaberes())
            m_painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
    PagaluzApp &m_app;
    bool m_painted = false;
};

// "cargo", the code typed on the selection screen, "Listo".
void choosePosition(PagaluzApp &app)
{
    click(app.ingreso(), "cargo");
    QLineEdit &code = child<QLineEdit>(app.advertencia(), "codcargo");
    code.clear();
    QTest::keyClicks(&code, QStringLiteral("734"));
    click(app.advertencia(), "Command1");
    QCoreApplication::processEvents();
}

// The worked example: 734, "Entre 5 y 7 años", "Desfavorable", pension.
void enterWorkedExample(PagaluzApp &app)
{
    choosePosition(app);
    click(app.ingreso(), "Option4");
    child<QComboBox>(app.ingreso(), "zona").setCurrentIndex(2);
    click(app.ingreso(), "APORTEJUB");
    QCoreApplication::processEvents();
}

// Clicks "Calcular" and processes events until the payslip screen is shown
// and its repaint is done; returns the milliseconds this took.
double timeCalcular(PagaluzApp &app, PaintWatch &watch)
{
    watch.arm();
    QElapsedTimer timer;
    timer.start();
    click(app.ingreso(), "Command1");
    while (!(app.existingHaberes() && app.existingHaberes()->isVisible() && watch.painted())) {
        if (timer.elapsed() > 10000)
            throw std::runtime_error("the payslip screen was not shown");
        QCoreApplication::processEvents();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long maxRssKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void run(int runs)
{
    PagaluzApp app(QLocale(QStringLiteral("es_AR")));
    app.start();
    if (!QTest::qWaitForWindowExposed(&app.ingreso()))
        throw std::runtime_error("the data entry screen was not shown");
    enterWorkedExample(app);
    PaintWatch watch(app);
    QCoreApplication::instance()->installEventFilter(&watch);
    const double first = timeCalcular(app, watch);
    std::vector<double> times;
    for (int index = 0; index < runs; ++index) {
        click(app.haberes(), "Volver");
        choosePosition(app);
        times.push_back(timeCalcular(app, watch));
    }
    std::printf("calcular first_ms=%.2f median_ms=%.2f min_ms=%.2f runs=%d max_rss_kib=%ld\n",
                first, median(times), *std::min_element(times.begin(), times.end()), runs,
                maxRssKib());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("es_AR")));
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    try {
        run(std::max(runs, 1));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "calcular_bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
