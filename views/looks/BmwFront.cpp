// The BMW front: body and bonnet, kidney grille, twin headlamps with their
// rings, and the bumper, each shaped by the face of the look.

#include "views/looks/FrontLook.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>

namespace car::front {

namespace {

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

} // namespace

// The right half of a body outline: roof, A-pillar, wing, side and apron.
QPainterPath frontBodyPath(const FrontSpec& f)
{
    return bodyOutlinePath({f.roofY, f.roofHalf, f.roofEdgeHalf, f.roofEdgeY, f.pillarHalf,
                            f.screenBottomY + 2, f.shoulderHalf, f.shoulderY, f.bodyHalf, f.bodyBottomY,
                            f.tyreIn, f.apronY});
}

namespace {

void frontBody(Scene& s, const FrontSpec& f)
{
    QPainter& p = s.p;
    s.bodySpace();
    paintShadow(p, f.ground, f.bodyHalf);
    s.ground = f.ground;
    paintTyre(p, QRectF(f.tyreIn, f.bodyBottomY - 16, f.tyreOut - f.tyreIn, f.ground - f.bodyBottomY + 16));

    const QPainterPath body = frontBodyPath(f);
    if (f.face == Face::X5)
        paintRoofRail(p, f.roofY + 1, f.roofHalf - 18, f.roofHalf + 12);
    paintBody(p, body, f.roofY, f.apronY);
    roundness(p, body, f.bodyHalf);
    if (f.face == Face::Z4) {
        // The long bonnet: its two power domes run from the screen down to the kidneys.
        QPainterPath dome;
        dome.moveTo(58, f.screenBottomY + 6);
        dome.cubicTo(48, f.screenBottomY + 26, 26, f.kidney.top() - 20, 16, f.kidney.top() - 3);
        crease(p, dome, 1.4);
    }

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
            s.lamp(1, arc, Glass::Chrome, ringBand(c, ringR, 1.9));
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

} // namespace

void bmwFront(Scene& s, const FrontSpec& f)
{
    frontBody(s, f);
    kidneyGrille(s, f);
    twinHeadlamps(s, f);
    bumper(s, f);
}

} // namespace car::front
