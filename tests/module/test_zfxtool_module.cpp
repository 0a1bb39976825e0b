// zfxtool image and upload, run as a user runs them.

#include "module/UploadImage.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"
#include "tests/module/ModuleTestData.h"
#include "tests/module/SimProcess.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class TestZfxtoolModule : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    Run zfxtool(const QStringList& args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, m_dir->filePath(u"config"_s));
        p.setProcessEnvironment(env);
        p.start(QDir(QCoreApplication::applicationDirPath()).filePath(u"zfxtool"_s), args);
        Run r;
        if (!p.waitForFinished(60000))
            return r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    // A value of the editor's settings, as section/key.
    void setting(const QString& key, const QString& value)
    {
        QSettings s(m_dir->filePath(u"config/Vantor/Vantor.ini"_s), QSettings::IniFormat);
        s.setValue(key, value);
    }

    QString show(const QString& name, const QString& vehicle, const QString& parameters,
                 const QList<SequenceRow>& unlock, const QList<SequenceRow>& lock = {})
    {
        SequenceDocument doc;
        doc.setVehicleCode(vehicle);
        doc.setParameterString(parameters);
        doc.table(0).setRows(unlock);
        doc.table(1).setRows(lock);
        const QString file = m_dir->filePath(name);
        return SequenceFile::write(file, doc) ? file : QString();
    }

private slots:
    void init()
    {
        // Each case has its own settings (XDG_CONFIG_HOME of the tool).
        m_dir = std::make_unique<QTemporaryDir>();
    }

    void imagePrintsTheBytes()
    {
        QList<SequenceRow> rows{row("0,5", {2, 0, 0, 0})};
        for (int i = 0; i < 2; ++i)
            rows.append(row("0,5", {1, 1, 1, 1}));
        const QString file = show(u"a.zfx"_s, u"111"_s, u"12000000000000000000"_s, rows);
        QVERIFY(!file.isEmpty());
        Run r = zfxtool({u"image"_s, file});
        QCOMPARE(r.status, 0);
        // 111 is module vehicle 1; no light functions.
        QCOMPARE(r.out, u"00 16 00 17 01 00 00 00 00 C2 05 02 9E 01 01 01\n"
                        "01 9E 01 01 01 01\n"
                        "length: 22 bytes, share: 4 %\n"_s);
    }

    void imageTakesOptionsThroughTheRules()
    {
        // Cornering light (3), both daytime lights (5, 7), greeting light (8),
        // both mirror options (10, 11), soft on (13). Applying them as the dialog
        // does leaves one of each pair: the later box clears the earlier.
        const QString parameters = u"12101011011010000000"_s;
        const QList<SequenceRow> rows{row("0,5", {2, 0, 0, 0})};
        setting(u"Quandor_E6x/Time_Kommen"_s, u"3"_s);

        // Byte 6: 1 + 8 + 16 + 128; byte 7: 2. The greeting tail has 3 steps of 10 seconds.
        Run r = zfxtool({u"image"_s, show(u"a.zfx"_s, u"111"_s, parameters, rows)});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith(u"00 10 00 11 01 99 02 00 00 C2 05 02 C0 64 80 80\n"_s), qPrintable(r.out));

        // A stored duration outside the list counts as "+ 10 Sek." (index 2), as in the editor.
        setting(u"Quandor_E6x/Time_Kommen"_s, u"99"_s);
        r = zfxtool({u"image"_s, show(u"c.zfx"_s, u"111"_s, parameters, rows)});
        QVERIFY2(r.out.startsWith(u"00 0F 00 10 01 99 02 00 00 C2 05 02 C0 64 80\n"_s), qPrintable(r.out));
    }

    // With a module type, image prints what such a module is sent, as the upload sends it; and
    // both say which ticked options the module's edition does not carry out.
    void imageForAModuleType()
    {
        // Cornering light and mirror folding on a long press: byte 6 is 1 + 128.
        const QString file =
            show(u"a.zfx"_s, u"312"_s, u"12100000001000000000"_s, {row("0,5", {2, 0, 0, 0})});
        const QString mirror = u"Remote key 1x long press, Mirror folding"_s;
        Run r = zfxtool({u"image"_s, file});
        QVERIFY(r.out.startsWith(u"00 0C 00 0D 14 81 00"_s));
        QCOMPARE(zfxtool({u"image"_s, file, u"--module-type"_s, u"6.2"_s}).out, r.out);

        const QString kept = m_dir->filePath(u"kept.txt"_s);
        SimProcess comfort({u"--type"_s, u"6.1"_s, u"--image"_s, kept});
        r = zfxtool({u"image"_s, file, u"--module-type"_s, u"6.1"_s});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.startsWith(u"00 0C 00 0D 14 01 00"_s), qPrintable(r.out));
        QVERIFY(r.err.endsWith(mirror + u"\n"_s));
        // The upload sends those bytes, shows its progress and says what it left out.
        const Run sent = zfxtool({u"upload"_s, file, u"--port"_s, comfort.device()});
        QCOMPARE(sent.status, 0);
        QVERIFY(sent.out.startsWith(u"The data were sent to the module successfully."_s));
        QVERIFY(sent.out.endsWith(mirror + u"\n"_s));
        QVERIFY2(sent.err.contains(u"sending: 12 / 12 bytes"_s), qPrintable(sent.err));
        QVERIFY(comfort.waitFor(u"end of transfer"_s));
        QCOMPARE(readFile(kept), r.out.left(r.out.lastIndexOf(u"length: "_s)));

        // A type 5 module takes no show of a 5er Limousine; a type is a digit, a point, a digit.
        r = zfxtool({u"image"_s,
                     show(u"b.zfx"_s, u"311"_s, u"12100000000000000000"_s, {row("0,5", {2, 0, 0, 0})}),
                     u"--module-type"_s, u"5.0"_s});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(u"does not fit the selected vehicle"_s));
        QCOMPARE(zfxtool({u"image"_s, file, u"--module-type"_s, u"61"_s}).status, 2);
    }

    void imageOverTheLimit()
    {
        QList<SequenceRow> rows;
        for (int i = 0; i < 110; ++i)
            rows.append(row(i % 2 ? "0,1" : "0,2", {1, 1, 1, 1}));
        const QString file = show(u"big.zfx"_s, u"312"_s, u"12000000000000000000"_s, rows);
        Run r = zfxtool({u"image"_s, file});
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.contains(u"The data are too large"_s));
        r = zfxtool({u"image"_s, file, u"--limit"_s, u"1010"_s});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.endsWith(u"length: 669 bytes, share: 66 %\n"_s));
    }

    void imageRefusesBadInput()
    {
        QCOMPARE(zfxtool({u"image"_s}).status, 2);
        QCOMPARE(zfxtool({u"image"_s, u"x.zfx"_s, u"--limit"_s, u"0"_s}).status, 2);
        QCOMPARE(zfxtool({u"find"_s, u"--port"_s}).status, 2);
        // An interval too large for a double is refused, not sent as 0 seconds.
        const QByteArray huge(309, '9');
        const QString file =
            show(u"long.zfx"_s, u"312"_s, u"12000000000000000000"_s, {row(huge.constData(), {1, 0, 0, 0})});
        const Run r = zfxtool({u"image"_s, file});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(u"does not fit"_s));
    }

    void uploadFailures()
    {
        const QString file =
            show(u"a.zfx"_s, u"312"_s, u"12100000000000000000"_s, {row("0,5", {2, 0, 0, 0})});
        QCOMPARE(zfxtool({u"upload"_s, file}).status, 2);

        Run r = zfxtool({u"upload"_s, file, u"--port"_s, u"/dev/no-such-port"_s});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(u"cannot be opened"_s));

        const std::pair<QStringList, QString> faults[] = {
            {{u"--no-answer"_s}, u"The module does not answer."_s},
            {{u"--wrong-echo"_s, u"1"_s}, u"did not confirm the data correctly"_s},
        };
        for (const auto& [fault, message] : faults) {
            SimProcess sim(fault);
            r = zfxtool({u"upload"_s, file, u"--port"_s, sim.device()});
            QCOMPARE(r.status, 1);
            QVERIFY2(r.err.contains(message), qPrintable(r.err));
        }

        // Nothing in the unlock sequence and no greeting light: nothing to send.
        const QString empty =
            show(u"e.zfx"_s, u"312"_s, u"12100000000000000000"_s, {}, {row("0,5", {2, 0, 0, 0})});
        SimProcess sim({});
        r = zfxtool({u"upload"_s, empty, u"--port"_s, sim.device()});
        QCOMPARE(r.status, 1);
        QCOMPARE(sim.count(u"hello"_s), 0);
    }

    void find()
    {
        SimProcess silent({u"--silent"_s});
        SimProcess module({});
        Run r = zfxtool({u"find"_s, u"--port"_s, silent.device(), u"--port"_s, module.device()});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out,
                 u"%1: no answer\n%2: module found, Quandor Vantor Ver. 2.4 / type 6.1\nfound: %2\n"_s.arg(
                     silent.device(), module.device()));

        // Without ports: the editor's, by their numbers in the menu.
        setting(u"Ports/Com1"_s, u"/dev/no-such-port"_s);
        setting(u"Ports/Com2"_s, silent.device());
        r = zfxtool({u"find"_s});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.out.startsWith(
                     u"Com 1  (/dev/no-such-port): missing\nCom 2  (%1): no answer\n"_s.arg(silent.device())),
                 qPrintable(r.out));
        QVERIFY(r.err.startsWith(u"zfxtool: no module answered"_s));
    }
};

QTEST_GUILESS_MAIN(TestZfxtoolModule)
#include "test_zfxtool_module.moc"
