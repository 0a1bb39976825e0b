// The fronts of the cars, seen head-on. Each look is a set of measures for
// one of two drawings: the BMW front with its kidney grille and twin round
// headlamps, and the Mini with its round headlamps and hexagonal grille.

#include "views/CarScene.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace car {

namespace {

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

// The body curves away towards its sides: darken them a little.
void roundness(QPainter& p, const QPainterPath& body, double half)
{
    // The body filled once more with a sideways shade: no clip needed.
    QLinearGradient side(half - 36, 0, half + 1, 0);
    side.setColorAt(0.0, QColor(30, 36, 42, 0));
    side.setColorAt(1.0, QColor(30, 36, 42, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(side);
    p.drawPath(body);
}

void outsideMirror(QPainter& p, double pillar, double y, double h, double out)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour::trim);
    p.drawRoundedRect(QRectF(pillar - 2, y + h - 6, 14, 4), 1.5, 1.5);
    const QPainterPath mirror = smoothPolygon(QPolygonF{{pillar + 8, y + 2},
                                                        {out - 4, y},
                                                        {out, y + h * 0.55},
                                                        {out - 6, y + h},
                                                        {pillar + 10, y + h - 1}},
                                              3.5);
    paintBody(p, mirror, y, y + h);
    p.setPen(QPen(colour::trim, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(pillar + 11, y + h - 1.6), QPointF(out - 6, y + h - 1.6));
}

// The right half of a body outline: roof, A-pillar, wing, side and apron.
QPainterPath frontBodyPath(const FrontSpec& f)
{
    return bodyOutlinePath({f.roofY, f.roofHalf, f.roofEdgeHalf, f.roofEdgeY, f.pillarHalf,
                            f.screenBottomY + 2, f.shoulderHalf, f.shoulderY, f.bodyHalf, f.bodyBottomY,
                            f.tyreIn, f.apronY});
}

void frontBody(Scene& s, const FrontSpec& f)
{
    QPainter& p = s.p;
    s.bodySpace();
    paintShadow(p, f.ground, f.bodyHalf);
    paintTyre(p, QRectF(f.tyreIn, f.bodyBottomY - 16, f.tyreOut - f.tyreIn, f.ground - f.bodyBottomY + 16));

    const QPainterPath body = frontBodyPath(f);
    paintBody(p, body, f.roofY, f.apronY);
    roundness(p, body, f.bodyHalf);

    // The roof: paint, or the fabric of a soft top.
    if (f.top == Top::Soft) {
        QPainterPath roof;
        roof.moveTo(-2, f.roofY - 1);
        roof.lineTo(f.roofHalf, f.roofY - 0.5);
        roof.cubicTo(f.roofHalf + 18, f.roofY + 0.5, f.roofEdgeHalf - 4, f.roofEdgeY - 6,
                     f.roofEdgeHalf + 0.5, f.roofEdgeY + 0.5);
        roof.lineTo(f.screenTopHalf + 4, f.screenTopY + 1);
        roof.lineTo(-2, f.screenTopY + 1);
        roof.closeSubpath();
        QLinearGradient g(0, f.roofY, 0, f.screenTopY);
        g.setColorAt(0.0, colour::fabric.lighter(130));
        g.setColorAt(1.0, colour::fabric);
        p.setBrush(g);
        p.setPen(QPen(colour::trim, 0.7));
        p.drawPath(roof);
    }

    // Windscreen.
    QPainterPath screen;
    screen.moveTo(-2, f.screenTopY);
    screen.lineTo(f.screenTopHalf, f.screenTopY + 0.5);
    screen.quadTo(f.screenTopHalf + 4, f.screenTopY + 1, f.screenTopHalf + 5, f.screenTopY + 5);
    screen.lineTo(f.screenBottomHalf, f.screenBottomY - 3);
    screen.quadTo(f.screenBottomHalf, f.screenBottomY, f.screenBottomHalf - 4, f.screenBottomY);
    screen.lineTo(-2, f.screenBottomY + 1);
    screen.closeSubpath();
    paintGlass(p, screen, f.screenTopY, f.screenBottomY);
    // Interior mirror and the wipers' shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 28, 160));
    p.drawRoundedRect(QRectF(-2, f.screenTopY + 4, 9, 5), 1.5, 1.5);
    p.setPen(QPen(QColor(20, 22, 26), 1.2));
    p.drawLine(QPointF(6, f.screenBottomY - 2), QPointF(f.screenBottomHalf * 0.7, f.screenBottomY - 5));

    outsideMirror(p, f.pillarHalf, f.mirrorY, f.mirrorH, f.mirrorOut);

    // Bonnet creases, per face. They lie inside the body, so no clip.
    const double sb = f.screenBottomY + 3;
    switch (f.face) {
    case Face::Er5:
    case Face::X6: {
        // Sharp creases in a V down to the kidneys, and one out to the lamps.
        QPainterPath v;
        v.moveTo(f.screenBottomHalf * 0.42, sb);
        v.lineTo(f.kidney.right() + 2, f.kidney.top() - 4);
        crease(p, v, 1.2);
        QPainterPath out;
        out.moveTo(f.screenBottomHalf * 0.72, sb);
        out.lineTo(f.kidney.right() + 38, f.kidney.top() - 14);
        crease(p, out, 1.0);
        break;
    }
    case Face::Er6:
    case Face::Z4: {
        // A long bonnet: two creases converging far ahead.
        QPainterPath c1;
        c1.moveTo(f.screenBottomHalf * 0.35, sb);
        c1.cubicTo(f.screenBottomHalf * 0.30, sb + 20, f.kidney.right() + 2, f.kidney.top() - 18,
                   f.kidney.right(), f.kidney.top() - 2);
        crease(p, c1, 1.0);
        QPainterPath c2;
        c2.moveTo(f.screenBottomHalf * 0.70, sb);
        c2.cubicTo(f.screenBottomHalf * 0.72, sb + 16, f.kidney.right() + 40, f.kidney.top() - 20,
                   f.kidney.right() + 44, f.kidney.top() - 4);
        crease(p, c2, 0.8);
        break;
    }
    default: {
        // The power dome and the creases towards the grille.
        QPainterPath c1;
        c1.moveTo(f.screenBottomHalf * 0.30, sb);
        c1.cubicTo(f.screenBottomHalf * 0.28, sb + 17, f.kidney.right() - 4, f.kidney.top() - 20,
                   f.kidney.right() - 2, f.kidney.top() - 3);
        crease(p, c1, 0.9);
        QPainterPath c2;
        c2.moveTo(f.screenBottomHalf * 0.62, sb);
        c2.cubicTo(f.screenBottomHalf * 0.64, sb + 15, f.kidney.right() + 28, f.kidney.top() - 24,
                   f.kidney.right() + 30, f.kidney.top() - 10);
        crease(p, c2, 0.8);
        break;
    }
    }
    // The shoulder line running out over the wing.
    QPainterPath shoulder;
    shoulder.moveTo(f.pillarHalf + 4, f.shoulderY + 1);
    shoulder.quadTo(f.shoulderHalf, f.shoulderY + 5, f.bodyHalf - 3, f.shoulderY + 16);
    crease(p, shoulder, 0.7);

    if (f.plasticArches) {
        // The X models: black lower apron with a silver skid plate.
        QPainterPath apron;
        apron.moveTo(-2, f.apronY - 12);
        apron.lineTo(f.tyreIn - 10, f.bodyBottomY - 10);
        apron.lineTo(f.tyreIn - 4, f.bodyBottomY);
        apron.cubicTo(f.tyreIn - 20, f.apronY, 30, f.apronY, -2, f.apronY);
        apron.closeSubpath();
        paintTrim(p, apron, f.apronY - 12, f.apronY);
        QPainterPath skid = smoothPolygon(
            QPolygonF{{-4, f.apronY - 9}, {44, f.apronY - 9}, {50, f.apronY - 1}, {-4, f.apronY - 1}}, 2);
        QLinearGradient g(0, f.apronY - 9, 0, f.apronY);
        g.setColorAt(0.0, QColor(224, 228, 232));
        g.setColorAt(1.0, QColor(150, 156, 162));
        p.setBrush(g);
        p.setPen(QPen(QColor(90, 96, 102), 0.6));
        p.drawPath(skid);
        // Wide black wheel arches standing out from the body.
        QPainterPath arch;
        arch.moveTo(f.bodyHalf + 3, f.bodyBottomY - 48);
        arch.quadTo(f.bodyHalf + 4, f.bodyBottomY - 30, f.bodyHalf + 3, f.bodyBottomY - 4);
        arch.quadTo(f.bodyHalf + 1, f.bodyBottomY + 2, f.bodyHalf - 10, f.bodyBottomY + 2);
        arch.lineTo(f.tyreIn - 2, f.bodyBottomY + 2);
        arch.lineTo(f.tyreIn - 2, f.bodyBottomY - 4);
        arch.lineTo(f.bodyHalf - 5, f.bodyBottomY - 6);
        arch.lineTo(f.bodyHalf - 4, f.bodyBottomY - 44);
        arch.closeSubpath();
        paintTrim(p, arch, f.bodyBottomY - 48, f.bodyBottomY);
    }
}

// The kidneys: their outline per face, vertical slats, a chrome surround.
void kidneyGrille(Scene& s, const FrontSpec& f)
{
    QPainter& p = s.p;
    s.bodySpace();
    const QRectF& k = f.kidney;
    QPolygonF outline;
    double chrome = 1.7;
    switch (f.face) {
    case Face::Er6:
    case Face::Z4:
        // Low and wide, leaning forward: narrower at the top.
        outline = inRect(k, {{0.0, 0.12},
                             {0.1, 0.0},
                             {0.82, 0.0},
                             {1.0, 0.3},
                             {1.0, 0.8},
                             {0.88, 1.0},
                             {0.04, 1.0},
                             {0.0, 0.9}});
        break;
    case Face::X5:
    case Face::X6:
        // Big and upright, thick chrome.
        outline = inRect(k, {{0.0, 0.06},
                             {0.06, 0.0},
                             {0.9, 0.0},
                             {1.0, 0.1},
                             {1.0, 0.9},
                             {0.92, 1.0},
                             {0.04, 1.0},
                             {0.0, 0.94}});
        chrome = 2.3;
        break;
    case Face::Er5:
        // Wide, with the outer edge drawn back at the bottom.
        outline = inRect(k, {{0.0, 0.1},
                             {0.06, 0.0},
                             {0.9, 0.0},
                             {1.0, 0.14},
                             {0.94, 0.86},
                             {0.8, 1.0},
                             {0.04, 1.0},
                             {0.0, 0.9}});
        chrome = 2.0;
        break;
    case Face::Er1:
        // Small and upright, rounded at the bottom.
        outline = inRect(k, {{0.0, 0.1},
                             {0.1, 0.0},
                             {0.84, 0.0},
                             {1.0, 0.16},
                             {1.0, 0.7},
                             {0.8, 1.0},
                             {0.1, 1.0},
                             {0.0, 0.88}});
        break;
    default:
        outline = inRect(k, {{0.0, 0.1},
                             {0.08, 0.0},
                             {0.86, 0.0},
                             {1.0, 0.16},
                             {1.0, 0.84},
                             {0.88, 1.0},
                             {0.06, 1.0},
                             {0.0, 0.92}});
        break;
    }
    const QPainterPath shape = smoothPolygon(outline, std::min(k.width(), k.height()) * 0.22);
    paintTrim(p, shape, k.top(), k.bottom());
    // Vertical slats, clipped to the grille by their own ends: each stops at
    // the outline's bounding box shrunk a little.
    p.setPen(QPen(QColor(150, 156, 162), 1.0));
    const double step = f.face == Face::X5 || f.face == Face::X6 ? 3.0 : 3.4;
    for (double x = k.left() + 3.2; x < k.right() - 2; x += step)
        p.drawLine(QPointF(x, k.top() + 1.5), QPointF(x, k.bottom() - 1.5));
    strokeChrome(p, shape, chrome);
}

// The housing of the twin headlamps, per face, in lamp space.
QPolygonF housingOutline(const FrontSpec& f, double left, double right, double top, double bottom,
                         double midY)
{
    switch (f.face) {
    case Face::Er1:
        // Teardrop: low point at the grille, rising to a round end on the wing.
        return {{left - 10, midY + 8}, {left - 1, top + 4},     {right - 12, top - 7},
                {right + 2, top - 11}, {right + 2, bottom - 8}, {right - 9, bottom + 1},
                {left + 6, bottom + 1}};
    case Face::Er3:
        // A straight, level brow over both lamps; round underneath.
        return {{left - 4, top + 5},     {left, top},
                {right - 1, top},        {right + 1, top + 3},
                {right + 1, bottom - 6}, {right - 10, bottom + 1},
                {left + 10, bottom + 2}, {left - 3, midY + 6}};
    case Face::Er5:
        // Angular: a pointed inner end, a high outer corner.
        return {{left - 12, midY + 4},   {left + 2, top + 4}, {right - 4, top - 5},  {right + 1, top - 4},
                {right + 1, bottom - 4}, {right - 6, bottom}, {left + 4, bottom + 1}};
    case Face::Er6:
        // Narrow and swept far back: pointed at both ends.
        return {{left - 16, midY + 8}, {left + 2, top + 2},     {right - 10, top - 4},
                {right + 3, top - 8},  {right + 1, bottom - 8}, {right - 10, bottom - 1},
                {left + 4, bottom}};
    case Face::X5:
        // Large and rounded, the outer end standing tall.
        return {{left - 6, midY + 3},   {left - 1, top - 1},     {right - 6, top - 4},
                {right + 2, top + 1},   {right + 2, bottom + 1}, {right - 6, bottom + 4},
                {left + 6, bottom + 4}, {left - 4, midY + 9}};
    case Face::X6:
        return {{left - 14, midY + 5},   {left, top + 2},         {right - 6, top - 6},  {right + 2, top - 4},
                {right + 2, bottom - 2}, {right - 6, bottom + 2}, {left + 4, bottom + 2}};
    case Face::Z4:
        // A long drop pointing down at the kidneys.
        return {{left - 18, midY + 10},  {left - 2, top + 4},     {right - 10, top - 3}, {right + 2, top},
                {right + 2, bottom - 5}, {right - 8, bottom + 1}, {left + 2, bottom + 2}};
    }
    return {};
}

// The twin round headlamps, the ring arcs over them, and the indicator.
void twinHeadlamps(Scene& s, const FrontSpec& f)
{
    QPainter& p = s.p;
    const QRectF low = s.area(5);
    const QRectF high = s.area(9).isEmpty() ? QRectF() : s.area(9);
    const QRectF ring = s.area(1);
    const QRectF ind = s.area(13);
    // Reflector centres and radii follow the lamps' areas.
    const QPointF co = low.center();
    const double r = std::min(low.width(), low.height()) / 2 - 1.2;
    const QPointF ci = high.isEmpty() ? QPointF(low.center().x() - low.width() - 4, co.y()) : high.center();
    const double ringR = r + 3.6;

    const double left = ci.x() - ringR - 3;
    const double right =
        f.indicator == IndicatorStyle::OuterTip && !ind.isEmpty() ? ind.right() - 1.0 : co.x() + ringR + 4;
    const double top = co.y() - ringR - 2.5;
    const double bottom = f.indicator == IndicatorStyle::StripBelow && !ind.isEmpty() ? ind.bottom() - 0.5
                                                                                      : co.y() + ringR + 2.5;
    s.lampSpace();
    const QPainterPath housing = smoothPolygon(housingOutline(f, left, right, top, bottom, co.y()),
                                               f.face == Face::Er5 || f.face == Face::X6 ? 2.5 : 4.5);
    paintHousing(p, housing);

    // Chrome rings round both reflectors (the lit part is the arc on top).
    p.setBrush(Qt::NoBrush);
    for (const QPointF& c : {ci, co}) {
        p.setPen(QPen(QColor(70, 78, 86), 2.2));
        p.drawEllipse(c, ringR, ringR);
        p.setPen(QPen(QColor(150, 158, 166), 1.0));
        p.drawEllipse(c, ringR, ringR);
    }

    // The lamps.
    s.lamp(5, circle(co, r), Glass::Reflector);
    if (!high.isEmpty())
        s.lamp(9, circle(ci, r), Glass::Reflector);
    if (!ring.isEmpty()) {
        // The part of each ring above the reflectors.
        const double limit = std::min(low.top(), high.isEmpty() ? low.top() : high.top());
        for (const QPointF& c : {ci, co}) {
            const double dy = c.y() - limit;
            if (dy >= ringR)
                continue;
            const double a = qRadiansToDegrees(std::asin(std::clamp(dy / ringR, -1.0, 1.0)));
            QPainterPath arc = arcBand(c, ringR, a + 4, 180 - a - 4, 1.9);
            s.lamp(1, arc, Glass::Chrome);
        }
    }
    if (!ind.isEmpty()) {
        if (f.indicator == IndicatorStyle::OuterTip)
            s.lamp(13,
                   smoothPolygon(
                       inRect(inset(ind, 1.5, 1.5),
                              {{0.05, 0.35}, {0.6, 0.05}, {1.0, 0.0}, {0.95, 0.7}, {0.55, 1.0}, {0.0, 0.95}}),
                       2.0));
        else
            s.lamp(13, roundRect(inset(ind, 2.0, 2.0), 1.6));
    }

    // The brow over the lamps: what makes the faces tell apart at a glance.
    s.lampSpace();
    switch (f.face) {
    case Face::Er3: {
        // A straight brow: a sharp level edge of the wing over the housing.
        QPainterPath brow;
        brow.moveTo(left - 6, top - 3.5);
        brow.lineTo(right + 4, top - 3.5);
        crease(p, brow, 1.4);
        // and a chrome strip along the housing's straight top edge.
        p.setPen(QPen(colour::chrome, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(left + 1, top + 1.2), QPointF(right - 1, top + 1.2));
        break;
    }
    case Face::Er5:
    case Face::X6: {
        // The "eyebrow": an angular body-coloured lid cutting into the top of
        // the housing, from the inner point up to the outer corner.
        QPainterPath lid;
        lid.moveTo(left - 13, co.y() + 4);
        lid.lineTo(left + 2, top + 4);
        lid.lineTo(right - 4, top - 5);
        lid.lineTo(right + 2, top - 5);
        lid.lineTo(right + 2, top - 9);
        lid.lineTo(right - 6, top - 9);
        lid.lineTo(left - 2, top - 1);
        lid.closeSubpath();
        paintBody(p, lid, top - 9, top + 4);
        QPainterPath edge;
        edge.moveTo(left - 12, co.y() + 3);
        edge.lineTo(left + 2, top + 3.5);
        edge.lineTo(right - 4, top - 5.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour::chrome, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(edge);
        break;
    }
    case Face::Er6:
    case Face::Z4: {
        // A long crease sweeping back over the lamp onto the wing.
        QPainterPath sweep;
        sweep.moveTo(left - 14, top + 1);
        sweep.quadTo(left + 20, top - 9, right + 8, top - 14);
        crease(p, sweep, 1.1);
        break;
    }
    default:
        break;
    }
}

// A round fog lamp in a bezel of black trim.
void fogLamp(Scene& s, const QRectF& fog, const QPainterPath& bezel, double y0, double y1)
{
    QPainter& p = s.p;
    const QPointF c = fog.center();
    const double r = std::min(fog.width(), fog.height()) / 2 - 2.0;
    s.lampSpace();
    paintTrim(p, bezel, y0, y1);
    p.setPen(QPen(colour::chrome, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r + 1.2, r + 1.2);
    s.lamp(17, circle(c, r), Glass::Reflector);
}

void bumper(Scene& s, const FrontSpec& f)
{
    QPainter& p = s.p;
    s.bodySpace();
    // Crease along the top of the bumper.
    QPainterPath line;
    line.moveTo(-2, f.plate.top() - 12);
    line.cubicTo(40, f.plate.top() - 12, f.bodyHalf - 30, f.plate.top() - 16, f.bodyHalf - 3,
                 f.plate.top() - 24);
    crease(p, line, 0.7);

    // The lower intake in the middle.
    if (f.intakeHalf > 0) {
        QPainterPath intake;
        if (f.face == Face::Er5) {
            // Wide and low, running out to the fog lamps.
            intake.moveTo(-2, f.intakeTop);
            intake.lineTo(f.intakeHalf + 18, f.intakeTop - 2);
            intake.quadTo(f.intakeHalf + 26, f.intakeTop - 2, f.intakeHalf + 22, f.intakeTop + 6);
            intake.lineTo(f.intakeHalf + 10, f.intakeBottom);
            intake.lineTo(-2, f.intakeBottom);
        } else {
            intake.moveTo(-2, f.intakeTop);
            intake.lineTo(f.intakeHalf - 6, f.intakeTop);
            intake.quadTo(f.intakeHalf, f.intakeTop, f.intakeHalf + 2, f.intakeTop + 4);
            intake.lineTo(f.intakeHalf - 4, f.intakeBottom);
            intake.lineTo(-2, f.intakeBottom);
        }
        intake.closeSubpath();
        paintTrim(p, intake, f.intakeTop, f.intakeBottom);
        p.setPen(QPen(QColor(80, 84, 90), 0.8));
        p.drawLine(QPointF(0, (f.intakeTop + f.intakeBottom) / 2),
                   QPointF(f.intakeHalf - 2, (f.intakeTop + f.intakeBottom) / 2));
    }

    paintPlateRecess(p, QRectF(-10, f.plate.top(), f.plate.right() + 10, f.plate.height()));

    if (f.bumper == Bumper::FogLamps && s.shows(17)) {
        const QRectF fog = s.area(17);
        const QPointF c = fog.center();
        const double r = std::min(fog.width(), fog.height()) / 2 - 2.0;
        QPainterPath bezel;
        double y0 = c.y() - r - 4;
        double y1 = c.y() + r + 3;
        switch (f.face) {
        case Face::Er6:
        case Face::X6:
            // Deep side intakes, the fog lamp at their top.
            bezel = smoothPolygon(QPolygonF{{c.x() - r - 12, c.y() - r - 3},
                                            {c.x() + r + 10, c.y() - r - 7},
                                            {c.x() + r + 8, c.y() + r + 12},
                                            {c.x() - r - 6, c.y() + r + 10}},
                                  4);
            y0 = c.y() - r - 7;
            y1 = c.y() + r + 12;
            break;
        case Face::X5:
            // A round lamp in the black lower bumper.
            bezel = circle(c, r + 4.5);
            y0 = c.y() - r - 5;
            y1 = c.y() + r + 5;
            break;
        case Face::Er5:
            bezel = smoothPolygon(QPolygonF{{c.x() - r - 6, c.y() - r - 3},
                                            {c.x() + r + 6, c.y() - r - 5},
                                            {c.x() + r + 5, c.y() + r + 3},
                                            {c.x() - r - 8, c.y() + r + 3}},
                                  3);
            break;
        default:
            bezel = smoothPolygon(QPolygonF{{c.x() - r - 9, c.y() - r - 2},
                                            {c.x() + r + 6, c.y() - r - 4},
                                            {c.x() + r + 4, c.y() + r + 3},
                                            {c.x() - r - 7, c.y() + r + 3}},
                                  4);
            break;
        }
        fogLamp(s, fog, bezel, y0, y1);
    } else {
        // Side intakes where other models have their fog lamps.
        const double cx = f.bodyHalf - 40;
        const double cy = f.plate.center().y() + (f.face == Face::Z4 ? 6 : 0);
        const double w = f.face == Face::Z4 ? 18 : 14;
        QPainterPath side = smoothPolygon(
            QPolygonF{{cx - w, cy - 8}, {cx + w, cy - 12}, {cx + w + 2, cy + 8}, {cx - w + 2, cy + 9}}, 4);
        paintTrim(p, side, cy - 12, cy + 9);
    }

    if (s.shows(21)) {
        // The side repeater on the wing.
        const QRectF rep = s.area(21);
        s.lampSpace();
        s.lamp(21, smoothPolygon(
                       inRect(inset(rep, 2.5, 2.0), {{0.0, 0.2}, {1.0, 0.0}, {1.0, 0.8}, {0.1, 1.0}}), 1.5));
    }
}

void bmwFront(Scene& s, const FrontSpec& f)
{
    frontBody(s, f);
    kidneyGrille(s, f);
    twinHeadlamps(s, f);
    bumper(s, f);
}

// --- The Mini ---------------------------------------------------------------

void miniFront(Scene& s)
{
    QPainter& p = s.p;
    FrontSpec f;
    f.ground = 266;
    f.roofY = 28;
    f.roofHalf = 70;
    f.roofEdgeHalf = 104;
    f.roofEdgeY = 36;
    f.screenTopY = 40;
    f.screenTopHalf = 92;
    f.screenBottomY = 96;
    f.screenBottomHalf = 112;
    f.pillarHalf = 120;
    f.shoulderY = 112;
    f.shoulderHalf = 130;
    f.bodyHalf = 140;
    f.bodyBottomY = 236;
    f.apronY = 240;
    f.tyreIn = 100;
    f.tyreOut = 135;
    f.mirrorY = 88;
    f.mirrorOut = 160;

    s.bodySpace();
    paintShadow(p, f.ground, f.bodyHalf);
    paintTyre(p, QRectF(f.tyreIn, f.bodyBottomY - 16, f.tyreOut - f.tyreIn, f.ground - f.bodyBottomY + 16));
    const QPainterPath body = frontBodyPath(f);
    paintBody(p, body, f.roofY, f.apronY);

    // The roof in white, on its own over the pillars.
    QPainterPath roof;
    roof.moveTo(-2, f.roofY - 2);
    roof.lineTo(f.roofHalf, f.roofY - 1.5);
    roof.cubicTo(f.roofHalf + 20, f.roofY - 0.5, f.roofEdgeHalf, f.roofEdgeY - 7, f.roofEdgeHalf + 3,
                 f.roofEdgeY - 1);
    roof.lineTo(f.roofEdgeHalf + 1, f.roofEdgeY + 3);
    roof.lineTo(-2, f.roofEdgeY + 2);
    roof.closeSubpath();
    QLinearGradient white(0, f.roofY, 0, f.roofEdgeY + 3);
    white.setColorAt(0.0, QColor(252, 252, 250));
    white.setColorAt(1.0, QColor(214, 216, 216));
    p.setBrush(white);
    p.setPen(QPen(QColor(150, 154, 158), 0.8));
    p.drawPath(roof);

    // Windscreen, upright as the Mini's is.
    QPainterPath screen;
    screen.moveTo(-2, f.screenTopY);
    screen.lineTo(f.screenTopHalf - 3, f.screenTopY);
    screen.quadTo(f.screenTopHalf + 1, f.screenTopY, f.screenTopHalf + 2, f.screenTopY + 4);
    screen.lineTo(f.screenBottomHalf, f.screenBottomY - 3);
    screen.quadTo(f.screenBottomHalf, f.screenBottomY, f.screenBottomHalf - 4, f.screenBottomY);
    screen.lineTo(-2, f.screenBottomY);
    screen.closeSubpath();
    paintGlass(p, screen, f.screenTopY, f.screenBottomY);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 24, 28, 160));
    p.drawRoundedRect(QRectF(-2, f.screenTopY + 4, 9, 5), 1.5, 1.5);

    // White mirror caps.
    QPainterPath mirror;
    mirror.moveTo(f.pillarHalf - 2, f.mirrorY + 15);
    mirror.lineTo(f.pillarHalf + 1, f.mirrorY + 3);
    mirror.cubicTo(f.pillarHalf + 10, f.mirrorY - 2, f.mirrorOut - 8, f.mirrorY - 2, f.mirrorOut - 1,
                   f.mirrorY + 3);
    mirror.quadTo(f.mirrorOut + 1, f.mirrorY + 10, f.mirrorOut - 5, f.mirrorY + 15);
    mirror.closeSubpath();
    p.setBrush(white);
    p.setPen(QPen(QColor(150, 154, 158), 0.8));
    p.drawPath(mirror);

    // The bonnet's shut line around the grille and headlamps.
    QPainterPath shut;
    shut.moveTo(-2, 168);
    shut.lineTo(56, 168);
    shut.cubicTo(72, 168, 76, 160, 78, 150);
    shut.cubicTo(82, 120, 120, 114, 134, 118);
    crease(p, shut, 1.0);
    // Black wheel-arch trim.
    QPainterPath arch;
    arch.moveTo(f.bodyHalf + 1.5, 170);
    arch.lineTo(f.bodyHalf + 1.5, f.bodyBottomY - 3);
    arch.quadTo(f.bodyHalf, f.bodyBottomY + 2, f.bodyHalf - 10, f.bodyBottomY + 2);
    arch.lineTo(f.tyreIn - 2, f.bodyBottomY + 2);
    arch.lineTo(f.tyreIn - 2, f.bodyBottomY - 4);
    arch.lineTo(f.bodyHalf - 4, f.bodyBottomY - 6);
    arch.lineTo(f.bodyHalf - 4, 172);
    arch.closeSubpath();
    paintTrim(p, arch, 170, f.bodyBottomY);

    // Hexagonal upper grille with chrome surround and the lower grille.
    QPainterPath grille = smoothPolygon(QPolygonF{{-2, 150}, {38, 150}, {50, 158}, {46, 168}, {-2, 168}}, 3);
    paintTrim(p, grille, 150, 168);
    p.save();
    p.setClipPath(grille, Qt::IntersectClip);
    p.setPen(QPen(QColor(120, 126, 132), 0.9));
    for (double y = 153; y < 168; y += 3.2)
        p.drawLine(QPointF(-2, y), QPointF(50, y));
    p.restore();
    strokeChrome(p, grille, 1.8);
    QPainterPath lower = smoothPolygon(QPolygonF{{-2, 182}, {60, 182}, {70, 196}, {64, 236}, {-2, 236}}, 5);
    paintTrim(p, lower, 182, 236);
    p.save();
    p.setClipPath(lower, Qt::IntersectClip);
    p.setPen(QPen(QColor(84, 88, 94), 0.8));
    for (double x = 2; x < 70; x += 5)
        for (double y = 185; y < 236; y += 5)
            p.drawEllipse(QPointF(x + (int(y) % 2 ? 2.5 : 0), y), 1.4, 1.4);
    p.restore();
    paintPlateRecess(p, QRectF(-10, 220, 58, 15));

    // Headlamp: an oval housing on the wing with a chrome ring, the indicator in its lower part.
    const QRectF head = s.area(5);
    const QRectF ind = s.area(13);
    const QRectF big(86.5, 123.5, 32.5, 40);
    s.lampSpace();
    QPainterPath housing = ellipse(big);
    paintHousing(p, housing);
    p.setPen(QPen(QColor(110, 118, 126), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(big.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(QPen(colour::chrome, 1.8));
    p.drawEllipse(big.adjusted(-0.5, -0.5, 0.5, 0.5));
    if (s.look() == Look::MiniFrontHighBeam)
        s.lamp(5, ellipse(QRectF(head.center().x() - 13.5, head.top() + 1.5, 27, head.height() - 2.5)),
               Glass::Reflector);
    else
        s.lamp(5, circle(head.center(), std::min(head.width(), head.height()) / 2 - 1), Glass::Reflector);
    s.lamp(13, ellipse(QRectF(ind.left() + 2, ind.top() + 1, ind.width() - 4, ind.height() - 3.5)));

    // The bumper lamp: parking light above, fog lamp below, in one round bezel.
    const QRectF park = s.area(1);
    const QRectF fog = s.area(17);
    const QPointF fc = fog.center();
    const double fr = std::min(fog.width(), fog.height()) / 2 - 1.2;
    s.bodySpace();
    s.lampSpace();
    QPainterPath bezel =
        ellipse(QRectF(park.left() - 2, park.top() - 1, park.width() + 4, fog.bottom() - park.top() + 2));
    paintTrim(p, bezel, park.top(), fog.bottom());
    p.setPen(QPen(colour::chrome, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bezel);
    s.lamp(1, arcBand(QPointF(park.center().x(), park.bottom() + 1), park.width() / 2 - 2.5, 12, 168, 3.0),
           Glass::Chrome);
    s.lamp(17, circle(fc, fr), Glass::Reflector);
}

// The 1er: short and upright, a narrow body under a tall cabin and a short
// bonnet, small kidneys.
FrontSpec er1Front()
{
    FrontSpec f;
    f.face = Face::Er1;
    f.roofY = 22;
    f.roofHalf = 56;
    f.roofEdgeHalf = 90;
    f.roofEdgeY = 32;
    f.screenTopY = 34;
    f.screenTopHalf = 80;
    f.screenBottomY = 104;
    f.screenBottomHalf = 108;
    f.pillarHalf = 118;
    f.shoulderY = 112;
    f.shoulderHalf = 132;
    f.bodyHalf = 144;
    f.tyreIn = 104;
    f.tyreOut = 138;
    f.mirrorY = 88;
    f.mirrorOut = 162;
    f.kidney = {5, 148, 26, 26};
    f.plate = {0, 195, 45, 18};
    f.intakeHalf = 50;
    return f;
}

} // namespace

void drawFrontLook(Scene& s)
{
    switch (s.look()) {
    case Look::Er1Front:
        bmwFront(s, er1Front());
        break;
    case Look::Er1CoupeFront: {
        FrontSpec f = er1Front();
        f.plate = {0, 194, 43, 18};
        f.roofY = 28;
        f.bumper = Bumper::Intakes;
        bmwFront(s, f);
        break;
    }
    case Look::Er1CabrioFront: {
        FrontSpec f = er1Front();
        f.top = Top::Soft;
        f.roofY = 30;
        f.plate = {0, 206, 42, 18};
        f.intakeTop = 225;
        f.intakeBottom = 234;
        bmwFront(s, f);
        break;
    }
    case Look::Z4Front: {
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
        bmwFront(s, f);
        break;
    }
    case Look::Er3Front: {
        FrontSpec f;
        f.face = Face::Er3;
        f.roofY = 28;
        f.roofHalf = 60;
        f.screenTopHalf = 82;
        f.roofEdgeHalf = 96;
        f.screenBottomHalf = 114;
        f.pillarHalf = 126;
        f.shoulderHalf = 138;
        f.bodyHalf = 150;
        f.tyreIn = 106;
        f.tyreOut = 143;
        f.mirrorOut = 170;
        f.kidney = {5, 148, 34, 26};
        f.plate = {0, 202, 45, 17};
        f.intakeTop = 221;
        f.intakeBottom = 233;
        bmwFront(s, f);
        break;
    }
    case Look::Er3LciFront: {
        FrontSpec f;
        f.face = Face::Er3;
        f.roofY = 28;
        f.roofHalf = 60;
        f.screenTopHalf = 82;
        f.roofEdgeHalf = 96;
        f.screenBottomHalf = 114;
        f.pillarHalf = 126;
        f.shoulderHalf = 138;
        f.bodyHalf = 150;
        f.tyreIn = 106;
        f.tyreOut = 143;
        f.mirrorOut = 170;
        f.kidney = {5, 146, 34, 28};
        f.indicator = IndicatorStyle::StripBelow;
        f.plate = {0, 206, 44, 18};
        f.intakeTop = 226;
        f.intakeBottom = 236;
        bmwFront(s, f);
        break;
    }
    case Look::Er3CoupeFront: {
        FrontSpec f;
        f.face = Face::Er3;
        f.roofY = 36;
        f.roofHalf = 56;
        f.roofEdgeHalf = 92;
        f.roofEdgeY = 44;
        f.screenTopY = 46;
        f.screenTopHalf = 80;
        f.screenBottomY = 104;
        f.screenBottomHalf = 114;
        f.pillarHalf = 126;
        f.shoulderY = 114;
        f.shoulderHalf = 138;
        f.bodyHalf = 148;
        f.mirrorY = 90;
        f.mirrorOut = 168;
        f.kidney = {5, 152, 34, 24};
        f.headlampSweep = 8;
        f.plate = {0, 203, 44, 19};
        f.intakeTop = 224;
        f.intakeBottom = 234;
        bmwFront(s, f);
        break;
    }
    case Look::Er5Front: {
        FrontSpec f;
        f.face = Face::Er5;
        f.roofY = 22;
        f.roofHalf = 62;
        f.roofEdgeHalf = 98;
        f.roofEdgeY = 32;
        f.screenTopY = 34;
        f.screenTopHalf = 86;
        f.screenBottomY = 102;
        f.screenBottomHalf = 118;
        f.pillarHalf = 128;
        f.shoulderY = 112;
        f.shoulderHalf = 140;
        f.bodyHalf = 153;
        f.tyreIn = 108;
        f.tyreOut = 146;
        f.mirrorOut = 174;
        f.kidney = {5, 150, 36, 24};
        f.plate = {0, 202, 43, 18};
        f.intakeTop = 222;
        f.intakeBottom = 234;
        bmwFront(s, f);
        break;
    }
    case Look::Er6Front: {
        FrontSpec f;
        f.face = Face::Er6;
        f.roofY = 38;
        f.roofHalf = 54;
        f.roofEdgeHalf = 92;
        f.roofEdgeY = 46;
        f.screenTopY = 48;
        f.screenTopHalf = 80;
        f.screenBottomY = 106;
        f.screenBottomHalf = 116;
        f.pillarHalf = 128;
        f.shoulderY = 116;
        f.shoulderHalf = 142;
        f.bodyHalf = 155;
        f.bodyBottomY = 228;
        f.apronY = 232;
        f.tyreIn = 110;
        f.tyreOut = 149;
        f.mirrorY = 94;
        f.mirrorOut = 174;
        f.kidney = {5, 158, 38, 22};
        f.headlampSweep = 10;
        f.plate = {0, 197, 44, 18};
        f.intakeTop = 217;
        f.intakeBottom = 228;
        f.intakeHalf = 70;
        bmwFront(s, f);
        break;
    }
    case Look::X5Front: {
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
        bmwFront(s, f);
        break;
    }
    case Look::X6Front: {
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
        bmwFront(s, f);
        break;
    }
    case Look::MiniFrontHighBeam:
    case Look::MiniFront:
        miniFront(s);
        break;
    default:
        break;
    }
}

} // namespace car
