// The body of a car seen from behind, to the measures of its look.

#include "views/looks/RearLook.h"

#include <QLinearGradient>
#include <vector>

namespace car::rear {

namespace {

QPainterPath rearBodyPath(const RearSpec& r)
{
    return bodyOutlinePath({r.roofY, r.roofHalf, r.roofEdgeHalf, r.roofEdgeY, r.pillarHalf, r.deckY,
                            r.shoulderHalf, r.shoulderY, r.bodyHalf, r.bodyBottomY, r.tyreIn, r.apronY});
}

} // namespace

void rearBody(Scene& s, const RearSpec& r)
{
    QPainter& p = s.p;
    s.bodySpace();
    paintShadow(p, r.ground, r.bodyHalf);
    s.ground = r.ground;
    paintTyre(p, QRectF(r.tyreIn, r.bodyBottomY - 16, r.tyreOut - r.tyreIn, r.ground - r.bodyBottomY + 16));
    const QPainterPath body = rearBodyPath(r);
    if (r.roofRails)
        paintRoofRail(p, r.roofY + 1, r.roofHalf - 18, r.roofHalf + 12);
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

} // namespace car::rear
