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

// The main window as a sketch with numbered parts, at its smallest size; the
// help explains each number.
QImage mainWindowSketch()
{
    const QSize client(1232, 610);
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
    for (int i = 0; i < 6; ++i)
        p.drawRoundedRect(QRectF(10 + i * 86, 8, 70, 10), 3, 3);
    p.translate(1, bar + 1);

    drawCar(p, QRectF(8, 8, 195, 269), true, false);
    drawCar(p, QRectF(203, 8, 195, 269), true, true);
    drawCar(p, QRectF(8, 285, 195, 269), false, false);
    drawCar(p, QRectF(203, 285, 195, 269), false, true);

    // The middle column: remote control, step table, gauge, step entry.
    drawFrame(p, QRectF(406, 8, 196, 56), 0);
    p.setBrush(QColor(214, 218, 226));
    p.drawEllipse(QPointF(422, 42), 6, 6);
    p.drawEllipse(QPointF(516, 42), 6, 6);
    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(406, 72, 196, 300));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 229, 235));
    p.drawRect(QRectF(407, 73, 194, 20));
    for (int row = 0; row < 6; ++row) {
        p.setBrush(row == 2 ? QColor(190, 210, 240) : QColor(236, 238, 242));
        p.drawRect(QRectF(410, 98 + row * 20, 188, 16));
    }
    p.setBrush(QColor(120, 190, 120));
    p.drawRect(QRectF(406, 380, 60, 16));
    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(406, 380, 196, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 204, 212));
    p.drawRoundedRect(QRectF(450, 402, 110, 8), 3, 3);
    drawFrame(p, QRectF(406, 424, 196, 144), 0);
    p.setBrush(QColor(214, 218, 226));
    p.drawRoundedRect(QRectF(414, 438, 180, 6), 3, 3);
    p.drawRoundedRect(QRectF(414, 480, 180, 24), 3, 3);
    p.drawRect(QRectF(414, 514, 14, 14));
    p.drawRect(QRectF(490, 514, 14, 14));

    // The command frames.
    drawFrame(p, QRectF(610, 8, 186, 118), 3);
    drawFrame(p, QRectF(610, 134, 186, 118), 3);
    drawFrame(p, QRectF(610, 260, 186, 88), 2);
    drawFrame(p, QRectF(610, 356, 186, 108), 2);
    p.setBrush(QColor(120, 190, 120));
    p.drawRect(QRectF(618, 442, 120, 12));
    drawFrame(p, QRectF(610, 472, 186, 58), 1);

    // The show grid: lamps down, steps across, lit cells in the lamp's colour.
    drawFrame(p, QRectF(806, 8, 418, 568), 0);
    const QRectF board(1000, 52, 216, 516);
    p.setBrush(QColor(34, 40, 48));
    p.drawRect(board);
    const QColor colours[] = {QColor(255, 150, 30),  QColor(255, 226, 150), QColor(240, 240, 250),
                              QColor(170, 205, 250), QColor(220, 30, 40),   QColor(255, 226, 150)};
    for (int row = 0; row < 24; ++row) {
        const qreal y = 56 + row * 21;
        p.setBrush(QColor(214, 218, 226));
        p.drawRoundedRect(QRectF(846, y + 5, 90 + (row * 37) % 50, 9), 3, 3);
        p.setBrush(colours[row % 6]);
        p.drawRect(QRectF(830, y + 5, 9, 9));
        for (int step = 0; step < 8; ++step) {
            const bool lit = ((row * 5 + step * 3) % 7) < 2;
            p.setBrush(lit ? colours[row % 6] : QColor(58, 68, 80));
            p.drawRoundedRect(QRectF(1004 + step * 26, y + 3, 22, 15), 3, 3);
        }
    }
    p.setBrush(QColor(76, 88, 102));
    for (int group = 0; group < 4; ++group)
        p.drawRoundedRect(QRectF(814, 56 + group * 126, 12, 122), 3, 3);
    p.setBrush(QColor(226, 229, 235));
    p.drawRect(QRectF(1000, 30, 216, 20));

    p.setPen(QPen(QColor(150, 155, 165), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 584, 390, 20));
    p.drawRect(QRectF(406, 584, 196, 20));

    const struct
    {
        QPointF at;
        int number;
    } marks[] = {
        {{203, 150}, 1},  {{203, 420}, 2},  {{580, 32}, 3},    {{580, 130}, 4},  {{580, 470}, 5},
        {{774, 32}, 6},   {{774, 158}, 7},  {{774, 284}, 8},   {{774, 380}, 9},  {{774, 496}, 10},
        {{370, 594}, 11}, {{580, 594}, 12}, {{1110, 300}, 13}, {{580, 388}, 14},
    };
    for (const auto& mark : marks)
        drawNumber(p, mark.at, mark.number);
    p.end();
    return image.scaledToWidth(900, Qt::SmoothTransformation);
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
