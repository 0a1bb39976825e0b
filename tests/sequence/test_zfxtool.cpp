#include "sequence/SequenceFile.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/sequence/ZfxtoolRun.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using TestData::readAll;
using TestData::writeAll;

namespace {

// A failure: exit status 1 and exactly one line on stderr.
void verifyOneLineError(const Run& run)
{
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("zfxtool: "));
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY(run.err.endsWith('\n'));
}

} // namespace

class TestZfxtool : public QObject
{
    Q_OBJECT
private slots:
    void dumpShowsTheDocumentAndPackGivesItBack()
    {
        QTemporaryDir dir;
        SequenceDocument doc;
        SequenceRow looped = TestData::row(2, QStringLiteral("S  1 / 12 x"));
        const QList<SequenceRow> open{{QStringLiteral("0,5"), QString(), {2, 0, 0, 0}}, looped, looped};
        doc.setContent({QStringLiteral("312"), QStringLiteral("12100000000000000000"), {open, {}}});
        const QString file = dir.filePath(QStringLiteral("Tour.zfx"));
        QVERIFY(SequenceFile::write(file, doc));

        const Run dump = zfxtool({QStringLiteral("dump"), file});
        QCOMPARE(dump.exitCode, 0);
        QVERIFY(dump.err.isEmpty());
        QCOMPARE(dump.out, QByteArray(R"({
  "vehicle": "312",
  "parameters": "12100000000000000000",
  "sequences": [
    [
      {"interval": "0,5", "loop": "", "lamps": [2, 0, 0, 0]},
      {"interval": "2,5", "loop": "S  1 / 12 x", "lamps": [2, 3, 4, 5]},
      {"interval": "2,5", "loop": "S  1 / 12 x", "lamps": [2, 3, 4, 5]}
    ],
    []
  ]
}
)"));

        const QString json = dir.filePath(QStringLiteral("Tour.json"));
        QVERIFY(writeAll(json, dump.out));
        const QString packed = dir.filePath(QStringLiteral("Packed.zfx"));
        const Run pack = zfxtool({QStringLiteral("pack"), json, packed});
        QCOMPARE(pack.exitCode, 0);
        QVERIFY(pack.err.isEmpty());
        QCOMPARE(readAll(packed), readAll(file));
    }

    void bundledExampleIsPackedFromItsJson()
    {
        QTemporaryDir dir;
        const QString packed = dir.filePath(QStringLiteral("Beispiel.zfx"));
        const QString examples = QStringLiteral(EXAMPLES_DIR);
        QCOMPARE(
            zfxtool({QStringLiteral("pack"), examples + QStringLiteral("/Beispiel.json"), packed}).exitCode,
            0);
        QCOMPARE(readAll(packed), readAll(examples + QStringLiteral("/Beispiel.zfx")));
        SequenceDocument doc;
        QCOMPARE(SequenceFile::read(packed, doc, true), SequenceFile::ReadStatus::Ok);
        QCOMPARE(doc.vehicleCode(), QStringLiteral("312"));
    }

    void failuresAreOneLineAndStatusOne()
    {
        QTemporaryDir dir;
        const QString damaged = dir.filePath(QStringLiteral("Kaputt.zfx"));
        QVERIFY(writeAll(damaged, TestData::fileFromPlain("312F1P1Z0Z", 3)));
        verifyOneLineError(zfxtool({QStringLiteral("dump"), damaged}));
        verifyOneLineError(zfxtool({QStringLiteral("dump"), dir.filePath(QStringLiteral("fehlt.zfx"))}));
        // Asked for, the usage and the version go to standard output, with status 0.
        const Run help = zfxtool({QStringLiteral("--help")});
        QVERIFY(help.exitCode == 0 && help.out.startsWith("usage: zfxtool") && help.err.isEmpty());
        QVERIFY(zfxtool({QStringLiteral("-v")}).out.startsWith("zfxtool 2."));

        // Refused JSON leaves the target as it was, also JSON that would make a
        // file too large for dump.
        const QString good = dir.filePath(QStringLiteral("good.json"));
        QVERIFY(writeAll(good, R"({"vehicle": "312", "parameters": "1", "sequences": [[], []]})"));
        const QString target = dir.filePath(QStringLiteral("Ziel.zfx"));
        QCOMPARE(zfxtool({QStringLiteral("pack"), good, target}).exitCode, 0);
        const QByteArray packed = readAll(target);
        const QList<QByteArray> badJson{
            R"({"vehicle": "312", "parameters": "1", "sequences": [[], []])", // unterminated
            R"({"vehicle": "312", "parameters": "1", "sequences": [[]]})",    // one sequence
            R"({"vehicle": "312", "parameters": "1", "sequences": [[{"interval": "1", "loop": "", "lamps": [64, 0, 0, 0]}], []]})",
            R"({"vehicle": "312", "parameters": "1", "sequences": [[{"interval": "1 Woche", "loop": "", "lamps": [1, 0, 0, 0]}], []]})",
            R"({"vehicle": "312", "parameters": "1", "sequences": [[], []], "extra": 1})",
            QByteArray(R"({"vehicle": "312", "parameters": "1", "sequences": [[], []]})")
                .replace("\"1\"", QByteArray(600000, '1').prepend('"').append('"')),
        };
        const QString json = dir.filePath(QStringLiteral("bad.json"));
        for (const QByteArray& text : badJson) {
            QVERIFY(writeAll(json, text));
            verifyOneLineError(zfxtool({QStringLiteral("pack"), json, target}));
            QCOMPARE(readAll(target), packed);
        }
        verifyOneLineError(
            zfxtool({QStringLiteral("pack"), good, dir.filePath(QStringLiteral("fehlt/Ziel.zfx"))}));
        // A named pipe is not replaced by a file.
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
        verifyOneLineError(zfxtool({QStringLiteral("pack"), good, pipe}));
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());

        // animate: a sequence as a GIF; an unreadable file or a sequence without steps fails.
        const QString gif = dir.filePath(QStringLiteral("show.gif"));
        const auto animate = [&gif](const QString& file, const char* k) {
            return zfxtool(
                {QStringLiteral("animate"), file, gif, QStringLiteral("--sequence"), QLatin1String(k)});
        };
        const QString example = QStringLiteral(EXAMPLES_DIR "/Beispiel.zfx");
        QVERIFY(animate(example, "1").exitCode == 0 && readAll(gif).startsWith("GIF89a"));
        verifyOneLineError(animate(damaged, "0"));
        verifyOneLineError(animate(target, "0"));

        // video: both sequences as a square WebM; a wrong ending or size is a usage error.
        const QString webm = dir.filePath(QStringLiteral("show.webm"));
        const auto video = [&example](const QString& out, const QString& size) {
            return zfxtool({QStringLiteral("video"), example, out, QStringLiteral("--size"), size,
                            QStringLiteral("--sequence"), QStringLiteral("both"), QStringLiteral("--night")});
        };
        const auto made = video(webm, QStringLiteral("square"));
        QCOMPARE(made.exitCode, 0);
        QVERIFY(readAll(webm).startsWith("\x1a\x45\xdf\xa3"));
        QCOMPARE(video(dir.filePath(QStringLiteral("show.avi")), QStringLiteral("720")).exitCode, 2);
        QCOMPARE(video(webm, QStringLiteral("4k")).exitCode, 2);
        verifyOneLineError(zfxtool({QStringLiteral("video"), damaged, webm}));

        QCOMPARE(zfxtool({}).exitCode, 2);
        QCOMPARE(zfxtool({QStringLiteral("dump")}).exitCode, 2);
        QCOMPARE(zfxtool({QStringLiteral("frobnicate")}).exitCode, 2);
        QCOMPARE(animate(example, "2").exitCode, 2);
    }

    // Every command reads its input no further than the reader accepts: a device
    // or an endless pipe is refused as too large, not read until memory runs out.
    void endlessInputIsRefused()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
        const QString out = dir.filePath(QStringLiteral("out"));
        const QString in; // the input, put in for each run
        const QList<QStringList> commands{
            {QStringLiteral("dump"), in},
            {QStringLiteral("pack"), in, out},
            {QStringLiteral("image"), in},
            {QStringLiteral("upload"), in, QStringLiteral("--port"), QStringLiteral("/dev/null")},
            {QStringLiteral("animate"), in, out},
        };
        for (const QString& input : {QStringLiteral("/dev/zero"), pipe}) {
            for (QStringList args : commands) {
                args[1] = input;
                // The pipe's writer never stops; it ends when the reader goes. (The shell
                // opens the pipe, so that waiting for a reader does not hold this test.)
                QProcess writer;
                if (input == pipe)
                    writer.start(QStringLiteral("sh"),
                                 {QStringLiteral("-c"), QStringLiteral("exec cat /dev/zero > \"$0\""), pipe});
                const Run run = zfxtool(args);
                writer.kill();
                writer.waitForFinished();
                QVERIFY2(run.err.contains("too large"), run.err.constData());
                verifyOneLineError(run);
                QVERIFY(!QFile::exists(out));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestZfxtool)
#include "test_zfxtool.moc"
