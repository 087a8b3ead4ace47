#include "IngresoPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace pagaluz::ui {

namespace {

const QColor kNavy(0, 51, 102);
const QColor kTeal(0, 128, 128);
const QColor kPaper(250, 248, 240);
const QColor kPencil(240, 180, 40);

QImage transparentImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Each picture is drawn on a grid of its own units, scaled to fit the picture and centred.
void fitGrid(QPainter &painter, QSize size, qreal gridWidth, qreal gridHeight)
{
    const qreal scale = std::min(size.width() / gridWidth, size.height() / gridHeight);
    painter.translate((size.width() - gridWidth * scale) / 2,
                      (size.height() - gridHeight * scale) / 2);
    painter.scale(scale, scale);
}

void drawBadge(QPainter &painter)
{
    QRadialGradient gradient(QPointF(42, 38), 60);
    gradient.setColorAt(0, kTeal.lighter(130));
    gradient.setColorAt(1, kNavy);
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(50, 50), 46, 46);
}

void drawOpenBook(QPainter &painter)
{
    painter.setPen(QPen(kNavy, 1.2));
    painter.setBrush(kPaper);
    const QPolygonF leftPage({{50, 60}, {22, 54}, {22, 76}, {50, 82}});
    const QPolygonF rightPage({{50, 60}, {78, 54}, {78, 76}, {50, 82}});
    painter.drawPolygon(leftPage);
    painter.drawPolygon(rightPage);
    painter.setPen(QPen(kTeal, 1));
    for (int line = 0; line < 3; ++line) {
        const qreal y = 62 + 5 * line;
        painter.drawLine(QPointF(27, y - 3), QPointF(45, y + 1));
        painter.drawLine(QPointF(55, y + 1), QPointF(73, y - 3));
    }
}

void drawPencil(QPainter &painter)
{
    painter.save();
    painter.translate(50, 34);
    painter.rotate(-35);
    painter.setPen(QPen(kNavy, 1));
    painter.setBrush(kPencil);
    painter.drawRect(QRectF(-22, -4, 36, 8));
    painter.setBrush(kPaper);
    painter.drawPolygon(QPolygonF({{14, -4}, {24, 0}, {14, 4}}));
    painter.setBrush(QColor(220, 90, 90));
    painter.drawRect(QRectF(-28, -4, 6, 8));
    painter.restore();
}

void drawSkyAndLawn(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 228, 245));
    painter.drawRoundedRect(QRectF(0, 0, 250, 100), 8, 8);
    painter.setBrush(QColor(120, 180, 90));
    painter.drawRect(QRectF(0, 82, 250, 18));
}

void drawBuilding(QPainter &painter)
{
    painter.setPen(QPen(kNavy, 1.2));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(40, 40, 170, 44));
    painter.setBrush(QColor(190, 70, 60));
    painter.drawPolygon(QPolygonF({{30, 42}, {125, 14}, {220, 42}}));
    painter.setBrush(QColor(170, 200, 230));
    for (int window = 0; window < 6; ++window) {
        if (window == 2 || window == 3)
            continue;
        painter.drawRect(QRectF(52 + 27 * window, 50, 14, 14));
    }
    painter.setBrush(QColor(120, 80, 50));
    painter.drawRect(QRectF(113, 58, 24, 26));
}

void drawFlag(QPainter &painter)
{
    painter.setPen(QPen(kNavy, 1.2));
    painter.drawLine(QPointF(125, 14), QPointF(125, 0));
    painter.setPen(Qt::NoPen);
    const QColor stripes[] = {QColor(116, 172, 223), Qt::white, QColor(116, 172, 223)};
    for (int stripe = 0; stripe < 3; ++stripe) {
        painter.setBrush(stripes[stripe]);
        painter.drawRect(QRectF(126, 1 + 3 * stripe, 16, 3));
    }
}

// A transparent picture of `size` with `draw` drawn on it, antialiased, on a grid of
// gridWidth × gridHeight units fitted to the picture.
template <typename Draw>
QImage drawnPicture(QSize size, qreal gridWidth, qreal gridHeight, Draw draw)
{
    QImage image = transparentImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    fitGrid(painter, size, gridWidth, gridHeight);
    draw(painter);
    painter.end();
    return image;
}

} // namespace

QImage drawEmblemPicture(QSize size)
{
    return drawnPicture(size, 100, 100, [](QPainter &painter) {
        drawBadge(painter);
        drawOpenBook(painter);
        drawPencil(painter);
    });
}

QImage drawSchoolPicture(QSize size)
{
    return drawnPicture(size, 250, 100, [](QPainter &painter) {
        drawSkyAndLawn(painter);
        drawBuilding(painter);
        drawFlag(painter);
    });
}

} // namespace pagaluz::ui
