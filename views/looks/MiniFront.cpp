// The Mini front: white roof and mirror caps, hexagonal grille, oval
// headlamps on the wings and round bumper lamps.

#include "views/looks/FrontLook.h"

#include <QLinearGradient>
#include <algorithm>

namespace car::front {

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
    s.ground = f.ground;
    paintTyre(p, QRectF(f.tyreIn, f.bodyBottomY - 16, f.tyreOut - f.tyreIn, f.ground - f.bodyBottomY + 16));
    const QPainterPath body = frontBodyPath(f);
    paintBody(p, body, f.roofY, f.apronY);

    // The roof in white, on its own over the pillars.
    paintMiniRoof(p, f.roofY, f.roofHalf, f.roofEdgeHalf, f.roofEdgeY);

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

    // White mirror caps, in the roof's shade.
    QLinearGradient white(0, f.roofY, 0, f.roofEdgeY + 3);
    white.setColorAt(0.0, QColor(252, 252, 250));
    white.setColorAt(1.0, QColor(214, 216, 216));
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
    const QPointF parkCentre(park.center().x(), park.bottom() + 1);
    const double parkRadius = park.width() / 2 - 2.5;
    s.lamp(1, arcBand(parkCentre, parkRadius, 12, 168, 3.0), Glass::Chrome,
           ringBand(parkCentre, parkRadius, 3.0));
    s.lamp(17, circle(fc, fr), Glass::Reflector);
}

} // namespace car::front
