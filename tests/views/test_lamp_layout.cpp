#include "tests/support/TestFiles.h"
#include "vehicle/LampAreas.h"
#include "vehicle/ModelLayout.h"
#include "views/HitTest.h"
#include "views/PictureBook.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

const char* const Codes[] = {"111", "112", "131", "141", "841", "210", "211", "212", "220", "221",
                             "222", "231", "241", "311", "312", "313", "321", "322", "323", "431",
                             "432", "433", "441", "442", "443", "611", "911", "731", "741", "751"};

// Views in the order of the picture bases: front-left, front-right, rear-left, rear-right.
constexpr int BaseViews[] = {2, 1, 3, 4};

int firstCode(int row)
{
    return row == LampAreaTable::FrontRow ? 1 : 25;
}

} // namespace

class TestLampLayout : public QObject
{
    Q_OBJECT
private slots:
    // The blocks number the whole book without a gap, and an id never leaves its block.
    void blocksCoverTheBook()
    {
        int next = 101;
        for (const PictureBlock& b : pictureBlocks()) {
            QCOMPARE(b.firstId, next);
            QVERIFY(b.length == 16 || b.length == 32 || b.length == 64);
            QCOMPARE(isFrontLook(b.look), b.view <= 2);
            next = b.firstId + b.length;
        }
        QCOMPARE(next, 3493);
        QCOMPARE(pictureBlockOf(3492)->firstId, 3429);
        // The 1er Coupé's front has 16 pictures: the fog lamp bit is left out.
        QCOMPARE(PictureBook::pictureId(421, 16 + 3), 424);
        // Bits above the rear lamps (a file may hold any byte).
        QCOMPARE(PictureBook::pictureId(3429, 255), 3429 + 63);
        // Not the first id of a block.
        QCOMPARE(PictureBook::pictureId(230, 0), 0);
        QCOMPARE(PictureBook::pictureId(0, 0), 0);
    }

    // The pictures a vehicle shows are drawn with the areas it is tested with.
    void everyVehicleIsDrawnWithItsOwnAreas()
    {
        for (const char* c : Codes) {
            const QString code = QString::fromLatin1(c);
            for (bool highBeam : {true, false}) {
                for (bool oneFog : {false, true}) {
                    const ModelLayout layout = modelLayout(code, highBeam, false, oneFog);
                    QVERIFY2(layout.viewPictureBase && layout.lampAreas, c);
                    const LampAreaTable areas = *layout.lampAreas;
                    for (int i = 0; i < 4; ++i) {
                        const int base = (*layout.viewPictureBase)[std::size_t(i)];
                        const PictureBlock* block = pictureBlockOf(base);
                        QVERIFY2(block && block->firstId == base, c);
                        QCOMPARE(block->view, BaseViews[i]);
                        const LampAreaTable drawn = lookAreas(block->look);
                        const int row = block->view <= 2 ? LampAreaTable::FrontRow : LampAreaTable::RearRow;
                        for (int n = firstCode(row); n < firstCode(row) + 24; ++n) {
                            // The 3er's high beam area goes with the headlamp options.
                            if (row == LampAreaTable::FrontRow && n >= 9 && n <= 12 &&
                                areas.point(row, n) == 0)
                                continue;
                            QVERIFY2(drawn.point(row, n) == areas.point(row, n),
                                     qPrintable(code + QString::number(n)));
                        }
                        QCOMPARE(row == LampAreaTable::FrontRow ? drawn.frontMirrorOffset
                                                                : drawn.rearMirrorOffset,
                                 row == LampAreaTable::FrontRow ? areas.frontMirrorOffset
                                                                : areas.rearMirrorOffset);
                    }
                }
            }
        }
        QCOMPARE(lampAreasFor(QStringLiteral("511"), true, false, false), LampAreaTable{});
        QCOMPARE(lampAreasFor(QStringLiteral("999"), true, false, false), LampAreaTable{});
    }

    void areasFollowTheHeadlamp()
    {
        const int F = LampAreaTable::FrontRow;
        // The Mini's headlamp area is larger with a high beam.
        const auto large = lampAreasFor(QStringLiteral("731"), true, false, false).area(F, 5);
        const auto small = lampAreasFor(QStringLiteral("731"), false, false, false).area(F, 5);
        QVERIFY(large[0] < small[0] && large[1] > small[1] && large[2] < small[2] && large[3] > small[3]);
        // The 3er's high beam area goes with a headlamp that has one.
        QVERIFY(lampAreasFor(QStringLiteral("211"), true, false, false).area(F, 9)[1] != 0);
        QVERIFY(lampAreasFor(QStringLiteral("241"), false, true, false).area(F, 9)[1] != 0);
        QCOMPARE(lampAreasFor(QStringLiteral("222"), false, false, false).area(F, 9),
                 (std::array<std::int16_t, 4>{0, 0, 0, 0}));
        // Elsewhere the flag leaves the table alone.
        QVERIFY(lampAreasFor(QStringLiteral("311"), false, false, false).area(F, 9)[1] != 0);
    }

    // A click never means two lamps (the Clubman's shared bumper lamp aside).
    void areasDoNotOverlap()
    {
        for (int l = 0; l < LookCount; ++l) {
            const Look look = Look(l);
            const LampAreaTable t = lookAreas(look);
            const int row = isFrontLook(look) ? LampAreaTable::FrontRow : LampAreaTable::RearRow;
            for (int a = firstCode(row); a < firstCode(row) + 24; a += 4) {
                const QRectF ra = HitTest::areaRect(row == 1 ? 2 : 4, a, t);
                if (ra.isEmpty())
                    continue;
                QVERIFY2(ra.left() >= -2 && ra.right() <= 195 && ra.top() >= 0 && ra.bottom() <= 269,
                         lookName(look));
                for (int b = a + 4; b < firstCode(row) + 24; b += 4) {
                    if (look == Look::ClubmanRear && a == 37 && b == 45)
                        continue;
                    const QRectF rb = HitTest::areaRect(row == 1 ? 2 : 4, b, t);
                    QVERIFY2(!ra.intersects(rb),
                             qPrintable(QStringLiteral("%1 %2/%3").arg(lookName(look)).arg(a).arg(b)));
                }
            }
        }
    }

    // Each lamp, lit alone, reads as lit by day and by night: the mean
    // brightness (the HSV value, so that red light counts as bright) inside its
    // area rises by at least 35 of 255 by day (the weakest, a 6er's ring,
    // measures 37) and 75 by night (the weakest measures 84). Its own light lies in the
    // area: a pixel outside it may glow, but never brighter than the lamp's
    // brightest. A bit without a lamp changes nothing.
    void litLampsReadAsLitInsideTheirAreas()
    {
        for (bool night : {false, true}) {
            const double minimumMargin = night ? 75 : 35;
            PictureBook book;
            book.setNight(night);
            double weakest = 255;
            QString weakestLamp;
            for (const PictureBlock& block : pictureBlocks()) {
                const LampAreaTable areas = lookAreas(block.look);
                const QImage dark = book.picture(block.firstId).toImage();
                QCOMPARE(dark.size(), QSize(195, 269));
                for (int bit = 0; bit < 6 && (1 << bit) < block.length; ++bit) {
                    const bool rear = block.view >= 3;
                    const QRect r = HitTest::areaRect(block.view, HitTest::areaOfLamp(rear, bit), areas)
                                        .toAlignedRect()
                                        .intersected(dark.rect());
                    const bool shown = !r.isEmpty() && !(block.hiddenBits & (1 << bit));
                    const QImage lit = book.picture(block.firstId + (1 << bit)).toImage();
                    const QString what = QStringLiteral("%1 view %2 bit %3%4")
                                             .arg(lookName(block.look))
                                             .arg(block.view)
                                             .arg(bit)
                                             .arg(night ? QStringLiteral(" by night") : QString());
                    if (!shown) {
                        QVERIFY2(lit == dark, qPrintable(what + QStringLiteral(": a bit without a lamp")));
                        continue;
                    }
                    double gain = 0;
                    int brightestInside = 0;
                    int brightestOutside = 0;
                    for (int y = 0; y < lit.height(); ++y) {
                        for (int x = 0; x < lit.width(); ++x) {
                            const int value = QColor(lit.pixel(x, y)).value();
                            if (r.contains(x, y)) {
                                gain += value - QColor(dark.pixel(x, y)).value();
                                brightestInside = std::max(brightestInside, value);
                            } else if (lit.pixel(x, y) != dark.pixel(x, y)) {
                                brightestOutside = std::max(brightestOutside, value);
                            }
                        }
                    }
                    gain /= double(r.width()) * r.height();
                    if (gain < weakest) {
                        weakest = gain;
                        weakestLamp = what;
                    }
                    QVERIFY2(gain >= minimumMargin, qPrintable(what + QStringLiteral(": brighter by only ") +
                                                               QString::number(gain)));
                    QVERIFY2(brightestOutside <= brightestInside,
                             qPrintable(what + QStringLiteral(": glow brighter than the lamp")));
                }
            }
            qInfo("weakest lamp: %s, %.1f brighter", qPrintable(weakestLamp), weakest);
        }
    }

    void picturesAreKeptAndSharpOnDenseScreens()
    {
        PictureBook book;
        const QPixmap a = book.picture(1234);
        const QPixmap b = book.picture(1234);
        QCOMPARE(book.madeCount(), 1);
        QCOMPARE(a.cacheKey(), b.cacheKey());
        QVERIFY(book.picture(99).isNull());
        QVERIFY(book.picture(3493).isNull());
        book.setDevicePixelRatio(2.0);
        const QPixmap sharp = book.picture(1234);
        QCOMPARE(sharp.size(), QSize(390, 538));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(book.madeCount(), 2);
    }

    void numberedFilesReplaceDrawnPictures()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("pictures")));
        QImage photo(195, 269, QImage::Format_RGB32);
        photo.fill(QColor(10, 200, 30));
        QVERIFY(photo.save(dir.filePath(QStringLiteral("pictures/1234.png"))));
        QVERIFY(TestData::writeAll(dir.filePath(QStringLiteral("pictures/1235.png")), "not a picture"));

        PictureBook book(dir.path());
        QCOMPARE(book.picture(1234).toImage().pixel(100, 100), QColor(10, 200, 30).rgb());
        // An unreadable file: the drawn picture stands in.
        QCOMPARE(book.picture(1235).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 PictureBook::draw(1235).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

QTEST_MAIN(TestLampLayout)
#include "test_lamp_layout.moc"
