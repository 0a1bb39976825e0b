// bench_show_grid: how fast the show grid answers, in the real main window on
// the offscreen platform, over a sequence of 500 steps.
//
//   repaint        the whole grid (cells, headings, brackets) at start, middle and end
//
// The window is as large as a maximised one on a 1920 x 1080 screen.
//   click          a click on a cell until the grid and the car view have painted the change
//   resize         the window at 1920 x 1080 made a little smaller and larger, each
//                  time until the whole window (cars, grid, tables) has painted
//   lamp click     a click on a lamp of the large car views until the view has painted
//
// Run: QT_QPA_PLATFORM=offscreen bench_show_grid [rounds]

#include "app/MainWindow.h"
#include "app/WindowState.h"
#include "sequence/SequenceDocument.h"
#include "tests/support/TestContext.h"
#include "views/CarViewWidget.h"
#include "views/HitTest.h"
#include "views/grid/ShowGridModel.h"
#include "views/grid/ShowGridView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

void report(const char* what, std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    std::printf("%-40s median %7.3f ms   worst %7.3f ms   (%zu runs)\n", what,
                double(ns[ns.size() / 2]) / 1e6, double(ns.back()) / 1e6, ns.size());
}

// 500 steps with lamps that change from step to step, and a loop every 40 steps.
QList<SequenceRow> steps()
{
    QList<SequenceRow> rows;
    for (int i = 0; i < 500; ++i) {
        SequenceRow row;
        row.interval = QString::number(1 + i % 7) + QStringLiteral(",") + QString::number(i % 10);
        if (i % 40 < 4)
            row.loopMarker = QStringLiteral("S %1 / 3 x").arg(i / 40 + 1, 2);
        row.lamps = {std::uint8_t(i * 7), std::uint8_t(i * 11), std::uint8_t(i * 13), std::uint8_t(i * 5)};
        rows.append(row);
    }
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;

    TestContext t;
    t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type"), QStringLiteral("311"));
    MainWindow window(t.ctx);
    window.load(QString());
    window.windowState().restore();
    window.show();
    // As large as a maximised window on a 1920 x 1080 screen.
    window.resize(1920, 1040);
    t.document.setContent({QStringLiteral("311"), t.document.parameterString(), {steps(), {}}});
    window.modellauswahl();
    // The car views draw the vehicle's pictures while the window is idle, as after any change of vehicle.
    QTest::qWait(3000);

    ShowGridView* grid = window.ui().ShowGrid;
    QWidget* frame = window.ui().Frame7;
    QScrollBar* bar = grid->horizontalScrollBar();
    QElapsedTimer clock;
    std::vector<qint64> paint, click;
    for (int r = 0; r < rounds; ++r) {
        for (int at : {bar->minimum(), bar->maximum() / 2, bar->maximum()}) {
            bar->setValue(at);
            QApplication::processEvents();
            clock.start();
            frame->repaint();
            paint.push_back(clock.nsecsElapsed());
        }
    }
    report("repaint, 500 steps", paint);

    const ShowGridModel& model = window.showGrid();
    int lamp = 0;
    while (lamp < model.rowCount() && model.lamps()[std::size_t(lamp)].view != 3)
        ++lamp;
    CarViewWidget* view = window.ui().views[3];
    for (int r = 0; r < rounds; ++r) {
        bar->setValue(r * bar->maximum() / rounds);
        QApplication::processEvents();
        const int column = grid->columnAt(grid->viewport()->width() / 2);
        const QPoint at = grid->visualRect(model.index(lamp + r % 5, column)).center();
        clock.start();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        frame->repaint();
        view->repaint();
        click.push_back(clock.nsecsElapsed());
    }
    report("click to grid and car view painted", click);

    std::vector<qint64> resize, lampClick;
    for (int r = 0; r < rounds; ++r) {
        for (QSize size : {QSize(1900, 1020), QSize(1920, 1040)}) {
            clock.start();
            window.resize(size);
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            window.repaint();
            resize.push_back(clock.nsecsElapsed());
        }
    }
    report("resize at 1920 x 1080, whole window", resize);
    // The pictures drawn for the last size, then clicks on lamps of all four
    // views, most of them making a picture not shown before.
    QTest::qWait(1000);
    for (int r = 0; r < rounds; ++r) {
        for (int view = 1; view <= 4; ++view) {
            CarViewWidget* w = window.ui().views[std::size_t(view)];
            const int area = (view <= 2 ? std::array{13, 5, 9, 17} : std::array{41, 29, 37, 45})[r % 4];
            const QRectF lamp = HitTest::areaRect(view, area, t.ctx.vehicle.lampAreas);
            if (lamp.isEmpty())
                continue;
            const QPoint at = w->scale().toView(lamp.center()).toPoint();
            clock.start();
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
            w->repaint();
            lampClick.push_back(clock.nsecsElapsed());
        }
    }
    CarViewWidget* front = window.ui().views[2];
    std::printf("(car views %d x %d each)\n", front->width(), front->height());
    report("lamp click on large views, painted", lampClick);

    return 0;
}
