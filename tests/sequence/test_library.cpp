#include "module/UploadImage.h"
#include "sequence/ShowLibrary.h"
#include "tests/sequence/ZfxtoolRun.h"
#include "tools/zfxtool/ModuleShow.h"
#include "views/ShowAdapter.h"
#include "views/playback/PlayOrder.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString libraryFolder()
{
    return QStringLiteral(LIBRARY_DIR);
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT
private slots:
    // Every shipped show reads, has a name and a line about it in both
    // languages, uses only lamps its car has, fits the smallest module's
    // memory, and each of its sequences lasts 2 to 30 s; together they cover
    // every model family.
    void shippedShowsAreSound()
    {
        const ShowLibrary library = ShowLibrary::load(libraryFolder());
        QVERIFY2(library.entries().size() >= 12, qPrintable(library.problem()));
        QSet<QString> families;
        for (const ShowLibrary::Entry& entry : library.entries()) {
            const QString what = entry.nameEn;
            QVERIFY(!entry.nameDe.isEmpty() && !entry.nameEn.isEmpty());
            QVERIFY(!entry.descriptionDe.isEmpty() && !entry.descriptionEn.isEmpty());
            QCOMPARE(entry.family, ShowLibrary::familyOf(entry.vehicle));
            families.insert(entry.family);

            ModuleShow show;
            QString errors;
            QTextStream err(&errors);
            QVERIFY2(show.load(entry.file, err), qPrintable(what + errors));
            const SequenceDocument& doc = show.document();
            QCOMPARE(doc.vehicleCode(), entry.vehicle);
            for (int k = 0; k < 2; ++k) {
                const qint64 ms = PlayOrder::of(doc.table(k).rows()).totalMs;
                QVERIFY2(ms >= 2000 && ms <= 30000, qPrintable(what + QStringLiteral(": %1 ms").arg(ms)));
            }
            // Taken to its own car, nothing of it is lost.
            const ShowAdapter::Result own =
                ShowAdapter::adapt(doc.content(), show.vehicle(), entry.vehicle, show.vehicle());
            QVERIFY2(own.content == doc.content(),
                     qPrintable(what + QStringLiteral(": a lamp the car lacks")));
            const UploadImage image = UploadImage::build(show.input(), ModuleInfo::DefaultMemoryLimit);
            QVERIFY2(image.status == UploadImage::Status::Ok, qPrintable(what + image.problem));
        }
        QCOMPARE(families,
                 (QSet<QString>{QStringLiteral("1er/3er"), QStringLiteral("5er/6er"), QStringLiteral("X5/X6"),
                                QStringLiteral("Z4"), QStringLiteral("Mini"), QStringLiteral("Clubman")}));

        // A damaged index gives an empty library, not a crash.
        QTemporaryDir dir;
        QFile index(dir.filePath(QString::fromLatin1(ShowLibrary::IndexName)));
        QVERIFY(index.open(QIODevice::WriteOnly) &&
                index.write("{\"shows\": [{\"file\": \"../x.zfx\"}, 7") > 0);
        index.close();
        QVERIFY(ShowLibrary::load(dir.path()).entries().isEmpty());
    }

    // zfxtool adapt drops from every step exactly the lamps the target
    // lacks, names them, and leaves the rest of the show as it was.
    void adaptDropsWhatTheTargetLacks()
    {
        QTemporaryDir dir;
        const QString example = QStringLiteral(EXAMPLES_DIR "/Beispiel.zfx");
        const QString mini = dir.filePath(QStringLiteral("mini.zfx"));
        const Run said = zfxtool(
            {QStringLiteral("adapt"), example, QStringLiteral("--vehicle"), QStringLiteral("731"), mini});
        QCOMPARE(said.exitCode, 0);
        QCOMPARE(said.out, QByteArray("dropped: High beam_R (1 step)\ndropped: Side repeater_R (1 step)\n"
                                      "dropped: High beam_L (1 step)\ndropped: Side repeater_L (1 step)\n") +
                               mini.toLocal8Bit() + ": for vehicle 731, 4 lamps dropped\n");

        ModuleShow before, after;
        QString errors;
        QTextStream err(&errors);
        QVERIFY(before.load(example, err) && after.load(mini, err));
        QCOMPARE(after.document().vehicleCode(), QStringLiteral("731"));
        for (int k = 0; k < 2; ++k) {
            const QList<SequenceRow>& was = before.document().table(k).rows();
            const QList<SequenceRow>& is = after.document().table(k).rows();
            QCOMPARE(is.size(), was.size());
            for (qsizetype j = 0; j < was.size(); ++j) {
                QCOMPARE(is[j].interval, was[j].interval);
                QCOMPARE(is[j].loopMarker, was[j].loopMarker);
                // Only the high beams (front bit 2) and the side repeaters (front bit 5) go.
                for (std::size_t v = 0; v < 4; ++v) {
                    const std::uint8_t gone = v < 2 ? 4 | 32 : 0;
                    QCOMPARE(is[j].lamps[v], std::uint8_t(was[j].lamps[v] & ~gone));
                }
            }
        }
        // To its own vehicle nothing is dropped; an unknown code is a usage error.
        QVERIFY(zfxtool({QStringLiteral("adapt"), example, QStringLiteral("--vehicle"), QStringLiteral("311"),
                         dir.filePath(QStringLiteral("same.zfx"))})
                    .out.endsWith("0 lamps dropped\n"));
        QCOMPARE(zfxtool({QStringLiteral("adapt"), example, QStringLiteral("--vehicle"),
                          QStringLiteral("999"), mini})
                     .exitCode,
                 2);
        // The library lists every show.
        const Run list = zfxtool({QStringLiteral("library")});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out.count('\n'), ShowLibrary::load(libraryFolder()).entries().size() + 1);
    }
};

QTEST_MAIN(TestLibrary)
#include "test_library.moc"
