#include "AdvertenciaPicture.h"

#include <QPainter>
#include <QPolygonF>

namespace pagaluz::ui {

// The drawing is made on a 100 × 60 grid stretched over the widget.
namespace {

constexpr double kGridWidth = 100.0;
constexpr double kGridHeight = 60.0;

const QColor kSky(255, 224, 176);
const QColor kGround(128, 208, 96);
const QColor kWall(255, 248, 232);
const QColor kRoof(192, 64, 32);
const QColor kWindowPane(160, 208, 255);
const QColor kDoor(144, 96, 48);
const QColor kOutline(96, 64, 32);
const QColor kPennant(64, 112, 224);

} // namespace

AdvertenciaPicture::AdvertenciaPicture(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF AdvertenciaPicture::at(double x, double y) const
{
    return {x * width() / kGridWidth, y * height() / kGridHeight};
}

QRectF AdvertenciaPicture::box(double x, double y, double boxWidth, double boxHeight) const
{
    return {at(x, y), at(x + boxWidth, y + boxHeight)};
}

void AdvertenciaPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSkyAndGround(painter);
    drawBuilding(painter);
    drawWindowsAndDoor(painter);
    drawPennant(painter);
}

void AdvertenciaPicture::drawSkyAndGround(QPainter &painter) const
{
    painter.fillRect(rect(), kSky);
    painter.fillRect(box(0, 50, kGridWidth, 10), kGround);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 208, 64));
    const double sunRadius = 5.0 * width() / kGridWidth;
    painter.drawEllipse(at(89, 9), sunRadius, sunRadius);
}

void AdvertenciaPicture::drawBuilding(QPainter &painter) const
{
    painter.setPen(QPen(kOutline, 1.5));
    painter.setBrush(kWall);
    painter.drawRect(box(14, 26, 60, 24));
    painter.drawRect(box(38, 14, 12, 12)); // bell tower
    painter.setBrush(kRoof);
    painter.drawPolygon(QPolygonF{at(10, 26), at(44, 14), at(78, 26)});
    painter.drawPolygon(QPolygonF{at(36, 14), at(44, 7), at(52, 14)});
    painter.setBrush(QColor(232, 184, 48));
    painter.drawEllipse(box(42, 17, 4, 6)); // the bell
}

void AdvertenciaPicture::drawWindowsAndDoor(QPainter &painter) const
{
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(kWindowPane);
    for (double left : {18.0, 28.0, 54.0, 64.0}) {
        painter.drawRect(box(left, 31, 6, 7));
        painter.drawLine(at(left + 3, 31), at(left + 3, 38));
        painter.drawLine(at(left, 34.5), at(left + 6, 34.5));
    }
    painter.setBrush(kDoor);
    painter.drawRect(box(40, 36, 8, 14));
}

void AdvertenciaPicture::drawPennant(QPainter &painter) const
{
    painter.setPen(QPen(kOutline, 2.0));
    painter.drawLine(at(88, 50), at(88, 20));
    painter.setPen(QPen(kOutline, 1.0));
    painter.setBrush(kPennant);
    painter.drawPolygon(QPolygonF{at(88, 20), at(99, 23.5), at(88, 27)});
}

} // namespace pagaluz::ui
