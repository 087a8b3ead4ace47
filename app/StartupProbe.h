#pragma once

// --startup-probe, for bench/run: once the watched window has been painted
// for the first time, prints the time (the monotonic clock, in microseconds)
// and ends the program. The desktop program and the one-label yardstick use
// the same probe, so that their start-up times compare.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace pagaluz {

class StartupProbe : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Reports after this repaint of the screen has been finished.
            QTimer::singleShot(0, this, &StartupProbe::report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report()
    {
        const auto shown = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        std::printf("startup-probe shown_us=%lld\n", static_cast<long long>(shown.count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_painted = false;
};

} // namespace pagaluz
