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
        QCOMPARE(areasOf(HitTest::test(3, 2925 - 150, 150, rear, model(731))),
                 (std::vector<int>{41, 25, 37}));
    }

    void outlineRectangles()
    {
        // The 6er's two-part rear light and the centre lamps are followed through the car views.
        const LampAreaTable six = lampAreasFor(QStringLiteral("431"), true, false, false);
        QCOMPARE(HitTest::outlineRects(3, 25, six, 431).at(1).rect, HitTest::areaRect(3, 29, six));
        QVERIFY(HitTest::outlineRects(0, 13, six, 431).empty());
        // The Mini's one rear fog lamp in the middle is outlined on both rear views.
        LampOptions oneFog = model(731);
        oneFog.oneRearFogLamp = true;
        const auto fog = HitTest::test(4, 1050, 50, boxes(LampAreaTable::RearRow, 0, 200), oneFog);
        QCOMPARE(fog.hits.at(0).outlineView, HitTest::BothRearViews);
        // Mirrored on view 1 with the offset: x -> 2925 - x - 50.
        const LampAreaTable mini = lampAreasFor(QStringLiteral("731"), true, false, false);
        QCOMPARE(HitTest::areaRect(1, 13, mini),
                 QRectF(QPointF(1215 / 15.0, 2200 / 15.0), QPointF(1480 / 15.0, 2455 / 15.0)));
        QVERIFY(HitTest::areaRect(2, 9, mini).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestHitTest)
#include "test_hit_test.moc"
