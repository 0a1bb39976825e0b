// The backs of the cars, seen from behind. One drawing for the BMW saloons,
// tourings, coupés and X models, one for the Mini hatch and cabrio and one
// for the Clubman; the looks differ in their measures and rear lights.

#include "views/CarScene.h"

#include <QLinearGradient>
#include <algorithm>
#include <functional>
#include <vector>

namespace car {

namespace {

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
};

QPainterPath rearBodyPath(const RearSpec& r)
{
    return bodyOutlinePath({r.roofY, r.roofHalf, r.roofEdgeHalf, r.roofEdgeY, r.pillarHalf, r.deckY,
                            r.shoulderHalf, r.shoulderY, r.bodyHalf, r.bodyBottomY, r.tyreIn, r.apronY});
}

void rearBody(Scene& s, const RearSpec& r)
{
    QPainter& p = s.p;
    s.bodySpace();
    paintShadow(p, r.ground, r.bodyHalf);
    paintTyre(p, QRectF(r.tyreIn, r.bodyBottomY - 16, r.tyreOut - r.tyreIn, r.ground - r.bodyBottomY + 16));
    const QPainterPath body = rearBodyPath(r);
    paintBody(p, body, r.roofY, r.apronY);
    {
        // The body filled once more with a sideways shade: no clip needed.
        QLinearGradient side(r.bodyHalf - 36, 0, r.bodyHalf + 1, 0);
        side.setColorAt(0.0, QColor(30, 36, 42, 0));
        side.setColorAt(1.0, QColor(30, 36, 42, 80));
        p.setPen(Qt::NoPen);
        p.setBrush(side);
        p.drawPath(body);
    }
    if (r.slopedRoof) {
        // The roof seen falling towards us: a lit plane over the window.
        QPainterPath slope;
        slope.moveTo(-2, r.roofY + 1);
        slope.lineTo(r.roofHalf, r.roofY + 1.5);
        slope.cubicTo(r.roofHalf + 14, r.roofY + 2.5, r.windowTopHalf + 8, r.windowTopY - 6,
                      r.windowTopHalf + 4, r.windowTopY - 1);
        slope.lineTo(-2, r.windowTopY - 1);
        slope.closeSubpath();
        QLinearGradient g(0, r.roofY, 0, r.windowTopY);
        g.setColorAt(0.0, colour::bodyLight.lighter(106));
        g.setColorAt(1.0, colour::bodyMid);
        p.setBrush(g);
        p.drawPath(slope);
    }

    // Soft top or folding hard top over the cabin.
    if (r.roof != Roof::Hard) {
        QPainterPath top;
        top.moveTo(-2, r.roofY - 1);
        top.lineTo(r.roofHalf, r.roofY - 0.5);
        top.cubicTo(r.roofHalf + 18, r.roofY + 0.5, r.roofEdgeHalf - 4, r.roofEdgeY - 6, r.roofEdgeHalf + 0.5,
                    r.roofEdgeY);
        top.lineTo(r.pillarHalf + 0.5, r.deckY - 1);
        top.lineTo(-2, r.deckY - 1);
        top.closeSubpath();
        if (r.roof == Roof::Soft) {
            QLinearGradient g(0, r.roofY, 0, r.deckY);
            g.setColorAt(0.0, colour::fabric.lighter(135));
            g.setColorAt(1.0, colour::fabric);
            p.setBrush(g);
            p.setPen(QPen(colour::trim, 0.7));
            p.drawPath(top);
        } else {
            // The joints of the folding roof.
            p.setPen(QPen(QColor(60, 66, 72, 160), 0.8));
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(-2, r.roofY + 5), QPointF(r.roofHalf + 10, r.roofY + 6));
        }
    }

    // Rear window.
    QPainterPath window;
    window.moveTo(-2, r.windowTopY);
    window.lineTo(r.windowTopHalf - 4, r.windowTopY + 0.5);
    window.quadTo(r.windowTopHalf, r.windowTopY + 1, r.windowTopHalf + 1, r.windowTopY + 5);
    window.lineTo(r.windowBottomHalf, r.windowBottomY - 3);
    window.quadTo(r.windowBottomHalf, r.windowBottomY, r.windowBottomHalf - 4, r.windowBottomY);
    window.lineTo(-2, r.windowBottomY);
    window.closeSubpath();
    paintGlass(p, window, r.windowTopY, r.windowBottomY);
    if (r.tail == Tail::Hatch) {
        // The heating wires of a tailgate window.
        p.setPen(QPen(QColor(20, 24, 30, 70), 0.5));
        for (double y = r.windowTopY + 6; y < r.windowBottomY - 3; y += 3.5)
            p.drawLine(QPointF(-2, y), QPointF(r.windowTopHalf * 0.8, y));
    }

    if (r.spoiler) {
        QPainterPath spoiler;
        spoiler.moveTo(-2, r.roofY - 1);
        spoiler.lineTo(r.windowTopHalf + 6, r.roofY + 2);
        spoiler.quadTo(r.windowTopHalf + 12, r.roofY + 3, r.windowTopHalf + 8, r.windowTopY + 3);
        spoiler.lineTo(-2, r.windowTopY + 2);
        spoiler.closeSubpath();
        paintBody(p, spoiler, r.roofY, r.windowTopY + 3);
    }

    if (r.tail == Tail::Saloon) {
        // The boot lid's upper surface, catching the light.
        QPainterPath deck;
        deck.moveTo(-2, r.windowBottomY + 1);
        deck.lineTo(r.windowBottomHalf - 2, r.windowBottomY + 1);
        deck.lineTo(r.lidHalf + 4, r.deckY + 6);
        deck.lineTo(-2, r.deckY + 8);
        deck.closeSubpath();
        QLinearGradient g(0, r.windowBottomY, 0, r.deckY + 8);
        g.setColorAt(0.0, colour::bodyLight.lighter(104));
        g.setColorAt(1.0, colour::bodyMid);
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawPath(deck);
        QPainterPath edge;
        edge.moveTo(-2, r.deckY + 8);
        edge.lineTo(r.lidHalf + 4, r.deckY + 6);
        crease(p, edge, 1.0);
    }

    if (r.flatLidShoulderY > 0) {
        // The flat lid: a lighter panel with a sharp edge that runs on over
        // the rear lights to the sides as the shoulder line.
        QPainterPath lid;
        lid.moveTo(-2, r.deckY + 8);
        lid.lineTo(r.lidHalf + 4, r.deckY + 6);
        lid.lineTo(r.lidHalf + 8, r.flatLidShoulderY);
        lid.lineTo(r.lidHalf, r.lidBottomY - 4);
        lid.lineTo(-2, r.lidBottomY - 4);
        lid.closeSubpath();
        QLinearGradient g(0, r.deckY, 0, r.lidBottomY);
        g.setColorAt(0.0, colour::bodyLight.lighter(104));
        g.setColorAt(1.0, colour::bodyMid.lighter(104));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(lid);
        QPainterPath edge;
        edge.moveTo(r.lidHalf + 4, r.deckY + 6);
        edge.lineTo(r.lidHalf + 8, r.flatLidShoulderY);
        edge.quadTo(r.shoulderHalf - 10, r.flatLidShoulderY - 1, r.bodyHalf - 3, r.flatLidShoulderY - 4);
        crease(p, edge, 1.5);
    }
    if (r.slopedRoof) {
        // The lip at the end of the tailgate.
        QPainterPath lip = smoothPolygon(QPolygonF{{-2, r.windowBottomY + 1},
                                                   {r.windowBottomHalf + 4, r.windowBottomY},
                                                   {r.windowBottomHalf + 2, r.windowBottomY + 5},
                                                   {-2, r.windowBottomY + 5}},
                                         1.5);
        paintBody(p, lip, r.windowBottomY, r.windowBottomY + 5);
    }

    // Shut line of the boot lid or tailgate (inside the body: no clip).
    QPainterPath shut;
    double shutTop = r.tail == Tail::Saloon ? r.deckY + 6 : r.windowTopY - 4;
    while (shutTop < r.lidBottomY - 8 && !body.contains(QPointF(r.lidHalf + 1.5, shutTop)))
        shutTop += 2; // start where the body is wide enough
    shut.moveTo(r.lidHalf, shutTop);
    shut.lineTo(r.lidHalf - 2, r.lidBottomY - 6);
    shut.quadTo(r.lidHalf - 3, r.lidBottomY, r.lidHalf - 9, r.lidBottomY);
    shut.lineTo(-2, r.lidBottomY);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 76, 82), 0.8));
    p.drawPath(shut);

    // Bumper: a crease along its top, the plate, the diffuser and the exhaust.
    QPainterPath bumperLine;
    bumperLine.moveTo(-2, r.bumperTopY);
    bumperLine.cubicTo(50, r.bumperTopY, r.bodyHalf - 30, r.bumperTopY - 2, r.bodyHalf - 3, r.bumperTopY - 8);
    crease(p, bumperLine, 0.8);
    paintPlateRecess(p, QRectF(-10, r.plate.top(), r.plate.right() + 10, r.plate.height()));
    QPainterPath diffuser;
    diffuser.moveTo(-2, r.apronY - 9);
    diffuser.lineTo(r.exhaustX + 14, r.apronY - 10);
    diffuser.lineTo(r.exhaustX + 18, r.bodyBottomY);
    diffuser.cubicTo(r.tyreIn - 20, r.apronY, 30, r.apronY, -2, r.apronY);
    diffuser.closeSubpath();
    paintTrim(p, diffuser, r.apronY - 10, r.apronY);
    const std::vector<double> pipes = r.twinPipes ? std::vector<double>{-8, 8} : std::vector<double>{0};
    for (double dx : pipes) {
        const QRectF pipe(r.exhaustX + dx - 6, r.exhaustY - 3.5, 12, 7);
        p.setPen(QPen(colour::chrome, 1.4));
        p.setBrush(QColor(14, 15, 17));
        p.drawEllipse(pipe);
    }

    if (r.plasticArches) {
        QPainterPath skid = smoothPolygon(QPolygonF{{-4, r.apronY - 8},
                                                    {r.exhaustX - 16, r.apronY - 8},
                                                    {r.exhaustX - 12, r.apronY},
                                                    {-4, r.apronY}},
                                          2);
        QLinearGradient g(0, r.apronY - 8, 0, r.apronY);
        g.setColorAt(0.0, QColor(224, 228, 232));
        g.setColorAt(1.0, QColor(150, 156, 162));
        p.setBrush(g);
        p.setPen(QPen(QColor(90, 96, 102), 0.6));
        p.drawPath(skid);
        QPainterPath arch;
        arch.moveTo(r.bodyHalf + 1.5, r.bodyBottomY - 44);
        arch.lineTo(r.bodyHalf + 1.5, r.bodyBottomY - 4);
        arch.quadTo(r.bodyHalf, r.bodyBottomY + 2, r.bodyHalf - 10, r.bodyBottomY + 2);
        arch.lineTo(r.tyreIn - 2, r.bodyBottomY + 2);
        arch.lineTo(r.tyreIn - 2, r.bodyBottomY - 4);
        arch.lineTo(r.bodyHalf - 4, r.bodyBottomY - 6);
        arch.lineTo(r.bodyHalf - 4, r.bodyBottomY - 44);
        arch.closeSubpath();
        paintTrim(p, arch, r.bodyBottomY - 44, r.bodyBottomY);
    }
}

// The union of the areas, shrunk by `pad`.
QRectF areasBox(const Scene& s, std::initializer_list<int> codes, double pad)
{
    QRectF box;
    for (int c : codes) {
        const QRectF a = s.area(c);
        if (!a.isEmpty())
            box = box.isNull() ? a : box.united(a);
    }
    return box.isNull() ? box : inset(box, pad, pad);
}

void housing(Scene& s, std::initializer_list<int> codes, double pad, double radius,
             std::initializer_list<QPointF> fractions = {})
{
    const QRectF box = areasBox(s, codes, pad);
    if (box.isEmpty())
        return;
    s.lampSpace();
    const QPainterPath path =
        fractions.size() > 0 ? smoothPolygon(inRect(box, fractions), radius) : roundRect(box, radius);
    paintHousing(s.p, path);
}

void lampPoly(Scene& s, int code, double dx, double dy, std::initializer_list<QPointF> fractions,
              double radius = 1.8)
{
    if (!s.shows(code))
        return;
    s.lampSpace();
    s.lamp(code, smoothPolygon(inRect(inset(s.area(code), dx, dy), fractions), radius));
}

void lampBox(Scene& s, int code, double dx, double dy, double radius = 1.8)
{
    if (!s.shows(code))
        return;
    s.lampSpace();
    s.lamp(code, roundRect(inset(s.area(code), dx, dy), radius));
}

// The centre brake light: a thin bar across the centre line, half in each view.
void centreBrake(Scene& s)
{
    if (!s.shows(33))
        return;
    const QRectF a = s.area(33);
    s.lampSpace();
    const QRectF bar(-4, a.top() + 1.4, a.right() + 2.5, a.height() - 2.8);
    s.p.setPen(Qt::NoPen);
    s.p.setBrush(QColor(30, 30, 34));
    s.p.drawRoundedRect(bar.adjusted(0, -0.6, -1.5, 0.6), 1.2, 1.2);
    s.lamp(33, roundRect(bar.adjusted(0, 0, -2.5, 0), 1.0));
}

// A rear fog lamp in the bumper: a bar, or a round lamp on the centre line.
void rearFog(Scene& s)
{
    if (!s.shows(45))
        return;
    const QRectF a = s.area(45);
    s.lampSpace();
    if (a.left() < 0) {
        const double r = std::min(a.right(), a.height() / 2) - 1.5;
        const QPointF c(0, a.center().y());
        s.p.setPen(QPen(colour::chrome, 1.0));
        s.p.setBrush(colour::trim);
        s.p.drawEllipse(c, r + 1.4, r + 1.4);
        s.lamp(45, circle(c, r));
    } else {
        const QRectF bar = inset(a, 1.5, 1.2);
        s.p.setPen(Qt::NoPen);
        s.p.setBrush(colour::trim);
        s.p.drawRoundedRect(bar.adjusted(-1, -1, 1, 1), 2, 2);
        s.lamp(45, roundRect(bar, 1.5));
    }
}

// BMW rear lights: a part on the wing (25 over the indicator 41) and one on the
// boot lid (29 over the reversing light 37).
void splitTailLamps(Scene& s, std::initializer_list<QPointF> wingShape,
                    std::initializer_list<QPointF> lidShape)
{
    housing(s, {25, 41}, 0.5, 3.5, wingShape);
    housing(s, {29, 37}, 0.5, 3.0, lidShape);
}

void bmwRear(Scene& s, const RearSpec& r, const std::function<void()>& tailLamps)
{
    rearBody(s, r);
    tailLamps();
    centreBrake(s);
    rearFog(s);
}

// --- The Mini ---------------------------------------------------------------

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
        QPainterPath roof;
        roof.moveTo(-2, r.roofY - 2);
        roof.lineTo(r.roofHalf, r.roofY - 1.5);
        roof.cubicTo(r.roofHalf + 20, r.roofY - 0.5, r.roofEdgeHalf, r.roofEdgeY - 7, r.roofEdgeHalf + 3,
                     r.roofEdgeY - 1);
        roof.lineTo(r.roofEdgeHalf + 1, r.roofEdgeY + 3);
        roof.lineTo(-2, r.roofEdgeY + 2);
        roof.closeSubpath();
        QLinearGradient white(0, r.roofY, 0, r.roofEdgeY + 3);
        white.setColorAt(0.0, QColor(252, 252, 250));
        white.setColorAt(1.0, QColor(214, 216, 216));
        p.setBrush(white);
        p.setPen(QPen(QColor(150, 154, 158), 0.8));
        p.drawPath(roof);
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

RearSpec er3Rear()
{
    RearSpec r;
    r.plate = {0, 135, 43, 18};
    return r;
}

// The L of the 3er: a bar along the top and one down the outer side.
const std::initializer_list<QPointF> LShape = {{0.0, 0.12}, {0.9, 0.0},   {1.0, 0.15}, {1.0, 1.0},
                                               {0.7, 1.0},  {0.68, 0.62}, {0.03, 0.72}};

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

void drawRearLook(Scene& s)
{
    switch (s.look()) {
    case Look::Er1Rear:
    case Look::Er1LciRear: {
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
                       roundRect(QRectF(a.left(), a.top() + a.height() * 0.6, a.width(), a.height() * 0.4),
                                 1.5));
            } else {
                lampPoly(s, 29, 2.0, 1.6, {{0.0, 0.1}, {0.85, 0.0}, {1.0, 0.3}, {0.95, 1.0}, {0.0, 1.0}},
                         3.0);
            }
            lampBox(s, 41, 2.0, 2.0);
            lampBox(s, 37, 2.0, 1.8);
        });
        break;
    }
    case Look::Er1CoupeRear: {
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
        break;
    }
    case Look::Z4Rear: {
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
        break;
    }
    case Look::Er3Rear: {
        RearSpec r = er3Rear();
        bmwRear(s, r, [&s] { er3Lamps(s); });
        break;
    }
    case Look::Er3TouringRear: {
        RearSpec r = er3Rear();
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
        break;
    }
    case Look::Er3LciRear: {
        RearSpec r = er3Rear();
        r.windowBottomY = 72;
        r.deckY = 94;
        r.shoulderY = 102;
        r.lidBottomY = 172;
        r.bumperTopY = 176;
        r.plate = {0, 151, 45, 18};
        bmwRear(s, r, [&s] { er3Lamps(s); });
        break;
    }
    case Look::Er3CoupeRear:
    case Look::Er3CabrioRear: {
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
        break;
    }
    case Look::Er5Rear:
    case Look::Er5TouringRear: {
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
        break;
    }
    case Look::Er6Rear:
    case Look::Er6LciRear: {
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
        break;
    }
    case Look::X5Rear:
    case Look::X6Rear: {
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
        break;
    }
    case Look::MiniRearOneFog:
    case Look::MiniRear:
    case Look::MiniCabrioRearOneFog:
    case Look::MiniCabrioRear:
    case Look::ClubmanRear:
        miniRear(s);
        break;
    default:
        break;
    }
}

} // namespace car
