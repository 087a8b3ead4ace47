#pragma once

#include <QWidget>

class QPainter;

namespace pagaluz::ui {

// The decorative picture of the position selection screen: a schoolhouse
// with its pennant, drawn by the program to fill the box it is given.
class AdvertenciaPicture : public QWidget {
    Q_OBJECT

public:
    explicit AdvertenciaPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawSkyAndGround(QPainter &painter) const;
    void drawBuilding(QPainter &painter) const;
    void drawWindowsAndDoor(QPainter &painter) const;
    void drawPennant(QPainter &painter) const;
    QPointF at(double x, double y) const;
    QRectF box(double x, double y, double width, double height) const;
};

} // namespace pagaluz::ui
