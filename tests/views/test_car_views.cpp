#include "sequence/Interval.h"
#include "tests/support/TestContext.h"
#include "ui/WindowOps.h"
#include "vehicle/ModelLayout.h"
#include "views/CarViewWidget.h"
#include "views/CarViewsController.h"
#include "views/CarViewsGeometry.h"
#include "views/HitTest.h"
#include "views/PictureBook.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTreeView>
#include <cmath>

namespace {

// The car views over a test context; the fixture answers the operations as the main window does.
struct Fixture : WindowOps
{
    TestContext t;
    QWidget window;
    CarViewsController::Controls ui;
    QCheckBox outlineSwitch;
    std::unique_ptr<CarViewsController> views;
    int lichtAusCalls = 0;
    int modellauswahlCalls = 0;

    Fixture()
    {
        t.texts.loadBuiltinGerman();
        ui.central = &window;
        for (int v = 1; v <= 4; ++v) {
            ui.views[std::size_t(v)] = new CarViewWidget(v, &window);
            ui.views[std::size_t(v)]->move((v % 2) * 200, v > 2 ? 280 : 0);
        }
        ui.labPos = new QLabel(QStringLiteral("Position 0"), &window);
        for (QLabel** label : {&ui.labZeitein, &ui.labX, &ui.labY})
            *label = new QLabel(&window);
        ui.sliderZeitein = new QSlider(&window);
        ui.sliderZeitein->setRange(1, 100);
        ui.sliderZeitein->setValue(5);
        ui.cmdWeiter = new QPushButton(&window);
        ui.chkAutomatichWeiter = new QCheckBox(&window);
        ui.cmdBereiche = new QPushButton(&window);
        ui.Bereich = new QAction(&window);
        for (int k = 0; k < 2; ++k) {
            ui.List1[std::size_t(k)] = new QTreeView(&window);
            ui.List1[std::size_t(k)]->setModel(&t.document.table(k));
            ui.List1[std::size_t(k)]->setSelectionModel(&t.document.selection(k));
        }
        outlineSwitch.setChecked(true);
        views = std::make_unique<CarViewsController>(t.ctx, ui, *this);
        views->setOutlineSwitch(&outlineSwitch);
    }

    void lichtAus() override
    {
        ++lichtAusCalls;
        views->lichtAus();
    }
    void showRow() override { views->showRow(); }
    void appendStep() override
    {
        t.document.activeTable().appendRow(
            {Interval::fromSlider(ui.sliderZeitein->value()), QString(), t.ctx.lampState});
        views->lichtAus();
    }
    void modellauswahl() override { ++modellauswahlCalls; }
    void refreshCaption() override {}

    void vehicle(const char* code, bool highBeam = true, bool oneFog = false)
    {
        t.document.setVehicleCode(QString::fromLatin1(code));
        VehicleConfig& v = t.ctx.vehicle;
        v.headlampHighBeam = highBeam ? 1 : 0;
        v.headlampCornering = 0;
        v.headlampDrlBulb = 0;
        v.ringLights = 1;
        v.oneRearFogLamp = oneFog;
        modelLayout(t.document.vehicleCode(), highBeam, false, oneFog).applyTo(v);
        views->lichtAus();
    }

    int base(int view) const { return t.ctx.vehicle.pictureBaseOfView(view); }
    CarViewWidget* view(int v) { return ui.views[std::size_t(v)]; }

    // A click in the middle of an area as the pointer gives it on a view, in twips; button 0 moves.
    void click(int v, int area, int button = 1)
    {
        const QPointF p = HitTest::areaRect(v, area, t.ctx.vehicle.lampAreas).center() * 15;
        views->pointerEvent(button, p.x(), p.y(), v);
    }
    void move(int v, int area) { click(v, area, 0); }
    QList<QRectF> areaOutline(int v, int area)
    {
        return {HitTest::areaRect(v, area, t.ctx.vehicle.lampAreas)};
    }
    int rows() { return t.document.activeTable().count(); }
    LampBytes rowLamps(int r) { return t.document.activeTable().row(r).lamps; }

    // Appends a row and selects it when asked.
    void addRow(std::array<std::uint8_t, 4> lamps, bool select = false)
    {
        t.document.activeTable().appendRow({QStringLiteral("1"), QString(), lamps});
        if (select)
            t.document.setSelected(0, rows(), true);
    }
};

} // namespace

class TestCarViews : public QObject
{
    Q_OBJECT
private slots:
    void lichtAusAndClicksShowTheirPictures()
    {
        Fixture f;
        f.vehicle("211");
        f.t.ctx.lampState = {1, 2, 3, 4};
        f.views->lichtAus();
        QCOMPARE(f.t.ctx.lampState, (LampBytes{0, 0, 0, 0}));
        for (int v = 1; v <= 4; ++v) {
            QCOMPARE(f.views->shownPicture(v), f.base(v));
            QVERIFY(!f.view(v)->picture().isNull());
        }
        f.click(2, 13);
        QCOMPARE(f.t.ctx.lampState, (LampBytes{0, 1, 0, 0}));
        QCOMPARE(f.views->shownPicture(2), f.base(2) + 1);
        QCOMPARE(f.views->shownPicture(1), f.base(1));
        // The mirrored view answers at the mirrored place; the right button toggles too.
        f.click(1, 5, 2);
        QCOMPARE(f.t.ctx.lampState, (LampBytes{2, 1, 0, 0}));
        // Moving the pointer changes nothing.
        f.move(2, 5);
        QCOMPARE(f.t.ctx.lampState, (LampBytes{2, 1, 0, 0}));
        // The centre brake light lights on both rear views.
        f.click(4, 33);
        QCOMPARE(f.t.ctx.lampState, (LampBytes{2, 1, 16, 16}));
        QCOMPARE(f.views->shownPicture(3), f.base(3) + 16);
        QCOMPARE(f.views->shownPicture(4), f.base(4) + 16);
    }

    void outlineFollowsThePointer()
    {
        Fixture f;
        f.vehicle("211");
        f.move(2, 13);
        f.move(2, 13);
        QCOMPARE(f.view(2)->outline(), f.areaOutline(2, 13));
        f.move(2, 5);
        QCOMPARE(f.view(2)->outline(), f.areaOutline(2, 5));
        // Onto empty space: erased, tooltip kept.
        f.views->pointerEvent(0, 10, 10, 2);
        QVERIFY(f.view(2)->outline().isEmpty());
        QCOMPARE(f.view(2)->toolTip(), QStringLiteral("Abblendlicht_L"));
        // A click draws the outline again on the new picture.
        f.click(2, 5);
        QCOMPARE(f.view(2)->outline(), f.areaOutline(2, 5));
        // From one view straight onto another: only one outline stays.
        f.move(1, 5);
        QVERIFY(f.view(2)->outline().isEmpty());
        QCOMPARE(f.view(1)->outline().size(), 1);
        // All lamps off: the outline goes with the old picture and comes back
        // as soon as the pointer moves over the lamp again.
        f.views->lichtAus();
        QVERIFY(f.view(1)->outline().isEmpty());
        f.move(1, 5);
        QCOMPARE(f.view(1)->outline().size(), 1);
        // Centre lamps are outlined on both rear views, but not after a click.
        f.move(4, 33);
        QCOMPARE(f.view(3)->outline().size(), 1);
        QCOMPARE(f.view(4)->outline().size(), 1);
        f.click(4, 33);
        QVERIFY(f.view(3)->outline().isEmpty() && f.view(4)->outline().isEmpty());
        // Switched off: no outline, the tooltip still follows.
        f.outlineSwitch.setChecked(false);
        f.move(2, 13);
        QVERIFY(f.view(2)->outline().isEmpty());
        QCOMPARE(f.view(2)->toolTip(), QStringLiteral("Blinker_L"));
        // The 6er outlines both parts of its rear light.
        f.outlineSwitch.setChecked(true);
        f.vehicle("431");
        f.move(3, 25);
        QCOMPARE(f.view(3)->toolTip(), QStringLiteral("Rückleuchte_LO_U"));
        QCOMPARE(f.view(3)->outline().size(), 2);
        f.click(3, 25);
        QCOMPARE(f.views->shownPicture(3), f.base(3) + 6);
        QCOMPARE(f.view(3)->outline().size(), 2);
    }

    // With automatic advance a left click stores the step after a short wait; the window stays live.
    void automaticAdvance()
    {
        Fixture f;
        f.vehicle("211");
        f.ui.chkAutomatichWeiter->setChecked(true);
        f.click(2, 13, 2); // the right button: no advance
        QVERIFY(!f.views->advancePending());
        f.click(2, 5);
        QVERIFY(f.views->advancePending());
        QCOMPARE(f.rows(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(f.rows(), 1, 2000);
        QCOMPARE(f.rowLamps(1), (LampBytes{0, 3, 0, 0}));
        QCOMPARE(f.t.ctx.lampState, (LampBytes{0, 0, 0, 0}));
        QVERIFY(!f.views->advancePending());

        // A second click during the wait stores the first step at once and waits for its own.
        f.click(2, 13);
        f.click(2, 5);
        QCOMPARE(f.rows(), 2);
        QCOMPARE(f.rowLamps(2), (LampBytes{0, 1, 0, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(f.rows(), 3, 2000);
        QCOMPARE(f.rowLamps(3), (LampBytes{0, 2, 0, 0}));

        // Stored by hand during the wait: stored once.
        f.click(2, 13);
        f.appendStep();
        QTest::qWait(400);
        QCOMPARE(f.rows(), 4);
        QCOMPARE(f.rowLamps(4), (LampBytes{0, 1, 0, 0}));
    }

    void showRowShowsTheFirstSelectedRowOnly()
    {
        Fixture f;
        f.vehicle("111");
        f.views->showRow(); // an empty table
        f.addRow({1, 1, 1, 1});
        f.t.ctx.lampState = {2, 0, 0, 0};
        f.views->showRow(); // nothing selected
        QCOMPARE(f.ui.labPos->text(), QStringLiteral("Position 0"));
        QCOMPARE(f.t.ctx.lampState, (LampBytes{2, 0, 0, 0}));
        QVERIFY(f.t.prompter.shown.isEmpty());
        f.addRow({0, 0, 8, 0}, true);
        for (int i = 0; i < 3; ++i)
            f.addRow({0, 0, 0, 0}, i == 2);
        f.views->showRow();
        QCOMPARE(f.ui.labPos->text(), QStringLiteral("Position 2"));
        QCOMPARE(f.t.ctx.lampState, (LampBytes{0, 0, 8, 8}));
        QCOMPARE(f.views->shownPicture(3), f.base(3) + 8);
        QCOMPARE(f.views->shownPicture(4), f.base(4) + 8);
        // The table keeps the row as it was.
        QCOMPARE(f.rowLamps(2), (LampBytes{0, 0, 8, 0}));
        // A click on a table row shows it; a missing picture is reported, and what was
        // done before the failure stays.
        f.t.document.setSelected(0, 1, true);
        f.t.ctx.vehicle.viewPictureBase = {5000, 5000, 5000, 5000};
        emit f.ui.List1[0]->clicked(f.t.document.table(0).index(0, 0));
        QCOMPARE(f.t.prompter.shown.size(), 1);
        QVERIFY(f.t.prompter.shown[0].text.contains(QStringLiteral("5001")));
        QCOMPARE(f.ui.labPos->text(), QStringLiteral("Position 1"));
        QCOMPARE(f.t.ctx.lampState, (LampBytes{1, 1, 1, 1}));
    }

    void areaDisplayUntilTheNextPicture()
    {
        Fixture f;
        f.vehicle("311");
        f.click(2, 13);
        f.ui.cmdBereiche->click();
        QCOMPARE(f.lichtAusCalls, 1);
        QCOMPARE(f.modellauswahlCalls, 1);
        for (int v = 1; v <= 4; ++v)
            QCOMPARE(f.view(v)->areaBoxes().size(), 6);
        f.ui.Bereich->trigger();
        QCOMPARE(f.view(2)->areaBoxes().size(), 6);
        f.click(2, 13);
        QVERIFY(f.view(2)->areaBoxes().isEmpty());
        QCOMPARE(f.view(1)->areaBoxes().size(), 6);
    }

    // The Mini's mirrored view shows the coordinates unmirrored; the Clubman's left bumper lamp
    // is the fog lamp, the right one the reversing light.
    void minis()
    {
        Fixture f;
        f.vehicle("731");
        f.views->pointerEvent(0, 1216, 2300, 1);
        QCOMPARE(f.ui.labX->text(), QStringLiteral("1216"));
        QCOMPARE(f.ui.labY->text(), QStringLiteral("2300"));
        QCOMPARE(f.view(1)->toolTip(), QStringLiteral("Blinker_R"));
        f.vehicle("751");
        f.click(3, 37);
        f.click(4, 37);
        QCOMPARE(f.t.ctx.lampState, (LampBytes{0, 0, 32, 8}));
    }

    // At every size a press on a lamp area reaches the same lamp as at the
    // pictures' own size, and the pictures are drawn for the size.
    void clicksLandOnTheSameLampAtEverySize()
    {
        Fixture f;
        f.vehicle("312");
        const LampOptions o = f.views->options();
        for (double scale : {1.0, 1.5, 2.37}) {
            for (int v = 1; v <= 4; ++v) {
                CarViewWidget* w = f.view(v);
                w->resize(QSize(int(195 * scale), int(269 * scale)));
                QSignalSpy pressed(w, &CarViewWidget::pointerPressed);
                const int first = v <= 2 ? 1 : 25;
                for (int area = first; area < first + 24; ++area) {
                    const QPointF centre = HitTest::areaRect(v, area, f.t.ctx.vehicle.lampAreas).center();
                    const HitTest::Result own =
                        HitTest::test(v, centre.x() * 15, centre.y() * 15, f.t.ctx.vehicle.lampAreas, o);
                    if (!own.anyHit())
                        continue;
                    QTest::mousePress(w, Qt::LeftButton, {}, w->scale().toView(centre).toPoint());
                    QTest::mouseRelease(w, Qt::LeftButton, {}, w->scale().toView(centre).toPoint());
                    const QList<QVariant> at = pressed.takeLast();
                    const HitTest::Result hit = HitTest::test(v, at.at(1).toDouble(), at.at(2).toDouble(),
                                                              f.t.ctx.vehicle.lampAreas, o);
                    QVERIFY2(hit.anyHit() && hit.hits.front().lamp == own.hits.front().lamp,
                             qPrintable(QStringLiteral("view %1 area %2 at %3").arg(v).arg(area).arg(scale)));
                }
            }
            QTRY_COMPARE(f.view(1)->picture().size(), f.view(1)->pixelSize());
        }
        // The outline is kept in picture pixels; the view draws it scaled.
        f.move(2, 13);
        QCOMPARE(f.view(2)->outline(), f.areaOutline(2, 13));
    }

    // The block of four views fits its panel, keeps the pictures' proportions,
    // and at 125 %, 150 % and 175 % every edge lies on a device pixel, so the
    // halves of the car meet without a seam.
    void viewsMeetOnWholePixels()
    {
        for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
            for (QSize area : {QSize(390, 546), QSize(511, 700), QSize(777, 1003)}) {
                const CarViewsGeometry g(area, ratio, QPoint(13, 71));
                const QRect front = g.viewRect(1);
                QCOMPARE(g.viewRect(2).left(), front.right() + 1);
                QCOMPARE(g.viewRect(3).left(), front.left());
                QVERIFY(area.width() >= g.blockRect().width() && area.height() >= g.blockRect().height());
                QVERIFY(qAbs(double(front.width()) / front.height() - 195.0 / 269.0) < 0.01);
                for (int v = 1; v <= 4; ++v) {
                    const QRect r = g.viewRect(v).translated(13, 71);
                    for (int edge : {r.left(), r.top(), r.right() + 1, r.bottom() + 1})
                        QVERIFY2(qFuzzyCompare(edge * ratio, std::round(edge * ratio)),
                                 qPrintable(QStringLiteral("%1 at %2").arg(edge).arg(ratio)));
                }
            }
        }
        // At the pictures' own size the plates stand where the vehicle puts them.
        const CarViewsGeometry own(CarViewsGeometry::blockSize(), 1.0, QPoint());
        QCOMPARE(own.plateRect(QRect(167, 469, 85, 18)), QRect(156, 461, 85, 18));
        const CarViewsGeometry twice(CarViewsGeometry::blockSize() * 2, 1.0, QPoint());
        QCOMPARE(twice.plateRect(QRect(167, 469, 85, 18)), QRect(312, 922, 170, 36));
    }
};

QTEST_MAIN(TestCarViews)
#include "test_car_views.moc"
