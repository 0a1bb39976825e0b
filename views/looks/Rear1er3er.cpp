// The 1er and 3er backs: their measures and rear lights.

#include "views/looks/RearLook.h"

namespace car::rear {

namespace {

RearSpec er3Measures()
{
    RearSpec r;
    r.plate = {0, 135, 43, 18};
    return r;
}

void er3Lamps(Scene& s)
{
    splitTailLamps(s, {{0.0, 0.08}, {0.92, 0.0}, {1.0, 0.1}, {1.0, 1.0}, {0.12, 1.0}, {0.0, 0.55}},
                   {{0.0, 0.16}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 0.9}});
    lampPoly(s, 25, 1.6, 1.4, LShape);
    lampPoly(s, 41, 1.6, 1.6, {{0.05, 0.0}, {0.62, 0.0}, {0.62, 0.9}, {0.18, 1.0}});
    lampPoly(s, 29, 1.5, 1.6, {{0.0, 0.25}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}});
    lampPoly(s, 37, 8.0, 1.8, {{0.0, 0.0}, {1.0, 0.0}, {1.0, 0.9}, {0.0, 1.0}});
}

} // namespace

void er1Rear(Scene& s)
{
    RearSpec r;
    r.roofY = 26;
    r.roofHalf = 58;
    r.roofEdgeHalf = 94;
    r.windowTopY = 38;
    r.windowTopHalf = 80;
    r.windowBottomY = 92;
    r.windowBottomHalf = 96;
    r.deckY = 98;
    r.shoulderY = 100;
    r.shoulderHalf = 136;
    r.bodyHalf = 146;
    r.tyreIn = 104;
    r.tyreOut = 140;
    r.tail = Tail::Hatch;
    r.spoiler = true;
    r.lidHalf = 100;
    r.lidBottomY = 172;
    r.bumperTopY = 176;
    r.plate = {0, 184, 46, 18};
    r.exhaustX = 88;
    bmwRear(s, r, [&s] {
        const bool lci = s.look() == Look::Er1LciRear;
        housing(s, {29, 41, 37}, 0.5, 5.0, {{0.0, 0.2}, {0.9, 0.0}, {1.0, 0.2}, {0.96, 1.0}, {0.0, 1.0}});
        if (lci) {
            // The facelift: rear light as two bars of light.
            lampPoly(s, 29, 2.0, 2.0, {{0.0, 0.0}, {1.0, 0.0}, {1.0, 0.38}, {0.0, 0.38}});
            s.lampSpace();
            const QRectF a = inset(s.area(29), 2.0, 2.0);
            s.lamp(29,
                   roundRect(QRectF(a.left(), a.top() + a.height() * 0.6, a.width(), a.height() * 0.4), 1.5));
        } else {
            lampPoly(s, 29, 2.0, 1.6, {{0.0, 0.1}, {0.85, 0.0}, {1.0, 0.3}, {0.95, 1.0}, {0.0, 1.0}}, 3.0);
        }
        lampBox(s, 41, 2.0, 2.0);
        lampBox(s, 37, 2.0, 1.8);
    });
}

void er1CoupeRear(Scene& s)
{
    RearSpec r;
    r.roofY = 32;
    r.roofHalf = 54;
    r.roofEdgeHalf = 88;
    r.roofEdgeY = 40;
    r.windowTopY = 44;
    r.windowTopHalf = 72;
    r.windowBottomY = 70;
    r.windowBottomHalf = 98;
    r.deckY = 90;
    r.shoulderY = 98;
    r.shoulderHalf = 136;
    r.bodyHalf = 146;
    r.tyreIn = 104;
    r.tyreOut = 140;
    r.lidHalf = 99;
    r.lidBottomY = 160;
    r.bumperTopY = 166;
    r.plate = {0, 135, 44, 17};
    r.exhaustX = 100;
    bmwRear(s, r, [&s] {
        splitTailLamps(s, {{0.0, 0.05}, {0.9, 0.0}, {1.0, 0.2}, {0.97, 1.0}, {0.0, 1.0}},
                       {{0.0, 0.1}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 0.9}});
        lampPoly(s, 25, 1.6, 1.4, {{0.0, 0.1}, {0.9, 0.0}, {1.0, 0.3}, {1.0, 1.0}, {0.0, 1.0}});
        lampBox(s, 41, 1.8, 1.6);
        lampBox(s, 29, 1.6, 1.6);
        lampBox(s, 37, 6.0, 1.8);
    });
}

void er3Rear(Scene& s)
{
    RearSpec r = er3Measures();
    bmwRear(s, r, [&s] { er3Lamps(s); });
}

void er3TouringRear(Scene& s)
{
    RearSpec r = er3Measures();
    r.roofY = 24;
    r.roofHalf = 62;
    r.roofEdgeHalf = 96;
    r.roofEdgeY = 32;
    r.windowTopY = 36;
    r.windowTopHalf = 80;
    r.windowBottomY = 96;
    r.windowBottomHalf = 96;
    r.deckY = 100;
    r.shoulderY = 100;
    r.tail = Tail::Hatch;
    r.spoiler = true;
    r.lidHalf = 102;
    r.lidBottomY = 166;
    r.bumperTopY = 170;
    r.plate = {0, 141, 43, 18};
    bmwRear(s, r, [&s] { er3Lamps(s); });
}

void er3LciRear(Scene& s)
{
    RearSpec r = er3Measures();
    r.windowBottomY = 72;
    r.deckY = 94;
    r.shoulderY = 102;
    r.lidBottomY = 172;
    r.bumperTopY = 176;
    r.plate = {0, 151, 45, 18};
    bmwRear(s, r, [&s] { er3Lamps(s); });
}

void er3CoupeRear(Scene& s)
{
    const bool cabrio = s.look() == Look::Er3CabrioRear;
    RearSpec r;
    r.roofY = cabrio ? 34 : 36;
    r.roofHalf = 50;
    r.roofEdgeHalf = 86;
    r.roofEdgeY = r.roofY + 8;
    r.windowTopY = r.roofY + 12;
    r.windowTopHalf = 68;
    r.windowBottomY = cabrio ? 66 : 68;
    r.windowBottomHalf = 100;
    r.deckY = cabrio ? 84 : 86;
    r.shoulderY = cabrio ? 92 : 94;
    r.shoulderHalf = 138;
    r.bodyHalf = 149;
    r.roof = cabrio ? Roof::Hardtop : Roof::Hard;
    r.lidHalf = 105;
    r.lidBottomY = cabrio ? 154 : 158;
    r.bumperTopY = cabrio ? 160 : 164;
    r.plate = cabrio ? QRectF(0, 132, 46, 17) : QRectF(0, 135, 43, 17);
    r.twinPipes = true;
    bmwRear(s, r, [&s] {
        splitTailLamps(s, {{0.0, 0.08}, {0.92, 0.0}, {1.0, 0.12}, {1.0, 1.0}, {0.12, 1.0}, {0.0, 0.55}},
                       {{0.0, 0.12}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 0.85}});
        // LED bars in an L.
        lampPoly(s, 25, 1.6, 1.4, LShape);
        lampPoly(s, 41, 1.6, 1.6, {{0.05, 0.0}, {0.62, 0.0}, {0.62, 0.9}, {0.18, 1.0}});
        lampPoly(s, 29, 1.5, 2.2, {{0.0, 0.2}, {1.0, 0.0}, {1.0, 0.7}, {0.0, 0.8}});
        lampBox(s, 37, 8.0, 1.8);
    });
}

} // namespace car::rear
