// The measures of the X5, X6 and Z4 fronts.

#include "views/looks/FrontLook.h"

namespace car::front {

FrontSpec x5Front()
{
    FrontSpec f;
    f.face = Face::X5;
    f.ground = 266;
    f.roofY = 8;
    f.roofHalf = 60;
    f.roofEdgeHalf = 96;
    f.roofEdgeY = 18;
    f.screenTopY = 20;
    f.screenTopHalf = 84;
    f.screenBottomY = 92;
    f.screenBottomHalf = 114;
    f.pillarHalf = 124;
    f.shoulderY = 104;
    f.shoulderHalf = 134;
    f.bodyHalf = 146;
    f.bodyBottomY = 224;
    f.apronY = 232;
    f.tyreIn = 100;
    f.tyreOut = 142;
    f.mirrorY = 76;
    f.mirrorH = 16;
    f.mirrorOut = 170;
    f.plasticArches = true;
    f.kidney = {5, 134, 36, 34};
    f.plate = {0, 213, 43, 18};
    f.intakeHalf = 0;
    return f;
}

FrontSpec x6Front()
{
    FrontSpec f;
    f.face = Face::X6;
    f.ground = 262;
    f.roofY = 14;
    f.roofHalf = 52;
    f.roofEdgeHalf = 88;
    f.roofEdgeY = 24;
    f.screenTopY = 26;
    f.screenTopHalf = 78;
    f.screenBottomY = 88;
    f.screenBottomHalf = 114;
    f.pillarHalf = 126;
    f.shoulderY = 100;
    f.shoulderHalf = 138;
    f.bodyHalf = 150;
    f.bodyBottomY = 222;
    f.apronY = 228;
    f.tyreIn = 104;
    f.tyreOut = 147;
    f.mirrorY = 74;
    f.mirrorH = 16;
    f.mirrorOut = 172;
    f.plasticArches = true;
    f.kidney = {5, 130, 38, 30};
    f.plate = {0, 187, 41, 17};
    f.intakeTop = 206;
    f.intakeBottom = 214;
    f.intakeHalf = 66;
    return f;
}

FrontSpec z4Front()
{
    FrontSpec f;
    f.face = Face::Z4;
    f.top = Top::Soft;
    f.roofY = 56;
    f.roofHalf = 50;
    f.roofEdgeHalf = 88;
    f.roofEdgeY = 64;
    f.screenTopY = 66;
    f.screenTopHalf = 78;
    f.screenBottomY = 108;
    f.screenBottomHalf = 108;
    f.pillarHalf = 118;
    f.shoulderY = 118;
    f.shoulderHalf = 136;
    f.bodyHalf = 148;
    f.bodyBottomY = 226;
    f.apronY = 230;
    f.mirrorY = 96;
    f.mirrorOut = 166;
    f.kidney = {5, 162, 34, 20};
    f.plate = {0, 186, 40, 17};
    f.intakeTop = 207;
    f.intakeBottom = 224;
    f.bumper = Bumper::Intakes;
    return f;
}

} // namespace car::front
