#include "module/MemoryUse.h"
#include "module/UploadImage.h"
#include "tests/module/ModuleTestData.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestUploadImage : public QObject
{
    Q_OBJECT
private slots:
    // The records after the 9 header bytes: unlock sequence, then lock sequence.
    void records_data()
    {
        using Rows = QList<SequenceRow>;
        QTest::addColumn<Rows>("unlock");
        QTest::addColumn<Rows>("lock");
        QTest::addColumn<QByteArray>("records");
        QTest::newRow("record parts") // both sequences
            << Rows{
                   row("1", {1, 2, 4, 8}),   // every lamp byte: 128+64+2+4+8+16
                   row("1", {0, 0, 0, 0}),   // dark, same interval: the header alone
                   row("1,5", {0, 0, 0, 0}), // dark, new interval: header and interval
                   row("1.5", {0, 0, 9, 0}), // lamp byte 3 only, same interval
               }
            << Rows{row("0,3", {0, 7, 0, 0})} // the lock sequence
            << bytes({0xDE, 10, 1, 2, 4, 8, 0x80, 0xC0, 15, 0x88, 9, 0xC4, 3, 7});
        // 16/16: bit 3 only and lamp byte 3; 16/17 is sent as it is.
        QTest::newRow("rear lamp seen twice is sent once")
            << Rows{row("0,1", {0, 0, 16, 16}), row("0,1", {0, 0, 16, 17})} << Rows{}
            << bytes({128 + 64 + 8, 1, 16, 128 + 8 + 16, 16, 17});
        // Loop 1: three passes (2), three rows (2); loop 12: twenty passes (19), two rows (1).
        QTest::newRow("loops from markers")
            << Rows{
                   row("0,5", {1, 0, 0, 0}),
                   row("0,5", {2, 0, 0, 0}, "S  1 / 3 x"),
                   row("0,5", {4, 0, 0, 0}, "S  1 / 3 x"),
                   row("0,5", {0, 0, 0, 0}, "S  1 / 3 x"), // dark row inside the loop
                   row("0,5", {8, 0, 0, 0}),
                   row("0,5", {1, 0, 0, 0}, "S 12 / 20 x"),
                   row("0,5", {2, 0, 0, 0}, "S 12 / 20 x"),
               }
            << Rows{} << bytes({0xC2, 5, 1, 0xA2, 2, 2, 2, 0x82, 4, 0x80, 0x82, 8, 0xA2, 1, 19, 1, 0x82, 2});
        // A dark row's marker is not read, so the loop starts on the next row;
        // its count and length are still those of the whole run.
        QTest::newRow("loop starting on a dark row")
            << Rows{row("0,5", {0, 0, 0, 0}, "S  1 / 4 x"), row("0,5", {2, 0, 0, 0}, "S  1 / 4 x")} << Rows{}
            << bytes({0xC0, 5, 0xA2, 2, 3, 1});
    }
    void records()
    {
        ImageInput in;
        QFETCH(QList<SequenceRow>, unlock);
        QFETCH(QList<SequenceRow>, lock);
        QFETCH(QByteArray, records);
        in.sequences[0] = unlock;
        in.sequences[1] = lock;
        const UploadImage image = UploadImage::build(in, 510);
        QCOMPARE(image.status, UploadImage::Status::Ok);
        QCOMPARE(image.bytes.mid(9), records);
        QCOMPARE(image.length, 9 + records.size());
    }

    void headerOnlyDocumentIsNotSent()
    {
        ImageInput in;
        in.sequences[0] = {row("0", {0, 0, 0, 0})};
        in.functions.commingHomeAuf = true; // no tail: the build stops before
        QCOMPARE(UploadImage::build(in, 510).status, UploadImage::Status::HeaderOnly);

        in.sequences[1] = {row("0", {0, 0, 0, 0})};
        QCOMPARE(UploadImage::build(in, 510).status, UploadImage::Status::Ok);

        const UploadImage empty = UploadImage::build(ImageInput{}, 510);
        QCOMPARE(empty.status, UploadImage::Status::Ok);
        QVERIFY(empty.length == 0 && empty.bytes.isEmpty());
    }

    void limitIsCheckedByteForByte()
    {
        // The rows byte for byte: memoryUseFollowsTheImage. The coming-home tails count too.
        ImageInput tail;
        tail.sequences[0] = {row("0,5", {2, 0, 0, 0})}; // length 12
        tail.functions.commingHomeZu = true;
        tail.farewellIndex = 13; // 14 more bytes: 26
        QCOMPARE(UploadImage::build(tail, 26).status, UploadImage::Status::Ok);
        QCOMPARE(UploadImage::build(tail, 25).status, UploadImage::Status::TooLarge);
    }

    // What the module cannot take is refused before anything is sent.
    void loopsAndIntervalsTheModuleCannotTake()
    {
        const auto build = [](const QList<SequenceRow>& rows) {
            ImageInput in;
            in.sequences[1] = rows;
            return UploadImage::build(in, 1010);
        };
        // Twenty loops, then one more.
        QList<SequenceRow> loops;
        for (int n = 1; n <= 21; ++n) {
            const SequenceRow r = row("0,5", {1, 0, 0, 0}, qPrintable(u"S %1 / 2 x"_s.arg(n, 2)));
            loops << r << r;
        }
        QCOMPARE(build(loops.mid(0, 40)).status, UploadImage::Status::Ok);
        QCOMPARE(build(loops).status, UploadImage::Status::Invalid);
        const SequenceRow badCount = row("0,5", {1, 0, 0, 0}, "S  1 / ? x");
        QCOMPARE(build({badCount, badCount}).status, UploadImage::Status::Invalid);

        // A step longer than 25.5 seconds does not fit its byte.
        QCOMPARE(build({row("25,5", {1, 0, 0, 0})}).status, UploadImage::Status::Ok);
        const UploadImage image = build({row("25,6", {1, 0, 0, 0})});
        QCOMPARE(image.status, UploadImage::Status::Invalid);
        QVERIFY(image.problem.contains(u"25,6"_s));
        QCOMPARE(build({row("-1", {1, 0, 0, 0})}).status, UploadImage::Status::Invalid);

        QCOMPARE(intervalTenths(u"2.3"_s), 23.0);
        QCOMPARE(intervalTenths(u"abc"_s), 0.0);
        QCOMPARE(intervalTenths(u"0,25"_s), 2.0); // half to even
        QCOMPARE(intervalTenths(u"0,35"_s), 4.0);
    }

    void comingHomeTails_data()
    {
        QTest::addColumn<bool>("rows0");
        QTest::addColumn<bool>("rows1");
        QTest::addColumn<int>("greeting"); // -1: box not checked
        QTest::addColumn<int>("farewell");
        QTest::addColumn<QByteArray>("image"); // from address 1

        // Sequence 0: one row at 10..12; sequence 1: one row at 13..15.
        QTest::newRow("unlock sequence only")
            << true << false << -1 << -1 << bytes({0, 12, 0, 13, 2, 0, 0, 0, 0, 0xC2, 5, 2});
        QTest::newRow("lock sequence only: it starts at 10")
            << false << true << -1 << -1 << bytes({0, 10, 0, 12, 2, 0, 0, 0, 0, 0xC4, 3, 4});
        QTest::newRow("index 0 adds nothing")
            << true << true << 0 << 0 << bytes({0, 12, 0, 15, 2, 48, 0, 0, 0, 0xC2, 5, 2, 0xC4, 3, 4});
        QTest::newRow("greeting only, box unchecked farewell")
            << true << true << 2 << -1
            << bytes({0, 15, 0, 18, 2, 16, 0, 0, 0, 0xC2, 5, 2, 192, 100, 128, 0xC4, 3, 4});
        QTest::newRow("both") << true << true << 1 << 3
                              << bytes({0, 14,  0,   21,   2, 48, 0,   0,   0,   0xC2, 5,
                                        2, 192, 100, 0xC4, 3, 4,  192, 100, 128, 128});
        QTest::newRow("farewell after an empty lock sequence")
            << true << false << -1 << 1 << bytes({0, 12, 0, 14, 2, 32, 0, 0, 0, 0xC2, 5, 2, 192, 100});
        QTest::newRow("greeting before a lock sequence, unlock empty")
            << false << true << 1 << -1 << bytes({0, 11, 0, 14, 2, 16, 0, 0, 0, 192, 100, 0xC4, 3, 4});
        QTest::newRow("both sequences empty")
            << false << false << 1 << 2 << bytes({0, 11, 0, 14, 2, 48, 0, 0, 0, 192, 100, 192, 100, 128});
    }

    void comingHomeTails()
    {
        QFETCH(bool, rows0);
        QFETCH(bool, rows1);
        QFETCH(int, greeting);
        QFETCH(int, farewell);
        QFETCH(QByteArray, image);

        ImageInput in;
        in.codedVehicleNumber = 2;
        if (rows0)
            in.sequences[0] = {row("0,5", {2, 0, 0, 0})};
        if (rows1)
            in.sequences[1] = {row("0,3", {0, 4, 0, 0})};
        in.functions.commingHomeAuf = greeting >= 0;
        in.functions.commingHomeZu = farewell >= 0;
        in.greetingIndex = std::max(greeting, 0);
        in.farewellIndex = std::max(farewell, 0);
        const UploadImage built = UploadImage::build(in, 510);
        QCOMPARE(built.status, UploadImage::Status::Ok);
        QCOMPARE(built.bytes, image);
        QCOMPARE(built.length, int(image.size()));
    }

    void shareRounding()
    {
        QCOMPARE(memoryShare(240, 510), 47); // 47.06
        QCOMPARE(memoryShare(12, 510), 2);   // 2.35 -> 2.4 -> 2
        QCOMPARE(memoryShare(232, 510), 46); // 45.49 -> 45.5 -> 46 (half to even)
        QCOMPARE(memoryShare(237, 510), 46); // 46.47 -> 46.5 -> 46 (half to even)
        QCOMPARE(memoryShare(10, 0), 0);
    }

    void memoryUseFollowsTheImage_data()
    {
        QTest::addColumn<int>("rows"); // of 0.1 s with one lamp: 10 + 2 x rows bytes
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("share");
        QTest::addColumn<MemoryUse::Level>("level");

        QTest::newRow("empty show") << 0 << 510 << 0 << MemoryUse::Level::Normal;
        QTest::newRow("90 % is still normal") << 224 << 510 << 90 << MemoryUse::Level::Normal; // 458 bytes
        QTest::newRow("over 90 % warns") << 225 << 510 << 90 << MemoryUse::Level::Warning;     // 460 bytes
        QTest::newRow("exactly full fits") << 250 << 510 << 100 << MemoryUse::Level::Warning;
        QTest::newRow("one byte over is an error") << 250 << 509 << 100 << MemoryUse::Level::Error;
        QTest::newRow("beyond any module") << 600 << 1010 << 101 << MemoryUse::Level::Error;
    }

    void memoryUseFollowsTheImage()
    {
        QFETCH(int, rows);
        QFETCH(int, limit);
        QFETCH(int, share);
        QFETCH(MemoryUse::Level, level);
        ImageInput in;
        for (int i = 0; i < rows; ++i)
            in.sequences[0].append(row("0,1", {2, 0, 0, 0}));
        const MemoryUse use = MemoryUse::of(in, limit);
        QCOMPARE(use.share, share);
        QCOMPARE(use.level, level);
        // Where the upload builds an image, the gauge counts exactly its bytes.
        const UploadImage upload = UploadImage::build(in, limit);
        QCOMPARE(use.status, upload.status);
        if (upload.status == UploadImage::Status::Ok)
            QCOMPARE(use.length, upload.length);
        else
            QVERIFY(use.length > limit);
        QCOMPARE(use.beyondCapacity(), rows == 600);

        // A show the module cannot take at all is an error whatever its size.
        in.sequences[1] = {row("30", {2, 0, 0, 0})};
        QCOMPARE(MemoryUse::of(in, limit).level, MemoryUse::Level::Error);
    }
};

QTEST_GUILESS_MAIN(TestUploadImage)
#include "test_upload_image.moc"
