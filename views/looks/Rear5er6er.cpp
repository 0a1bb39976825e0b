// The 5er and 6er backs: their measures and rear lights.

#include "views/looks/RearLook.h"

namespace car::rear {

void er5Rear(Scene& s)
{
    const bool touring = s.look() == Look::Er5TouringRear;
    RearSpec r;
    r.roofY = touring ? 20 : 24;
    r.roofHalf = 62;
    r.roofEdgeHalf = 98;
    r.roofEdgeY = r.roofY + 8;
    r.windowTopY = r.roofY + 12;
    r.windowTopHalf = 82;
    r.windowBottomY = touring ? 96 : 62;
    r.windowBottomHalf = touring ? 98 : 106;
    r.pillarHalf = 126;
    r.deckY = touring ? 100 : 84;
    r.shoulderY = touring ? 100 : 94;
    r.shoulderHalf = 142;
    r.bodyHalf = 153;
    r.tyreIn = 108;
    r.tyreOut = 146;
    r.tail = touring ? Tail::Hatch : Tail::Saloon;
    r.spoiler = touring;
    r.lidHalf = 107;
    r.lidBottomY = touring ? 168 : 164;
    r.bumperTopY = touring ? 172 : 168;
    r.plate = touring ? QRectF(0, 149, 43, 17) : QRectF(0, 143, 44, 17);
    r.twinPipes = true;
    r.exhaustX = 116;
    if (!touring)
        r.flatLidShoulderY = 96;
    bmwRear(s, r, [&s] {
        // The boomerang: a wide outer part sweeping in over the lid.
        splitTailLamps(s, {{0.0, 0.0}, {0.94, 0.02}, {1.0, 0.2}, {0.95, 1.0}, {0.2, 1.0}, {0.0, 0.5}},
                       {{0.0, 0.3}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}});
        lampPoly(s, 25, 1.6, 1.4,
                 {{0.0, 0.05}, {0.95, 0.08}, {1.0, 0.3}, {0.96, 1.0}, {0.3, 1.0}, {0.02, 0.6}});
        lampPoly(s, 41, 1.6, 1.6, {{0.05, 0.0}, {0.95, 0.0}, {0.9, 1.0}, {0.2, 1.0}});
        lampPoly(s, 29, 1.6, 1.6, {{0.0, 0.4}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}});
        lampBox(s, 37, 8.0, 2.0);
    });
}

void er6Rear(Scene& s)
{
    RearSpec r;
    r.roofY = 40;
    r.roofHalf = 48;
    r.roofEdgeHalf = 84;
    r.roofEdgeY = 48;
    r.windowTopY = 52;
    r.windowTopHalf = 66;
    r.windowBottomY = 74;
    r.windowBottomHalf = 98;
    r.pillarHalf = 124;
    r.deckY = 92;
    r.shoulderY = 100;
    r.shoulderHalf = 144;
    r.bodyHalf = 155;
    r.tyreIn = 110;
    r.tyreOut = 149;
    r.lidHalf = 88;
    r.lidBottomY = 180;
    r.bumperTopY = 186;
    r.plate = {0, 196, 43, 17};
    r.flatLidShoulderY = 104;
    r.exhaustX = 118;
    r.exhaustY = 226;
    r.twinPipes = true;
    bmwRear(s, r, [&s] {
        // One long lamp over lid and wing: upper and lower part, indicator
        // and reversing light at its inner end.
        housing(s, {41, 37, 25, 29}, 0.5, 4.5,
                {{0.0, 0.15}, {0.95, 0.0}, {1.0, 0.2}, {0.97, 1.0}, {0.0, 0.95}});
        const bool lci = s.look() == Look::Er6LciRear;
        lampPoly(s, 25, 1.4, 1.4, {{0.0, 0.28}, {0.95, 0.0}, {1.0, 0.4}, {1.0, 1.0}, {0.0, 1.0}});
        if (lci)
            lampPoly(s, 29, 1.4, 2.4, {{0.0, 0.0}, {1.0, 0.0}, {1.0, 0.55}, {0.0, 0.55}});
        else
            lampPoly(s, 29, 1.4, 1.4, {{0.0, 0.0}, {1.0, 0.0}, {0.98, 1.0}, {0.0, 0.9}});
        lampBox(s, 41, 1.6, 1.6);
        lampBox(s, 37, 1.6, 1.6);
    });
}

} // namespace car::rear
