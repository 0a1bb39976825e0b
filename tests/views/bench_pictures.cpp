// bench_pictures: how fast the car pictures are made.
//
//   one picture      drawing a picture from nothing (body, glass, lamps)
//   lit picture      a picture of a block whose dark drawing is already made
//   click            a click on a lamp until the view has painted its new picture
//   whole book       every picture of one vehicle's four views
//
// Run: QT_QPA_PLATFORM=offscreen bench_pictures [rounds]

#include "app/MainWindowUi.h"
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

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

void report(const char* what, std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    const qint64 median = samples[samples.size() / 2];
    const qint64 worst = samples.back();
    std::printf("%-34s median %7.3f ms   worst %7.3f ms   (%zu runs)\n", what, ms(median), ms(worst),
                samples.size());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;
    QElapsedTimer clock;

    // One picture from nothing, across all blocks.
    {
        std::vector<qint64> samples;
        for (int r = 0; r < rounds; ++r) {
            for (const PictureBlock& b : pictureBlocks()) {
                clock.start();
                const QImage image = PictureBook::draw(b.firstId + b.length - 1);
                samples.push_back(clock.nsecsElapsed());
            }
        }
        report("one picture, drawn from nothing", samples);
    }

    // A lit picture once its block's dark drawing is kept.
    {
        std::vector<qint64> samples;
        PictureBook book;
        for (const PictureBlock& b : pictureBlocks())
            book.picture(b.firstId);
        for (const PictureBlock& b : pictureBlocks()) {
            for (int mask = 1; mask < b.length; mask += 3) {
                clock.start();
                const QPixmap p = book.picture(b.firstId + mask);
                samples.push_back(clock.nsecsElapsed());
            }
        }
        report("one picture, dark drawing kept", samples);
    }

    // A click on a lamp until the view has painted the new picture.
    {
        TestContext t;
        QWidget window;
        MainWindowUi ui;
        ui.central = &window;
        for (int v = 1; v <= 4; ++v)
            ui.views[std::size_t(v)] = new CarViewWidget(v, &window);
        ui.labPos = new QLabel(&window);
        ui.labZeitein = new QLabel(&window);
        ui.labX = new QLabel(&window);
        ui.labY = new QLabel(&window);
        ui.sliderZeitein = new QSlider(&window);
        ui.cmdWeiter = new QPushButton(&window);
        ui.chkAutomatichWeiter = new QCheckBox(&window);
        Ops ops;
        QCheckBox outline;
        outline.setChecked(true);

        for (bool kept : {false, true}) {
            std::vector<qint64> samples;
            for (const char* code : {"111", "211", "311", "431", "611", "731", "751", "841", "911"}) {
                CarViewsController views(t.ctx, ui, ops);
                views.setOutlineSwitch(&outline);
                ops.views = &views;
                t.document.setVehicleCode(QString::fromLatin1(code));
                modelLayout(t.document.vehicleCode(), true, false, false).applyTo(t.ctx.vehicle);
                window.show();
                views.lichtAus();
                if (kept) {
                    for (int v = 1; v <= 4; ++v) {
                        const PictureBlock* b = pictureBlockOf(t.ctx.vehicle.pictureBaseOfView(v));
                        for (int m = 0; m < b->length; ++m)
                            views.pictures().picture(b->firstId + m);
                    }
                }
                for (int view = 1; view <= 4; ++view) {
                    for (int area :
                         view <= 2 ? std::vector<int>{13, 5, 9, 17} : std::vector<int>{41, 29, 37, 45}) {
                        const QRectF r = HitTest::areaRect(view, area, t.ctx.vehicle.lampAreas);
                        if (r.isEmpty())
                            continue;
                        clock.start();
                        views.pointerEvent(1, r.center().x() * 15, r.center().y() * 15, view);
                        ui.views[std::size_t(view)]->repaint();
                        samples.push_back(clock.nsecsElapsed());
                    }
                }
            }
            report(kept ? "click to new picture, picture kept" : "click to new picture, first time", samples);
        }
    }

    // The whole book of one vehicle.
    {
        for (const char* code : {"311", "731", "431"}) {
            std::vector<qint64> samples;
            int count = 0;
            for (int r = 0; r < rounds; ++r) {
                PictureBook book;
                const ModelLayout layout = modelLayout(QString::fromLatin1(code), true, false, false);
                clock.start();
                count = 0;
                for (int base : *layout.viewPictureBase) {
                    const PictureBlock* b = pictureBlockOf(base);
                    for (int m = 0; m < b->length; ++m, ++count)
                        book.picture(b->firstId + m);
                }
                samples.push_back(clock.nsecsElapsed());
            }
            const QByteArray what =
                QByteArray("whole book of ") + code + " (" + QByteArray::number(count) + " pictures)";
            report(what.constData(), samples);
        }
    }
    return 0;
}
