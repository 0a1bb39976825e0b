#include "vehicle/VehicleConfig.h"
#include "views/LampRules.h"
#include "views/RowPreview.h"

#include <QTest>
#include <optional>

namespace {

enum Flag
{
    NoHighBeam = 1,
    NoRings = 2,
    Cornering = 4,
    Drl = 8,
    OneFog = 16,
    Sym = 32
};

LampOptions model(int code, int flags = 0)
{
    LampOptions o;
    o.model = code;
    o.highBeam = !(flags & NoHighBeam);
    o.ringLights = !(flags & NoRings);
    o.cornering = flags & Cornering;
    o.drlBulb = flags & Drl;
    o.oneRearFogLamp = flags & OneFog;
    o.symmetric = flags & Sym;
    return o;
}

struct ToggleCase
{
    const char* what;
    LampBytes start;
    int lamp, view, button;
    LampOptions options;
    LampBytes bytes;
    std::vector<int> reload; // empty: not checked
    int shownView = 0;       // the display mask of this view afterwards, when not 0
    int shown = 0;
};

const ToggleCase Toggles[] = {
    {"pointer movement", {1, 2, 3, 4}, 1, 2, 0, model(211), {1, 2, 3, 4}, {}},
    {"plain", {0, 0, 0, 0}, 1, 2, 1, model(211), {0, 2, 0, 0}, {2}},
    {"right button", {0, 2, 0, 0}, 1, 2, 2, model(211), {0, 0, 0, 0}, {2}},
    {"centre brake: both rears, partner first", {0, 0, 0, 0}, 4, 3, 1, model(311), {0, 0, 16, 16}, {4, 3}},
    {"repeaters: both fronts", {0, 0, 0, 0}, 5, 1, 1, model(311), {32, 32, 0, 0}, {2, 1}},
    {"rear fog: one side", {0, 0, 0, 0}, 5, 4, 1, model(731), {0, 0, 0, 32}, {}},
    {"one rear fog lamp: both", {0, 0, 0, 0}, 5, 4, 1, model(731, OneFog), {0, 0, 32, 32}, {}},
    {"reversing 111", {0, 0, 0, 0}, 3, 4, 1, model(111), {0, 0, 8, 8}, {}},
    {"reversing 112: own channel", {0, 0, 0, 0}, 3, 4, 1, model(112), {0, 0, 0, 8}, {}},
    // Each view's bit is flipped, not copied.
    {"unequal pair stays unequal", {0, 0, 16, 0}, 4, 3, 1, model(311), {0, 0, 0, 16}, {}},
    // Only the partner byte changes; view 2 reloads its old mask.
    {"111 lamp 5 of view 2", {0, 4, 0, 0}, 5, 2, 1, model(111), {32, 4, 0, 0}, {1, 2}},
    {"112 rear lamp 2: nothing", {0, 0, 1, 0}, 2, 3, 1, model(112), {0, 0, 1, 0}, {3}},
    // 6er: stored as the whole lamp only, shown with both parts.
    {"6er whole lamp over lower part", {0, 0, 2, 0}, 2, 3, 1, model(431), {0, 0, 4, 0}, {}, 3, 6},
    {"6er lower part clears whole", {0, 0, 4, 0}, 1, 3, 1, model(431), {0, 0, 2, 0}, {}, 3, 2},
    {"other models keep both bits", {0, 0, 2, 0}, 2, 3, 1, model(311), {0, 0, 6, 0}, {}, 3, 6},
    {"6er indicator with rear light on", {0, 0, 0, 4}, 0, 4, 1, model(442), {0, 0, 0, 5}, {}, 4, 7},
    // The partner view of a repeater click shows the daytime bulb as well.
    {"daytime bulb on the partner", {8, 8, 0, 0}, 5, 2, 1, model(211, Drl), {40, 40, 0, 0}, {}, 1, 44},
    // Symmetric editing: the other half ends as the clicked one, and is loaded first.
    {"symmetric: other half too", {0, 0, 0, 0}, 1, 2, 1, model(211, Sym), {2, 2, 0, 0}, {1, 2}},
    {"symmetric: other half already so", {2, 0, 0, 0}, 1, 2, 1, model(211, Sym), {2, 2, 0, 0}, {2}},
    {"symmetric: a shared lamp once", {0, 0, 0, 0}, 4, 3, 1, model(311, Sym), {0, 0, 16, 16}, {4, 3}},
    {"symmetric 6er: each half by its rules", {0, 0, 0, 2}, 2, 3, 1, model(431, Sym), {0, 0, 4, 4}, {4, 3}},
};

// A row as the sanitising rules store it and, where given, as the views show it.
struct RowCase
{
    const char* what;
    LampBytes row;
    LampOptions options;
    LampBytes sanitised;
    std::optional<std::array<std::uint8_t, 4>> masks = std::nullopt;
};

const RowCase Rows[] = {
    {"repeaters only on the 5er", {33, 33, 0, 0}, model(111), {1, 1, 0, 0}},
    {"5er repeaters", {33, 33, 0, 0}, model(311), {33, 33, 0, 0}},
    {"no front indicator bit on the 6er facelift", {3, 3, 0, 0}, model(432), {2, 2, 0, 0}},
    {"1er without outer rear light", {0, 0, 6, 6}, model(112), {0, 0, 2, 2}},
    {"high beam needs a headlamp with one", {4, 4, 0, 0}, model(211, NoHighBeam), {0, 0, 0, 0}},
    {"cornering headlamp", {4, 4, 0, 0}, model(211, NoHighBeam | Cornering), {4, 4, 0, 0}},
    {"rings only when fitted", {8, 8, 0, 0}, model(211, NoRings), {0, 0, 0, 0}},
    {"Clubman", {0, 0, 63, 63}, model(751), {0, 0, 51, 27}},
    {"one reversing channel, left", {0, 0, 8, 0}, model(111), {0, 0, 8, 8}, {{0, 0, 8, 8}}},
    {"one reversing channel, right", {0, 0, 0, 8}, model(221), {0, 0, 8, 8}},
    {"two reversing channels", {0, 0, 0, 8}, model(212), {0, 0, 0, 8}},
    {"6er facelift: stored 4, shown 6", {0, 0, 4, 0}, model(432), {0, 0, 4, 0}, {{0, 0, 6, 0}}},
    {"daytime bulb: stored 8, shown 12", {0, 8, 0, 0}, model(211, Drl), {0, 8, 0, 0}, {{0, 12, 0, 0}}},
    {"no daytime bulb: shown as stored", {0, 8, 0, 0}, model(211), {0, 8, 0, 0}, {{0, 8, 0, 0}}},
    {"one fog lamp shown on both", {0, 0, 32, 1}, model(731, OneFog), {0, 0, 32, 1}, {{0, 0, 32, 33}}},
};

template <typename T, std::size_t N> void addRows(const T (&table)[N])
{
    QTest::addColumn<int>("i");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(table[i].what) << int(i);
}

} // namespace

class TestLampRules : public QObject
{
    Q_OBJECT
private slots:
    void toggle_data() { addRows(Toggles); }
    void toggle()
    {
        QFETCH(int, i);
        const ToggleCase& c = Toggles[i];
        const auto r = LampRules::toggle(c.start, c.lamp, c.view, c.button, c.options);
        QCOMPARE(r.bytes, c.bytes);
        if (c.button == 0)
            QVERIFY(r.reload.empty());
        else if (!c.reload.empty())
            QCOMPARE(r.reload, c.reload);
        if (c.shownView)
            QCOMPARE(LampRules::displayMask(c.shownView, r.bytes, c.options), std::uint8_t(c.shown));
    }

    void rows_data() { addRows(Rows); }
    void rows()
    {
        QFETCH(int, i);
        const RowCase& c = Rows[i];
        QCOMPARE(LampRules::sanitiseRow(c.row, c.options), c.sanitised);
        const RowPreview p = RowPreview::ofBytes(1, c.row, c.options);
        QCOMPARE(p.bytes, c.sanitised);
        if (c.masks)
            QCOMPARE(p.masks, *c.masks);
    }

    void optionsFromTheVehicle()
    {
        VehicleConfig vehicle;
        vehicle.headlampHighBeam = 0;
        vehicle.headlampCornering = 1;
        vehicle.ringLights = 0;
        vehicle.oneRearFogLamp = true;
        const LampOptions o = LampOptions::of(QStringLiteral("741"), vehicle);
        QVERIFY(o.model == 741 && !o.highBeam && o.cornering && !o.ringLights && o.oneRearFogLamp);
        QCOMPARE(LampOptions::of(QStringLiteral("x1"), vehicle).model, 0);
    }
};

QTEST_APPLESS_MAIN(TestLampRules)
#include "test_lamp_rules.moc"
