// The Mini backs: the hatch and the cabrio with their round-cornered lamps
// on the wings, and the Clubman with its upright lamps on the pillars.

#include "views/looks/RearLook.h"

#include <QLinearGradient>

namespace car::rear {

void miniRear(Scene& s)
{
    QPainter& p = s.p;
    const bool clubman = s.look() == Look::ClubmanRear;
    const bool cabrio = s.look() == Look::MiniCabrioRear || s.look() == Look::MiniCabrioRearOneFog;
    RearSpec r;
    r.ground = 266;
    r.roofY = clubman ? 18 : 28;
    // The Clubman's back is upright and square, its lamps on the pillars.
    r.roofHalf = clubman ? 96 : 70;
    r.roofEdgeHalf = clubman ? 124 : 104;
    r.roofEdgeY = r.roofY + 8;
    r.windowTopY = r.roofY + 12;
    r.windowTopHalf = clubman ? 40 : 84;
    r.windowBottomY = clubman ? 112 : 84;
    r.windowBottomHalf = clubman ? 40 : 100;
    r.pillarHalf = clubman ? 136 : 118;
    r.deckY = clubman ? 122 : 88;
    r.shoulderY = clubman ? 126 : 92;
    r.shoulderHalf = clubman ? 139 : 132;
    r.bodyHalf = 141;
    r.bodyBottomY = 236;
    r.apronY = 240;
    r.tyreIn = 100;
    r.tyreOut = 136;
    r.tail = Tail::Hatch;
    r.roof = cabrio ? Roof::Soft : Roof::Hard;
    r.spoiler = !cabrio;
    r.lidHalf = clubman ? 2 : 100;
    r.lidBottomY = clubman ? 212 : 176;
    r.bumperTopY = clubman ? 198 : 184;
    r.plate = clubman ? QRectF(0, 213, 49, 15)
                      : (s.look() == Look::MiniRearOneFog || s.look() == Look::MiniCabrioRearOneFog
                             ? QRectF(0, 152, 50, 16)
                             : QRectF(0, 150, 48, 16));
    r.exhaustX = 26;
    r.exhaustY = 232;
    r.twinPipes = false;
    rearBody(s, r);

    s.bodySpace();
    if (!cabrio) {
        // The white roof.
        paintMiniRoof(p, r.roofY, r.roofHalf, r.roofEdgeHalf, r.roofEdgeY);
    }
    if (clubman) {
        // The two barn doors: a window in each, a split in the middle.
        {
            const double x0 = 6;
            QPainterPath w = smoothPolygon(QPolygonF{{x0, r.windowTopY},
                                                     {106, r.windowTopY + 2},
                                                     {110, r.windowBottomY},
                                                     {x0, r.windowBottomY}},
                                           4);
            paintGlass(p, w, r.windowTopY, r.windowBottomY);
        }
        p.setPen(QPen(QColor(60, 64, 70), 1.0));
        p.drawLine(QPointF(0.5, r.windowTopY - 4), QPointF(0.5, r.lidBottomY));
        p.setPen(QPen(colour::chrome, 1.6));
        p.drawLine(QPointF(8, r.windowBottomY + 16), QPointF(30, r.windowBottomY + 16));
        // Black trim round the lower body.
        QPainterPath sill = smoothPolygon(QPolygonF{{-2, r.bodyBottomY - 14},
                                                    {r.bodyHalf, r.bodyBottomY - 16},
                                                    {r.bodyHalf - 2, r.bodyBottomY + 1},
                                                    {-2, r.apronY}},
                                          3);
        paintTrim(p, sill, r.bodyBottomY - 16, r.apronY);
    } else {
        // Chrome handle strip over the plate.
        p.setPen(QPen(colour::chrome, 1.8));
        p.drawLine(QPointF(-2, r.plate.top() - 6), QPointF(36, r.plate.top() - 6));
    }
    // Black arch trim.
    QPainterPath arch;
    arch.moveTo(r.bodyHalf + 1.5, 176);
    arch.lineTo(r.bodyHalf + 1.5, r.bodyBottomY - 3);
    arch.quadTo(r.bodyHalf, r.bodyBottomY + 2, r.bodyHalf - 10, r.bodyBottomY + 2);
    arch.lineTo(r.tyreIn - 2, r.bodyBottomY + 2);
    arch.lineTo(r.tyreIn - 2, r.bodyBottomY - 4);
    arch.lineTo(r.bodyHalf - 4, r.bodyBottomY - 6);
    arch.lineTo(r.bodyHalf - 4, 178);
    arch.closeSubpath();
    paintTrim(p, arch, 176, r.bodyBottomY);

    if (clubman) {
        // Tall narrow rear lights up the pillars; the bumper lamp below.
        housing(s, {29, 41}, 0.5, 5.0);
        lampPoly(s, 29, 2.5, 2.0, {{0.1, 0.0}, {1.0, 0.04}, {0.95, 1.0}, {0.05, 1.0}}, 4.0);
        lampBox(s, 41, 2.5, 2.0, 3.0);
        const QRectF bumperLamp = s.area(37);
        s.lampSpace();
        p.setPen(Qt::NoPen);
        p.setBrush(colour::trim);
        p.drawRoundedRect(inset(bumperLamp, 0.5, 0.5), 3, 3);
        if (s.shows(37))
            s.lamp(37, roundRect(inset(bumperLamp, 2.0, 1.8), 2.0));
        if (s.shows(45))
            s.lamp(45, roundRect(inset(bumperLamp, 2.0, 1.8), 2.0));
    } else {
        // The upright oval rear light with its chrome ring.
        const QRectF box = areasBox(s, {25, 41, 37, 29}, 0.0);
        s.lampSpace();
        const QPainterPath oval = roundRect(inset(box, 0.5, 0.5), 10);
        paintHousing(p, oval);
        p.setPen(QPen(colour::chrome, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(oval);
        lampPoly(s, 25, 2.2, 1.2, {{0.0, 1.0}, {0.08, 0.25}, {0.5, 0.0}, {0.92, 0.25}, {1.0, 1.0}}, 4.0);
        lampBox(s, 41, 2.2, 1.2, 1.2);
        lampBox(s, 37, 2.2, 1.2, 1.2);
        lampPoly(s, 29, 2.2, 1.2, {{0.0, 0.0}, {1.0, 0.0}, {0.92, 0.75}, {0.5, 1.0}, {0.08, 0.75}}, 4.0);
    }
    centreBrake(s);
    if (!clubman)
        rearFog(s);
}

} // namespace car::rear
