#include "sequence/SequenceFile.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

using TestData::fileFromPlain;
using TestData::readAll;
using TestData::writeAll;

namespace {

// A document that was being edited: rows, a file name, vehicle and options.
void fillWithWork(SequenceDocument& doc)
{
    doc.setVehicleCode(QStringLiteral("211"));
    doc.setParameterString(QStringLiteral("12100000000000000001"));
    TestData::fill(doc, 0, 3);
    TestData::fill(doc, 1, 2);
    doc.setFileName(QStringLiteral("/somewhere/Arbeit.zfx"));
}

} // namespace

class TestSequenceFile : public QObject
{
    Q_OBJECT
private slots:
    void writtenDocumentsReadBack_data()
    {
        QTest::addColumn<QList<SequenceRow>>("open");
        QTest::addColumn<QList<SequenceRow>>("close");
        QTest::newRow("empty") << QList<SequenceRow>{} << QList<SequenceRow>{};
        QList<SequenceRow> loops = TestData::rows(6);
        loops[1].loopMarker = loops[2].loopMarker = QStringLiteral("S  1 / 3 x");
        // Two-digit repeat counts and loop numbers make markers longer than 10 characters.
        loops[3].loopMarker = loops[4].loopMarker = QStringLiteral("S  2 / 12 x");
        QList<SequenceRow> more = TestData::rows(3);
        more[0].loopMarker = more[1].loopMarker = QStringLiteral("S 12 / 20 x");
        more[2].interval = QStringLiteral("0.5");
        more[2].lamps = {63, 0, 45, 32};
        QTest::newRow("loops") << loops << more;
        QTest::newRow("only the lock sequence") << QList<SequenceRow>{} << loops;
        QTest::newRow("500 rows each") << TestData::rows(500) << TestData::rows(500);
    }
    void writtenDocumentsReadBack()
    {
        QFETCH(QList<SequenceRow>, open);
        QFETCH(QList<SequenceRow>, close);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Tour.zfx"));
        SequenceDocument doc;
        doc.setContent({QStringLiteral("312"), QStringLiteral("12100000000000000000"), {open, close}});
        QVERIFY(SequenceFile::write(name, doc));

        SequenceDocument back;
        QCOMPARE(SequenceFile::read(name, back, true), SequenceFile::ReadStatus::Ok);
        QCOMPARE(back.content(), doc.content());
        QCOMPARE(back.fileName(), name);

        // Every byte after the header is padding or a scrambled character.
        const QByteArray bytes = readAll(name);
        QVERIFY(bytes.startsWith(SequenceCodec::headerLine()));
        for (qsizetype i = SequenceCodec::headerLine().size(); i < bytes.size(); ++i) {
            const auto b = std::uint8_t(bytes.at(i));
            QVERIFY2(b == 0 || b >= 0x80, qPrintable(QString::number(i)));
        }
        doc.setFileName(name);
        QVERIFY(SequenceFile::documentUnchanged(doc));
    }

    // Written files are the hand-made files of the same text: separators of four bytes, other
    // characters of two, the checksum after them. A row: interval, "I", marker and "W" when there
    // is one, four lamp characters, "@".
    void writtenFilesFollowTheFormat()
    {
        SequenceDocument doc;
        doc.setVehicleCode(QStringLiteral("312"));
        const QByteArray header = SequenceCodec::headerLine();
        QCOMPARE(SequenceCodec::encode(doc.content()),
                 fileFromPlain("312F12100000000000000000P0Z0Z", 0, header));
        doc.table(0).appendRow({QStringLiteral("1"), QString(), {3, 0, 16, 16}});
        doc.table(1).appendRow({QStringLiteral("0,5"), QStringLiteral("S  1 / 3 x"), {1, 2, 3, 4}});
        QCOMPARE(
            SequenceCodec::encode(doc.content()),
            fileFromPlain(QByteArrayLiteral("312F12100000000000000000P1Z1I\x03\x00\x10\x10@1Z0,5IS  1 / 3 xW"
                                            "\x01\x02\x03\x04@"),
                          0, header));
    }

    void handMadeFilesAreReadAndShortParametersPaddedOnOpen()
    {
        // A file as another writer of the format would make it: 10-character markers,
        // "W" as the 11th character after the "I".
        const QByteArray plain = QByteArrayLiteral(
            "312F12100000000000000000P2Z0,5IS  1 / 3 xW\x01\x02\x03\x04@1I\x00\x00\x00\x00@0Z");
        SequenceDocument doc;
        QCOMPARE(SequenceFile::readBytes(fileFromPlain(plain), QStringLiteral("a.zfx"), doc, false),
                 SequenceFile::ReadStatus::Ok);
        QCOMPARE(doc.table(0).count(), 2);
        QCOMPARE(doc.table(0).row(1),
                 (SequenceRow{QStringLiteral("0,5"), QStringLiteral("S  1 / 3 x"), {1, 2, 3, 4}}));
        QCOMPARE(doc.table(0).row(2), (SequenceRow{QStringLiteral("1"), QString(), {0, 0, 0, 0}}));
        QCOMPARE(doc.table(1).count(), 0);

        // An 18-digit parameter string is padded when asked (File Open), not otherwise.
        const QByteArray file = fileFromPlain("312F121000000000000000P0Z0Z");
        QCOMPARE(SequenceFile::readBytes(file, QStringLiteral("a.zfx"), doc, true),
                 SequenceFile::ReadStatus::Ok);
        QCOMPARE(doc.parameterString(), QStringLiteral("12100000000000000000"));
        QCOMPARE(SequenceFile::readBytes(file, QStringLiteral("a.zfx"), doc, false),
                 SequenceFile::ReadStatus::Ok);
        QCOMPARE(doc.parameterString(), QStringLiteral("121000000000000000"));
    }

    void headerChangesAreAcceptedBodyChangesRefused()
    {
        SequenceDocument doc;
        doc.setContent({QStringLiteral("312"),
                        QStringLiteral("12100000000000000000"),
                        {TestData::rows(3), TestData::rows(2)}});
        doc.table(0).setLoopMarker(1, QStringLiteral("S  1 / 2 x"));
        doc.table(0).setLoopMarker(2, QStringLiteral("S  1 / 2 x"));
        const QByteArray file = SequenceCodec::encode(doc.content());
        const qsizetype header = SequenceCodec::headerLine().size();

        SequenceDocument back;
        QByteArray other = "Some other program, version 7\n" + file.mid(header);
        QCOMPARE(SequenceFile::readBytes(other, {}, back, false), SequenceFile::ReadStatus::Ok);
        QCOMPARE(back.content(), doc.content());

        // Any one changed character of the body is refused.
        for (qsizetype i = header; i < file.size(); ++i) {
            if (file.at(i) == '\0')
                continue;
            for (int bit : {0x01, 0x08, 0x20}) {
                QByteArray spoilt = file;
                spoilt[i] = char(spoilt.at(i) ^ bit);
                QVERIFY2(SequenceFile::readBytes(spoilt, {}, back, false) != SequenceFile::ReadStatus::Ok,
                         qPrintable(QStringLiteral("byte %1 bit %2").arg(i).arg(bit)));
            }
        }
    }

    void refusedFilesLeaveAnEmptyUntitledDocument_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        const int mismatch = int(SequenceFile::ReadStatus::ChecksumMismatch);
        const int damaged = int(SequenceFile::ReadStatus::Damaged);
        const QByteArray row("1I\x01\x02\x03\x04@", 8);
        QTest::newRow("checksum") << fileFromPlain("312F1P1Z" + row + "0Z", 1) << mismatch;
        QTest::newRow("empty file") << QByteArray() << mismatch;
        QTest::newRow("501 rows") << fileFromPlain("312F1P501Z" + row.repeated(501) + "0Z") << damaged;
        QTest::newRow("huge row count")
            << fileFromPlain("312F1P99999999999999999999Z" + row + "0Z") << damaged;
        QTest::newRow("fewer rows than counted") << fileFromPlain("312F1P3Z" + row + row + "0Z") << damaged;
        QTest::newRow("no F") << fileFromPlain("3121P0Z0Z") << damaged;
        QTest::newRow("row without I") << fileFromPlain("312F1P1Z1\x01\x02\x03\x04@0Z") << damaged;
        QTest::newRow("three lamp bytes") << fileFromPlain("312F1P1Z1I\x01\x02\x03@0Z") << damaged;
        QTest::newRow("lamp byte 'W'") << fileFromPlain("312F1P1Z1IW\x02\x03\x04@0Z") << damaged;
        QTest::newRow("text after the rows") << fileFromPlain("312F1P0Z0Z1I\x01\x02\x03\x04@") << damaged;
    }
    void refusedFilesLeaveAnEmptyUntitledDocument()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("bad.zfx"));
        QVERIFY(writeAll(name, file));
        SequenceDocument doc;
        fillWithWork(doc);
        QCOMPARE(int(SequenceFile::read(name, doc, true)), status);
        QVERIFY(doc.isEmpty());
        QVERIFY(doc.isUntitled());
        // Vehicle and options stay; the refused file is not touched.
        QCOMPARE(doc.vehicleCode(), QStringLiteral("211"));
        QCOMPARE(doc.parameterString(), QStringLiteral("12100000000000000001"));
        QCOMPARE(readAll(name), file);
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Tour.zfx"));
        SequenceDocument doc;
        TestData::fill(doc, 0, 2);
        QVERIFY(SequenceFile::write(name, doc));
        const QByteArray old = readAll(name);

        // The disk fills up while the new file is written.
        TestData::fill(doc, 0, 500);
        {
            const FileSizeLimit limit(old.size() + 100);
            QCOMPARE(SequenceFile::write(name, doc).error, SafeSave::Error::WriteFailed);
        }
        QCOMPARE(readAll(name), old);

        // The disk reports an error when the new file is synced.
        const auto sync = SafeSave::dataSync;
        SafeSave::dataSync = [](int) { return errno = EIO, -1; };
        const SafeSave::Result synced = SequenceFile::write(name, doc);
        SafeSave::dataSync = sync;
        QCOMPARE(synced.error, SafeSave::Error::WriteFailed);
        QCOMPARE(readAll(name), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Tour.zfx")});
    }

    void unchangedTestComparesWithTheFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Tour.zfx"));
        SequenceDocument doc;
        QVERIFY(SequenceFile::documentUnchanged(doc)); // untitled and empty
        TestData::fill(doc, 1, 1);
        QVERIFY(!SequenceFile::documentUnchanged(doc));

        TestData::fill(doc, 0, 3);
        doc.table(0).setLoopMarker(2, QStringLiteral("S  1 / 12 x"));
        QVERIFY(SequenceFile::write(name, doc));
        doc.setFileName(name);
        QVERIFY(SequenceFile::documentUnchanged(doc));

        // One lamp changed, and changed back by hand.
        const SequenceRow row = doc.table(0).row(2);
        doc.table(0).setLamps(2, {0, 0, 0, 1});
        QVERIFY(!SequenceFile::documentUnchanged(doc));
        doc.table(0).setRow(2, row);
        QVERIFY(SequenceFile::documentUnchanged(doc));

        // The comparison ignores the checksum.
        QByteArray bytes = readAll(name);
        bytes.chop(2);
        QVERIFY(writeAll(name, bytes));
        QVERIFY(SequenceFile::documentUnchanged(doc));

        // A file that can no longer be read counts as changed.
        QVERIFY(writeAll(name, "garbage"));
        QVERIFY(!SequenceFile::documentUnchanged(doc));
    }
};

QTEST_GUILESS_MAIN(TestSequenceFile)
#include "test_sequence_file.moc"
