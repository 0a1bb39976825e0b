#include "shell/Logo.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// Two glowing rings, as the parking-light rings of a headlamp look at night.
void drawRings(QPainter& p, const QPointF& centre, qreal radius)
{
    QRadialGradient glow(centre, radius * 1.6);
    glow.setColorAt(0.0, QColor(120, 180, 255, 90));
    glow.setColorAt(0.55, QColor(80, 140, 255, 60));
    glow.setColorAt(1.0, QColor(40, 80, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.6, radius * 1.6);

    const qreal offset = radius * 0.55;
    for (const qreal dx : {-offset, offset}) {
        const QPointF c(centre.x() + dx, centre.y());
        const qreal r = radius * 0.62;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(90, 150, 255, 120), radius * 0.22));
        p.drawEllipse(c, r, r);
        p.setPen(QPen(QColor(235, 245, 255), radius * 0.09));
        p.drawEllipse(c, r, r);
        // The lens inside the ring.
        QRadialGradient lens(c, r * 0.7);
        lens.setColorAt(0.0, QColor(210, 225, 245));
        lens.setColorAt(1.0, QColor(40, 60, 90));
        p.setPen(Qt::NoPen);
        p.setBrush(lens);
        p.drawEllipse(c, r * 0.55, r * 0.55);
    }
}

void fillPanel(QPainter& p, const QRectF& rect, qreal corner)
{
    QLinearGradient panel(rect.topLeft(), rect.bottomLeft());
    panel.setColorAt(0.0, QColor(28, 52, 92));
    panel.setColorAt(1.0, QColor(8, 16, 34));
    p.setPen(QPen(QColor(120, 140, 170), 1.0));
    p.setBrush(panel);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), corner, corner);
}

} // namespace

namespace Logo {

QImage banner(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, width, height);
    fillPanel(p, all, height * 0.18);

    // Light beams fanning out to the right.
    const QPointF source(height * 1.1, height * 0.5);
    for (int i = 0; i < 5; ++i) {
        const qreal spread = (i - 2) * height * 0.16;
        QLinearGradient beam(source, QPointF(width, source.y()));
        beam.setColorAt(0.0, QColor(200, 225, 255, 70));
        beam.setColorAt(1.0, QColor(200, 225, 255, 0));
        QPainterPath path;
        path.moveTo(source);
        path.lineTo(width, source.y() + spread - height * 0.03);
        path.lineTo(width, source.y() + spread + height * 0.03);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(beam);
        p.drawPath(path);
    }

    drawRings(p, QPointF(height * 0.62, height * 0.5), height * 0.32);

    // The name in silver.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(int(height * 0.52));
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    QPainterPath name;
    name.addText(0, 0, font, QStringLiteral("VANTOR"));
    const QRectF box = name.boundingRect();
    const QPointF at(height * 1.35 - box.left(), height * 0.5 - box.center().y());
    name.translate(at);
    QLinearGradient silver(name.boundingRect().topLeft(), name.boundingRect().bottomLeft());
    silver.setColorAt(0.0, QColor(250, 252, 255));
    silver.setColorAt(0.5, QColor(170, 185, 205));
    silver.setColorAt(0.55, QColor(120, 135, 160));
    silver.setColorAt(1.0, QColor(220, 228, 240));
    p.setPen(QPen(QColor(10, 20, 40), 1.5));
    p.setBrush(silver);
    p.drawPath(name);

    // An amber stripe under the name, as an indicator lamp.
    const QRectF stripe(name.boundingRect().left(), height * 0.84, name.boundingRect().width(),
                        height * 0.05);
    QLinearGradient amber(stripe.topLeft(), stripe.topRight());
    amber.setColorAt(0.0, QColor(255, 160, 0, 0));
    amber.setColorAt(0.2, QColor(255, 170, 20));
    amber.setColorAt(0.8, QColor(255, 170, 20));
    amber.setColorAt(1.0, QColor(255, 160, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(amber);
    p.drawRoundedRect(stripe, stripe.height() / 2, stripe.height() / 2);
    return image;
}

QImage emblem(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillPanel(p, QRectF(0, 0, size, size), size * 0.2);
    drawRings(p, QPointF(size * 0.5, size * 0.5), size * 0.3);
    return image;
}

} // namespace Logo

namespace Logo {

QImage sequenceFileIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 64.0;
    p.scale(s, s);

    // The sheet with its folded corner.
    QPainterPath sheet;
    sheet.moveTo(10, 2);
    sheet.lineTo(42, 2);
    sheet.lineTo(56, 16);
    sheet.lineTo(56, 62);
    sheet.lineTo(10, 62);
    sheet.closeSubpath();
    QLinearGradient paper(QPointF(10, 2), QPointF(56, 62));
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(222, 228, 238));
    p.setPen(QPen(QColor(70, 85, 110), 1.5));
    p.setBrush(paper);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(42, 2);
    fold.lineTo(42, 16);
    fold.lineTo(56, 16);
    fold.closeSubpath();
    p.setBrush(QColor(190, 200, 215));
    p.drawPath(fold);

    // The table of steps: rows of lamp marks, one lit in each row.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        const qreal y = 10 + row * 7;
        p.setBrush(QColor(150, 160, 175));
        p.drawRect(QRectF(15, y, 8, 3.5));
        for (int lamp = 0; lamp < 3; ++lamp) {
            const bool lit = lamp == row % 3;
            p.setBrush(lit ? QColor(255, 170, 20) : QColor(200, 208, 220));
            p.drawEllipse(QRectF(27 + lamp * 6, y - 0.5, 4.5, 4.5));
        }
    }

    // The rings in a dark badge at the bottom.
    const QRectF badge(14, 38, 38, 20);
    QLinearGradient panel(badge.topLeft(), badge.bottomLeft());
    panel.setColorAt(0.0, QColor(28, 52, 92));
    panel.setColorAt(1.0, QColor(8, 16, 34));
    p.setBrush(panel);
    p.drawRoundedRect(badge, 4, 4);
    p.setBrush(Qt::NoBrush);
    for (const qreal x : {26.0, 40.0}) {
        p.setPen(QPen(QColor(90, 150, 255, 140), 3.2));
        p.drawEllipse(QPointF(x, 48), 6, 6);
        p.setPen(QPen(QColor(235, 245, 255), 1.6));
        p.drawEllipse(QPointF(x, 48), 6, 6);
    }
    return image;
}

QByteArray icoFile(const QList<QImage>& pictures)
{
    // Header, one directory entry per picture, then the pictures as PNG.
    QList<QByteArray> pngs;
    for (const QImage& picture : pictures) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        pngs.append(png);
    }
    QByteArray out;
    auto put16 = [&out](int v) {
        out.append(char(v & 0xff));
        out.append(char((v >> 8) & 0xff));
    };
    auto put32 = [&out, &put16](qint64 v) {
        put16(int(v & 0xffff));
        put16(int((v >> 16) & 0xffff));
    };
    put16(0);
    put16(1); // icon
    put16(int(pictures.size()));
    qint64 offset = 6 + 16 * pictures.size();
    for (int i = 0; i < pictures.size(); ++i) {
        const QImage& picture = pictures.at(i);
        out.append(char(picture.width() >= 256 ? 0 : picture.width()));
        out.append(char(picture.height() >= 256 ? 0 : picture.height()));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(1);  // colour planes
        put16(32); // bits per pixel
        put32(pngs.at(i).size());
        put32(offset);
        offset += pngs.at(i).size();
    }
    for (const QByteArray& png : std::as_const(pngs))
        out.append(png);
    return out;
}

} // namespace Logo
