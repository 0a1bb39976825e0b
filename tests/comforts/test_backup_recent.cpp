#include "sequence/Backup.h"
#include "sequence/RecentFiles.h"
#include "sequence/SequenceFile.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/TestContext.h"

#include <QFile>
#include <QTest>

using namespace TestData;

namespace {

// What a program that ended without closing leaves: its lock file, naming a
// process that no longer runs.
void leaveLockOfDeadProgram(const QString& lockFile, const QByteArray& liveLock)
{
    QByteArray lock = liveLock;
    lock.replace(0, lock.indexOf('\n'), "2147480000");
    QVERIFY(writeAll(lockFile, lock));
}

} // namespace

class TestBackupRecent : public QObject
{
    Q_OBJECT
private slots:
    void recentFilesKeepTheLastFiveNewestFirst()
    {
        TestContext t;
        RecentFiles recent(t.settings);
        QVERIFY(recent.files().isEmpty());
        const QString a = t.dir.filePath(QStringLiteral("a.zfx"));
        for (const char* name : {"a", "b", "c", "d", "e", "f"})
            recent.add(t.dir.filePath(QString::fromLatin1(name) + QStringLiteral(".zfx")));
        const QStringList five = recent.files();
        QCOMPARE(five.size(), RecentFiles::Capacity);
        QCOMPARE(QFileInfo(five.first()).fileName(), QStringLiteral("f.zfx"));
        QVERIFY(!five.contains(a)); // the oldest went
        // The same file named another way is one entry, moved to the front.
        const QString c = t.dir.filePath(QStringLiteral("c.zfx"));
        recent.add(t.dir.filePath(QStringLiteral("sub/../c.zfx")));
        QCOMPARE(recent.files().first(), c);
        QCOMPARE(recent.files().size(), RecentFiles::Capacity);

        // Kept in a section of their own, read back by a new store.
        QCOMPARE(t.settings.get(QStringLiteral("Recent"), QStringLiteral("File1")), recent.files().first());
        QVERIFY(t.settings.get(QStringLiteral("Quandor_E6x"), QStringLiteral("File1")).isEmpty());
        SettingsStore again(t.settings.fileName());
        QCOMPARE(RecentFiles(again).files(), recent.files());
    }

    void theCopyIsKeptOnlyWhileChangesAreUnsaved()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        Backup backup(doc);
        backup.setFolder(t.dir.filePath(QStringLiteral("data")));
        QVERIFY(backup.start());
        QVERIFY(!backup.hasCrashCopy());

        QVERIFY(!backup.update()); // a new, empty document
        QVERIFY(!QFile::exists(backup.backupFile()));

        fill(doc, 0, 3);
        QVERIFY(backup.update());
        SequenceDocument copy;
        QCOMPARE(SequenceFile::read(backup.backupFile(), copy, true), SequenceFile::ReadStatus::Ok);
        QCOMPARE(copy.content(), doc.content());
        QCOMPARE(readAll(backup.nameFile()), QByteArray());

        // Saved, and changed again: the copy names the file it belongs to. (Saving and a normal
        // end removing the copy are followed through the window.)
        const QString file = t.dir.filePath(QStringLiteral("Show.zfx"));
        QVERIFY(SequenceFile::write(file, doc));
        doc.setFileName(file);
        QVERIFY(!backup.update());
        fill(doc, 1, 2);
        QVERIFY(backup.update());
        QCOMPARE(QString::fromUtf8(readAll(backup.nameFile())), file);
        backup.remove();
        QVERIFY(!QFile::exists(backup.backupFile()));

        // The timer writes it by itself.
        backup.setInterval(10);
        backup.stop();
        QVERIFY(backup.start());
        QTRY_VERIFY(QFile::exists(backup.backupFile()));
    }

    void aCrashLeavesACopyToRestore()
    {
        TestContext t;
        const QString folder = t.dir.filePath(QStringLiteral("data"));
        const QString file = t.dir.filePath(QStringLiteral("Tour.zfx"));
        QByteArray liveLock;
        QString lockFile;
        {
            SequenceDocument doc;
            doc.setFileName(file);
            fill(doc, 0, 4);
            Backup crashed(doc);
            crashed.setFolder(folder);
            QVERIFY(crashed.start());
            QVERIFY(crashed.update());
            lockFile = crashed.lockFile();
            liveLock = readAll(lockFile);
            QVERIFY(!liveLock.isEmpty());
            // While it runs, a second program keeps no copies of its own.
            SequenceDocument other;
            Backup second(other);
            second.setFolder(folder);
            QVERIFY(!second.start());
            QVERIFY(!second.update());
            QVERIFY(QFile::exists(crashed.backupFile()));
        }
        leaveLockOfDeadProgram(lockFile, liveLock);

        SequenceDocument doc;
        Backup backup(doc);
        backup.setFolder(folder);
        QVERIFY(backup.start());
        QVERIFY(backup.hasCrashCopy());
        QCOMPARE(backup.crashedFileName(), file);
        // Until it is dismissed, the copy is not touched (the new document is unchanged); what
        // it restores is followed through the window.
        QVERIFY(!backup.update());
        backup.remove();
        QVERIFY(QFile::exists(backup.backupFile()));

        backup.dismissCrashCopy();
        QVERIFY(!backup.update());
        QVERIFY(!QFile::exists(backup.backupFile()));

        // A lock without a copy (a crash with nothing unsaved) offers nothing.
        backup.stop();
        leaveLockOfDeadProgram(lockFile, liveLock);
        Backup after(doc);
        after.setFolder(folder);
        QVERIFY(after.start());
        QVERIFY(!after.hasCrashCopy());
    }
};

QTEST_GUILESS_MAIN(TestBackupRecent)
#include "test_backup_recent.moc"
