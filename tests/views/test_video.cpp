#include "tests/support/FileSizeLimit.h"
#include "vehicle/VehicleConfig.h"
#include "views/Plates.h"
#include "views/video/VideoFrames.h"
#include "views/video/VideoPlan.h"
#include "views/video/VideoWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

SequenceRow step(const char* interval, std::uint8_t lamp, const char* marker = "")
{
    return {QString::fromLatin1(interval), QString::fromLatin1(marker), {lamp, 0, 0, 0}};
}

VideoPlan planOf(const QList<QList<SequenceRow>>& sequences, const QString& title = QString())
{
    const VehicleConfig vehicle;
    VideoPlan plan(LampOptions::of(QStringLiteral("312"), vehicle), vehicle.pictureBasesByView());
    for (qsizetype i = 0; i < sequences.size(); ++i)
        plan.addSequence(sequences.at(i), i > 0 ? title : QString());
    return plan;
}

// The frame each run starts on.
QList<qint64> startsOf(const VideoPlan& plan)
{
    QList<qint64> starts;
    qint64 frame = 0;
    for (const VideoPlan::Run& run : plan.runs()) {
        starts.append(frame);
        frame += run.frames;
    }
    return starts;
}

// What libavformat reads back of a written video.
struct Probe
{
    int streams = 0;
    AVCodecID codec = AV_CODEC_ID_NONE;
    QSize size;
    qint64 frames = 0;
    double seconds = 0;

    explicit Probe(const QString& file)
    {
        AVFormatContext* format = nullptr;
        if (avformat_open_input(&format, QFile::encodeName(file).constData(), nullptr, nullptr) < 0)
            return;
        avformat_find_stream_info(format, nullptr);
        streams = int(format->nb_streams);
        if (streams > 0) {
            const AVCodecParameters* p = format->streams[0]->codecpar;
            codec = p->codec_id;
            size = QSize(p->width, p->height);
        }
        AVPacket* packet = av_packet_alloc();
        while (av_read_frame(format, packet) >= 0) {
            frames += packet->stream_index == 0;
            av_packet_unref(packet);
        }
        av_packet_free(&packet);
        seconds = double(format->duration) / AV_TIME_BASE;
        avformat_close_input(&format);
    }
};

} // namespace

class TestVideo : public QObject
{
    Q_OBJECT
private slots:
    // Each change of step falls on the frame nearest its true time, loops
    // played out; steps that look alike make one run; the whole lasts the
    // show's duration within one frame.
    void framePlanFollowsPlayback()
    {
        const VideoPlan plan =
            planOf({{step("0,1", 1), step("0,05", 2, "S  1 / 3 x"), step("0,05", 4, "S  1 / 3 x"),
                     step("0,5", 4), step("0,5", 4), step("100", 8), step("0,01", 16)}});
        QCOMPARE(plan.status(), VideoPlan::Status::Ok);
        // Changes at 100, 150, ..., 400 ms: frames 3, 5 (4.5 rounded up), 6, 8, 9, 11;
        // the two rows of 0.5 s with the loop's last lamps make one run to 1.4 s.
        QCOMPARE(startsOf(plan), (QList<qint64>{0, 3, 5, 6, 8, 9, 11, 42}));
        QCOMPARE(plan.runs().at(6).frames, 31);
        QCOMPARE(plan.runs().at(7).frames, 3000);
        // The last step of 10 ms is shorter than a frame but ends the show on time.
        QCOMPARE(plan.totalMs(), 101410);
        QCOMPARE(plan.frameCount(), 3042);
        QCOMPARE(plan.runs().size(), 8);
        QVERIFY(std::abs(plan.frameCount() * 1000.0 / VideoPlan::FramesPerSecond - plan.totalMs()) <=
                1000.0 / 30);

        // A long show does not drift: 1000 steps of 0.7 s are 21000 frames.
        QList<SequenceRow> many;
        for (int i = 0; i < 1000; ++i)
            many.append(step("0,7", std::uint8_t(1 << (i % 2))));
        QCOMPARE(planOf({many}).frameCount(), 21000);

        // Both sequences: the second after a title card.
        const VideoPlan both = planOf({{step("1", 1)}, {step("0,5", 2)}}, QStringLiteral("Locking"));
        QCOMPARE(both.runs().size(), 3);
        QCOMPARE(both.runs().at(1), (VideoPlan::Run{-1, 0, VideoPlan::TitleFrames}));
        QCOMPARE(both.titles(), QStringList{QStringLiteral("Locking")});
        QCOMPARE(both.frameCount(), 30 + VideoPlan::TitleFrames + 15);

        // What cannot be played.
        QCOMPARE(planOf({{}}).status(), VideoPlan::Status::Empty);
        const VideoPlan held = planOf({{step("1", 1), step("0", 2)}});
        QCOMPARE(held.status(), VideoPlan::Status::Held);
        QCOMPARE(held.stepRow(), 2);
        const VideoPlan endless = planOf({{step("1", 1), step("1800", 2), step("1800", 4)}});
        QCOMPARE(endless.status(), VideoPlan::Status::TooLong);
        QCOMPARE(endless.stepRow(), 3);
    }

    // MP4 and WebM read back with the codec, size, frame count and duration asked for.
    void writtenVideosReadBack()
    {
        QTemporaryDir dir;
        const VideoPlan plan = planOf({{step("0,5", 1), step("0,2", 8), step("0,3", 0)}});
        VideoFrames frames(plan, {QSize(320, 180), false, QStringLiteral("BMW 5er"), Plates::standard()});
        for (const auto& [name, codec] : {std::pair{QStringLiteral("show.mp4"), AV_CODEC_ID_H264},
                                          std::pair{QStringLiteral("show.webm"), AV_CODEC_ID_VP9}}) {
            const QString file = dir.filePath(name);
            const VideoWriter writer(VideoWriter::formatOf(file), QSize(320, 180));
            qint64 lastDone = 0;
            const VideoWriter::Result result = writer.write(
                file, plan, [&frames](const VideoPlan::Run& run) { return frames.render(run); },
                [&lastDone](qint64 done, qint64 total) {
                    lastDone = done;
                    return total == 30;
                });
            QCOMPARE(result, VideoWriter::Result::Written);
            QCOMPARE(lastDone, 30);
            const Probe probe(file);
            QCOMPARE(probe.streams, 1);
            QCOMPARE(probe.codec, codec);
            QCOMPARE(probe.size, QSize(320, 180));
            QCOMPARE(probe.frames, 30);
            QVERIFY2(std::abs(probe.seconds - 1.0) < 0.05, qPrintable(QString::number(probe.seconds)));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // A cancel or a full disk leaves the old file as it was and nothing else.
    void cancelOrFullDiskLeavesNoPartialFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("show.mp4"));
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QList<SequenceRow> rows;
        for (int i = 0; i < 40; ++i)
            rows.append(step("0,2", std::uint8_t(1 << (i % 6))));
        const VideoPlan plan = planOf({rows});
        VideoFrames frames(plan, {QSize(640, 360), true, QString(), Plates::standard()});
        const auto render = [&frames](const VideoPlan::Run& run) { return frames.render(run); };
        const VideoWriter writer(VideoWriter::Format::Mp4, QSize(640, 360));

        SafeSave::Result failure;
        QCOMPARE(writer.write(
                     file, plan, render, [](qint64 done, qint64) { return done < 60; }, &failure),
                 VideoWriter::Result::Cancelled);
        {
            const FileSizeLimit limit(4096);
            QCOMPARE(writer.write(file, plan, render, {}, &failure), VideoWriter::Result::Failed);
        }
        QCOMPARE(failure.error, SafeSave::Error::DiskFull);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("show.mp4")});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }
};

QTEST_MAIN(TestVideo)
#include "test_video.moc"
