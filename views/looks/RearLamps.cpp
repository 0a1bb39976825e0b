// The rear lamps' housings and shapes shared by the looks.

#include "views/looks/RearLook.h"

#include <algorithm>

namespace car::rear {

const std::initializer_list<QPointF> LShape = {{0.0, 0.12}, {0.9, 0.0},   {1.0, 0.15}, {1.0, 1.0},
                                               {0.7, 1.0},  {0.68, 0.62}, {0.03, 0.72}};

QRectF areasBox(const Scene& s, std::initializer_list<int> codes, double pad)
{
    QRectF box;
    for (int c : codes) {
        const QRectF a = s.area(c);
        if (!a.isEmpty())
            box = box.isNull() ? a : box.united(a);
    }
    return box.isNull() ? box : inset(box, pad, pad);
}

void housing(Scene& s, std::initializer_list<int> codes, double pad, double radius,
             std::initializer_list<QPointF> fractions)
{
    const QRectF box = areasBox(s, codes, pad);
    if (box.isEmpty())
        return;
    s.lampSpace();
    const QPainterPath path =
        fractions.size() > 0 ? smoothPolygon(inRect(box, fractions), radius) : roundRect(box, radius);
    paintHousing(s.p, path);
}

void lampPoly(Scene& s, int code, double dx, double dy, std::initializer_list<QPointF> fractions,
              double radius)
{
    if (!s.shows(code))
        return;
    s.lampSpace();
    s.lamp(code, smoothPolygon(inRect(inset(s.area(code), dx, dy), fractions), radius));
}

void lampBox(Scene& s, int code, double dx, double dy, double radius)
{
    if (!s.shows(code))
        return;
    s.lampSpace();
    s.lamp(code, roundRect(inset(s.area(code), dx, dy), radius));
}

void centreBrake(Scene& s)
{
    if (!s.shows(33))
        return;
    const QRectF a = s.area(33);
    s.lampSpace();
    const QRectF bar(-4, a.top() + 1.4, a.right() + 2.5, a.height() - 2.8);
    s.p.setPen(Qt::NoPen);
    s.p.setBrush(QColor(30, 30, 34));
    s.p.drawRoundedRect(bar.adjusted(0, -0.6, -1.5, 0.6), 1.2, 1.2);
    s.lamp(33, roundRect(bar.adjusted(0, 0, -2.5, 0), 1.0));
}

void rearFog(Scene& s)
{
    if (!s.shows(45))
        return;
    const QRectF a = s.area(45);
    s.lampSpace();
    if (a.left() < 0) {
        const double r = std::min(a.right(), a.height() / 2) - 1.5;
        const QPointF c(0, a.center().y());
        s.p.setPen(QPen(colour::chrome, 1.0));
        s.p.setBrush(colour::trim);
        s.p.drawEllipse(c, r + 1.4, r + 1.4);
        s.lamp(45, circle(c, r));
    } else {
        const QRectF bar = inset(a, 1.5, 1.2);
        s.p.setPen(Qt::NoPen);
        s.p.setBrush(colour::trim);
        s.p.drawRoundedRect(bar.adjusted(-1, -1, 1, 1), 2, 2);
        s.lamp(45, roundRect(bar, 1.5));
    }
}

void splitTailLamps(Scene& s, std::initializer_list<QPointF> wingShape,
                    std::initializer_list<QPointF> lidShape)
{
    housing(s, {25, 41}, 0.5, 3.5, wingShape);
    housing(s, {29, 37}, 0.5, 3.0, lidShape);
}

void bmwRear(Scene& s, const RearSpec& r, const std::function<void()>& tailLamps)
{
    rearBody(s, r);
    tailLamps();
    centreBrake(s);
    rearFog(s);
}

} // namespace car::rear
