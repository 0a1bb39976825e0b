// Draws the program's icon files and the pictures of its help:
//   vantor_draw_pictures <icons folder> <help folder>
// The results are kept in data/icons and data/help; run this again after
// changing a drawing.
#include "shell/Logo.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

// A car seen from one corner, as simple shapes: body, window, lamps.
void drawCar(QPainter& p, const QRectF& box, bool front, bool mirrored)
{
    p.save();
    p.translate(box.topLeft());
    if (mirrored) {
        p.translate(box.width(), 0);
        p.scale(-1, 1);
    }
    const qreal w = box.width();
    const qreal h = box.height();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 239, 244));
    p.drawRect(QRectF(0, 0, w, h));
    // Half a car, its middle at the right edge of the box.
    QPainterPath body;
    body.moveTo(w * 0.08, h * 0.78);
    body.lineTo(w * 0.08, h * 0.52);
    body.quadTo(w * 0.12, h * 0.42, w * 0.30, h * 0.40);
    body.lineTo(w * 0.42, h * 0.22);
    body.lineTo(w, h * 0.20);
    body.lineTo(w, h * 0.78);
    body.closeSubpath();
    p.setBrush(QColor(120, 130, 148));
    p.drawPath(body);
    QPainterPath glass;
    glass.moveTo(w * 0.36, h * 0.39);
    glass.lineTo(w * 0.46, h * 0.26);
    glass.lineTo(w, h * 0.25);
    glass.lineTo(w, h * 0.39);
    glass.closeSubpath();
    p.setBrush(QColor(70, 80, 98));
    p.drawPath(glass);
    p.setBrush(QColor(40, 40, 44));
    p.drawRoundedRect(QRectF(w * 0.14, h * 0.74, w * 0.26, h * 0.12), 4, 4);
    if (front) {
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(w * 0.36, h * 0.50), w * 0.09, w * 0.09);
        p.drawEllipse(QPointF(w * 0.60, h * 0.50), w * 0.09, w * 0.09);
        p.setBrush(QColor(255, 170, 20));
        p.drawRect(QRectF(w * 0.12, h * 0.47, w * 0.08, h * 0.04));
        p.setBrush(QColor(230, 230, 230));
        p.drawEllipse(QPointF(w * 0.30, h * 0.66), w * 0.05, w * 0.05);
    } else {
        p.setBrush(QColor(200, 30, 30));
        p.drawRect(QRectF(w * 0.10, h * 0.45, w * 0.34, h * 0.09));
        p.setBrush(QColor(255, 170, 20));
        p.drawRect(QRectF(w * 0.10, h * 0.55, w * 0.16, h * 0.04));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(w * 0.27, h * 0.55, w * 0.17, h * 0.04));
    }
    p.restore();
}

void drawFrame(QPainter& p, const QRectF& r, int buttons)
{
    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 218, 226));
    for (int i = 0; i < buttons; ++i)
        p.drawRoundedRect(QRectF(r.left() + 8, r.top() + 22 + i * 30, r.width() - 16, 24), 3, 3);
}

void drawNumber(QPainter& p, const QPointF& at, int number)
{
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(230, 120, 0));
    p.drawEllipse(at, 15, 15);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(16);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(at.x() - 15, at.y() - 15, 30, 30), Qt::AlignCenter, QString::number(number));
}

// The main window as a sketch with numbered parts; the help explains each number.
QImage mainWindowSketch()
{
    const QSize client(814, 586);
    const int bar = 24;
    QImage image(client.width() + 2, client.height() + bar + 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(246, 247, 249));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 125, 135), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, image.width() - 1, image.height() - 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 229, 235));
    p.drawRect(QRectF(1, 1, image.width() - 2, bar));
    p.setBrush(QColor(180, 185, 195));
    for (int i = 0; i < 5; ++i)
        p.drawRoundedRect(QRectF(10 + i * 86, 8, 70, 10), 3, 3);
    p.translate(1, bar + 1);

    drawCar(p, QRectF(11, 8, 195, 269), true, false);
    drawCar(p, QRectF(206, 8, 195, 269), true, true);
    drawCar(p, QRectF(11, 285, 195, 269), false, false);
    drawCar(p, QRectF(206, 285, 195, 269), false, true);

    drawFrame(p, QRectF(412, 8, 196, 56), 0);
    p.setBrush(QColor(214, 218, 226));
    p.drawEllipse(QPointF(428, 42), 6, 6);
    p.drawEllipse(QPointF(522, 42), 6, 6);
    // The step table: a header and a few rows.
    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(412, 72, 196, 334));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 229, 235));
    p.drawRect(QRectF(413, 73, 194, 20));
    for (int row = 0; row < 6; ++row) {
        p.setBrush(row == 2 ? QColor(190, 210, 240) : QColor(236, 238, 242));
        p.drawRect(QRectF(416, 98 + row * 20, 188, 16));
    }
    drawFrame(p, QRectF(412, 414, 196, 140), 0);
    p.setBrush(QColor(214, 218, 226));
    p.drawRoundedRect(QRectF(420, 428, 180, 6), 3, 3);
    p.drawRoundedRect(QRectF(420, 470, 180, 24), 3, 3);
    p.drawRect(QRectF(420, 504, 14, 14));

    drawFrame(p, QRectF(618, 8, 186, 118), 3);
    drawFrame(p, QRectF(618, 134, 186, 118), 3);
    drawFrame(p, QRectF(618, 260, 186, 88), 2);
    drawFrame(p, QRectF(618, 356, 186, 108), 2);
    p.setBrush(QColor(120, 190, 120));
    p.drawRect(QRectF(626, 442, 120, 12));
    drawFrame(p, QRectF(618, 472, 186, 58), 1);
    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(11, 562, 390, 20));
    p.drawRect(QRectF(412, 562, 196, 20));

    const struct
    {
        QPointF at;
        int number;
    } marks[] = {
        {{206, 150}, 1}, {{206, 420}, 2},  {{590, 30}, 3},   {{590, 120}, 4},
        {{590, 440}, 5}, {{786, 30}, 6},   {{786, 156}, 7},  {{786, 282}, 8},
        {{786, 378}, 9}, {{786, 494}, 10}, {{380, 572}, 11}, {{590, 572}, 12},
    };
    for (const auto& mark : marks)
        drawNumber(p, mark.at, mark.number);
    p.end();
    return image.scaledToWidth(660, Qt::SmoothTransformation);
}

bool save(const QImage& image, const QDir& folder, const char* name)
{
    return image.save(folder.filePath(QString::fromLatin1(name)));
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: vantor_draw_pictures <icons folder> <help folder>\n";
        return 2;
    }
    const QDir icons(args.at(1));
    const QDir help(args.at(2));
    QList<QImage> sheets;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        sheets.append(Logo::sequenceFileIcon(size));
    QFile ico(icons.filePath(QStringLiteral("Daten.ico")));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(Logo::icoFile(sheets)) < 0)
        return 1;
    const bool saved = save(Logo::emblem(128), icons, "Vantor.png") &&
                       save(Logo::banner(558, 96), help, "help-logo.png") &&
                       save(mainWindowSketch(), help, "help-window.png") &&
                       save(Logo::sequenceFileIcon(48), help, "help-file.png");
    return saved ? 0 : 1;
}
