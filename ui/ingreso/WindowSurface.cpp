#include "WindowSurface.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>

namespace pagaluz::ui {

void prepareWindowSurface(QWidget &window)
{
    if (!window.isWindow())
        return;
    window.winId(); // makes the native window
    QBackingStore *surface = window.backingStore();
    if (surface == nullptr)
        return;
    const QRect whole(QPoint(), window.size());
    surface->resize(whole.size());
    surface->beginPaint(whole);
    {
        QPainter painter(surface->paintDevice());
        painter.fillRect(whole, window.palette().color(QPalette::Window));
    }
    surface->endPaint();
}

} // namespace pagaluz::ui
