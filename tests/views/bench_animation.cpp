// bench_animation: how long the animation export of a 100-step show takes.
//
//   cold     a fresh picture book: every car picture is drawn first
//   warm     the pictures already drawn, as in the editor after a while
//
// Run: QT_QPA_PLATFORM=offscreen bench_animation [runs]

#include "tests/views/HundredSteps.h"
#include "vehicle/VehicleConfig.h"
#include "views/PictureBook.h"
#include "views/Plates.h"
#include "views/ShowAnimation.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianMs(std::vector<qint64> ns)
{
    std::sort(ns.begin(), ns.end());
    return double(ns[ns.size() / 2]) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const VehicleConfig vehicle;
    QElapsedTimer clock;
    clock.start();
    const ShowAnimation animation(hundredSteps(), LampOptions::of(QStringLiteral("312"), vehicle),
                                  vehicle.pictureBasesByView(), Plates::standard());
    const qint64 planNs = clock.nsecsElapsed();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("show.gif"));

    // The writer's three passes: palette, mapping to it, encoding.
    const int pictures = int(animation.pictures().size());
    std::vector<qint64> cold, warm, palette, mapping;
    for (int i = 0; i < runs; ++i) {
        PictureBook book;
        clock.start();
        animation.writeGif(file, book, {});
        cold.push_back(clock.nsecsElapsed());
        clock.start();
        animation.writeGif(file, book, [&](int done, int) {
            if (done == pictures)
                palette.push_back(clock.nsecsElapsed());
            if (done == 2 * pictures)
                mapping.push_back(clock.nsecsElapsed() - palette.back());
            return true;
        });
        warm.push_back(clock.nsecsElapsed());
    }
    std::printf("show: 100 rows, %lld frames, %lld distinct pictures, %.1f s, %dx%d pixels\n",
                static_cast<long long>(animation.frames().size()),
                static_cast<long long>(animation.pictures().size()), double(animation.totalMs()) / 1000.0,
                animation.frameSize().width(), animation.frameSize().height());
    std::printf("frames planned         %8.3f ms\n", double(planNs) / 1e6);
    std::printf("export, cold pictures  median %8.1f ms   (%d runs)\n", medianMs(cold), runs);
    std::printf("export, warm pictures  median %8.1f ms   (%d runs)\n", medianMs(warm), runs);
    std::printf("  of it palette        median %8.1f ms\n", medianMs(palette));
    std::printf("  of it mapping        median %8.1f ms\n", medianMs(mapping));
    std::printf("file size              %lld bytes\n", static_cast<long long>(QFileInfo(file).size()));
    return 0;
}
