#pragma once

// The backs of the cars, seen from behind. One body drawing serves every
// look, shaped by its measures; each BMW look adds its own rear lights, the
// Mini and the Clubman have a drawing of their own.

#include "views/CarScene.h"

#include <functional>
#include <initializer_list>

namespace car::rear {

enum class Tail
{
    Saloon,
    Hatch
};
enum class Roof
{
    Hard,
    Soft,
    Hardtop
};

struct RearSpec
{
    double ground = 262;
    double roofY = 28, roofHalf = 56;
    double roofEdgeHalf = 92, roofEdgeY = 36;
    double windowTopY = 40, windowTopHalf = 76;
    double windowBottomY = 66, windowBottomHalf = 104;
    double pillarHalf = 122; // foot of the C-pillar, outside
    double deckY = 86;       // where the boot lid or tailgate face begins
    double shoulderY = 96, shoulderHalf = 140;
    double bodyHalf = 150;
    double bodyBottomY = 228, apronY = 232;
    double tyreIn = 106, tyreOut = 143;
    Tail tail = Tail::Saloon;
    Roof roof = Roof::Hard;
    bool spoiler = false; // a roof spoiler over the rear window
    bool plasticArches = false;
    double lidHalf = 104, lidBottomY = 160; // the shut line of boot lid or tailgate
    double bumperTopY = 166;
    QRectF plate{0, 135, 43, 18};
    double exhaustX = 112, exhaustY = 224;
    bool twinPipes = false;
    // The 5er and 6er: a flat boot lid set into the back, its edge running
    // out over the rear lights as a shoulder line at this height.
    double flatLidShoulderY = 0;
    // The X6: the coupé roof falling away to a lip on the tailgate.
    bool slopedRoof = false;
    bool roofRails = false; // the X5's rails, its height at a glance
};

// The body, rear window, boot lid or tailgate, bumper and exhausts.
void rearBody(Scene& s, const RearSpec& r);

// --- Lamps, in lamp space. A look without one of the areas draws nothing there.

// The union of the areas, shrunk by `pad`.
QRectF areasBox(const Scene& s, std::initializer_list<int> codes, double pad);
// The dark housing around the areas: a polygon in fractions of their box, or
// a rounded box when no fractions are given.
void housing(Scene& s, std::initializer_list<int> codes, double pad, double radius,
             std::initializer_list<QPointF> fractions = {});
// The lamp of `code`: a polygon in fractions of its area shrunk by dx, dy.
void lampPoly(Scene& s, int code, double dx, double dy, std::initializer_list<QPointF> fractions,
              double radius = 1.8);
// The lamp of `code`: its area shrunk by dx, dy, with rounded corners.
void lampBox(Scene& s, int code, double dx, double dy, double radius = 1.8);
// The centre brake light: a thin bar across the centre line, half in each view.
void centreBrake(Scene& s);
// A rear fog lamp in the bumper: a bar, or a round lamp on the centre line.
void rearFog(Scene& s);
// BMW rear lights: a part on the wing (25 over the indicator 41) and one on the
// boot lid (29 over the reversing light 37).
void splitTailLamps(Scene& s, std::initializer_list<QPointF> wingShape,
                    std::initializer_list<QPointF> lidShape);
// The L of the 3er (also the X6): a bar along the top and one down the outer side.
extern const std::initializer_list<QPointF> LShape;

// A BMW back: the body, then the look's rear lights, the centre brake light
// and the fog lamp.
void bmwRear(Scene& s, const RearSpec& r, const std::function<void()>& tailLamps);

// --- The looks; each function draws the looks named after it.

void er1Rear(Scene& s); // also the facelift
void er1CoupeRear(Scene& s);
void er3Rear(Scene& s);
void er3TouringRear(Scene& s);
void er3LciRear(Scene& s);
void er3CoupeRear(Scene& s); // also the cabrio
void er5Rear(Scene& s);      // also the touring
void er6Rear(Scene& s);      // also the facelift
void x5x6Rear(Scene& s);
void z4Rear(Scene& s);
// The Mini hatch and cabrio, with one or two fog lamps, and the Clubman.
void miniRear(Scene& s);

} // namespace car::rear
