// zfxtool image and upload, run as a user runs them.

#include "module/UploadImage.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"
#include "tests/module/SimProcess.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

SequenceRow row(const char* interval, std::array<std::uint8_t, 4> lamps, const char* marker = "")
{
    SequenceRow r;
    r.interval = QString::fromLatin1(interval);
    r.loopMarker = QString::fromLatin1(marker);
    r.lamps = lamps;
    return r;
}

} // namespace

class TestZfxtoolModule : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void imagePrintsTheBytes();
    void imageTakesOptionsThroughTheRules();
    void imageOverTheLimit();
    void imageRefusesBadInput();
    void uploadToTheSimulatedModule();
    void uploadFailures();

private:
    Run zfxtool(const QStringList& args);
    QString show(const QString& name, const QString& vehicle, const QString& parameters,
                 const QList<SequenceRow>& unlock, const QList<SequenceRow>& lock = {});
    void setting(const QString& key, const QString& value);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestZfxtoolModule::init()
{
    // Each case has its own settings (XDG_CONFIG_HOME of the tool).
    m_dir = std::make_unique<QTemporaryDir>();
}

Run TestZfxtoolModule::zfxtool(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("config")));
    p.setProcessEnvironment(env);
    p.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("zfxtool")), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void TestZfxtoolModule::setting(const QString& key, const QString& value)
{
    QSettings s(m_dir->filePath(QStringLiteral("config/Vantor/Vantor.ini")), QSettings::IniFormat);
    s.setValue(QStringLiteral("Quandor_E6x/") + key, value);
}

QString TestZfxtoolModule::show(const QString& name, const QString& vehicle, const QString& parameters,
                                const QList<SequenceRow>& unlock, const QList<SequenceRow>& lock)
{
    SequenceDocument doc;
    doc.setVehicleCode(vehicle);
    doc.setParameterString(parameters);
    doc.table(0).setRows(unlock);
    doc.table(1).setRows(lock);
    const QString file = m_dir->filePath(name);
    return SequenceFile::write(file, doc) ? file : QString();
}

void TestZfxtoolModule::imagePrintsTheBytes()
{
    QList<SequenceRow> rows{row("0,5", {2, 0, 0, 0})};
    for (int i = 0; i < 2; ++i)
        rows.append(row("0,5", {1, 1, 1, 1}));
    const QString file =
        show(QStringLiteral("a.zfx"), QStringLiteral("111"), QStringLiteral("12000000000000000000"), rows);
    QVERIFY(!file.isEmpty());
    Run r = zfxtool({QStringLiteral("image"), file});
    QCOMPARE(r.status, 0);
    // 111 is module vehicle 1; no light functions.
    QCOMPARE(r.out, QStringLiteral("00 16 00 17 01 00 00 00 00 C2 05 02 9E 01 01 01\n"
                                   "01 9E 01 01 01 01\n"
                                   "length: 22 bytes, share: 4 %\n"));
    r = zfxtool({QStringLiteral("image"), file, QStringLiteral("--limit"), QStringLiteral("1010")});
    QVERIFY(r.out.endsWith(QStringLiteral("length: 22 bytes, share: 2 %\n")));
}

void TestZfxtoolModule::imageTakesOptionsThroughTheRules()
{
    // Cornering light (3), both daytime lights (5, 7), greeting light (8),
    // both mirror options (10, 11), soft on (13). Applying them as the dialog
    // does leaves one of each pair: the later box clears the earlier.
    const QString parameters = QStringLiteral("12101011011010000000");
    const QList<SequenceRow> rows{row("0,5", {2, 0, 0, 0})};
    setting(QStringLiteral("Time_Kommen"), QStringLiteral("3"));

    // Byte 6: 1 + 8 + 16 + 128; byte 7: 2. The greeting tail has 3 steps of 10 seconds.
    Run r = zfxtool(
        {QStringLiteral("image"), show(QStringLiteral("a.zfx"), QStringLiteral("111"), parameters, rows)});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.startsWith(QStringLiteral("00 10 00 11 01 99 02 00 00 C2 05 02 C0 64 80 80\n")),
             qPrintable(r.out));

    // A stored duration outside the list counts as "+ 10 Sek." (index 2), as in the editor.
    setting(QStringLiteral("Time_Kommen"), QStringLiteral("99"));
    r = zfxtool(
        {QStringLiteral("image"), show(QStringLiteral("c.zfx"), QStringLiteral("111"), parameters, rows)});
    QVERIFY2(r.out.startsWith(QStringLiteral("00 0F 00 10 01 99 02 00 00 C2 05 02 C0 64 80\n")),
             qPrintable(r.out));
}

void TestZfxtoolModule::imageOverTheLimit()
{
    QList<SequenceRow> rows;
    for (int i = 0; i < 110; ++i)
        rows.append(row(i % 2 ? "0,1" : "0,2", {1, 1, 1, 1}));
    const QString file =
        show(QStringLiteral("big.zfx"), QStringLiteral("312"), QStringLiteral("12000000000000000000"), rows);
    Run r = zfxtool({QStringLiteral("image"), file});
    QCOMPARE(r.status, 1);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains(QStringLiteral("Die Daten sind zu gross")));
    r = zfxtool({QStringLiteral("image"), file, QStringLiteral("--limit"), QStringLiteral("1010")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.endsWith(QStringLiteral("length: 669 bytes, share: 66 %\n")));
}

void TestZfxtoolModule::imageRefusesBadInput()
{
    QCOMPARE(zfxtool({QStringLiteral("image")}).status, 2);
    QCOMPARE(zfxtool({QStringLiteral("image"), QStringLiteral("x.zfx"), QStringLiteral("--limit"),
                      QStringLiteral("0")})
                 .status,
             2);
    Run r = zfxtool({QStringLiteral("image"), m_dir->filePath(QStringLiteral("missing.zfx"))});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("cannot be read")));
    const QString file = show(QStringLiteral("long.zfx"), QStringLiteral("312"),
                              QStringLiteral("12000000000000000000"), {row("30", {1, 0, 0, 0})});
    r = zfxtool({QStringLiteral("image"), file});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("30")));
}

void TestZfxtoolModule::uploadToTheSimulatedModule()
{
    const QString kept = m_dir->filePath(QStringLiteral("kept.txt"));
    SimProcess sim({QStringLiteral("--image"), kept});
    const QString file =
        show(QStringLiteral("a.zfx"), QStringLiteral("312"), QStringLiteral("12100000000000000000"),
             {row("0,5", {2, 0, 0, 0}, "S  1 / 3 x"), row("0,5", {4, 0, 0, 0}, "S  1 / 3 x")},
             {row("1", {0, 0, 16, 16})});
    const Run image = zfxtool({QStringLiteral("image"), file});
    QCOMPARE(image.status, 0);
    const Run r = zfxtool({QStringLiteral("upload"), file, QStringLiteral("--port"), sim.device()});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith(QStringLiteral("Die Daten wurden erfolgreich an das Modul gesendet.")));
    QVERIFY(image.out.contains(QStringLiteral("length: 19 bytes")));
    QVERIFY2(r.err.contains(QStringLiteral("sending: 19 / 19 bytes")), qPrintable(r.err));
    QVERIFY(sim.waitFor(QStringLiteral("end of transfer")));
    QFile f(kept);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QStringList lines = image.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeLast(); // the length line
    QCOMPARE(QString::fromLatin1(f.readAll()), lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void TestZfxtoolModule::uploadFailures()
{
    const QString file = show(QStringLiteral("a.zfx"), QStringLiteral("312"),
                              QStringLiteral("12100000000000000000"), {row("0,5", {2, 0, 0, 0})});
    QCOMPARE(zfxtool({QStringLiteral("upload"), file}).status, 2);

    Run r = zfxtool(
        {QStringLiteral("upload"), file, QStringLiteral("--port"), QStringLiteral("/dev/no-such-port")});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("cannot be opened")));

    SimProcess silent({QStringLiteral("--no-answer")});
    r = zfxtool({QStringLiteral("upload"), file, QStringLiteral("--port"), silent.device()});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("Das Modul antwortet nicht.")));

    SimProcess wrong({QStringLiteral("--wrong-echo"), QStringLiteral("1")});
    r = zfxtool({QStringLiteral("upload"), file, QStringLiteral("--port"), wrong.device()});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("nicht korrekt bestätigt")));

    // Nothing in the unlock sequence and no greeting light: nothing to send.
    const QString empty = show(QStringLiteral("e.zfx"), QStringLiteral("312"),
                               QStringLiteral("12100000000000000000"), {}, {row("0,5", {2, 0, 0, 0})});
    SimProcess sim({});
    r = zfxtool({QStringLiteral("upload"), empty, QStringLiteral("--port"), sim.device()});
    QCOMPARE(r.status, 1);
    QCOMPARE(sim.count(QStringLiteral("hello")), 0);
}

QTEST_GUILESS_MAIN(TestZfxtoolModule)
#include "test_zfxtool_module.moc"
