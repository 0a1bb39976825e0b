#include "shell/FileTypeRegistration.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs a tool and returns its first line of output; empty when it failed.
QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0).trimmed();
}

bool installed(const char* program)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty();
}

} // namespace

using TestData::readAll;
using TestData::writeAll;

class TestFileType : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;
    QString m_programFolder;
    QString m_programFile;

    QString dataHome() const { return m_home.filePath(QStringLiteral("share")); }
    QString desktopFile() const { return dataHome() + QStringLiteral("/applications/vantor-e6x.desktop"); }

    // Registers into the temporary home and waits until the tools are done.
    void registerOnce()
    {
        FileTypeRegistrar registrar;
        QSignalSpy done(&registrar, &FileTypeRegistrar::finished);
        registrar.start(sequenceFileRegistration(m_programFolder, m_programFile));
        QVERIFY(registrar.isRunning());
        QVERIFY(done.wait(60000));
        QVERIFY(!registrar.isRunning());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        // The whole desktop of this test lives in the temporary folder.
        qputenv("XDG_DATA_HOME", dataHome().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
        for (const char* name : {"KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "MATE_DESKTOP_SESSION_ID",
                                 "DESKTOP_SESSION", "XDG_MENU_PREFIX"})
            qunsetenv(name);

        // An installed program in a folder whose name needs quoting on the Exec line.
        m_programFolder = m_home.filePath(QStringLiteral("Mein Ordner $HOME `id` \"x\" \\b"));
        QVERIFY(QDir().mkpath(m_programFolder));
        m_programFile = m_programFolder + QStringLiteral("/vantor");
        QVERIFY(writeAll(m_programFile,
                         "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$0.args\"\n"));
        QFile(m_programFile).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QDir bin(QCoreApplication::applicationDirPath());
        for (const char* icon : {"Daten.ico", "Vantor.png"})
            QVERIFY(QFile::copy(bin.filePath(QString::fromLatin1(icon)),
                                QDir(m_programFolder).filePath(QString::fromLatin1(icon))));
    }

    void registersTheTypeWithTheDesktop()
    {
        for (const char* tool : {"xdg-mime", "update-mime-database", "mimetype"}) {
            if (!installed(tool))
                QFAIL(qPrintable(
                    QStringLiteral("%1 is not installed (see scripts/setup.sh)").arg(QLatin1String(tool))));
        }
        registerOnce();

        QVERIFY(QFile::exists(desktopFile()));
        // Every size of the icon file (16 to 256), and the program's own icon.
        for (const char* size : {"16x16", "256x256"})
            QVERIFY(QFile::exists(dataHome() +
                                  QStringLiteral("/icons/hicolor/%1/mimetypes/application-x-vantor-e6x.png")
                                      .arg(QLatin1String(size))));
        QVERIFY(QFile::exists(dataHome() + QStringLiteral("/icons/hicolor/128x128/apps/vantor-e6x.png")));

        const QString sequence = m_home.filePath(QStringLiteral("Meine Sequenz.zfx"));
        QVERIFY(writeAll(sequence, "Vantor sequence\r\n"));
        QCOMPARE(
            run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), sequence}),
            QStringLiteral("application/x-vantor-e6x"));
        QCOMPARE(run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                  QStringLiteral("application/x-vantor-e6x")}),
                 QStringLiteral("vantor-e6x.desktop"));

        // With the entry installed system-wide (the package), the first start adds no second one.
        const QString system = m_home.filePath(QStringLiteral("system"));
        QVERIFY(QDir().mkpath(system + QStringLiteral("/applications")) && QFile::remove(desktopFile()));
        QVERIFY(writeAll(system + QStringLiteral("/applications/vantor-e6x.desktop"), "[Desktop Entry]\n"));
        qputenv("XDG_DATA_DIRS", system.toUtf8());
        registerFileType(sequenceFileRegistration(m_programFolder, m_programFile));
        qunsetenv("XDG_DATA_DIRS");
        QVERIFY(!QFile::exists(desktopFile()));
    }

    void desktopEntryStartsTheProgramWithOneFile()
    {
        if (!QFile::exists(desktopFile()))
            registerOnce();
        if (installed("desktop-file-validate")) {
            QProcess validate;
            validate.start(QStringLiteral("desktop-file-validate"), {desktopFile()});
            QVERIFY(validate.waitForFinished(30000));
            QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
        }
        if (!installed("gio"))
            QSKIP("gio is not installed; the Exec line is not launched");
        // A file name with blanks and a "$" arrives as one argument, unchanged.
        const QString sequence = m_home.filePath(QStringLiteral("Lauf $1 am Abend.zfx"));
        QVERIFY(writeAll(sequence, "x"));
        QProcess launch;
        launch.start(QStringLiteral("gio"), {QStringLiteral("launch"), desktopFile(), sequence});
        QVERIFY(launch.waitForFinished(30000));
        QCOMPARE(launch.exitCode(), 0);
        const QString args = m_programFile + QStringLiteral(".args");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(args) && !readAll(args).isEmpty(), 10000);
        QCOMPARE(QString::fromUtf8(readAll(args)), QLatin1Char('[') + sequence + QStringLiteral("]\n"));
    }

    // A second start while one runs is ignored; with no tools on the path and a data folder
    // that cannot be created, the registration still comes to its one end.
    void oneEndWhateverHappens()
    {
        FileTypeRegistrar registrar;
        QSignalSpy done(&registrar, &FileTypeRegistrar::finished);
        registrar.start(sequenceFileRegistration(m_programFolder, m_programFile));
        registrar.start(sequenceFileRegistration(m_programFolder, m_programFile));
        QVERIFY(done.wait(60000));
        QTest::qWait(200);
        QCOMPARE(done.size(), 1);

        const QByteArray path = qgetenv("PATH");
        const QByteArray data = qgetenv("XDG_DATA_HOME");
        const QString blocker = m_home.filePath(QStringLiteral("blocker"));
        QVERIFY(writeAll(blocker, "a file, not a folder"));
        qputenv("PATH", m_home.filePath(QStringLiteral("nothing-here")).toUtf8());
        qputenv("XDG_DATA_HOME", (blocker + QStringLiteral("/share")).toUtf8());
        registrar.start(sequenceFileRegistration(m_programFolder, m_programFile));
        const bool finished = done.wait(30000);
        qputenv("PATH", path);
        qputenv("XDG_DATA_HOME", data);
        QVERIFY(finished);
        QCOMPARE(done.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestFileType)
#include "test_filetype.moc"
