#include "tests/sequence/SequenceTestData.h"
#include "tests/support/FileSizeLimit.h"
#include "vehicle/VehicleConfig.h"
#include "views/PictureBook.h"
#include "views/Plates.h"
#include "views/ShowAnimation.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <numeric>

extern "C" {
#include <gif_lib.h>
}

using namespace TestData;

namespace {

SequenceRow step(const char* interval, std::uint8_t lamp, const char* marker = "")
{
    return {QString::fromLatin1(interval), QString::fromLatin1(marker), {lamp, 0, 0, 0}};
}

ShowAnimation animate(const QList<SequenceRow>& rows)
{
    const VehicleConfig vehicle;
    return ShowAnimation(rows, LampOptions::of(QStringLiteral("312"), vehicle), vehicle.pictureBasesByView(),
                         Plates::standard());
}

QList<int> delaysOf(const ShowAnimation& animation)
{
    QList<int> delays;
    for (const GifWriter::Frame& f : animation.frames())
        delays.append(f.delayCs);
    return delays;
}

// What giflib reads back from a written file: the screen, and each frame's delay and place.
struct ReadBack
{
    QSize screen;
    QList<int> delays;
    QList<QRect> frames;
};

ReadBack readGif(const QString& fileName)
{
    ReadBack out;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(fileName).constData(), &error);
    if (gif && DGifSlurp(gif) == GIF_OK) {
        out.screen = QSize(gif->SWidth, gif->SHeight);
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control{};
            DGifSavedExtensionToGCB(gif, i, &control);
            out.delays.append(control.DelayTime);
            const GifImageDesc& d = gif->SavedImages[i].ImageDesc;
            out.frames.append(QRect(d.Left, d.Top, d.Width, d.Height));
        }
    }
    if (gif)
        DGifCloseFile(gif, &error);
    return out;
}

} // namespace

class TestShowAnimation : public QObject
{
    Q_OBJECT
private slots:
    void framesFollowPlayback_data()
    {
        QTest::addColumn<QList<SequenceRow>>("rows");
        QTest::addColumn<QList<int>>("delays");
        QTest::addColumn<int>("pictures");

        QTest::newRow("each step its own time")
            << QList<SequenceRow>{step("0,5", 1), step("1", 2), step("0.5", 4)} << QList<int>{50, 100, 50}
            << 3;
        QTest::newRow("alike steps make one frame")
            << QList<SequenceRow>{step("0,5", 1), step("0,5", 1), step("1", 2), step("0,3", 2)}
            << QList<int>{100, 130} << 2;
        QTest::newRow("loops played out") << QList<SequenceRow>{step("0,5", 1), step("0,2", 2, "S  1 / 3 x"),
                                                                step("0,3", 4, "S  1 / 3 x"), step("1", 1)}
                                          << QList<int>{50, 20, 30, 20, 30, 20, 30, 100} << 3;
        // 15, 30 and 45 ms end at 2, 3 and 5 hundredths (halves up).
        QTest::newRow("rounding carried forward")
            << QList<SequenceRow>{step("0,015", 1), step("0,015", 2), step("0,015", 1)} << QList<int>{2, 1, 2}
            << 2;
        QTest::newRow("too short to show")
            << QList<SequenceRow>{step("0,001", 1), step("1", 2)} << QList<int>{100} << 1;
        QTest::newRow("longer than one GIF delay")
            << QList<SequenceRow>{step("1000", 1)} << QList<int>{GifWriter::MaxDelayCs, 34465} << 1;
    }

    void framesFollowPlayback()
    {
        QFETCH(QList<SequenceRow>, rows);
        QFETCH(QList<int>, delays);
        QFETCH(int, pictures);
        const ShowAnimation animation = animate(rows);
        QCOMPARE(animation.status(), ShowAnimation::Status::Ok);
        QCOMPARE(delaysOf(animation), delays);
        QCOMPARE(animation.pictures().size(), pictures);
        // However the steps are cut, the frames last as long as the show.
        QCOMPARE(std::accumulate(delays.cbegin(), delays.cend(), qint64(0)), (animation.totalMs() + 5) / 10);
    }

    void nothingToAnimate()
    {
        QCOMPARE(animate({}).status(), ShowAnimation::Status::Empty);
        // An interval of 0 holds playback on its row for good.
        const ShowAnimation held = animate({step("1", 1), step("0", 2), step("1", 4)});
        QCOMPARE(held.status(), ShowAnimation::Status::Held);
        QCOMPARE(held.stepRow(), 2);
        // Intervals of ages from a damaged file do not make frames without end.
        const ShowAnimation ages = animate({step("1", 1), step("9000000000", 2)});
        QVERIFY(ages.status() == ShowAnimation::Status::TooLong && ages.frames().isEmpty());
    }

    // Frames carry the licence plates across each pair's junction; by night
    // the car, the sky and the gap between the pairs are dark.
    void framesShowPlatesByDayAndNight()
    {
        const ShowAnimation animation = animate({step("1", 9)});
        for (bool night : {false, true}) {
            PictureBook book;
            book.setNight(night);
            const QImage frame = animation.render(0, book);
            QCOMPARE(frame.size(), animation.frameSize());
            const double scale = double(animation.viewSize().width()) / PictureBook::Width;
            const QRectF front = Plates::inPair(Plates::standard(), false, scale);
            QVERIFY(front.left() < animation.viewSize().width() &&
                    front.right() > animation.viewSize().width());
            QCOMPARE(frame.pixelColor(front.topLeft().toPoint() + QPoint(2, 2)), QColor(244, 244, 240));
            const int gap = animation.viewSize().height() + 1;
            QCOMPARE(QColor(frame.pixel(4, gap)).value() < 40, night);
            QCOMPARE(QColor(frame.pixel(4, 4)).value() < 40, night);
        }
    }

    void writtenGifPlaysTheShowForever()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("show.gif"));
        const ShowAnimation animation = animate(
            {step("0,5", 1), step("0,2", 2, "S  1 / 3 x"), step("0,3", 4, "S  1 / 3 x"), step("1", 1)});
        PictureBook book;
        int calls = 0;
        const auto count = [&calls](int done, int total) { return ++calls > 0 && done <= total; };
        QCOMPARE(animation.writeGif(file, book, count), GifWriter::Result::Written);
        QVERIFY(calls > 0);

        const ReadBack read = readGif(file);
        QCOMPARE(read.screen, animation.frameSize());
        QCOMPARE(read.delays, delaysOf(animation));
        // Played forever: the NETSCAPE2.0 block with a loop count of 0.
        QVERIFY(readAll(file).contains(QByteArray("NETSCAPE2.0\x03\x01\x00\x00", 15)));
        // The first frame is whole; the later ones only where they change.
        QCOMPARE(read.frames.at(0), QRect(QPoint(0, 0), read.screen));
        QVERIFY(read.frames.at(1).height() < read.screen.height());
    }

    void cancelOrFailureLeavesTheTargetAlone()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kept.gif"));
        QVERIFY(writeAll(file, "old"));
        const ShowAnimation animation = animate({step("0,5", 1), step("0,5", 2)});
        PictureBook book;
        QCOMPARE(animation.writeGif(file, book, [](int, int) { return false; }),
                 GifWriter::Result::Cancelled);
        QCOMPARE(readAll(file), QByteArray("old"));

        SafeSave::Result failure;
        QCOMPARE(animation.writeGif(dir.filePath(QStringLiteral("missing/show.gif")), book, {}, &failure),
                 GifWriter::Result::Failed);
        QCOMPARE(failure.error, SafeSave::Error::CannotCreate);

        // The disk fills up after more than the first buffer's worth: a file that ends
        // short is never taken for a written one.
        QList<SequenceRow> many;
        for (std::uint8_t i = 1; i <= 24; ++i)
            many.append({QStringLiteral("0,5"),
                         QString(),
                         {i, std::uint8_t(3 * i % 64), std::uint8_t(5 * i % 64), 0}});
        const ShowAnimation large = animate(many);
        const QString full = dir.filePath(QStringLiteral("full.gif"));
        QCOMPARE(large.writeGif(full, book, {}), GifWriter::Result::Written);
        const QByteArray written = readAll(full);
        {
            const FileSizeLimit limit(written.size() - 1);
            QCOMPARE(large.writeGif(full, book, {}, &failure), GifWriter::Result::Failed);
        }
        QCOMPARE(readAll(full), written);
    }
};

QTEST_MAIN(TestShowAnimation)
#include "test_show_animation.moc"
