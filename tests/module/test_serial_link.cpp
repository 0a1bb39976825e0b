// The real serial path: ModuleSession -> QSerialPort -> pseudo-terminal ->
// the simulated module.

#include "module/ModuleSession.h"
#include "tests/module/SimProcess.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

SequenceRow row(const char* interval, std::array<std::uint8_t, 4> lamps)
{
    SequenceRow r;
    r.interval = QString::fromLatin1(interval);
    r.lamps = lamps;
    return r;
}

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

ModuleOutcome upload(const QString& device, const ImageInput& input,
                     const QString& vehicleCode = QStringLiteral("112"))
{
    ModuleSession session;
    return run(session, [&] {
        session.upload(device, false, vehicleCode, [input](const HandshakeReply&) { return input; });
    });
}

QString hexLines(const QByteArray& bytes)
{
    QString out;
    for (int i = 0; i < bytes.size(); ++i) {
        out += QStringLiteral("%1").arg(uchar(bytes.at(i)), 2, 16, QLatin1Char('0')).toUpper();
        out += (i % 16 == 15 || i + 1 == bytes.size()) ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return out;
}

QString readFile(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

} // namespace

Q_DECLARE_METATYPE(ModuleOutcome)

class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<ModuleOutcome>(); }
    void handshakeValidReply();
    void handshakeExtendedReply();
    void handshakeShortOrNonsenseReply_data();
    void handshakeShortOrNonsenseReply();
    void handshakeBusyFirst();
    void handshakeNoAnswer();
    void portNotAvailableOrBusy();
    void uploadKeepsTheImage();
    void framesAndEchoes();
    void retryRule();
    void wrongEchoSixTimesStops();
    void noAnswerSixTimesStops();
    void typeFiveModelIsRefused();
    void nothingSentForBadImages();
    void lostLinkStopsTheTransfer();
};

void TestSerialLink::handshakeValidReply()
{
    SimProcess sim({QStringLiteral("--type"), QStringLiteral("5.1"), QStringLiteral("--version"),
                    QStringLiteral("2.2")});
    QVERIFY(!sim.device().isEmpty());
    const ModuleOutcome outcome = identify(sim.device());
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::Identified);
    QVERIFY(outcome.reply);
    QCOMPARE(outcome.reply->moduleType, QStringLiteral("5.1"));
    QCOMPARE(outcome.reply->moduleVersion, QStringLiteral("2.2"));
    QCOMPARE(outcome.reply->statusText(), QStringLiteral("Quandor Vantor Ver. 2.2 / Typ 5.1"));
    QVERIFY(!outcome.reply->hasCompileInfo);
    QCOMPARE(sim.count(QStringLiteral("hello")), 1);
}

void TestSerialLink::handshakeExtendedReply()
{
    SimProcess sim({QStringLiteral("--extended"), QStringLiteral("--date"), QStringLiteral("1072008"),
                    QStringLiteral("--vehicle"), QStringLiteral("20")});
    ModuleOutcome outcome = identify(sim.device(), true);
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::Identified);
    QVERIFY(outcome.reply->hasCompileInfo);
    QCOMPARE(outcome.reply->compileDate, QStringLiteral("1.07.2008"));
    QCOMPARE(outcome.reply->codedVehicle, 20);
    QCOMPARE(outcome.reply->moduleType, QStringLiteral("6.1"));

    // Outside developer mode the long reply is read as the short one.
    outcome = identify(sim.device(), false);
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::Identified);
    QVERIFY(!outcome.reply->hasCompileInfo);

    // A first date byte of 128 or more and an uncoded module (255).
    SimProcess high({QStringLiteral("--reply-hex"), QStringLiteral("54 35 32 56 32 35 80 00 00 01 FF")});
    outcome = identify(high.device(), true);
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::Identified);
    QCOMPARE(outcome.reply->compileDateNumber, 2147483649u);
    QCOMPARE(outcome.reply->compileDate, QStringLiteral("21.47.483649"));
    QCOMPARE(outcome.reply->codedVehicle, 0);
}

void TestSerialLink::handshakeShortOrNonsenseReply_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("short") << QStringList{QStringLiteral("--reply-hex"), QStringLiteral("54 35 31 56 32")};
    QTest::newRow("one character") << QStringList{QStringLiteral("--reply-hex"), QStringLiteral("54")};
    QTest::newRow("nonsense") << QStringList{QStringLiteral("--nonsense")};
}

void TestSerialLink::handshakeShortOrNonsenseReply()
{
    QFETCH(QStringList, arguments);
    SimProcess sim(arguments);
    const ModuleOutcome outcome = identify(sim.device());
    // Not understood twice: the link is given up, not left hanging.
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::NotConnected);
    QVERIFY(outcome.unrecognisedReply);
    QVERIFY(!outcome.reply);
    QCOMPARE(sim.count(QStringLiteral("hello")), 2);
}

void TestSerialLink::handshakeBusyFirst()
{
    SimProcess sim({QStringLiteral("--busy-first")});
    const ModuleOutcome outcome = identify(sim.device());
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::Identified);
    // "@#*3", then 0x00 0x01, then "@#*" once more.
    const QStringList log = sim.log();
    QCOMPARE(log.size(), 3);
    QCOMPARE(log.at(0), QStringLiteral("hello, answered 40 23 2A 33"));
    QVERIFY(log.at(1).startsWith(QStringLiteral("end of transfer")));
    QCOMPARE(log.at(2), QStringLiteral("hello, answered 54 36 31 56 32 34"));
}

void TestSerialLink::handshakeNoAnswer()
{
    SimProcess sim({QStringLiteral("--no-answer")});
    const ModuleOutcome outcome = identify(sim.device());
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::NotConnected);
    QVERIFY(!outcome.unrecognisedReply);
    // Two tries of five writes each.
    QVERIFY(sim.waitFor(QStringLiteral("hello")));
    QTRY_COMPARE(sim.count(QStringLiteral("hello")), 10);
}

void TestSerialLink::portNotAvailableOrBusy()
{
    QCOMPARE(identify(QString()).kind, ModuleOutcome::Kind::PortNotAvailable);
    QCOMPARE(identify(QStringLiteral("/dev/no-such-port-here")).kind, ModuleOutcome::Kind::PortNotAvailable);

    SimProcess sim({});
    QSerialPort other(sim.device());
    QVERIFY(other.open(QIODevice::ReadWrite));
    QCOMPARE(identify(sim.device()).kind, ModuleOutcome::Kind::PortBusy);
    ModuleSession session;
    QCOMPARE(session.portProblem(sim.device()), std::optional(ModuleOutcome::Kind::PortBusy));
    other.close();
    QVERIFY(!session.portProblem(sim.device()));
    QCOMPARE(identify(sim.device()).kind, ModuleOutcome::Kind::Identified);
}

void TestSerialLink::uploadKeepsTheImage()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("image.txt"));
    SimProcess sim({QStringLiteral("--image"), file});
    const ImageInput input = smallShow();
    const ModuleOutcome outcome = upload(sim.device(), input);
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::Sent);
    QCOMPARE(outcome.limit, 510);
    const UploadImage expected = UploadImage::build(input, 510);
    QCOMPARE(outcome.image.bytes, expected.bytes);
    QVERIFY(sim.waitFor(QStringLiteral("end of transfer")));
    QCOMPARE(readFile(file), hexLines(expected.bytes));
    QCOMPARE(sim.count(QStringLiteral("frame")), expected.length);
    QCOMPARE(sim.log().last(), QStringLiteral("end of transfer, %1 bytes kept").arg(expected.length));
}

void TestSerialLink::framesAndEchoes()
{
    const QByteArray frame = ImageTransfer::frame(300, char(0xC2));
    QCOMPARE(frame, QByteArray("\x01\x2C\xC2", 3));
    QCOMPARE(ImageTransfer::frame(1, 0), QByteArray("\x00\x01\x00", 3));
    // The frame and any one character more is the echo; the frame alone is not.
    QVERIFY(ImageTransfer::isEcho(frame + 'K', frame));
    QVERIFY(ImageTransfer::isEcho(frame + '\0', frame));
    QVERIFY(!ImageTransfer::isEcho(frame, frame));
    QVERIFY(!ImageTransfer::isEcho(frame + "KK", frame));
    QVERIFY(!ImageTransfer::isEcho(QByteArray("\x01\x2C\xC3K", 4), frame));
    QVERIFY(!ImageTransfer::isEcho(QByteArray(), frame));
}

void TestSerialLink::retryRule()
{
    // Five failures at one address are retried; the counter starts again at
    // the next address.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("image.txt"));
    SimProcess sim({QStringLiteral("--wrong-echo"), QStringLiteral("3:5"), QStringLiteral("--wrong-echo"),
                    QStringLiteral("4:5"), QStringLiteral("--silent-at"), QStringLiteral("6:1"),
                    QStringLiteral("--image"), file});
    const ImageInput input = smallShow();
    ModuleSession session;
    QList<int> progress;
    connect(&session, &ModuleSession::progress, this, [&progress](int a, int) { progress.append(a); });
    const ModuleOutcome outcome = run(session, [&] {
        session.upload(sim.device(), false, QStringLiteral("112"),
                       [input](const HandshakeReply&) { return input; });
    });
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::Sent);
    QVERIFY(sim.waitFor(QStringLiteral("end of transfer")));
    QCOMPARE(sim.count(QStringLiteral("frame 3 00, wrong echo")), 5);
    QCOMPARE(sim.count(QStringLiteral("frame 4 ")), 6);
    // One exchange at address 6 brought nothing: five writes of the frame.
    QCOMPARE(sim.count(QStringLiteral("frame 6 ")), 1 + 1);
    QCOMPARE(readFile(file), hexLines(outcome.image.bytes));
    // The progress bar follows every exchange.
    QCOMPARE(progress.count(3), 6);
    QCOMPARE(progress.last(), outcome.image.length);
}

void TestSerialLink::wrongEchoSixTimesStops()
{
    SimProcess sim({QStringLiteral("--wrong-echo"), QStringLiteral("3:6")});
    const ModuleOutcome outcome = upload(sim.device(), smallShow());
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::WrongEcho);
    QVERIFY(sim.waitFor(QStringLiteral("end of transfer")));
    QCOMPARE(sim.count(QStringLiteral("frame 3 00, wrong echo")), 6);
    QCOMPARE(sim.count(QStringLiteral("frame 4")), 0);
}

void TestSerialLink::noAnswerSixTimesStops()
{
    SimProcess sim({QStringLiteral("--silent-at"), QStringLiteral("2")});
    const ModuleOutcome outcome = upload(sim.device(), smallShow());
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::NoAnswer);
    QVERIFY(sim.waitFor(QStringLiteral("end of transfer")));
    // Six exchanges of five writes each.
    QCOMPARE(sim.count(QStringLiteral("frame 2 0E, not answered")), 30);
    QCOMPARE(sim.count(QStringLiteral("frame 3")), 0);
}

void TestSerialLink::typeFiveModelIsRefused()
{
    SimProcess sim({QStringLiteral("--type"), QStringLiteral("5.0")});
    bool prepared = false;
    ModuleSession session;
    ModuleOutcome outcome = run(session, [&] {
        session.upload(sim.device(), false, QStringLiteral("311"), [&prepared](const HandshakeReply&) {
            prepared = true;
            return smallShow();
        });
    });
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::ModelMismatch);
    QVERIFY(!prepared);
    QCOMPARE(sim.count(QStringLiteral("frame")), 0);

    // The same vehicle with a type 6 module, and another vehicle with type 5, are fine.
    QVERIFY(!ModuleSession::unsuitedForTypeFive(QStringLiteral("6.0"), QStringLiteral("311")));
    QVERIFY(!ModuleSession::unsuitedForTypeFive(QStringLiteral("5.0"), QStringLiteral("312")));
    for (const char* code : {"111", "211", "221", "311", "321", "431", "433", "441", "443"})
        QVERIFY(ModuleSession::unsuitedForTypeFive(QStringLiteral("5.2"), QString::fromLatin1(code)));
    QCOMPARE(upload(sim.device(), smallShow(), QStringLiteral("312")).kind, ModuleOutcome::Kind::Sent);
}

void TestSerialLink::nothingSentForBadImages()
{
    SimProcess sim({});
    ImageInput large;
    for (int i = 0; i < 110; ++i)
        large.sequences[0].append(row(i % 2 ? "0,1" : "0,2", {1, 1, 1, 1}));
    ImageInput headerOnly;
    headerOnly.sequences[0] = {row("0", {0, 0, 0, 0})};
    ImageInput invalid;
    invalid.sequences[1] = {row("30", {1, 0, 0, 0})};

    QCOMPARE(upload(sim.device(), large).kind, ModuleOutcome::Kind::ImageTooLarge);
    QCOMPARE(upload(sim.device(), headerOnly).kind, ModuleOutcome::Kind::HeaderOnly);
    QCOMPARE(upload(sim.device(), invalid).kind, ModuleOutcome::Kind::ImageInvalid);
    QCOMPARE(sim.count(QStringLiteral("frame")), 0);
    QCOMPARE(sim.count(QStringLiteral("hello")), 3);
    // Each stop closed the port: it can be opened again at once.
    QSerialPort other(sim.device());
    QVERIFY(other.open(QIODevice::ReadWrite));
}

void TestSerialLink::lostLinkStopsTheTransfer()
{
    auto sim = std::make_unique<SimProcess>(QStringList{});
    ImageInput input;
    for (int i = 0; i < 30; ++i)
        input.sequences[0].append(row("0,5", {std::uint8_t(i + 1), 0, 0, 0}));
    ModuleSession session;
    connect(&session, &ModuleSession::progress, this, [&sim](int address, int) {
        if (address == 5 && sim)
            sim.reset(); // the module goes away in the middle of the image
    });
    const ModuleOutcome outcome = run(session, [&] {
        session.upload(sim->device(), false, QStringLiteral("112"),
                       [input](const HandshakeReply&) { return input; });
    });
    QCOMPARE(outcome.kind, ModuleOutcome::Kind::LinkLost);
    QVERIFY(!outcome.portError.isEmpty());
    QVERIFY(!session.isBusy());
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"
