#include "vehicle/VehicleConfig.h"
#include "views/LampRules.h"
#include "views/RowPreview.h"

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

} // namespace

class TestLampRules : public QObject
{
    Q_OBJECT
private slots:
    void pointerMovementChangesNothing()
    {
        const LampBytes bytes{1, 2, 3, 4};
        const auto r = LampRules::toggle(bytes, 1, 2, 0, model(211));
        QCOMPARE(r.bytes, bytes);
        QVERIFY(r.reload.empty());
    }

    void plainToggleFlipsOneBitAndReloadsTheView()
    {
        auto r = LampRules::toggle({0, 0, 0, 0}, 1, 2, 1, model(211));
        QCOMPARE(r.bytes, (LampBytes{0, 2, 0, 0}));
        QCOMPARE(r.reload, std::vector<int>{2});
        r = LampRules::toggle(r.bytes, 1, 2, 2, model(211)); // the right button toggles too
        QCOMPARE(r.bytes, (LampBytes{0, 0, 0, 0}));
    }

    void partnerLamps()
    {
        // Centre brake light: always both rear views, the partner first.
        auto r = LampRules::toggle({0, 0, 0, 0}, 4, 3, 1, model(311));
        QCOMPARE(r.bytes, (LampBytes{0, 0, 16, 16}));
        QCOMPARE(r.reload, (std::vector<int>{4, 3}));
        // Side repeaters: both fronts.
        r = LampRules::toggle({0, 0, 0, 0}, 5, 1, 1, model(311));
        QCOMPARE(r.bytes, (LampBytes{32, 32, 0, 0}));
        QCOMPARE(r.reload, (std::vector<int>{2, 1}));
        // Rear fog: both only with one fog lamp in the middle.
        r = LampRules::toggle({0, 0, 0, 0}, 5, 4, 1, model(731));
        QCOMPARE(r.bytes, (LampBytes{0, 0, 0, 32}));
        LampOptions oneFog = model(731);
        oneFog.oneRearFogLamp = true;
        r = LampRules::toggle({0, 0, 0, 0}, 5, 4, 1, oneFog);
        QCOMPARE(r.bytes, (LampBytes{0, 0, 32, 32}));
        // Reversing lights: one channel on 111, 211, 221 only.
        for (int code : {111, 211, 221}) {
            r = LampRules::toggle({0, 0, 0, 0}, 3, 4, 1, model(code));
            QCOMPARE(r.bytes, (LampBytes{0, 0, 8, 8}));
        }
        r = LampRules::toggle({0, 0, 0, 0}, 3, 4, 1, model(112));
        QCOMPARE(r.bytes, (LampBytes{0, 0, 0, 8}));
    }

    void partnerToggleKeepsAnUnequalPairUnequal()
    {
        // Each view's bit is flipped, not copied.
        const auto r = LampRules::toggle({0, 0, 16, 0}, 4, 3, 1, model(311));
        QCOMPARE(r.bytes, (LampBytes{0, 0, 0, 16}));
    }

    void er1Exceptions()
    {
        // Model 111, lamp 5 of view 2: only the partner byte changes; view 2 reloads its old mask.
        auto r = LampRules::toggle({0, 4, 0, 0}, 5, 2, 1, model(111));
        QCOMPARE(r.bytes, (LampBytes{32, 4, 0, 0}));
        QCOMPARE(r.reload, (std::vector<int>{1, 2}));
        // Lamp 2 of a rear view: nothing changes.
        r = LampRules::toggle({0, 0, 1, 0}, 2, 3, 1, model(112));
        QCOMPARE(r.bytes, (LampBytes{0, 0, 1, 0}));
        QCOMPARE(r.reload, std::vector<int>{3});
        // Other models toggle those bits.
        r = LampRules::toggle({0, 0, 0, 0}, 2, 3, 1, model(211));
        QCOMPARE(r.bytes, (LampBytes{0, 0, 4, 0}));
    }

    void sixerRearExclusion()
    {
        const LampOptions six = model(431);
        // Lower part on, then the whole lamp: stored as the whole lamp only, shown with both parts.
        auto r = LampRules::toggle({0, 0, 2, 0}, 2, 3, 1, six);
        QCOMPARE(r.bytes, (LampBytes{0, 0, 4, 0}));
        QCOMPARE(LampRules::displayMask(3, r.bytes, six), std::uint8_t(6));
        // The lower part clears the whole lamp.
        r = LampRules::toggle({0, 0, 4, 0}, 1, 3, 1, six);
        QCOMPARE(r.bytes, (LampBytes{0, 0, 2, 0}));
        QCOMPARE(LampRules::displayMask(3, r.bytes, six), std::uint8_t(2));
        // Switching the whole lamp off leaves the lower part as it was.
        r = LampRules::toggle({0, 0, 6, 0}, 2, 3, 1, six);
        QCOMPARE(r.bytes, (LampBytes{0, 0, 2, 0}));
        // Other models keep both bits.
        r = LampRules::toggle({0, 0, 2, 0}, 2, 3, 1, model(311));
        QCOMPARE(r.bytes, (LampBytes{0, 0, 6, 0}));
        QCOMPARE(LampRules::displayMask(3, r.bytes, model(311)), std::uint8_t(6));
    }

    void sixerShowsBothPartsWhateverLampIsClicked()
    {
        // The indicator clicked while the rear light is on: the picture still
        // shows the rear light whole.
        const LampOptions six = model(442);
        const auto r = LampRules::toggle({0, 0, 0, 4}, 0, 4, 1, six);
        QCOMPARE(r.bytes, (LampBytes{0, 0, 0, 5}));
        QCOMPARE(LampRules::displayMask(4, r.bytes, six), std::uint8_t(7));
    }

    void daytimeBulbShowsInTheHighBeam()
    {
        LampOptions o = model(211);
        o.drlBulb = true;
        QCOMPARE(LampRules::displayMask(2, {0, 8, 0, 0}, o), std::uint8_t(12));
        QCOMPARE(LampRules::displayMask(1, {9, 0, 0, 0}, o), std::uint8_t(13));
        // The partner view of a repeater click shows it as well.
        const auto r = LampRules::toggle({8, 8, 0, 0}, 5, 2, 1, o);
        QCOMPARE(r.bytes, (LampBytes{40, 40, 0, 0}));
        QCOMPARE(LampRules::displayMask(1, r.bytes, o), std::uint8_t(44));
        o.drlBulb = false;
        QCOMPARE(LampRules::displayMask(2, {0, 8, 0, 0}, o), std::uint8_t(8));
    }

    void sanitising()
    {
        // Side repeaters only on the 5er.
        QCOMPARE(LampRules::sanitiseRow({33, 33, 0, 0}, model(111)), (LampBytes{1, 1, 0, 0}));
        QCOMPARE(LampRules::sanitiseRow({33, 33, 0, 0}, model(311)), (LampBytes{33, 33, 0, 0}));
        // No separate front indicator bit on the 6er facelift.
        QCOMPARE(LampRules::sanitiseRow({3, 3, 0, 0}, model(432)), (LampBytes{2, 2, 0, 0}));
        // The 1er has no outer rear light.
        QCOMPARE(LampRules::sanitiseRow({0, 0, 6, 6}, model(112)), (LampBytes{0, 0, 2, 2}));
        // High beam only with a headlamp that has one.
        LampOptions plain = model(211);
        plain.highBeam = false;
        QCOMPARE(LampRules::sanitiseRow({4, 4, 0, 0}, plain), (LampBytes{0, 0, 0, 0}));
        plain.cornering = true;
        QCOMPARE(LampRules::sanitiseRow({4, 4, 0, 0}, plain), (LampBytes{4, 4, 0, 0}));
        // Rings only when fitted.
        LampOptions noRings = model(211);
        noRings.ringLights = false;
        QCOMPARE(LampRules::sanitiseRow({8, 8, 0, 0}, noRings), (LampBytes{0, 0, 0, 0}));
        // The Clubman.
        QCOMPARE(LampRules::sanitiseRow({0, 0, 63, 63}, model(751)), (LampBytes{0, 0, 51, 27}));
        // One reversing channel: the two rear bits end up equal.
        QCOMPARE(LampRules::sanitiseRow({0, 0, 8, 0}, model(111)), (LampBytes{0, 0, 8, 8}));
        QCOMPARE(LampRules::sanitiseRow({0, 0, 0, 8}, model(221)), (LampBytes{0, 0, 8, 8}));
        QCOMPARE(LampRules::sanitiseRow({0, 0, 0, 8}, model(212)), (LampBytes{0, 0, 0, 8}));
    }

    void rowPreviewRules()
    {
        // Model 111, byte 3 = 8: both rear views show the reversing light.
        RowPreview p = RowPreview::ofBytes(1, {0, 0, 8, 0}, model(111));
        QCOMPARE(p.bytes, (LampBytes{0, 0, 8, 8}));
        QCOMPARE(p.masks, (std::array<std::uint8_t, 4>{0, 0, 8, 8}));
        // Model 432, byte 3 = 4: stored 4, shown 6.
        p = RowPreview::ofBytes(1, {0, 0, 4, 0}, model(432));
        QCOMPARE(p.bytes[2], std::uint8_t(4));
        QCOMPARE(p.masks[2], std::uint8_t(6));
        // Daytime bulb: stored 8, shown 12.
        LampOptions drl = model(211);
        drl.drlBulb = true;
        p = RowPreview::ofBytes(1, {0, 8, 0, 0}, drl);
        QCOMPARE(p.bytes[1], std::uint8_t(8));
        QCOMPARE(p.masks[1], std::uint8_t(12));
        // One fog lamp in the middle: a row with it on one side shows it on both.
        LampOptions oneFog = model(731);
        oneFog.oneRearFogLamp = true;
        p = RowPreview::ofBytes(1, {0, 0, 32, 1}, oneFog);
        QCOMPARE(p.bytes, (LampBytes{0, 0, 32, 1}));
        QCOMPARE(p.masks, (std::array<std::uint8_t, 4>{0, 0, 32, 33}));
        p = RowPreview::ofBytes(1, {0, 0, 32, 1}, model(731));
        QCOMPARE(p.masks, (std::array<std::uint8_t, 4>{0, 0, 32, 1}));
    }

    void optionsFromTheVehicle()
    {
        VehicleConfig vehicle;
        vehicle.headlampHighBeam = 0;
        vehicle.headlampCornering = 1;
        vehicle.headlampDrlBulb = 0;
        vehicle.ringLights = 0;
        vehicle.oneRearFogLamp = true;
        const LampOptions o = LampOptions::of(QStringLiteral("741"), vehicle);
        QCOMPARE(o.model, 741);
        QVERIFY(!o.highBeam);
        QVERIFY(o.cornering);
        QVERIFY(!o.ringLights);
        QVERIFY(o.oneRearFogLamp);
        QCOMPARE(LampOptions::of(QStringLiteral("x1"), vehicle).model, 0);
    }
};

QTEST_APPLESS_MAIN(TestLampRules)
#include "test_lamp_rules.moc"
