// bench_video: how long the video export takes, pictures drawn and encoded.
//
//   example      the example show's greeting (9.2 s), 1920 x 1080
//   100 rows     a show of 100 steps with loops (about 70 s), 1920 x 1080
//
// Each as MP4 (H.264) and WebM (VP9). Run: QT_QPA_PLATFORM=offscreen bench_video [runs]

#include "sequence/SequenceFile.h"
#include "tests/views/HundredSteps.h"
#include "vehicle/VehicleConfig.h"
#include "views/Plates.h"
#include "views/video/VideoFrames.h"
#include "views/video/VideoWriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const SequenceFile::ReadResult example =
        SequenceFile::readContent(QStringLiteral(VANTOR_EXAMPLE_SHOW), true);
    if (example.status != SequenceFile::ReadStatus::Ok) {
        std::fprintf(stderr, "bench_video: %s cannot be read\n", VANTOR_EXAMPLE_SHOW);
        return 1;
    }
    const struct
    {
        const char* name;
        QList<SequenceRow> rows;
    } shows[] = {{"example greeting", example.content.sequences[0]}, {"100 rows", hundredSteps()}};

    const VehicleConfig vehicle;
    QTemporaryDir dir;
    std::printf("%-18s %-5s %8s %8s %10s %10s\n", "show", "", "frames", "seconds", "median ms", "worst ms");
    for (const auto& show : shows) {
        for (const VideoWriter::Format format : {VideoWriter::Format::Mp4, VideoWriter::Format::WebM}) {
            const bool webm = format == VideoWriter::Format::WebM;
            std::vector<qint64> ns;
            qint64 frameCount = 0;
            for (int r = 0; r < runs; ++r) {
                QElapsedTimer clock;
                clock.start();
                // As the editor does it: the plan, the pictures drawn afresh, the encoding.
                VideoPlan plan(LampOptions::of(QStringLiteral("312"), vehicle), vehicle.pictureBasesByView());
                plan.addSequence(show.rows);
                VideoFrames frames(plan,
                                   {QSize(1920, 1080), false, QStringLiteral("BMW 5er"), Plates::standard()});
                const VideoWriter writer(format, QSize(1920, 1080));
                const VideoWriter::Result result = writer.write(
                    dir.filePath(webm ? QStringLiteral("v.webm") : QStringLiteral("v.mp4")), plan,
                    [&frames](const VideoPlan::Run& run) { return frames.render(run); }, {});
                if (result != VideoWriter::Result::Written)
                    return 1;
                ns.push_back(clock.nsecsElapsed());
                frameCount = plan.frameCount();
            }
            std::sort(ns.begin(), ns.end());
            std::printf("%-18s %-5s %8lld %8.1f %10.0f %10.0f\n", show.name, webm ? "WebM" : "MP4",
                        static_cast<long long>(frameCount), double(frameCount) / VideoPlan::FramesPerSecond,
                        double(ns[ns.size() / 2]) / 1e6, double(ns.back()) / 1e6);
        }
    }
    return 0;
}
