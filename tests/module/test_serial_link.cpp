// The real serial path: ModuleSession -> QSerialPort -> pseudo-terminal ->
// the simulated module.

#include "module/ModuleSession.h"
#include "tests/module/ModuleTestData.h"
#include "tests/module/SimProcess.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// A small show: 9 header bytes and a few records.
ImageInput smallShow()
{
    ImageInput in;
    in.codedVehicleNumber = 2;
    in.sequences[0] = {row("0,5", {2, 0, 0, 0}), row("0,5", {0, 4, 0, 0})};
    in.sequences[1] = {row("1", {0, 0, 16, 16})};
    return in;
}

// Runs one operation and waits for its end.
ModuleOutcome run(ModuleSession& session, const std::function<void()>& start, int timeoutMs = 10000)
{
    QSignalSpy spy(&session, &ModuleSession::finished);
    start();
    if (spy.isEmpty())
        spy.wait(timeoutMs);
    return spy.isEmpty() ? ModuleOutcome{} : qvariant_cast<ModuleOutcome>(spy.takeFirst().at(0));
}

ModuleOutcome identify(const QString& device, bool developerMode = false)
{
    ModuleSession session;
    return run(session, [&] { session.identify(device, developerMode); });
}

// Uploads input; progress, when given, gets the address of every exchange.
ModuleOutcome upload(const QString& device, const ImageInput& input, const QString& vehicleCode = u"112"_s,
                     QList<int>* progress = nullptr)
{
    ModuleSession session;
    if (progress)
        QObject::connect(&session, &ModuleSession::progress, [progress](int a, int) { progress->append(a); });
    return run(session, [&] {
        session.upload(device, false, vehicleCode, input, [input](const HandshakeReply&) { return input; });
    });
}

} // namespace

Q_DECLARE_METATYPE(ModuleOutcome)

class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<ModuleOutcome>(); }

    // A reply not understood twice, or none at all: the link is given up, not left hanging.
    void handshakeFails_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("unrecognised");
        QTest::addColumn<int>("hellos");
        QTest::newRow("short") << QStringList{u"--reply-hex"_s, u"54 35 31 56 32"_s} << true << 2;
        QTest::newRow("nonsense") << QStringList{u"--nonsense"_s} << true << 2;
        // Two tries of five writes each.
        QTest::newRow("no answer") << QStringList{u"--no-answer"_s} << false << 10;
    }
    void handshakeFails()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, unrecognised);
        QFETCH(int, hellos);
        SimProcess sim(arguments);
        const ModuleOutcome outcome = identify(sim.device());
        QCOMPARE(outcome.kind, ModuleOutcome::Kind::NotConnected);
        QCOMPARE(outcome.unrecognisedReply, unrecognised);
        QVERIFY(!outcome.reply);
        QTRY_COMPARE(sim.count(u"hello"_s), hellos);
    }

    void handshakeBusyFirst()
    {
        SimProcess sim({u"--busy-first"_s});
        const ModuleOutcome outcome = identify(sim.device());
        QCOMPARE(outcome.kind, ModuleOutcome::Kind::Identified);
        QCOMPARE(outcome.reply->moduleType, u"6.1"_s);
        // "@#*3", then 0x00 0x01, then "@#*" once more.
        const QStringList log = sim.log();
        QCOMPARE(log.size(), 3);
        QCOMPARE(log.at(0), u"hello, answered 40 23 2A 33"_s);
        QVERIFY(log.at(1).startsWith(u"end of transfer"_s));
        QCOMPARE(log.at(2), u"hello, answered 54 36 31 56 32 34"_s);
    }

    void portNotAvailableOrBusy()
    {
        QCOMPARE(identify(QString()).kind, ModuleOutcome::Kind::PortNotAvailable);
        QCOMPARE(identify(u"/dev/no-such-port-here"_s).kind, ModuleOutcome::Kind::PortNotAvailable);

        SimProcess sim({});
        QSerialPort other(sim.device());
        QVERIFY(other.open(QIODevice::ReadWrite));
        QCOMPARE(identify(sim.device()).kind, ModuleOutcome::Kind::PortBusy);
        ModuleSession session;
        QCOMPARE(session.portProblem(sim.device())->kind, ModuleOutcome::Kind::PortBusy);
        other.close();
        QVERIFY(!session.portProblem(sim.device()));
#ifdef Q_OS_UNIX
        // A device this user may not open is not busy: it lacks the rights (root is made somebody else).
        const QFile::Permissions rights = QFile::permissions(sim.device());
        QVERIFY(QFile::setPermissions(sim.device(), {}));
        const bool root = ::geteuid() == 0;
        QVERIFY(!root || ::seteuid(65534) == 0);
        const auto refused = session.portProblem(sim.device());
        QVERIFY(!root || ::seteuid(0) == 0);
        QFile::setPermissions(sim.device(), rights);
        QCOMPARE(refused->kind, ModuleOutcome::Kind::PortNoPermission);
        QCOMPARE(refused->device, sim.device());
        QVERIFY(!refused->deviceGroup.isEmpty());
#endif
        QCOMPARE(identify(sim.device()).kind, ModuleOutcome::Kind::Identified);
    }

#ifdef Q_OS_UNIX
    // A device that is going away is missing, not in use, also while its node is still there
    // and a program still holds the port it was.
    void vanishingDeviceIsMissing()
    {
        // A pseudo-terminal stands for the adapter.
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        const QString device = QString::fromLocal8Bit(::ptsname(master));
        QSerialPort holder(device);
        QVERIFY(holder.open(QIODevice::ReadWrite));
        ModuleSession session;
        QCOMPARE(session.portProblem(device)->kind, ModuleOutcome::Kind::PortBusy);
        // Unplugged: the node opens no more.
        int locked = 1;
        QVERIFY(::ioctl(master, TIOCSPTLCK, &locked) == 0);
        QCOMPARE(session.portProblem(device)->kind, ModuleOutcome::Kind::PortNotAvailable);
        QCOMPARE(identify(device).kind, ModuleOutcome::Kind::PortNotAvailable);
        // And gone.
        ::close(master);
        QCOMPARE(identify(device).kind, ModuleOutcome::Kind::PortNotAvailable);
    }
#endif

    // A frame, its echo, and five failures at one address retried; the count starts again at
    // another address.
    void framesEchoesAndRetries()
    {
        const QByteArray frame = ImageTransfer::frame(300, char(0xC2));
        QCOMPARE(frame, QByteArray("\x01\x2C\xC2", 3));
        // The frame and any one character more is the echo; the frame alone is not.
        QVERIFY(ImageTransfer::isEcho(frame + 'K', frame));
        QVERIFY(!ImageTransfer::isEcho(frame, frame));
        QVERIFY(!ImageTransfer::isEcho(frame + "KK", frame));
        QVERIFY(!ImageTransfer::isEcho(QByteArray("\x01\x2C\xC3K", 4), frame));
        RetryCount count;
        for (int address : {3, 3, 3, 3, 3, 4, 4, 4, 4, 4})
            QVERIFY(!count.failedAt(address));
        QVERIFY(count.failedAt(4));
    }

    // Faults on the wire are retried until the byte is through, whenever the
    // echoes arrive: the late ones at address 3 reach the program while it
    // sends the frame again, or only during the next address's exchange.
    void retryRule()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"image.txt"_s);
        SimProcess sim({u"--wrong-echo"_s, u"3:2"_s, u"--late-echo"_s, u"3:6"_s, u"--wrong-echo"_s, u"4:2"_s,
                        u"--silent-at"_s, u"6:1"_s, u"--image"_s, file});
        const ImageInput input = smallShow();
        QList<int> progress;
        const ModuleOutcome outcome = upload(sim.device(), input, u"112"_s, &progress);
        QCOMPARE(outcome.kind, ModuleOutcome::Kind::Sent);
        QCOMPARE(outcome.limit, 510);
        QCOMPARE(outcome.image.bytes, UploadImage::build(input, 510).bytes);
        QVERIFY(sim.waitFor(u"end of transfer"_s));
        QCOMPARE(readFile(file), hexLines(outcome.image.bytes));
        // Every fault was met before the byte went through.
        QCOMPARE(sim.count(u"frame 3 00, wrong echo"_s), 2);
        QCOMPARE(sim.count(u"frame 4 11, wrong echo"_s), 2);
        QCOMPARE(sim.count(u"frame 6 00, not answered"_s), 1);
        // The progress bar follows every exchange, address by address.
        QVERIFY(progress.count(3) >= 2);
        QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
        QCOMPARE(QSet<int>(progress.cbegin(), progress.cend()).size(), outcome.image.length);
        QCOMPARE(progress.last(), outcome.image.length);
    }

    // Six failed exchanges at one address stop the transfer: the byte is never through.
    void sixFailuresStop_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("address");
        QTest::newRow("wrong echo") << QStringList{u"--wrong-echo"_s, u"3"_s}
                                    << int(ModuleOutcome::Kind::WrongEcho) << 3;
        QTest::newRow("no answer") << QStringList{u"--silent-at"_s, u"2"_s}
                                   << int(ModuleOutcome::Kind::NoAnswer) << 2;
    }

    void sixFailuresStop()
    {
        QFETCH(QStringList, fault);
        QFETCH(int, kind);
        QFETCH(int, address);
        SimProcess sim(fault);
        QList<int> progress;
        const ModuleOutcome outcome = upload(sim.device(), smallShow(), u"112"_s, &progress);
        QCOMPARE(int(outcome.kind), kind);
        QCOMPARE(progress.count(address), 6);
        QCOMPARE(progress.last(), address);
        QVERIFY(sim.waitFor(u"end of transfer"_s));
        QCOMPARE(sim.count(u"frame %1 "_s.arg(address + 1)), 0);
    }

    void typeFiveModelIsRefused()
    {
        SimProcess sim({u"--type"_s, u"5.0"_s});
        bool prepared = false;
        ModuleSession session;
        ModuleOutcome outcome = run(session, [&] {
            session.upload(sim.device(), false, u"311"_s, smallShow(), [&prepared](const HandshakeReply&) {
                prepared = true;
                return smallShow();
            });
        });
        QCOMPARE(outcome.kind, ModuleOutcome::Kind::ModelMismatch);
        QVERIFY(!prepared);
        QCOMPARE(sim.count(u"frame"_s), 0);
        // Another vehicle with the same module is fine.
        QCOMPARE(upload(sim.device(), smallShow(), u"312"_s).kind, ModuleOutcome::Kind::Sent);
    }

    // A show that no edition can take is refused before the module is asked, also when there
    // is none; one that only the coming-home tails make too large depends on the edition.
    void tooLargeForEveryEdition()
    {
        const auto rows = [](int count) {
            ImageInput in; // 9 header bytes and 6 bytes a row
            for (int i = 0; i < count; ++i)
                in.sequences[0].append(row(i % 2 ? "0,1" : "0,2", {1, 1, 1, 1}));
            return in;
        };
        SimProcess silent({u"--no-answer"_s});
        const ImageInput big = rows(84); // 513 bytes
        QCOMPARE(upload(silent.device(), big).kind, ModuleOutcome::Kind::ImageTooLarge);
        QCOMPARE(upload(u"/dev/no-such-port"_s, big).kind, ModuleOutcome::Kind::ImageTooLarge);
        QCOMPARE(silent.count(u"hello"_s), 0);

        ImageInput tailed = rows(83); // 507 bytes, and 4 more with the greeting light
        tailed.functions.commingHomeAuf = true;
        tailed.greetingIndex = 3;
        QCOMPARE(upload(silent.device(), tailed).kind, ModuleOutcome::Kind::NotConnected);
        SimProcess sim({});
        QCOMPARE(upload(sim.device(), tailed).kind, ModuleOutcome::Kind::ImageTooLarge);
        QVERIFY(sim.waitFor(u"hello"_s));
        QCOMPARE(sim.count(u"frame"_s), 0);
    }

    void nothingSentForBadImages()
    {
        SimProcess sim({});
        ImageInput headerOnly;
        headerOnly.sequences[0] = {row("0", {0, 0, 0, 0})};
        ImageInput invalid;
        invalid.sequences[1] = {row("30", {1, 0, 0, 0})};

        QCOMPARE(upload(sim.device(), headerOnly).kind, ModuleOutcome::Kind::HeaderOnly);
        QCOMPARE(upload(sim.device(), invalid).kind, ModuleOutcome::Kind::ImageInvalid);
        QCOMPARE(sim.count(u"frame"_s), 0);
        QCOMPARE(sim.count(u"hello"_s), 2);
        // Each stop closed the port: it can be opened again at once.
        QSerialPort other(sim.device());
        QVERIFY(other.open(QIODevice::ReadWrite));
    }
};

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"
