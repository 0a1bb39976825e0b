#include "views/HitTest.h"
#include "views/HoverOutline.h"

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

// A table where every area of a row covers the same box.
LampAreaTable overlapping(int row, std::int16_t l, std::int16_t r, std::int16_t t, std::int16_t b)
{
    LampAreaTable table;
    const int first = row == LampAreaTable::FrontRow ? 1 : 25;
    for (int code = first; code < first + 24; code += 4) {
        auto& p = table.points[std::size_t(row)];
        p[std::size_t(code)] = l;
        p[std::size_t(code + 1)] = r;
        p[std::size_t(code + 2)] = t;
        p[std::size_t(code + 3)] = b;
    }
    return table;
}

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
        QCOMPARE(hitsAt(1396, 2300), std::vector<int>{13});
        QCOMPARE(hitsAt(1395, 2300), std::vector<int>{});
        QCOMPARE(hitsAt(1660, 2300), std::vector<int>{});
        QCOMPARE(hitsAt(1500, 2455), std::vector<int>{});
        // y 2200 is the border of both the headlamp and the indicator.
        QCOMPARE(hitsAt(1500, 2200), std::vector<int>{});
        QCOMPARE(hitsAt(1500, 2199.5), std::vector<int>{5});
        QCOMPARE(hitsAt(1500, 2200.5), std::vector<int>{13});
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
        QCOMPARE(hitsAt(1216), std::vector<int>{13});
        QCOMPARE(hitsAt(1215), std::vector<int>{});
        QCOMPARE(hitsAt(1479), std::vector<int>{13});
        QCOMPARE(hitsAt(1480), std::vector<int>{});
        // Halves round to even: 1659.5 -> 1660 (outside), 1658.5 -> 1658, 1395.5 -> 1396.
        QCOMPARE(HitTest::areaX(1, 1215.5, mini), 1660);
        QCOMPARE(hitsAt(1215.5), std::vector<int>{});
        QCOMPARE(hitsAt(1216.5), std::vector<int>{13});
        QCOMPARE(hitsAt(1479.5), std::vector<int>{13});
        QCOMPARE(hitsAt(1480.5), std::vector<int>{});
        // The rear offset applies to view 3 only.
        LampAreaTable t = overlapping(LampAreaTable::RearRow, 1000, 1100, 1000, 1100);
        t.rearMirrorOffset = 40;
        QCOMPARE(HitTest::areaX(3, 1900, t), 1065);
        QCOMPARE(HitTest::areaX(4, 1900, t), 1900);
        QCOMPARE(areasOf(HitTest::test(3, 1900, 1050, t, model(211))), (std::vector<int>{41, 25, 37}));
        QVERIFY(!HitTest::test(3, 1860, 1050, t, model(211)).anyHit());
    }

    void everyHitAreaIsProcessedInOrder()
    {
        const LampAreaTable front = overlapping(LampAreaTable::FrontRow, 100, 200, 100, 200);
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
        const LampAreaTable rear = overlapping(LampAreaTable::RearRow, 100, 200, 100, 200);
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
        LampAreaTable t = overlapping(LampAreaTable::RearRow, 100, 200, 100, 200);
        r = HitTest::test(3, 2925 - 150, 150, t, model(731));
        QCOMPARE(areasOf(r), (std::vector<int>{41, 25, 37}));
    }

    void frontTooltips()
    {
        const LampAreaTable front = overlapping(LampAreaTable::FrontRow, 100, 200, 100, 200);
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
        const LampAreaTable rear = [] {
            // Side by side, so that each area can be hit alone.
            LampAreaTable t;
            int x = 0;
            for (int code = 25; code <= 45; code += 4, x += 200) {
                auto& p = t.points[LampAreaTable::RearRow];
                p[std::size_t(code)] = std::int16_t(x);
                p[std::size_t(code + 1)] = std::int16_t(x + 100);
                p[std::size_t(code + 2)] = 0;
                p[std::size_t(code + 3)] = 100;
            }
            return t;
        }();
        auto text = [&](int modelCode, int view, int area, bool oneFog = false) {
            LampOptions o = model(modelCode);
            o.oneRearFogLamp = oneFog;
            const double x = (area - 25) / 4 * 200 + 50;
            const auto r = HitTest::test(view, view == 4 ? x : 2925 - x, 50, rear, o);
            return r.hits.size() == 1
                       ? tooltip(r.hits[0]) + QLatin1Char('@') + QString::number(r.hits[0].outlineView)
                       : QString();
        };
        QCOMPARE(text(211, 3, 41), QStringLiteral("122_L@3"));
        QCOMPARE(text(211, 4, 41), QStringLiteral("122_R@4"));
        QCOMPARE(text(231, 3, 25), QStringLiteral("124_L@3"));
        QCOMPARE(text(731, 4, 25), QStringLiteral("124_RO@4"));
        QCOMPARE(text(611, 3, 25), QStringLiteral("124_LO@3"));
        QCOMPARE(text(431, 3, 25), QStringLiteral("124_LO_U@3"));
        QCOMPARE(text(442, 4, 25), QStringLiteral("124_RO_U@4"));
        QCOMPARE(text(841, 3, 25), QStringLiteral("123_L@3"));
        QCOMPARE(text(741, 4, 25), QStringLiteral("124_RA@4"));
        QCOMPARE(text(211, 4, 37), QStringLiteral("125_R@4"));
        QCOMPARE(text(112, 3, 29), QStringLiteral("124_L@3"));
        QCOMPARE(text(841, 4, 29), QStringLiteral("124_R@4"));
        QCOMPARE(text(731, 3, 29), QStringLiteral("124_LU@3"));
        QCOMPARE(text(433, 4, 29), QStringLiteral("124_RU@4"));
        QCOMPARE(text(322, 3, 29), QStringLiteral("124_LI@3"));
        QCOMPARE(text(322, 3, 33), QStringLiteral("124_M@5"));
        QCOMPARE(text(731, 3, 45), QStringLiteral("120_L@3"));
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

    void hoverOutlineFollowsThePointer()
    {
        HoverOutline h;
        using T = HoverOutline::Target;
        // Onto area 13 of view 2: drawn.
        auto s = h.outline(2, 13, true, true);
        QVERIFY(!s.erase);
        QCOMPARE(s.draw, std::optional<T>(T{2, 13}));
        // Still over it: nothing.
        s = h.outline(2, 13, true, true);
        QVERIFY(!s.erase && !s.draw);
        // On to area 5: 13 erased, 5 drawn.
        s = h.outline(2, 5, true, true);
        QCOMPARE(s.erase, std::optional<T>(T{2, 13}));
        QCOMPARE(s.draw, std::optional<T>(T{2, 5}));
        // Onto empty space: erased, nothing drawn.
        s = h.outline(0, 0, false, true);
        QCOMPARE(s.erase, std::optional<T>(T{2, 5}));
        QVERIFY(!s.draw);
        QCOMPARE(h.current(), (T{0, 0}));
        // Switched off: never anything, and the state stays.
        s = h.outline(2, 13, true, false);
        QVERIFY(!s.erase && !s.draw);
        QCOMPARE(h.current(), (T{0, 0}));
        // A reset forgets without erasing; the same area is then drawn again.
        h.outline(4, 41, true, true);
        h.reset();
        s = h.outline(4, 41, true, true);
        QVERIFY(!s.erase);
        QCOMPARE(s.draw, std::optional<T>(T{4, 41}));
    }

    void areaDisplayExceptions()
    {
        auto codes = [](const std::vector<HitTest::ViewRect>& boxes, int view) {
            return std::count_if(boxes.begin(), boxes.end(),
                                 [view](const auto& b) { return b.view == view; });
        };
        const LampAreaTable t311 = lampAreasFor(QStringLiteral("311"), true, false, false);
        LampOptions o = model(311);
        // 5er: ring, low, high, indicator, fog, repeater; six rear areas.
        QCOMPARE(codes(HitTest::areaDisplay(t311, o), 2), 6);
        QCOMPARE(codes(HitTest::areaDisplay(t311, o), 1), 6);
        QCOMPARE(codes(HitTest::areaDisplay(t311, o), 4), 6);
        o.ringLights = false;
        o.highBeam = false;
        QCOMPARE(codes(HitTest::areaDisplay(t311, o), 2), 4);
        // The Mini shows its parking light without rings; the Clubman no rear fog box.
        const LampAreaTable club = lampAreasFor(QStringLiteral("751"), false, false, false);
        LampOptions c = model(751);
        c.ringLights = false;
        c.highBeam = false;
        // Parking light, headlamp, indicator, fog lamp; rear light, indicator,
        // centre brake light, bumper lamp.
        QCOMPARE(codes(HitTest::areaDisplay(club, c), 2), 4);
        QCOMPARE(codes(HitTest::areaDisplay(club, c), 3), 4);
        QCOMPARE(
            codes(HitTest::areaDisplay(lampAreasFor(QStringLiteral("731"), false, false, false), model(731)),
                  3),
            6);
    }
};

QTEST_APPLESS_MAIN(TestHitTest)
#include "test_hit_test.moc"
