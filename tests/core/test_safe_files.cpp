#include "core/LimitedRead.h"
#include "core/SafeSave.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <optional>
#include <sys/stat.h>

namespace {

QByteArray readAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writePlain(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The names in a folder, temporary files, pipes and devices included.
QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

// A sync that fails with the given errno; errno 0 lets it pass.
int syncError = 0;
int failingSync(int)
{
    if (syncError == 0)
        return 0;
    errno = syncError;
    return -1;
}

} // namespace

// Writing files so that they are complete or unchanged, and reading them with a bound.
class TestSafeFiles : public QObject
{
    Q_OBJECT
private slots:
    void replacesTheFileOnlyWhenComplete()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("show.gif"));
        QVERIFY(SafeSave::writeFile(name, "first"));
        QCOMPARE(readAll(name), QByteArray("first"));

        // Written in pieces: the old file stands until the commit.
        {
            SafeSave save(name);
            QVERIFY(save.open() && save.write("sec") && save.write(QByteArray("ond")));
            QCOMPARE(readAll(name), QByteArray("first"));
            QVERIFY(save.commit());
        }
        QCOMPARE(readAll(name), QByteArray("second"));

        // Given up, cancelled, or dropped without a commit: the old file stays.
        {
            SafeSave save(name);
            QVERIFY(save.open() && save.write("half"));
            save.fail(QStringLiteral("the pictures ran out"));
            QVERIFY(!save.write("more"));
            const SafeSave::Result result = save.commit();
            QCOMPARE(result.error, SafeSave::Error::ContentFailed);
            QCOMPARE(result.reason, QStringLiteral("the pictures ran out"));
        }
        {
            SafeSave save(name);
            QVERIFY(save.open() && save.write("half"));
            save.cancel();
            QCOMPARE(save.commit().error, SafeSave::Error::Cancelled);
        }
        {
            SafeSave save(name);
            QVERIFY(save.open() && save.write("half"));
        }
        QCOMPARE(readAll(name), QByteArray("second"));
        QCOMPARE(entries(dir), QStringList{QStringLiteral("show.gif")});

        // A write that takes only part of the bytes is continued with the rest.
        const auto saved = SafeSave::writeSome;
        SafeSave::writeSome = [](QFileDevice& file, const char* data, qint64) { return file.write(data, 1); };
        const SafeSave::Result dribbled = SafeSave::writeFile(name, "one byte at a time");
        SafeSave::writeSome = saved;
        QVERIFY(dribbled);
        QCOMPARE(readAll(name), QByteArray("one byte at a time"));
    }

    // A folder, a named pipe or a device would be replaced by a plain file.
    void refusesWhatIsNotARegularFile()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
        const QString folder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkdir(folder));
        for (const QString& name : {pipe, folder, QStringLiteral("/dev/full"), QStringLiteral("/dev/null")}) {
            const SafeSave::Result result = SafeSave::writeFile(name, "bytes");
            QCOMPARE(result.error, SafeSave::Error::NotRegularFile);
            QVERIFY(!result.reason.isEmpty());
            QVERIFY(QFileInfo::exists(name) && !QFileInfo(name).isFile());
        }
        QCOMPARE(SafeSave::writeFile(dir.filePath(QStringLiteral("missing/x.zfx")), "bytes").error,
                 SafeSave::Error::CannotCreate);
        QCOMPARE(entries(dir), (QStringList{QStringLiteral("folder"), QStringLiteral("pipe")}));
        QVERIFY(QDir(folder).isEmpty());
    }

    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<int>("room");      // bytes that fit before the disk is full; -1: no limit
        QTest::addColumn<int>("fileSize");  // bytes the file may grow to; -1: no limit
        QTest::addColumn<int>("syncFails"); // errno of the sync, 0 when it works
        QTest::addColumn<SafeSave::Error>("error");
        QTest::newRow("disk full at the start") << 0 << -1 << 0 << SafeSave::Error::DiskFull;
        QTest::newRow("disk full on the way") << 70000 << -1 << 0 << SafeSave::Error::DiskFull;
        QTest::newRow("disk full one byte short") << 99999 << -1 << 0 << SafeSave::Error::DiskFull;
        QTest::newRow("file size limit") << -1 << 50000 << 0 << SafeSave::Error::WriteFailed;
        QTest::newRow("sync finds no room") << -1 << -1 << ENOSPC << SafeSave::Error::DiskFull;
        QTest::newRow("sync fails") << -1 << -1 << EIO << SafeSave::Error::WriteFailed;
    }
    void failedWritesKeepTheOldFile()
    {
        QFETCH(int, room);
        QFETCH(int, fileSize);
        QFETCH(int, syncFails);
        QFETCH(SafeSave::Error, error);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Tour.zfx"));
        QVERIFY(writePlain(name, "old"));
        const QByteArray bytes(100000, 'x');

        std::optional<FullDisk> disk;
        if (room >= 0)
            disk.emplace(room);
        std::optional<FileSizeLimit> limit;
        if (fileSize >= 0)
            limit.emplace(fileSize);
        syncError = syncFails;
        const auto sync = SafeSave::dataSync;
        SafeSave::dataSync = &failingSync;
        const SafeSave::Result result = SafeSave::writeFile(name, bytes);
        SafeSave::dataSync = sync;
        limit.reset();
        disk.reset();

        QCOMPARE(result.error, error);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(readAll(name), QByteArray("old"));
        QCOMPARE(entries(dir), QStringList{QStringLiteral("Tour.zfx")});
    }

    void readsNoMoreThanTheLimit()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("Tour.zfx"));
        QVERIFY(writePlain(name, QByteArray(1000, 'x')));
        const LimitedRead whole = LimitedRead::of(name, 1000);
        QCOMPARE(whole.status, LimitedRead::Status::Ok);
        QCOMPARE(whole.bytes.size(), 1000);
        QCOMPARE(LimitedRead::of(name, 999).status, LimitedRead::Status::TooLarge);
        // A device that never ends, and one that says nothing of its size.
        const LimitedRead zero = LimitedRead::of(QStringLiteral("/dev/zero"), 4096);
        QCOMPARE(zero.status, LimitedRead::Status::TooLarge);
        QVERIFY(zero.bytes.isEmpty() && !zero.problem.isEmpty());
        QCOMPARE(LimitedRead::of(QStringLiteral("/dev/null"), 4096).status, LimitedRead::Status::Ok);
        QCOMPARE(LimitedRead::of(dir.filePath(QStringLiteral("missing")), 4096).status,
                 LimitedRead::Status::CannotOpen);
    }
};

QTEST_GUILESS_MAIN(TestSafeFiles)
#include "test_safe_files.moc"
