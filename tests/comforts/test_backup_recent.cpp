#include "sequence/Backup.h"
#include "sequence/RecentFiles.h"
#include "sequence/SequenceFile.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/TestContext.h"

#include <QDir>
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

        // Files that leave the list take their keys with them: no empty "File2=" stays.
        for (const QString& file : recent.files().mid(1))
            recent.remove(file);
        QFile ini(t.settings.fileName());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray written = ini.readAll();
        QVERIFY(written.contains("File1="));
        QVERIFY2(!written.contains("File2") && !written.contains("File5"), written.constData());
    }

    void theCopyIsKeptOnlyWhileChangesAreUnsaved()
    {
        TestContext t;
        SequenceDocument& doc = t.document;
        Backup backup(doc);
        backup.setFolder(t.dir.filePath(QStringLiteral("data")));
        QVERIFY(backup.start());
        QVERIFY(backup.keptCopies().isEmpty());

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

        // The copy is set aside before this run writes its own, and stays until it is
        // removed, over any number of runs; what it restores is followed through the window.
        const QByteArray crashCopy = readAll(QDir(folder).filePath(QStringLiteral("backup.zfx")));
        SequenceDocument doc;
        Backup backup(doc);
        backup.setFolder(folder);
        QVERIFY(backup.start());
        const QList<Backup::KeptCopy> kept = backup.keptCopies();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.first().name, file);
        QCOMPARE(readAll(kept.first().file), crashCopy);
        fill(doc, 1, 2);
        QVERIFY(backup.update());
        QVERIFY(readAll(backup.backupFile()) != crashCopy);
        // This run crashes too: its copy is kept beside the first, newest first.
        backup.setInterval(3'600'000);
        const QByteArray secondLock = readAll(lockFile);
        backup.stop();
        QVERIFY(writeAll(backup.backupFile(), readAll(kept.first().file)));
        leaveLockOfDeadProgram(lockFile, secondLock);
        {
            Backup again(doc);
            again.setFolder(folder);
            QVERIFY(again.start());
            QCOMPARE(again.keptCopies().size(), 2);
            QCOMPARE(again.keptCopies().last(), kept.first());
            // A second program running meanwhile offers none.
            Backup second(doc);
            second.setFolder(folder);
            QVERIFY(!second.start());
            QVERIFY(second.keptCopies().isEmpty());
            Backup::removeKeptCopy(again.keptCopies().first());
            QCOMPARE(again.keptCopies(), kept);
            Backup::removeKeptCopy(kept.first());
            QVERIFY(again.keptCopies().isEmpty());
            QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("session.lock")});
        }

        // A lock without a copy (a crash with nothing unsaved) offers nothing.
        leaveLockOfDeadProgram(lockFile, liveLock);
        Backup after(doc);
        after.setFolder(folder);
        QVERIFY(after.start());
        QVERIFY(after.keptCopies().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBackupRecent)
#include "test_backup_recent.moc"
