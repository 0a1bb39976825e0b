#include "views/CarScene.h"

#include "views/HitTest.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace car {

namespace {

Tint tintOf(bool rear, int bit)
{
    static constexpr Tint front[] = {Tint::Amber,     Tint::WarmWhite, Tint::White,
                                     Tint::CoolWhite, Tint::WarmWhite, Tint::Amber};
    static constexpr Tint back[] = {Tint::Amber, Tint::Red, Tint::Red,
                                    Tint::White, Tint::Red, Tint::BrightRed};
    if (bit < 0 || bit > 5)
        return Tint::White;
    return rear ? back[bit] : front[bit];
}

struct LitColours
{
    QColor core, edge, glow;
};

LitColours litColours(Tint t)
{
    switch (t) {
    case Tint::WarmWhite:
        return {QColor(255, 254, 244), QColor(255, 226, 150), QColor(255, 222, 140)};
    case Tint::White:
        return {QColor(255, 255, 255), QColor(222, 234, 255), QColor(226, 236, 255)};
    case Tint::CoolWhite:
        return {QColor(255, 255, 255), QColor(196, 226, 255), QColor(170, 212, 255)};
    case Tint::Amber:
        return {QColor(255, 232, 170), QColor(255, 140, 10), QColor(255, 150, 20)};
    case Tint::Red:
        return {QColor(255, 150, 135), QColor(232, 16, 28), QColor(255, 30, 30)};
    case Tint::BrightRed:
        return {QColor(255, 214, 204), QColor(255, 36, 20), QColor(255, 60, 40)};
    }
    return {Qt::white, Qt::white, Qt::white};
}

// The dark glass of a lens: top and bottom colour.
std::pair<QColor, QColor> darkLens(Tint t)
{
    switch (t) {
    case Tint::Red:
        return {QColor(128, 34, 42), QColor(58, 10, 15)};
    case Tint::BrightRed:
        return {QColor(108, 26, 34), QColor(48, 8, 12)};
    case Tint::Amber:
        return {QColor(150, 112, 60), QColor(70, 46, 18)};
    default:
        return {QColor(150, 160, 170), QColor(58, 66, 76)};
    }
}

// Fills the ellipse with a radial gradient stretched to its shape. The
// gradient is scaled by the brush, not the painter: a scaled painter would
// flatten the ellipse's curves at the scale of the unit circle, into
// thousands of points.
void ellipseGlow(QPainter& p, QPointF centre, double rx, double ry, const QGradientStops& stops)
{
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setStops(stops);
    QBrush brush(g);
    brush.setTransform(QTransform(rx, 0, 0, ry, centre.x(), centre.y()));
    p.setBrush(brush);
    p.drawEllipse(centre, rx, ry);
}

// The rectangle of whole pixels inside `r`.
QRect innerPixels(const QRectF& r)
{
    const int l = int(std::ceil(r.left() - 1e-6));
    const int t = int(std::ceil(r.top() - 1e-6));
    const int rr = int(std::floor(r.right() + 1e-6));
    const int b = int(std::floor(r.bottom() + 1e-6));
    return QRect(QPoint(l, t), QPoint(rr - 1, b - 1));
}

void paintDarkLamp(QPainter& p, const QPainterPath& path, Glass glass, Tint tint)
{
    const QRectF r = path.boundingRect();
    p.setPen(Qt::NoPen);
    switch (glass) {
    case Glass::Reflector: {
        QRadialGradient g(r.center() - QPointF(r.width() * 0.12, r.height() * 0.15),
                          std::max(r.width(), r.height()) * 0.62);
        g.setColorAt(0.0, QColor(248, 250, 252));
        g.setColorAt(0.45, QColor(190, 198, 206));
        g.setColorAt(0.85, QColor(108, 116, 125));
        g.setColorAt(1.0, QColor(76, 83, 91));
        p.setBrush(g);
        p.drawPath(path);
        // The projector lens in the middle of the bowl.
        const double lr = std::min(r.width(), r.height()) * 0.2;
        QRadialGradient lens(r.center() - QPointF(lr * 0.3, lr * 0.3), lr * 1.3);
        lens.setColorAt(0.0, QColor(120, 136, 150));
        lens.setColorAt(1.0, QColor(30, 36, 43));
        p.setBrush(lens);
        p.drawEllipse(r.center(), lr, lr);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(r.center() - QPointF(lr * 0.35, lr * 0.4), lr * 0.28, lr * 0.22);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(60, 66, 72), 0.6));
        p.drawPath(path);
        break;
    }
    case Glass::Chrome: {
        // Light guides: milky grey when dark.
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, QColor(132, 140, 148));
        g.setColorAt(1.0, QColor(84, 92, 100));
        p.setBrush(g);
        p.setPen(QPen(QColor(96, 104, 112), 0.4));
        p.drawPath(path);
        break;
    }
    case Glass::Lens: {
        const auto [top, bottom] = darkLens(tint);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, top);
        g.setColorAt(1.0, bottom);
        p.setBrush(g);
        p.drawPath(path);
        // A soft reflection across the upper part of the glass.
        p.save();
        p.setClipPath(path, Qt::IntersectClip);
        QLinearGradient shine(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.55));
        shine.setColorAt(0.0, QColor(255, 255, 255, 90));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(shine);
        p.drawRect(r);
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(bottom.darker(160), 0.6));
        p.drawPath(path);
        break;
    }
    }
}

} // namespace

Scene::Scene(QPainter& painter, const PictureBlock& b)
    : p(painter), block(b), areas(lookAreas(b.look)), rear(!isFrontLook(b.look)),
      mirrored(b.view == 1 || b.view == 3),
      lampShift((rear ? areas.rearMirrorOffset : areas.frontMirrorOffset) / double(HitTest::TwipsPerPixel))
{
    if (mirrored) {
        bodyTransform = QTransform(-1, 0, 0, 1, Width, 0);
        lampTransform = QTransform(-1, 0, 0, 1, Width + lampShift, 0);
    }
}

QRectF Scene::area(int code) const
{
    // Design coordinates are those of the unmirrored view.
    return HitTest::areaRect(rear ? 4 : 2, code, areas);
}

bool Scene::shows(int code) const
{
    const int bit = HitTest::lampOfArea(code);
    if (bit < 0 || (block.hiddenBits & (1u << bit)))
        return false;
    return !area(code).isEmpty();
}

void Scene::bodySpace()
{
    p.setTransform(bodyTransform);
}

void Scene::lampSpace()
{
    p.setTransform(lampTransform);
}

void Scene::lamp(int code, const QPainterPath& path, Glass glass, const QPainterPath& halo)
{
    if (!shows(code))
        return;
    LampPart part;
    part.area = code;
    part.bit = HitTest::lampOfArea(code);
    part.path = path;
    part.glass = glass;
    part.tint = tintOf(rear, part.bit);
    part.clip = innerPixels(HitTest::areaRect(block.view, code, areas));
    part.halo = halo;

    p.save();
    p.setTransform(lampTransform);
    p.setClipRect(lampTransform.inverted().mapRect(QRectF(part.clip)), Qt::IntersectClip);
    paintDarkLamp(p, path, glass, part.tint);
    p.restore();
    lamps.push_back(std::move(part));
}

namespace {

// How strongly a lamp lights the ground by night: headlamps, fog lamps and
// reversing lights throw light forward and down, the others only glow.
int groundLight(const LampPart& lamp, bool rear)
{
    if (!rear)
        return lamp.bit == 1 || lamp.bit == 2 || lamp.bit == 4 ? 120 : lamp.bit == 3 ? 50 : 70;
    return lamp.bit == 3 ? 110 : 70;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

} // namespace

void paintLit(QPainter& p, const LampPart& lamp, const QTransform& lampTransform, const LightScene& light)
{
    const LitColours c = litColours(lamp.tint);
    const QRectF shape = lampTransform.mapRect(lamp.path.boundingRect());
    const QRectF clip(lamp.clip);
    if (clip.isEmpty())
        return;
    const bool rear = lamp.area >= 25;
    const QPointF centre = shape.center();

    p.save();
    p.resetTransform();
    p.setClipRect(QRectF(0, 0, Scene::Width, Scene::Height));
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Screen);

    // By night the light falls on the ground under the lamp.
    if (light.night) {
        const double rx = shape.width() * 0.8 + (rear ? 16 : 24);
        ellipseGlow(p, QPointF(centre.x(), light.ground - 1), rx, 7,
                    {{0.0, withAlpha(c.glow, groundLight(lamp, rear))},
                     {0.6, withAlpha(c.glow, groundLight(lamp, rear) / 3)},
                     {1.0, withAlpha(c.glow, 0)}});
    }

    // The halo: a soft light round the lamp that reaches beyond its area,
    // wider and stronger against the dark.
    {
        const double reach = light.night ? 12 : 6;
        ellipseGlow(p, centre, shape.width() * 0.5 + reach, shape.height() * 0.5 + reach,
                    {{0.0, withAlpha(c.glow, light.night ? 150 : 90)},
                     {0.45, withAlpha(c.glow, light.night ? 60 : 30)},
                     {1.0, withAlpha(c.glow, 0)}});
    }

    // The rest of a ring: lit all round its headlamp, a little less than
    // the part in the area.
    if (!lamp.halo.isEmpty()) {
        p.setTransform(lampTransform);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(c.glow, light.night ? 120 : 110), 5.0, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(lamp.halo);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(c.core, 230));
        p.drawPath(lamp.halo);
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_Screen);
    }

    // The glow in the area: strongest on the lamp, gone at its nearest edge
    // (but never smaller than the lamp: a lamp on the centre line glows
    // across it). Light guides glow as a white haze, which shows over the
    // light paint too.
    p.setClipRect(lamp.clip);
    const double toLeft = centre.x() - clip.left();
    const double toRight = clip.right() - centre.x();
    const bool onCentreLine = centre.x() < 3 || centre.x() > Scene::Width - 3;
    const double across = onCentreLine ? std::max(toLeft, toRight) : std::min(toLeft, toRight);
    const double rx = std::max(across, shape.width() * 0.5 + 3);
    const double ry =
        std::max(std::min(centre.y() - clip.top(), clip.bottom() - centre.y()), shape.height() * 0.5 + 3);
    if (lamp.glass == Glass::Chrome) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        ellipseGlow(
            p, centre, rx, ry,
            {{0.0, withAlpha(c.core, 215)}, {0.55, withAlpha(c.glow, 120)}, {1.0, withAlpha(c.glow, 0)}});
    } else {
        ellipseGlow(
            p, centre, rx, ry,
            {{0.0, withAlpha(c.glow, 225)}, {0.5, withAlpha(c.glow, 110)}, {1.0, withAlpha(c.glow, 0)}});
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The glass itself, lit through.
    p.setTransform(lampTransform);
    const QRectF r = lamp.path.boundingRect();
    if (lamp.glass == Glass::Lens) {
        QLinearGradient body(r.topLeft(), r.bottomLeft());
        body.setColorAt(0.0, c.edge.lighter(135));
        body.setColorAt(0.55, c.edge);
        body.setColorAt(1.0, c.edge.darker(125));
        p.setBrush(body);
        p.drawPath(lamp.path);
        // The bulbs or LEDs behind the glass: a hot middle.
        QRadialGradient hot(QPointF(0, 0), 1.0);
        hot.setColorAt(0.0, withAlpha(c.core, 230));
        hot.setColorAt(0.8, withAlpha(c.core, 0));
        hot.setColorAt(1.0, withAlpha(c.core, 0));
        // The gradient is clear beyond 0.8 of the lamp's half size, so the
        // lamp's own shape needs no clip: filling it is enough.
        QBrush brush(hot);
        brush.setTransform(QTransform(std::max(r.width() * 0.5, 1.0), 0, 0, std::max(r.height() * 0.5, 1.0),
                                      r.center().x(), r.center().y()));
        p.setBrush(brush);
        p.drawPath(lamp.path);
    } else {
        QRadialGradient body(r.center(), std::max(r.width(), r.height()) * 0.62);
        body.setColorAt(0.0, c.core);
        body.setColorAt(lamp.glass == Glass::Chrome ? 0.8 : 0.55, c.core);
        body.setColorAt(1.0, c.edge);
        p.setBrush(body);
        p.drawPath(lamp.path);
    }

    // A second, tight bloom so that small lamps read as lit from a distance.
    p.resetTransform();
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    ellipseGlow(
        p, centre, std::max(shape.width() * 0.75, 2.0), std::max(shape.height() * 0.75, 2.0),
        {{0.0, withAlpha(c.core, lamp.glass == Glass::Lens ? 90 : 140)}, {1.0, withAlpha(c.glow, 0)}});
    p.restore();
}

QPainterPath ringBand(QPointF centre, double radius, double width)
{
    QPainterPath band;
    band.setFillRule(Qt::OddEvenFill);
    band.addEllipse(centre, radius + width / 2, radius + width / 2);
    band.addEllipse(centre, radius - width / 2, radius - width / 2);
    return band;
}

// ---------------------------------------------------------------------------

QPainterPath smoothPolygon(const QPolygonF& pts, double radius)
{
    QPainterPath path;
    const int n = int(pts.size());
    if (n < 3) {
        path.addPolygon(pts);
        return path;
    }
    auto cut = [&](int i, int towards) {
        const QPointF v = pts[i];
        const QPointF d = pts[towards] - v;
        const double len = std::hypot(d.x(), d.y());
        const double t = len > 0 ? std::min(radius / len, 0.5) : 0.0;
        return v + d * t;
    };
    path.moveTo(cut(0, 1));
    for (int k = 1; k <= n; ++k) {
        const int i = k % n;
        const int prev = (i + n - 1) % n;
        const int next = (i + 1) % n;
        path.lineTo(cut(i, prev));
        path.quadTo(pts[i], cut(i, next));
    }
    path.closeSubpath();
    return path;
}

QPolygonF inRect(const QRectF& r, std::initializer_list<QPointF> fractions)
{
    QPolygonF out;
    for (const QPointF& f : fractions)
        out << QPointF(r.left() + f.x() * r.width(), r.top() + f.y() * r.height());
    return out;
}

QRectF inset(const QRectF& r, double dx, double dy)
{
    return r.adjusted(dx, dy, -dx, -dy);
}

QPainterPath ellipse(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r);
    return path;
}

QPainterPath circle(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundRect(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath arcBand(QPointF centre, double radius, double a0, double a1, double width)
{
    const double ro = radius + width / 2;
    const double ri = radius - width / 2;
    const QRectF outer(centre.x() - ro, centre.y() - ro, 2 * ro, 2 * ro);
    const QRectF inner(centre.x() - ri, centre.y() - ri, 2 * ri, 2 * ri);
    QPainterPath path;
    path.arcMoveTo(outer, a0);
    path.arcTo(outer, a0, a1 - a0);
    QPointF end;
    {
        QPainterPath probe;
        probe.arcMoveTo(inner, a1);
        end = probe.currentPosition();
    }
    path.lineTo(end);
    path.arcTo(inner, a1, a0 - a1);
    path.closeSubpath();
    return path;
}

void paintBody(QPainter& p, const QPainterPath& path, double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0.0, colour::bodyLight);
    g.setColorAt(0.35, colour::bodyMid);
    g.setColorAt(0.7, colour::bodyLight.darker(112));
    g.setColorAt(1.0, colour::bodyDark);
    p.setBrush(g);
    p.setPen(QPen(colour::bodyLine, 0.8));
    p.drawPath(path);
}

void paintGlass(QPainter& p, const QPainterPath& path, double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0.0, colour::glassLight);
    g.setColorAt(1.0, colour::glassDark);
    p.setBrush(g);
    p.setPen(QPen(colour::trim, 0.8));
    p.drawPath(path);
    // A pale reflection of the sky across the glass.
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    const QRectF r = path.boundingRect();
    QPainterPath band;
    band.moveTo(r.left() + r.width() * 0.15, r.bottom());
    band.lineTo(r.left() + r.width() * 0.45, r.top());
    band.lineTo(r.left() + r.width() * 0.70, r.top());
    band.lineTo(r.left() + r.width() * 0.40, r.bottom());
    band.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 26));
    p.drawPath(band);
    p.restore();
}

void paintTrim(QPainter& p, const QPainterPath& path, double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0.0, colour::trimLight);
    g.setColorAt(1.0, colour::trim);
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 21, 24), 0.6));
    p.drawPath(path);
}

void strokeChrome(QPainter& p, const QPainterPath& path, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 128, 136), width + 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour::chrome, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void crease(QPainter& p, const QPainterPath& path, qreal strength)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, int(120 * strength)), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.save();
    p.translate(0, 0.9);
    p.setPen(QPen(QColor(40, 46, 52, int(70 * strength)), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.restore();
}

void paintHousing(QPainter& p, const QPainterPath& path)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(70, 80, 90));
    g.setColorAt(0.5, QColor(40, 47, 55));
    g.setColorAt(1.0, QColor(26, 30, 35));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 158, 166), 0.9));
    p.drawPath(path);
    p.save();
    p.setClipPath(path, Qt::IntersectClip);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.translate(0.6, 0.8);
    p.drawPath(path);
    p.restore();
}

void paintTyre(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0.0, QColor(56, 58, 62));
    g.setColorAt(0.3, colour::tyre);
    g.setColorAt(0.7, colour::tyre);
    g.setColorAt(1.0, QColor(50, 52, 56));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, std::min(6.0, r.width() / 3), std::min(6.0, r.width() / 3));
    // Tread grooves.
    p.setPen(QPen(QColor(64, 66, 70), 0.8));
    for (double x = r.left() + r.width() * 0.25; x < r.right() - 2; x += r.width() * 0.25)
        p.drawLine(QPointF(x, r.top() + 2), QPointF(x, r.bottom() - 2));
}

void paintShadow(QPainter& p, double ground, double halfWidth)
{
    p.setPen(Qt::NoPen);
    ellipseGlow(p, QPointF(0, ground), halfWidth + 14, 7,
                {{0.0, QColor(0, 0, 0, 90)}, {0.75, QColor(0, 0, 0, 40)}, {1.0, QColor(0, 0, 0, 0)}});
}

void paintMiniRoof(QPainter& p, double roofY, double roofHalf, double roofEdgeHalf, double roofEdgeY)
{
    QPainterPath roof;
    roof.moveTo(-2, roofY - 2);
    roof.lineTo(roofHalf, roofY - 1.5);
    roof.cubicTo(roofHalf + 20, roofY - 0.5, roofEdgeHalf, roofEdgeY - 7, roofEdgeHalf + 3, roofEdgeY - 1);
    roof.lineTo(roofEdgeHalf + 1, roofEdgeY + 3);
    roof.lineTo(-2, roofEdgeY + 2);
    roof.closeSubpath();
    QLinearGradient white(0, roofY, 0, roofEdgeY + 3);
    white.setColorAt(0.0, QColor(252, 252, 250));
    white.setColorAt(1.0, QColor(214, 216, 216));
    p.setBrush(white);
    p.setPen(QPen(QColor(150, 154, 158), 0.8));
    p.drawPath(roof);
}

void paintRoofRail(QPainter& p, double roofY, double x0, double x1)
{
    // A bar on two feet, a little above the roof.
    p.setPen(QPen(QColor(20, 21, 24), 0.6));
    p.setBrush(colour::trimLight);
    p.drawRoundedRect(QRectF(x0, roofY - 4.5, x1 - x0, 2.8), 1.2, 1.2);
    p.setBrush(colour::trim);
    p.drawRect(QRectF(x0 + 2, roofY - 2, 3, 3));
    p.drawRect(QRectF(x1 - 5, roofY - 2, 3, 3));
}

void paintPlateRecess(QPainter& p, const QRectF& r)
{
    // A dark holder a little larger than the plate, so that a plate a few
    // pixels off the centre line still sits on it.
    const QRectF holder = r.adjusted(0, -1.5, 3.5, 1.5);
    QLinearGradient g(holder.topLeft(), holder.bottomLeft());
    g.setColorAt(0.0, QColor(40, 43, 47));
    g.setColorAt(1.0, QColor(70, 74, 80));
    p.setBrush(g);
    p.setPen(QPen(QColor(150, 156, 162), 0.8));
    p.drawRoundedRect(holder, 2, 2);
}

QPainterPath bodyOutlinePath(const BodyOutline& o)
{
    QPainterPath b;
    b.moveTo(-2, o.roofY);
    b.lineTo(o.roofHalf, o.roofY + 0.5);
    b.cubicTo(o.roofHalf + 18, o.roofY + 1.5, o.roofEdgeHalf - 4, o.roofEdgeY - 5, o.roofEdgeHalf,
              o.roofEdgeY);
    b.lineTo(o.pillarHalf, o.pillarBottomY);
    b.cubicTo(o.pillarHalf + 6, o.shoulderY - 4, o.shoulderHalf - 10, o.shoulderY - 2, o.shoulderHalf,
              o.shoulderY);
    b.cubicTo(o.bodyHalf - 3, o.shoulderY + 2, o.bodyHalf, o.shoulderY + 10, o.bodyHalf, o.shoulderY + 22);
    b.lineTo(o.bodyHalf - 1, o.bodyBottomY - 10);
    b.quadTo(o.bodyHalf - 2, o.bodyBottomY, o.bodyHalf - 10, o.bodyBottomY);
    b.lineTo(o.tyreIn - 4, o.bodyBottomY);
    b.cubicTo(o.tyreIn - 20, o.apronY, 30, o.apronY, -2, o.apronY);
    b.closeSubpath();
    return b;
}

} // namespace car
