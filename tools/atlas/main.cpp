// vantor-atlas OUT.png [--vehicle CODE] [--areas] [--scale N] [--night] [--lamps BYTE]
//
// Draws, for every vehicle (or the one given), its four car views with all
// lamps off and with every lamp on, the licence plates where the main window
// puts them, and writes the sheet as a PNG. With --areas the lamp areas are
// outlined on the lit pictures, as "Bereiche anzeigen" does in the window.
// --scale N draws everything N times larger, as on a high-density screen.
// --night draws the night view; --lamps BYTE lights only those lamp bits
// in the lit columns (63, every lamp, by default).

#include "core/SafeSave.h"
#include "vehicle/LampAreas.h"
#include "vehicle/ModelLayout.h"
#include "vehicle/VehicleCatalogue.h"
#include "views/HitTest.h"
#include "views/LampRules.h"
#include "views/PictureBook.h"
#include "views/Plates.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

struct Row
{
    QStringList codes;
    bool highBeam = true;
    bool oneRearFogLamp = false;
    ModelLayout layout;
};

// Every vehicle with its picture choices; codes with the same pictures and
// areas share a row.
QList<Row> vehicleRows(const QString& only)
{
    static const char* const codes[] = {"111", "112", "131", "141", "841", "210", "211", "212", "220", "221",
                                        "222", "231", "241", "311", "312", "313", "321", "322", "323", "431",
                                        "433", "432", "441", "443", "442", "611", "911", "731", "741", "751"};
    QList<Row> rows;
    for (const char* c : codes) {
        const QString code = QString::fromLatin1(c);
        if (!only.isEmpty() && code != only)
            continue;
        const bool mini = code.startsWith(QLatin1Char('7'));
        struct Variant
        {
            bool highBeam, oneFog;
        };
        QList<Variant> variants{{true, false}};
        if (mini) {
            variants.append({false, false});
            if (code != QLatin1String("751"))
                variants.append({true, true});
        }
        for (const Variant& v : variants) {
            Row row;
            row.highBeam = v.highBeam;
            row.oneRearFogLamp = v.oneFog;
            row.layout = modelLayout(code, v.highBeam, false, v.oneFog);
            if (!row.layout.viewPictureBase)
                continue;
            bool merged = false;
            for (Row& r : rows) {
                if (r.layout.viewPictureBase == row.layout.viewPictureBase &&
                    r.layout.lampAreas == row.layout.lampAreas && r.highBeam == row.highBeam &&
                    r.oneRearFogLamp == row.oneRearFogLamp) {
                    r.codes.append(code);
                    merged = true;
                    break;
                }
            }
            if (!merged) {
                row.codes = {code};
                rows.append(row);
            }
        }
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString out;
    QString only;
    bool areas = false;
    bool night = false;
    int lamps = 63;
    int scale = 1;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--vehicle") && i + 1 < args.size())
            only = args[++i];
        else if (args[i] == QLatin1String("--areas"))
            areas = true;
        else if (args[i] == QLatin1String("--night"))
            night = true;
        else if (args[i] == QLatin1String("--lamps") && i + 1 < args.size())
            lamps = std::clamp(args[++i].toInt(), 0, 255);
        else if (args[i] == QLatin1String("--scale") && i + 1 < args.size())
            scale = std::clamp(args[++i].toInt(), 1, 4);
        else if (out.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            out = args[i];
        else {
            std::fprintf(stderr, "usage: vantor-atlas OUT.png [--vehicle CODE] [--areas] [--scale N] "
                                 "[--night] [--lamps BYTE]\n");
            return 2;
        }
    }
    if (out.isEmpty()) {
        std::fprintf(
            stderr,
            "usage: vantor-atlas OUT.png [--vehicle CODE] [--areas] [--scale N] [--night] [--lamps BYTE]\n");
        return 2;
    }

    const QList<Row> rows = vehicleRows(only);
    if (rows.isEmpty()) {
        std::fprintf(stderr, "vantor-atlas: no pictures for vehicle %s\n", qPrintable(only));
        return 1;
    }

    constexpr int W = PictureBook::Width;
    constexpr int H = PictureBook::Height;
    constexpr int Gap = 16;
    constexpr int Label = 22;
    constexpr int Margin = 12;
    const int pairWidth = 2 * W;
    const int sheetWidth = 2 * Margin + 4 * pairWidth + 3 * Gap;
    const int rowHeight = Label + H + Gap;
    QImage sheet(sheetWidth * scale, (2 * Margin + Label + int(rows.size()) * rowHeight) * scale,
                 QImage::Format_RGB32);
    sheet.setDevicePixelRatio(scale);
    sheet.fill(QColor(255, 255, 255));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);

    p.setFont(font);
    p.setPen(QColor(40, 40, 40));
    const char* const heads[] = {"front, lamps off", "rear, lamps off", "front, all lamps on",
                                 "rear, all lamps on"};
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(Margin + i * (pairWidth + Gap), Margin, pairWidth, Label), Qt::AlignCenter,
                   QString::fromLatin1(heads[i]));

    int y = Margin + Label;
    for (const Row& row : rows) {
        const ModelLayout& layout = row.layout;
        const std::array<int, 4> bases = *layout.viewPictureBase; // VL, VR, HL, HR
        const LampAreaTable table = layout.lampAreas.value_or(LampAreaTable{});
        LampOptions options;
        options.model = row.codes.first().toInt();
        options.highBeam = row.highBeam;
        options.ringLights = true;
        options.oneRearFogLamp = row.oneRearFogLamp;

        std::optional<int> number = VehicleCatalogue::codedVehicleNumber(row.codes.first());
        QString title = row.codes.join(QStringLiteral(", ")) + QStringLiteral("  ") +
                        (number ? VehicleCatalogue::vehicleName(*number) : QString());
        if (row.codes.first().startsWith(QLatin1Char('7')))
            title += QString::fromLatin1(row.highBeam ? "  (high beam" : "  (no high beam") +
                     QString::fromLatin1(row.oneRearFogLamp ? ", one rear fog lamp)" : ")");
        p.setFont(font);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRect(Margin, y, sheetWidth - 2 * Margin, Label), Qt::AlignLeft | Qt::AlignVCenter, title);

        const LampBytes all = LampRules::sanitiseRow(
            {std::uint8_t(lamps), std::uint8_t(lamps), std::uint8_t(lamps), std::uint8_t(lamps)}, options);
        const auto lit = LampRules::displayMasks(all, options);
        auto baseOf = [&bases](int view) {
            return view == 1 ? bases[1] : view == 2 ? bases[0] : bases[view - 1];
        };
        for (int column = 0; column < 4; ++column) {
            const bool on = column >= 2;
            const bool rear = column % 2 == 1;
            const int x0 = Margin + column * (pairWidth + Gap);
            const int y0 = y + Label;
            const int views[2] = {rear ? 3 : 1, rear ? 4 : 2};
            for (int i = 0; i < 2; ++i) {
                const int v = views[i];
                const int id = PictureBook::pictureId(baseOf(v), on ? lit[std::size_t(v - 1)] : 0);
                p.drawImage(QPoint(x0 + i * W, y0), PictureBook::draw(id, scale, night));
                if (areas && on) {
                    p.setPen(QPen(QColor(0, 255, 0), 1));
                    p.setBrush(Qt::NoBrush);
                    for (const HitTest::ViewRect& vr : HitTest::areaDisplay(table, options)) {
                        if (vr.view == v)
                            p.drawRect(vr.rect.translated(x0 + i * W, y0));
                    }
                }
            }
            if (layout.plates)
                Plates::paint(p, Plates::inPair(*layout.plates, rear, 1.0).translated(x0, y0));
        }
        y += rowHeight;
    }
    p.end();
    // In the format the name's ending says, as PNG without one.
    const QString suffix = QFileInfo(out).suffix();
    const QByteArray format = suffix.isEmpty() ? QByteArray("PNG") : suffix.toLatin1();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const SafeSave::Result written =
        buffer.open(QIODevice::WriteOnly) && sheet.save(&buffer, format.constData())
            ? SafeSave::writeFile(out, bytes)
            : SafeSave::Result{SafeSave::Error::ContentFailed,
                               QStringLiteral("the sheet could not be encoded")};
    if (!written) {
        std::fprintf(stderr, "vantor-atlas: cannot write %s: %s\n", qPrintable(out),
                     qPrintable(written.reason));
        return 1;
    }
    QTextStream(stdout) << "wrote " << out << " (" << rows.size() << " rows)\n";
    return 0;
}
