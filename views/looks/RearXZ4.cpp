// The X5, X6 and Z4 backs: their measures and rear lights.

#include "views/looks/RearLook.h"

namespace car::rear {

void x5x6Rear(Scene& s)
{
    const bool x6 = s.look() == Look::X6Rear;
    RearSpec r;
    r.ground = 266;
    r.roofY = x6 ? 16 : 6;
    r.roofHalf = x6 ? 44 : 60;
    r.roofEdgeHalf = x6 ? 78 : 96;
    r.roofEdgeY = r.roofY + 9;
    r.windowTopY = x6 ? 38 : r.roofY + 14;
    r.windowTopHalf = x6 ? 54 : 82;
    r.slopedRoof = x6;
    r.roofRails = !x6;
    r.windowBottomY = x6 ? 60 : 84;
    r.windowBottomHalf = x6 ? 90 : 98;
    r.pillarHalf = 122;
    r.deckY = x6 ? 76 : 88;
    r.shoulderY = x6 ? 84 : 90;
    r.shoulderHalf = 140;
    r.bodyHalf = x6 ? 151 : 146;
    r.bodyBottomY = 220;
    r.apronY = 228;
    r.tyreIn = 100;
    r.tyreOut = 144;
    r.tail = Tail::Hatch;
    r.spoiler = !x6;
    r.plasticArches = true;
    r.lidHalf = x6 ? 102 : 100;
    r.lidBottomY = x6 ? 150 : 170;
    r.bumperTopY = x6 ? 160 : 176;
    r.plate = x6 ? QRectF(0, 123, 42, 17) : QRectF(0, 145, 40, 17);
    r.exhaustX = 110;
    r.exhaustY = 222;
    r.twinPipes = true;
    bmwRear(s, r, [&s, x6] {
        if (x6) {
            splitTailLamps(s, {{0.0, 0.0}, {0.9, 0.0}, {1.0, 0.15}, {1.0, 1.0}, {0.1, 1.0}, {0.0, 0.6}},
                           {{0.0, 0.1}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 0.9}});
            lampPoly(s, 25, 1.6, 1.4, LShape);
            lampPoly(s, 41, 1.6, 1.6, {{0.05, 0.0}, {0.62, 0.0}, {0.62, 0.9}, {0.18, 1.0}});
            lampBox(s, 29, 1.6, 1.8);
            lampBox(s, 37, 8.0, 1.6);
        } else {
            housing(s, {25, 29}, 0.5, 4.0, {{0.0, 0.0}, {0.9, 0.0}, {1.0, 0.1}, {1.0, 1.0}, {0.0, 0.92}});
            housing(s, {41, 37}, 0.5, 3.0, {{0.0, 0.1}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}});
            lampPoly(s, 25, 1.6, 1.6,
                     {{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.6, 1.0}, {0.55, 0.45}, {0.0, 0.5}});
            lampPoly(s, 29, 1.6, 1.6,
                     {{0.5, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 0.9}, {0.0, 0.55}, {0.45, 0.5}});
            lampBox(s, 41, 1.6, 1.6);
            lampBox(s, 37, 1.6, 1.6);
        }
    });
}

void z4Rear(Scene& s)
{
    RearSpec r;
    r.roofY = 60;
    r.roofHalf = 48;
    r.roofEdgeHalf = 84;
    r.roofEdgeY = 68;
    r.windowTopY = 72;
    r.windowTopHalf = 56;
    r.windowBottomY = 88;
    r.windowBottomHalf = 64;
    r.pillarHalf = 112;
    r.deckY = 96;
    r.shoulderY = 100;
    r.shoulderHalf = 140;
    r.bodyHalf = 150;
    r.roof = Roof::Soft;
    r.lidHalf = 102;
    r.lidBottomY = 168;
    r.bumperTopY = 174;
    r.plate = {0, 189, 43, 17};
    r.exhaustX = 100;
    r.twinPipes = true;
    bmwRear(s, r, [&s] {
        housing(s, {29, 25}, 0.5, 4.0, {{0.0, 0.1}, {0.9, 0.0}, {1.0, 0.25}, {1.0, 1.0}, {0.05, 0.8}});
        housing(s, {41, 37}, 0.5, 3.0, {{0.0, 0.15}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 0.9}});
        lampPoly(s, 29, 1.6, 1.6, {{0.0, 0.12}, {0.9, 0.0}, {1.0, 0.3}, {1.0, 1.0}, {0.0, 1.0}});
        lampPoly(s, 25, 1.6, 1.6, {{0.0, 0.0}, {1.0, 0.0}, {1.0, 0.8}, {0.1, 1.0}});
        lampBox(s, 41, 1.6, 1.6);
        lampBox(s, 37, 6.0, 1.6);
    });
}

} // namespace car::rear
