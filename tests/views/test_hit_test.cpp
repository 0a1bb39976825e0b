#include "views/HitTest.h"

#include <QTest>

namespace {

LampOptions model(int code)
{
    LampOptions o;
    o.model = code;
    o.highBeam = true;
    o.ringLights = true;
    return o;
}

std::vector<int> areasOf(const HitTest::Result& r)
{
    std::vector<int> out;
    for (const HitTest::Hit& h : r.hits)
        out.push_back(h.area);
    return out;
}

// A table of 100 x 100 boxes from (start, start), each area `step` further right:
// with step 0 every area of the row covers the same box.
LampAreaTable boxes(int row, int start, int step = 0)
{
    LampAreaTable table;
    const int first = row == LampAreaTable::FrontRow ? 1 : 25;
    auto& p = table.points[std::size_t(row)];
    for (int code = first, x = start; code < first + 24; code += 4, x += step) {
        p[std::size_t(code)] = std::int16_t(x);
        p[std::size_t(code + 1)] = std::int16_t(x + 100);
        p[std::size_t(code + 2)] = std::int16_t(start);
        p[std::size_t(code + 3)] = std::int16_t(start + 100);
    }
    return table;
}

const std::vector<int> None;
const std::vector<int> Indicator{13};

QString tooltip(const HitTest::Hit& h)
{
    return QString::number(h.textNumber) + h.suffix;
}

} // namespace

class TestHitTest : public QObject
{
    Q_OBJECT
private slots:
    void bordersAreOutside()
    {
        // Mini Coupé, indicator: 1395, 1660, 2200, 2455 on view 2.
        const LampAreaTable mini = lampAreasFor(QStringLiteral("731"), true, false, false);
        const LampOptions o = model(731);
        auto hitsAt = [&](double x, double y) { return areasOf(HitTest::test(2, x, y, mini, o)); };
        // y 2200 is the border of both the headlamp and the indicator.
        const struct
        {
            double x, y;
            std::vector<int> hits;
        } cases[] = {{1396, 2300, Indicator},  {1395, 2300, None}, {1660, 2300, None},
                     {1500, 2455, None},       {1500, 2200, None}, {1500, 2199.5, {5}},
                     {1500, 2200.5, Indicator}};
        for (const auto& c : cases)
            QCOMPARE(hitsAt(c.x, c.y), c.hits);
    }

    void mirroredViewsUseTheOffset()
    {
        const LampAreaTable mini = lampAreasFor(QStringLiteral("731"), true, false, false);
        QCOMPARE(mini.frontMirrorOffset, std::int16_t(-50));
        // View 1: x' = 2925 - X - 50; the indicator spans 1395 < x' < 1660.
        QCOMPARE(HitTest::areaX(1, 1216, mini), 1659);
        QCOMPARE(HitTest::areaX(2, 1216, mini), 1216);
        const LampOptions o = model(731);
        auto hitsAt = [&](double x) { return areasOf(HitTest::test(1, x, 2300, mini, o)); };
        // Halves round to even: 1659.5 -> 1660 (outside), 1658.5 -> 1658, 1395.5 -> 1396.
        QCOMPARE(HitTest::areaX(1, 1215.5, mini), 1660);
        for (double x : {1216.0, 1479.0, 1216.5, 1479.5})
            QCOMPARE(hitsAt(x), Indicator);
        for (double x : {1215.0, 1480.0, 1215.5, 1480.5})
            QCOMPARE(hitsAt(x), None);
        // The rear offset applies to view 3 only.
        LampAreaTable t = boxes(LampAreaTable::RearRow, 1000);
        t.rearMirrorOffset = 40;
        QCOMPARE(HitTest::areaX(3, 1900, t), 1065);
        QCOMPARE(HitTest::areaX(4, 1900, t), 1900);
        QCOMPARE(areasOf(HitTest::test(3, 1900, 1050, t, model(211))), (std::vector<int>{41, 25, 37}));
        QVERIFY(!HitTest::test(3, 1860, 1050, t, model(211)).anyHit());
    }

    void everyHitAreaIsProcessedInOrder()
    {
        const LampAreaTable front = boxes(LampAreaTable::FrontRow, 100);
        QCOMPARE(areasOf(HitTest::test(2, 150, 150, front, model(211))),
                 (std::vector<int>{13, 1, 5, 9, 17, 21}));
        // The ring only with rings, the high beam only with a headlamp that has one.
        LampOptions bare = model(211);
        bare.ringLights = false;
        bare.highBeam = false;
        QCOMPARE(areasOf(HitTest::test(2, 150, 150, front, bare)), (std::vector<int>{13, 5, 17, 21}));
        bare.cornering = true;
        QCOMPARE(areasOf(HitTest::test(2, 150, 150, front, bare)), (std::vector<int>{13, 5, 9, 17, 21}));
        // The reversing light ends the test of the rear areas.
        const LampAreaTable rear = boxes(LampAreaTable::RearRow, 100);
        QCOMPARE(areasOf(HitTest::test(4, 150, 150, rear, model(211))), (std::vector<int>{41, 25, 37}));
    }

    void clubmanLeftReversingLightOnlyCounts()
    {
        const LampAreaTable club = lampAreasFor(QStringLiteral("751"), true, false, false);
        const QRectF lamp = HitTest::areaRect(4, 37, club);
        const double y = lamp.center().y() * 15;
        // Right view: the reversing light, and the test ends there.
        auto r = HitTest::test(4, lamp.center().x() * 15, y, club, model(751));
        QCOMPARE(areasOf(r), std::vector<int>{37});
        QVERIFY(r.hits[0].processed);
        QCOMPARE(tooltip(r.hits[0]), QStringLiteral("125_R"));
        // Left view: the hit counts but does nothing; the fog lamp in the same place answers.
        const QRectF left = HitTest::areaRect(3, 37, club);
        r = HitTest::test(3, left.center().x() * 15, y, club, model(751));
        QCOMPARE(areasOf(r), (std::vector<int>{37, 45}));
        QVERIFY(!r.hits[0].processed);
        QVERIFY(r.hits[1].processed);
        QCOMPARE(tooltip(r.hits[1]), QStringLiteral("120_L"));
        // Other models: the reversing light on the left ends the test too.
        LampAreaTable t = boxes(LampAreaTable::RearRow, 100);
        r = HitTest::test(3, 2925 - 150, 150, t, model(731));
        QCOMPARE(areasOf(r), (std::vector<int>{41, 25, 37}));
    }

    void frontTooltips()
    {
        const LampAreaTable front = boxes(LampAreaTable::FrontRow, 100);
        auto texts = [&](int view, const LampOptions& o) {
            QStringList out;
            for (const HitTest::Hit& h :
                 HitTest::test(view, view == 2 ? 150 : 2925 - 150, 150, front, o).hits)
                out << tooltip(h);
            return out;
        };
        QCOMPARE(texts(2, model(211)), (QStringList{"122_L", "117_L", "118_L", "119_L", "120_L", "121_L"}));
        LampOptions corner = model(211);
        corner.highBeam = false;
        corner.cornering = true;
        QCOMPARE(texts(1, corner), (QStringList{"122_R", "117_R", "118_R", "61_R", "120_R", "121_R"}));
    }

    void rearTooltipsByModel()
    {
        const LampAreaTable rear = boxes(LampAreaTable::RearRow, 0, 200); // each area can be hit alone
        auto text = [&](int modelCode, int view, int area, bool oneFog = false) {
            LampOptions o = model(modelCode);
            o.oneRearFogLamp = oneFog;
            const double x = (area - 25) / 4 * 200 + 50;
            const auto r = HitTest::test(view, view == 4 ? x : 2925 - x, 50, rear, o);
            return r.hits.size() == 1
                       ? tooltip(r.hits[0]) + QLatin1Char('@') + QString::number(r.hits[0].outlineView)
                       : QString();
        };
        const struct
        {
            int model, view, area;
            const char* tip;
        } cases[] = {{211, 3, 41, "122_L@3"},    {211, 4, 41, "122_R@4"},  {231, 3, 25, "124_L@3"},
                     {731, 4, 25, "124_RO@4"},   {611, 3, 25, "124_LO@3"}, {431, 3, 25, "124_LO_U@3"},
                     {442, 4, 25, "124_RO_U@4"}, {841, 3, 25, "123_L@3"},  {741, 4, 25, "124_RA@4"},
                     {211, 4, 37, "125_R@4"},    {112, 3, 29, "124_L@3"},  {841, 4, 29, "124_R@4"},
                     {731, 3, 29, "124_LU@3"},   {433, 4, 29, "124_RU@4"}, {322, 3, 29, "124_LI@3"},
                     {322, 3, 33, "124_M@5"},    {731, 3, 45, "120_L@3"}};
        for (const auto& c : cases)
            QCOMPARE(text(c.model, c.view, c.area), QString::fromLatin1(c.tip));
        QCOMPARE(text(731, 4, 45, true), QStringLiteral("120_M@5"));
    }

    void outlineRectangles()
    {
        const LampAreaTable six = lampAreasFor(QStringLiteral("431"), true, false, false);
        // The 6er's rear light: both parts on the view.
        auto rects = HitTest::outlineRects(3, 25, six, 431);
        QCOMPARE(rects.size(), std::size_t(2));
        QCOMPARE(rects[0].rect, HitTest::areaRect(3, 25, six));
        QCOMPARE(rects[1].rect, HitTest::areaRect(3, 29, six));
        QCOMPARE(HitTest::outlineRects(3, 25, six, 311).size(), std::size_t(1));
        // Both rear views for view value 5; nothing for view 0.
        rects = HitTest::outlineRects(HitTest::BothRearViews, 33, six, 431);
        QCOMPARE(rects.size(), std::size_t(2));
        QCOMPARE(rects[0].view, 3);
        QCOMPARE(rects[1].view, 4);
        QVERIFY(HitTest::outlineRects(0, 13, six, 431).empty());
        // Mirrored on view 1 with the offset: x -> 2925 - x - 50.
        const LampAreaTable mini = lampAreasFor(QStringLiteral("731"), true, false, false);
        QCOMPARE(HitTest::areaRect(1, 13, mini),
                 QRectF(QPointF(1215 / 15.0, 2200 / 15.0), QPointF(1480 / 15.0, 2455 / 15.0)));
        QCOMPARE(HitTest::areaRect(2, 13, mini),
                 QRectF(QPointF(93, 2200 / 15.0), QPointF(1660 / 15.0, 2455 / 15.0)));
        QVERIFY(HitTest::areaRect(2, 9, mini).isEmpty());
    }

    void areaDisplayExceptions()
    {
        auto boxes = [](const char* code, const LampOptions& o, int view) {
            const auto all =
                HitTest::areaDisplay(lampAreasFor(QString::fromLatin1(code), o.highBeam, false, false), o);
            return std::count_if(all.begin(), all.end(), [view](const auto& b) { return b.view == view; });
        };
        // 5er: ring, low, high, indicator, fog, repeater; six rear areas.
        for (int view : {1, 2, 4})
            QCOMPARE(boxes("311", model(311), view), 6);
        LampOptions bare = model(311);
        bare.ringLights = false;
        bare.highBeam = false;
        QCOMPARE(boxes("311", bare, 2), 4);
        // The Mini shows its parking light without rings: parking light, headlamp,
        // indicator, fog lamp. The Clubman has no rear fog box: rear light,
        // indicator, centre brake light, bumper lamp.
        bare.model = 751;
        QCOMPARE(boxes("751", bare, 2), 4);
        QCOMPARE(boxes("751", bare, 3), 4);
        LampOptions coupe = model(731);
        coupe.highBeam = false;
        QCOMPARE(boxes("731", coupe, 3), 6);
    }
};

QTEST_APPLESS_MAIN(TestHitTest)
#include "test_hit_test.moc"
