#include "module/MemoryUse.h"
#include "module/UploadImage.h"
#include "tests/module/ModuleTestData.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The bytes from address first on, count of them.
QByteArray span(const UploadImage& image, int first, int count)
{
    return image.bytes.mid(first - 1, count);
}

} // namespace

class TestUploadImage : public QObject
{
    Q_OBJECT
private slots:
    void rowRecordParts();
    void rearLampSeenTwiceIsSentOnce();
    void headerOnlyDocumentIsNotSent();
    void limitIsCheckedByteForByte();
    void vehicleNumberAndOptionBits();
    void loopsFromMarkers();
    void loopStartingOnDarkRow();
    void tooManyLoopsOrBadValuesAreInvalid();
    void intervalsInTenths();
    void comingHomeTails_data();
    void comingHomeTails();
    void shareRounding();
    void memoryUseFollowsTheImage_data();
    void memoryUseFollowsTheImage();
};

void TestUploadImage::rowRecordParts()
{
    ImageInput in;
    in.sequences[0] = {
        row("1", {1, 2, 4, 8}),   // every lamp byte: 128+64+2+4+8+16
        row("1", {0, 0, 0, 0}),   // dark, same interval: the header alone
        row("1,5", {0, 0, 0, 0}), // dark, new interval: header and interval
        row("1.5", {0, 0, 9, 0}), // lamp byte 3 only, same interval
    };
    in.sequences[1] = {row("0,3", {0, 7, 0, 0})};
    const UploadImage image = UploadImage::build(in, 510);
    QCOMPARE(image.status, UploadImage::Status::Ok);
    QCOMPARE(span(image, 10, 14), bytes({0xDE, 10, 1, 2, 4, 8, 0x80, 0xC0, 15, 0x88, 9, 0xC4, 3, 7}));
    QCOMPARE(image.length, 23);
    // Sequence 0 ends at 20, sequence 1 at 23.
    QCOMPARE(span(image, 1, 4), bytes({0, 20, 0, 23}));
}

void TestUploadImage::rearLampSeenTwiceIsSentOnce()
{
    ImageInput in;
    in.sequences[0] = {row("0,1", {0, 0, 16, 16}), row("0,1", {0, 0, 16, 17})};
    const UploadImage image = UploadImage::build(in, 510);
    // 16/16: bit 3 only and lamp byte 3; 16/17 is sent as it is.
    QCOMPARE(span(image, 10, 6), bytes({128 + 64 + 8, 1, 16, 128 + 8 + 16, 16, 17}));
}

void TestUploadImage::headerOnlyDocumentIsNotSent()
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

void TestUploadImage::limitIsCheckedByteForByte()
{
    // The rows byte for byte: memoryUseFollowsTheImage. The coming-home tails count too.
    ImageInput tail;
    tail.sequences[0] = {row("0,5", {2, 0, 0, 0})}; // length 12
    tail.functions.commingHomeZu = true;
    tail.farewellIndex = 13; // 14 more bytes: 26
    QCOMPARE(UploadImage::build(tail, 26).status, UploadImage::Status::Ok);
    QCOMPARE(UploadImage::build(tail, 25).status, UploadImage::Status::TooLarge);
}

void TestUploadImage::vehicleNumberAndOptionBits()
{
    ImageInput in;
    in.sequences[0] = {row("0,5", {2, 0, 0, 0})};
    in.codedVehicleNumber = 20;
    QCOMPARE(span(UploadImage::build(in, 510), 5, 3), bytes({20, 0, 0}));

    // One flag in each option byte: each lands in its own byte and nowhere else.
    const std::pair<bool LightFunctions::*, std::pair<int, int>> bits[] = {
        {&LightFunctions::spiegelLang, {6, 128}},
        {&LightFunctions::lciModul, {7, 4}},
    };
    for (const auto& [flag, where] : bits) {
        ImageInput one = in;
        one.greetingIndex = 0; // no tails, so the bytes stay where they are
        one.farewellIndex = 0;
        one.functions.*flag = true;
        const UploadImage image = UploadImage::build(one, 510);
        const int other = where.first == 6 ? 7 : 6;
        QCOMPARE(int(image.at(where.first)), where.second);
        QCOMPARE(int(image.at(other)), 0);
        QCOMPARE(image.length, 12);
    }
}

void TestUploadImage::loopsFromMarkers()
{
    ImageInput in;
    in.sequences[0] = {
        row("0,5", {1, 0, 0, 0}),
        row("0,5", {2, 0, 0, 0}, "S  1 / 3 x"),
        row("0,5", {4, 0, 0, 0}, "S  1 / 3 x"),
        row("0,5", {0, 0, 0, 0}, "S  1 / 3 x"), // dark row inside the loop
        row("0,5", {8, 0, 0, 0}),
        row("0,5", {1, 0, 0, 0}, "S 12 / 20 x"),
        row("0,5", {2, 0, 0, 0}, "S 12 / 20 x"),
    };
    const UploadImage image = UploadImage::build(in, 510);
    QCOMPARE(image.status, UploadImage::Status::Ok);
    // Loop 1: three passes (2), three rows (2); loop 12: twenty passes (19), two rows (1).
    QCOMPARE(span(image, 10, 18),
             bytes({0xC2, 5, 1, 0xA2, 2, 2, 2, 0x82, 4, 0x80, 0x82, 8, 0xA2, 1, 19, 1, 0x82, 2}));
    QCOMPARE(image.length, 27);
}

void TestUploadImage::loopStartingOnDarkRow()
{
    // A dark row's marker is not read, so the loop starts on the next row;
    // its count and length are still those of the whole run.
    ImageInput in;
    in.sequences[0] = {row("0,5", {0, 0, 0, 0}, "S  1 / 4 x"), row("0,5", {2, 0, 0, 0}, "S  1 / 4 x")};
    const UploadImage image = UploadImage::build(in, 510);
    QCOMPARE(span(image, 10, 6), bytes({0xC0, 5, 0xA2, 2, 3, 1}));
}

void TestUploadImage::tooManyLoopsOrBadValuesAreInvalid()
{
    ImageInput in;
    for (int n = 1; n <= 21; ++n) {
        in.sequences[1].append(row("0,5", {1, 0, 0, 0}, qPrintable(u"S %1 / 2 x"_s.arg(n, 2))));
        in.sequences[1].append(in.sequences[1].last());
    }
    QCOMPARE(UploadImage::build(in, 1010).status, UploadImage::Status::Invalid);
    in.sequences[1].removeLast();
    in.sequences[1].removeLast();
    QCOMPARE(UploadImage::build(in, 1010).status, UploadImage::Status::Ok);

    ImageInput badCount;
    badCount.sequences[0] = {row("0,5", {1, 0, 0, 0}, "S  1 / ? x"), row("0,5", {1, 0, 0, 0}, "S  1 / ? x")};
    QCOMPARE(UploadImage::build(badCount, 510).status, UploadImage::Status::Invalid);
}

void TestUploadImage::intervalsInTenths()
{
    QCOMPARE(intervalTenths(u"2.3"_s), 23.0);
    QCOMPARE(intervalTenths(u""_s), 0.0);
    QCOMPARE(intervalTenths(u"abc"_s), 0.0);
    QCOMPARE(intervalTenths(u"0,25"_s), 2.0); // half to even
    QCOMPARE(intervalTenths(u"0,35"_s), 4.0);

    ImageInput in;
    in.sequences[0] = {row("25,5", {1, 0, 0, 0})};
    QCOMPARE(UploadImage::build(in, 510).status, UploadImage::Status::Ok);
    // A step longer than 25.5 seconds does not fit its byte.
    in.sequences[0] = {row("25,6", {1, 0, 0, 0})};
    const UploadImage image = UploadImage::build(in, 510);
    QCOMPARE(image.status, UploadImage::Status::Invalid);
    QVERIFY(image.problem.contains(u"25,6"_s));
    in.sequences[0] = {row("-1", {1, 0, 0, 0})};
    QCOMPARE(UploadImage::build(in, 510).status, UploadImage::Status::Invalid);
}

void TestUploadImage::comingHomeTails_data()
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
    QTest::newRow("farewell only, both empty")
        << false << false << -1 << 1 << bytes({0, 10, 0, 11, 2, 32, 0, 0, 0, 192, 100});
}

void TestUploadImage::comingHomeTails()
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

void TestUploadImage::shareRounding()
{
    QCOMPARE(memoryShare(240, 510), 47); // 47.06
    QCOMPARE(memoryShare(12, 510), 2);   // 2.35 -> 2.4 -> 2
    QCOMPARE(memoryShare(232, 510), 46); // 45.49 -> 45.5 -> 46 (half to even)
    QCOMPARE(memoryShare(237, 510), 46); // 46.47 -> 46.5 -> 46 (half to even)
    QCOMPARE(memoryShare(10, 0), 0);
}

void TestUploadImage::memoryUseFollowsTheImage_data()
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
    QTest::newRow("a larger module") << 251 << 1010 << 51 << MemoryUse::Level::Normal;
    QTest::newRow("beyond any module") << 600 << 1010 << 101 << MemoryUse::Level::Error;
}

void TestUploadImage::memoryUseFollowsTheImage()
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

QTEST_GUILESS_MAIN(TestUploadImage)
#include "test_upload_image.moc"
