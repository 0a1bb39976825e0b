// bench_pictures: how fast the car pictures are made.
//
//   one picture      drawing a picture from nothing (body, glass, lamps)
//   lit picture      a picture of a block whose dark drawing is already made
//   night picture    the same by night, at 1x and at a maximised window's size
//   click            a click on a lamp until the view has painted its new picture
//   whole book       every picture of one vehicle's four views
//
// Run: QT_QPA_PLATFORM=offscreen bench_pictures [rounds]

#include "tests/support/TestContext.h"
#include "ui/WindowOps.h"
#include "vehicle/LampAreas.h"
#include "vehicle/ModelLayout.h"
#include "views/CarViewWidget.h"
#include "views/CarViewsController.h"
#include "views/HitTest.h"
#include "views/PictureBook.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class Ops : public WindowOps
{
public:
    CarViewsController* views = nullptr;
    void lichtAus() override { views->lichtAus(); }
    void showRow() override { views->showRow(); }
    void appendStep() override {}
    void modellauswahl() override {}
    void refreshCaption() override {}
};

// Times `run` once per call of `each` and prints the median and the worst.
template <typename Each> void measure(const char* what, Each each)
{
    std::vector<qint64> samples;
    QElapsedTimer clock;
    each([&](auto run) {
        clock.start();
        run();
        samples.push_back(clock.nsecsElapsed());
    });
    std::sort(samples.begin(), samples.end());
    std::printf("%-34s median %7.3f ms   worst %7.3f ms   (%zu runs)\n", what,
                double(samples[samples.size() / 2]) / 1e6, double(samples.back()) / 1e6, samples.size());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;

    measure("one picture, drawn from nothing", [&](auto time) {
        for (int r = 0; r < rounds; ++r) {
            for (const PictureBlock& b : pictureBlocks())
                time([&] { (void)PictureBook::draw(b.firstId + b.length - 1); });
        }
    });

    // As large as the views of a maximised window on a 1920 x 1080 screen.
    measure("one picture, from nothing, at 2.5x", [&](auto time) {
        for (int r = 0; r < rounds; ++r) {
            for (const PictureBlock& b : pictureBlocks())
                time([&] { (void)PictureBook::draw(b.firstId + b.length - 1, 2.5); });
        }
    });

    PictureBook kept;
    for (const PictureBlock& b : pictureBlocks())
        kept.picture(b.firstId);
    measure("one picture, dark drawing kept", [&](auto time) {
        for (const PictureBlock& b : pictureBlocks()) {
            for (int mask = 1; mask < b.length; mask += 3)
                time([&] { kept.picture(b.firstId + mask); });
        }
    });

    // By night: the dark car is kept, the lamps glow and light the ground;
    // also at the views' size in a maximised window on a 1920 x 1080 screen.
    for (const QSize size : {QSize(PictureBook::Width, PictureBook::Height), QSize(352, 486)}) {
        PictureBook night;
        night.setNight(true);
        night.setPixelSize(size);
        for (const PictureBlock& b : pictureBlocks())
            night.picture(b.firstId);
        const QByteArray what =
            QStringLiteral("night picture, kept, %1 x %2").arg(size.width()).arg(size.height()).toLatin1();
        measure(what.constData(), [&](auto time) {
            for (const PictureBlock& b : pictureBlocks()) {
                for (int mask = 1; mask < b.length; mask += 3)
                    time([&] { night.picture(b.firstId + mask); });
            }
        });
    }

    // A click on a lamp until the view has painted the new picture.
    TestContext t;
    QWidget window;
    CarViewsController::Controls ui;
    ui.central = &window;
    for (int v = 1; v <= 4; ++v)
        ui.views[std::size_t(v)] = new CarViewWidget(v, &window);
    for (QLabel** label : {&ui.labPos, &ui.labZeitein, &ui.labX, &ui.labY})
        *label = new QLabel(&window);
    ui.sliderZeitein = new QSlider(&window);
    ui.cmdWeiter = new QPushButton(&window);
    ui.chkAutomatichWeiter = new QCheckBox(&window);
    Ops ops;
    QCheckBox outline;
    outline.setChecked(true);
    window.show();
    measure("click to new picture, first time", [&](auto time) {
        for (const char* code : {"111", "211", "311", "431", "611", "731", "751", "841", "911"}) {
            CarViewsController views(t.ctx, ui, ops);
            views.setOutlineSwitch(&outline);
            ops.views = &views;
            t.document.setVehicleCode(QString::fromLatin1(code));
            modelLayout(t.document.vehicleCode(), true, false, false).applyTo(t.ctx.vehicle);
            views.lichtAus();
            for (int view = 1; view <= 4; ++view) {
                for (int area :
                     view <= 2 ? std::vector<int>{13, 5, 9, 17} : std::vector<int>{41, 29, 37, 45}) {
                    const QRectF r = HitTest::areaRect(view, area, t.ctx.vehicle.lampAreas);
                    if (!r.isEmpty())
                        time([&] {
                            views.pointerEvent(1, r.center().x() * 15, r.center().y() * 15, view);
                            ui.views[std::size_t(view)]->repaint();
                        });
                }
            }
        }
    });

    for (const char* code : {"311", "731", "431"}) {
        const QByteArray what = QByteArray("whole book of ") + code;
        measure(what.constData(), [&](auto time) {
            for (int r = 0; r < rounds; ++r) {
                PictureBook book;
                time([&] {
                    for (int base :
                         *modelLayout(QString::fromLatin1(code), true, false, false).viewPictureBase) {
                        const PictureBlock* b = pictureBlockOf(base);
                        for (int m = 0; m < b->length; ++m)
                            book.picture(b->firstId + m);
                    }
                });
            }
        });
    }
    return 0;
}
