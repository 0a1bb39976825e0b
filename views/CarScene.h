#pragma once

// The drawing of one car view, shared by the look functions. Looks draw in
// design coordinates: pixels of view 2 or view 4, x = 0 on the car's centre
// line and growing outwards, y growing downwards. The scene mirrors them for
// views 1 and 3.

#include "vehicle/LampAreas.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <initializer_list>
#include <vector>

namespace car {

// How a lamp's glass looks when it is dark.
enum class Glass
{
    Lens,      // coloured glass: dark red, amber or smoke
    Reflector, // a chrome bowl with a lens in the middle
    Chrome,    // a thin chrome ring or bar
};

// The light a lamp gives when lit.
enum class Tint
{
    WarmWhite,
    White,
    CoolWhite,
    Amber,
    Red,
    BrightRed
};

struct LampPart
{
    int bit = 0;
    int area = 0;
    QPainterPath path; // design coordinates
    Glass glass = Glass::Lens;
    Tint tint = Tint::Red;
    QRect clip; // pixels of the view: the lit lamp stays inside
    // The part of the lamp that lights up beyond its area (the rest of a
    // parking-light ring round its headlamp); design coordinates, may be empty.
    QPainterPath halo;
};

// How lit lamps are painted: by day over the light background, by night over
// the dark car, lighting the ground under them.
struct LightScene
{
    bool night = false;
    double ground = 0; // the ground line in picture pixels
};

class Scene
{
public:
    static constexpr double Width = 195;
    static constexpr double Height = 269;

    Scene(QPainter& painter, const PictureBlock& block);

    QPainter& p;
    const PictureBlock& block;
    const LampAreaTable areas;
    const bool rear;
    const bool mirrored;
    // Lamps of the mirrored view sit this many pixels further right than the
    // mirror image of the body (the row's mirror offset).
    const double lampShift;

    Look look() const { return block.look; }
    int view() const { return block.view; }

    // The area of `code` in design pixels; empty when the look has none.
    QRectF area(int code) const;
    // True when the look has the area and this view shows its lamp.
    bool shows(int code) const;

    // Painter transforms: the body is mirrored about the view's centre, lamps
    // and their housings also carry the mirror offset.
    void bodySpace();
    void lampSpace();

    // Draws the dark lamp now and keeps it for the lit pictures; `halo` is
    // the part that glows beyond the area when lit (drawn dark with the body).
    void lamp(int code, const QPainterPath& path, Glass glass = Glass::Lens, const QPainterPath& halo = {});

    std::vector<LampPart> lamps;
    // Where the wheels stand, in design pixels: set by the body drawing.
    double ground = Height - 14;
    QTransform bodyTransform;
    QTransform lampTransform;
};

// Draw the look of the scene's block: body, glass, housings and dark lamps.
void drawFrontLook(Scene& s);
void drawRearLook(Scene& s);

// Paint a lamp lit, over its dark form: the lamp inside its area, its glow
// (and by night its light on the ground) beyond it, inside the picture.
void paintLit(QPainter& p, const LampPart& lamp, const QTransform& lampTransform, const LightScene& light);

// A band of `width` round the whole circle (a ring lamp's shape).
QPainterPath ringBand(QPointF centre, double radius, double width);

// ---------------------------------------------------------------------------
// Shapes and materials used by the looks.

// A closed path through the points with corners rounded by `radius`.
QPainterPath smoothPolygon(const QPolygonF& points, double radius);
// Points given in fractions of `r` (0..1), e.g. {0, 0.5} is the middle of its left edge.
QPolygonF inRect(const QRectF& r, std::initializer_list<QPointF> fractions);
// The rectangle shrunk by dx, dy on every side.
QRectF inset(const QRectF& r, double dx, double dy);
QPainterPath ellipse(const QRectF& r);
QPainterPath circle(QPointF centre, double radius);
QPainterPath roundRect(const QRectF& r, double radius);
// A band of `width` along an arc of the circle (centre, radius) from angle a0 to a1 (degrees, Qt's sense).
QPainterPath arcBand(QPointF centre, double radius, double a0, double a1, double width);

namespace colour {
inline const QColor background{238, 240, 242};
inline const QColor bodyLight{214, 218, 222};
inline const QColor bodyMid{176, 182, 188};
inline const QColor bodyDark{128, 134, 141};
inline const QColor bodyLine{92, 98, 105};
inline const QColor glassLight{104, 120, 136};
inline const QColor glassDark{42, 52, 63};
inline const QColor trim{34, 36, 40};
inline const QColor trimLight{72, 76, 82};
inline const QColor tyre{28, 29, 32};
inline const QColor chrome{206, 212, 218};
inline const QColor fabric{58, 61, 66};
} // namespace colour

// Fills `path` with the metallic body paint, lighter at y0 and darker at y1.
void paintBody(QPainter& p, const QPainterPath& path, double y0, double y1);
void paintGlass(QPainter& p, const QPainterPath& path, double y0, double y1);
// Black plastic trim (grilles, intakes, bumper inserts).
void paintTrim(QPainter& p, const QPainterPath& path, double y0, double y1);
// A chrome edge around `path`.
void strokeChrome(QPainter& p, const QPainterPath& path, double width);
// A crease in the paint: a light line with a dark one just below.
void crease(QPainter& p, const QPainterPath& path, qreal strength = 1.0);
// The dark housing glass around a group of lamps.
void paintHousing(QPainter& p, const QPainterPath& path);
void paintTyre(QPainter& p, const QRectF& r);
void paintShadow(QPainter& p, double ground, double halfWidth);
// The Mini's white roof over one half, from the centre line out to its edge, seen from the front or the back.
void paintMiniRoof(QPainter& p, double roofY, double roofHalf, double roofEdgeHalf, double roofEdgeY);

// The outline of one half of the body seen from the front or the back: roof,
// pillar down to pillarBottomY, shoulder, side, sill and the apron at the centre line.
struct BodyOutline
{
    double roofY, roofHalf, roofEdgeHalf, roofEdgeY, pillarHalf, pillarBottomY;
    double shoulderHalf, shoulderY, bodyHalf, bodyBottomY, tyreIn, apronY;
};
QPainterPath bodyOutlinePath(const BodyOutline& o);
// A roof rail seen end on, standing on the roof from x0 to x1.
void paintRoofRail(QPainter& p, double roofY, double x0, double x1);
// The recess of the licence plate: the plate itself lies over the picture.
void paintPlateRecess(QPainter& p, const QRectF& r);

} // namespace car
