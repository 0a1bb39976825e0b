#pragma once

// The fronts of the cars, seen head-on. Each BMW look is a set of measures
// for one drawing, the BMW front with its kidney grille and twin round
// headlamps; the Mini has a drawing of its own.

#include "views/CarScene.h"

namespace car::front {

enum class Top
{
    Hard,
    Soft
};
enum class IndicatorStyle
{
    OuterTip,
    StripBelow
};
enum class Bumper
{
    FogLamps,
    Intakes
};
// The character of a BMW face: the shape of the headlamp housings, the
// kidneys and the bumper.
enum class Face
{
    Er1, // teardrop lamps swept up to the wing, small upright kidneys
    Er3, // twin round lamps under a straight brow
    Er5, // angular "eyebrow" lamps, wide kidneys, wide lower intake
    Er6, // narrow lamps swept far back, low shark-nose kidneys
    X5,  // large upright kidneys, big rounded lamps
    X6,  // large kidneys, angular lamps, deep side intakes
    Z4,  // long teardrop lamps pointing at wide, flat kidneys
};

struct FrontSpec
{
    double ground = 262;
    // The greenhouse.
    double roofY = 26, roofHalf = 56;
    double roofEdgeHalf = 92, roofEdgeY = 36;
    double screenTopY = 38, screenTopHalf = 80;
    double screenBottomY = 100, screenBottomHalf = 110;
    double pillarHalf = 122; // foot of the A-pillar, outside
    Top top = Top::Hard;
    // The body.
    double shoulderY = 110, shoulderHalf = 134;
    double bodyHalf = 147;
    double bodyBottomY = 230, apronY = 236;
    double tyreIn = 104, tyreOut = 140;
    double mirrorY = 86, mirrorH = 14, mirrorOut = 166;
    bool plasticArches = false; // the X models
    // The grille, headlamps and bumper.
    QRectF kidney{5, 146, 30, 26};
    double headlampSweep = 6; // how far the inner end of the housing drops
    IndicatorStyle indicator = IndicatorStyle::OuterTip;
    Bumper bumper = Bumper::FogLamps;
    QRectF plate{0, 195, 46, 18}; // right half of the plate, view pixels
    double intakeTop = 214, intakeBottom = 230, intakeHalf = 62;
    Face face = Face::Er3;
};

// The right half of a body outline: roof, A-pillar, wing, side and apron.
QPainterPath frontBodyPath(const FrontSpec& f);

// The BMW front drawn to the measures `f`.
void bmwFront(Scene& s, const FrontSpec& f);
// The Mini front: round headlamps, hexagonal grille.
void miniFront(Scene& s);

// The measures of the BMW fronts, one function per look.
FrontSpec er1Front();
FrontSpec er1CoupeFront();
FrontSpec er1CabrioFront();
FrontSpec er3Front();
FrontSpec er3LciFront();
FrontSpec er3CoupeFront();
FrontSpec er5Front();
FrontSpec er6Front();
FrontSpec x5Front();
FrontSpec x6Front();
FrontSpec z4Front();

} // namespace car::front
