// The module commands of the main window, driven as a user would, with the
// simulated module on "Com 1".

#include "app/Config.h"
#include "app/LangText.h"
#include "app/MainWindow.h"
#include "module/ConnectDialog.h"
#include "module/ImageSource.h"
#include "module/ModuleController.h"
#include "module/ModuleMessages.h"
#include "sequence/SequenceDocument.h"
#include "tests/module/SimProcess.h"
#include "tests/support/TestContext.h"
#include "vehicle/ParameterDialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Kind = ScriptedPrompter::Shown::Kind;
using Option = VehicleOptions::Option;

SequenceRow row(const char* interval, std::array<std::uint8_t, 4> lamps)
{
    SequenceRow r;
    r.interval = QString::fromLatin1(interval);
    r.lamps = lamps;
    return r;
}

// A main window whose "Com 1" is the simulated module (when one is given).
struct Window
{
    TestContext t;
    std::unique_ptr<MainWindow> window;

    explicit Window(const QString& device, const QString& vehicleCode = QStringLiteral("312"),
                    const QString& parameters = QString(), bool developerMode = false)
    {
        if (!device.isEmpty())
            t.settings.save(QStringLiteral("Ports"), QStringLiteral("Com1"), device);
        t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Lampen_Port"), QStringLiteral("1"));
        t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type"), vehicleCode);
        if (!parameters.isEmpty())
            t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Parameter"), parameters);
        if (developerMode)
            t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Entwickerstatus"),
                            QStringLiteral("Wahr"));
        window = std::make_unique<MainWindow>(t.ctx);
        window->load(QString());
        t.prompter.clear();
    }

    MainWindowUi& ui() { return window->ui(); }
    ModuleController& module() { return window->moduleController(); }
    VehicleOptions& options() { return window->parameterDialog().options(); }
    bool waitIdle(int timeoutMs = 10000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (module().isBusy() && !deadline.hasExpired())
            QTest::qWait(5);
        return !module().isBusy();
    }
    QStringList messages() const { return t.prompter.texts(); }
    ImageInput input() const
    {
        return ImageSource::input(t.document, window->parameterDialog().options(),
                                  t.ctx.vehicle.codedVehicleNumber);
    }
};

QString hexLines(const QByteArray& bytes)
{
    QString out;
    for (int i = 0; i < bytes.size(); ++i) {
        out += QStringLiteral("%1").arg(uchar(bytes.at(i)), 2, 16, QLatin1Char('0')).toUpper();
        out += (i % 16 == 15 || i + 1 == bytes.size()) ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return out;
}

} // namespace

class TestModuleController : public QObject
{
    Q_OBJECT
private slots:
    void portMenu();
    void storedPort();
    void uploadFromTheWindow();
    void uploadNeedsSomethingToSend();
    void uploadWhenTheModuleIsAbsentOrConfused_data();
    void uploadWhenTheModuleIsAbsentOrConfused();
    void modelWarningForTypeFive();
    void uploadTooLargeClosesThePort();
    void closingStopsAnUpload();
    void identification();
    void identificationSwitchesLciOffForOldFirmware();
    void identificationInDeveloperMode();
    void memoryRequirement();
};

void TestModuleController::portMenu()
{
    SimProcess sim({});
    Window w{QString()};
    w.t.settings.save(QStringLiteral("Ports"), QStringLiteral("Com20"), sim.device());
    w.t.settings.save(QStringLiteral("Ports"), QStringLiteral("Com19"), QStringLiteral("/dev/no-such-port"));

    w.module().portClick(20);
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(w.ui().Port[std::size_t(i)]->isChecked(), i == 20);
    QCOMPARE(w.t.settings.get(QStringLiteral("Quandor_E6x"), QStringLiteral("Lampen_Port")),
             QStringLiteral("20"));
    QCOMPARE(w.ui().labPort->text(), QStringLiteral(" Port: 20"));
    QCOMPARE(w.t.ctx.module.portNumber, 20);
    QVERIFY(w.messages().isEmpty());

    // A port that is not there: the choice is kept, and said to be missing.
    w.module().portClick(19);
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(91) + QStringLiteral("19") + w.t.texts.text(92)});
    QCOMPARE(w.t.prompter.shown.last().title, w.t.texts.text(93));
    QCOMPARE(w.t.prompter.shown.last().icon, Prompter::Icon::Critical);
    QCOMPARE(w.ui().labPort->text(), QStringLiteral(" Port: 19"));
    QVERIFY(w.ui().Port[19]->isChecked() && !w.ui().Port[20]->isChecked());

    // A port another program holds.
    w.t.prompter.clear();
    QSerialPort other(sim.device());
    QVERIFY(other.open(QIODevice::ReadWrite));
    w.module().portClick(20);
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(91) + QStringLiteral("20") + w.t.texts.text(94) +
                                       QStringLiteral("\r\n") + w.t.texts.text(95)});

    // Each entry shows its device after the caption.
    emit w.ui().Connect->aboutToShow();
    QCOMPARE(w.ui().Port[20]->text(), QStringLiteral("Com 20  (%1)").arg(sim.device()));
    QCOMPARE(w.ui().Port[19]->text(), QStringLiteral("Com 19  (/dev/no-such-port)"));
}

void TestModuleController::storedPort()
{
    TestContext t;
    t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Lampen_Port"), QStringLiteral("5"));
    MainWindow window(t.ctx);
    window.load(QString());
    QCOMPARE(t.ctx.module.portNumber, 5);
    QCOMPARE(window.ui().labPort->text(), QStringLiteral(" Port: 5"));
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(window.ui().Port[std::size_t(i)]->isChecked(), i == 5);
}

void TestModuleController::uploadFromTheWindow()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("image.txt"));
    SimProcess sim({QStringLiteral("--type"), QStringLiteral("6.2"), QStringLiteral("--image"), file});
    // Mirror folding is a Premium function: the 6.2 module keeps it.
    Window w(sim.device(), QStringLiteral("312"), QStringLiteral("12100000001000000000"));
    QVERIFY(w.options().isChecked(Option::chkSpiegel_Lang));
    w.t.document.table(0).appendRow(row("0,5", {2, 0, 0, 0}));
    w.t.document.table(0).appendRow(row("1", {0, 1, 0, 0}));
    w.t.document.table(1).appendRow(row("0,3", {0, 0, 4, 0}));

    QPushButton* send = w.ui().cmdDaten;
    send->click();
    QVERIFY(!send->isEnabled());
    QVERIFY(!w.ui().M_Type->isEnabled());
    QVERIFY(!w.ui().Port[3]->isEnabled());
    QVERIFY(w.window->connectDialog().isVisible());
    send->click(); // ignored while the upload runs
    int highest = 0;
    while (w.module().isBusy()) {
        highest = std::max(highest, w.ui().Send_Progress->value());
        QTest::qWait(5);
    }
    QVERIFY(!w.window->connectDialog().isVisible());
    QVERIFY(send->isEnabled() && w.ui().M_Type->isEnabled() && w.ui().Port[3]->isEnabled());
    QCOMPARE(w.ui().Send_Progress->value(), 0);
    QCOMPARE(w.ui().labInfo->text(), QStringLiteral("Quandor Vantor Ver. 2.4 / Typ 6.2"));
    QCOMPARE(w.t.ctx.module.moduleType, QStringLiteral("6.2"));
    QVERIFY(w.t.ctx.module.connected);
    QCOMPARE(w.t.ctx.module.memoryLimit, 510);

    const UploadImage image = UploadImage::build(w.input(), 510);
    QCOMPARE(highest, image.length);
    QCOMPARE(w.ui().Send_Progress->maximum(), image.length);
    QCOMPARE(int(image.at(6)), 1 + 128); // cornering light, mirror folding (long press)
    QCOMPARE(w.messages(), QStringList{ModuleMessages::sent(w.t.texts, memoryShare(image.length, 510)).text});
    QCOMPARE(w.t.prompter.shown.last().title, QString::fromLatin1(Config::MakerWebAddress));
    QVERIFY(sim.waitFor(QStringLiteral("end of transfer")));
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(kept.readAll()), hexLines(image.bytes));
    // The hello, every byte once, the end of transfer.
    QCOMPARE(sim.count(QStringLiteral("hello")), 1);
    QCOMPARE(sim.count(QStringLiteral("frame")), image.length);

    // A type 6.1 module takes no mirror folding: the option goes before the image is built.
    SimProcess comfort({QStringLiteral("--type"), QStringLiteral("6.1"), QStringLiteral("--image"), file});
    w.t.settings.save(QStringLiteral("Ports"), QStringLiteral("Com1"), comfort.device());
    w.t.prompter.clear();
    send->click();
    QVERIFY(w.waitIdle());
    QVERIFY(!w.options().isChecked(Option::chkSpiegel_Lang));
    QVERIFY(comfort.waitFor(QStringLiteral("end of transfer")));
    QVERIFY(comfort.log().contains(QStringLiteral("frame 6 01")));
}

void TestModuleController::uploadNeedsSomethingToSend()
{
    SimProcess sim({});
    Window w(sim.device());
    w.t.document.table(1).appendRow(row("0,5", {2, 0, 0, 0}));
    w.ui().cmdDaten->click();
    QVERIFY(!w.module().isBusy());
    QVERIFY(!w.window->connectDialog().isVisible());
    QTest::qWait(100);
    QCOMPARE(sim.count(QStringLiteral("hello")), 0);
    QVERIFY(w.messages().isEmpty());

    // A single dark row of no length: the module is asked, nothing is sent, nothing said.
    w.t.document.table(1).clear();
    w.t.document.table(0).appendRow(row("0", {0, 0, 0, 0}));
    w.ui().cmdDaten->click();
    QVERIFY(w.waitIdle());
    QVERIFY(!w.window->connectDialog().isVisible());
    QCOMPARE(sim.count(QStringLiteral("hello")), 1);
    QCOMPARE(sim.count(QStringLiteral("frame")), 0);
    QVERIFY(w.messages().isEmpty());
}

void TestModuleController::uploadWhenTheModuleIsAbsentOrConfused_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("no answer") << QStringLiteral("--no-answer");
    QTest::newRow("nonsense") << QStringLiteral("--nonsense");
}

void TestModuleController::uploadWhenTheModuleIsAbsentOrConfused()
{
    QFETCH(QString, fault);
    SimProcess sim({fault});
    Window w(sim.device());
    w.t.document.table(0).appendRow(row("0,5", {2, 0, 0, 0}));
    w.ui().cmdDaten->click();
    QVERIFY(w.waitIdle());
    QVERIFY(!w.window->connectDialog().isVisible());
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(101)});
    QCOMPARE(w.t.prompter.shown.last().title, w.t.texts.text(102));
    QCOMPARE(w.ui().labInfo->text(), w.t.texts.text(103));
    QVERIFY(!w.t.ctx.module.connected);
    QVERIFY(w.ui().cmdDaten->isEnabled());
    // The port was closed.
    QSerialPort other(sim.device());
    QVERIFY(other.open(QIODevice::ReadWrite));
}

void TestModuleController::modelWarningForTypeFive()
{
    SimProcess sim({QStringLiteral("--type"), QStringLiteral("5.0")});
    Window w(sim.device(), QStringLiteral("311"));
    w.t.document.table(0).appendRow(row("0,5", {2, 0, 0, 0}));
    w.ui().cmdDaten->click();
    QVERIFY(w.waitIdle());
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(196)});
    QCOMPARE(w.t.prompter.shown.last().title, w.t.texts.text(114));
    QCOMPARE(w.t.prompter.shown.last().icon, Prompter::Icon::Exclamation);
    QCOMPARE(sim.count(QStringLiteral("frame")), 0);

    // The identification warns too, then goes on; the type 5 memory is larger.
    w.t.prompter.clear();
    w.ui().M_Type->trigger();
    QVERIFY(w.waitIdle());
    QCOMPARE(w.messages().size(), 2);
    QCOMPARE(w.messages().at(0), w.t.texts.text(196));
    QVERIFY(w.messages().at(1).contains(QStringLiteral(" Vantor - Basis")));
    QCOMPARE(w.t.ctx.module.memoryLimit, 1010);
}

void TestModuleController::uploadTooLargeClosesThePort()
{
    SimProcess sim({});
    Window w(sim.device());
    for (int i = 0; i < 110; ++i)
        w.t.document.table(0).appendRow(row(i % 2 ? "0,1" : "0,2", {1, 1, 1, 1}));
    w.ui().cmdDaten->click();
    QVERIFY(w.waitIdle());
    QCOMPARE(w.messages(),
             QStringList{w.t.texts.text(104) + QStringLiteral("\r\n\r\n") + w.t.texts.text(105)});
    QVERIFY(!w.window->connectDialog().isVisible());
    QCOMPARE(sim.count(QStringLiteral("frame")), 0);
    QSerialPort other(sim.device());
    QVERIFY(other.open(QIODevice::ReadWrite));

    // A step too long for its byte.
    other.close();
    w.t.prompter.clear();
    w.t.document.table(0).clear();
    w.t.document.table(0).appendRow(row("30", {1, 0, 0, 0}));
    w.ui().cmdDaten->click();
    QVERIFY(w.waitIdle());
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(107)});
    QVERIFY(other.open(QIODevice::ReadWrite));
}

void TestModuleController::closingStopsAnUpload()
{
    SimProcess sim({});
    Window w(sim.device());
    for (int i = 0; i < 20; ++i)
        w.t.document.table(0).appendRow(row("0,5", {std::uint8_t(i + 1), 0, 0, 0}));
    w.ui().cmdDaten->click();
    QTRY_VERIFY(w.ui().Send_Progress->value() >= 3);
    w.module().closePort();
    QVERIFY(!w.module().isBusy());
    QVERIFY(w.ui().cmdDaten->isEnabled());
    QCOMPARE(w.ui().Send_Progress->value(), 0);
    const int frames = sim.count(QStringLiteral("frame"));
    QTest::qWait(200);
    QCOMPARE(sim.count(QStringLiteral("frame")), frames);
    QVERIFY(w.messages().isEmpty());
    QSerialPort other(sim.device());
    QVERIFY(other.open(QIODevice::ReadWrite));
}

void TestModuleController::identification()
{
    SimProcess sim({QStringLiteral("--type"), QStringLiteral("6.1")});
    Window w(sim.device());
    w.ui().M_Type->trigger();
    QVERIFY(!w.ui().cmdDaten->isEnabled());
    QVERIFY(w.waitIdle());
    QCOMPARE(
        w.messages(),
        QStringList{
            Identification::report(w.t.texts, QStringLiteral("6.1"), QStringLiteral("2.4"), QString()).text});
    QVERIFY(w.messages().at(0).contains(w.t.texts.text(209)));
    QCOMPARE(w.t.ctx.module.memoryLimit, 510);
    QCOMPARE(w.ui().labInfo->text(), QStringLiteral("Quandor Vantor Ver. 2.4 / Typ 6.1"));

    SimProcess unknown({QStringLiteral("--type"), QStringLiteral("7.0")});
    w.t.settings.save(QStringLiteral("Ports"), QStringLiteral("Com1"), unknown.device());
    w.t.ctx.module.memoryLimit = 1010;
    w.t.prompter.clear();
    w.ui().M_Type->trigger();
    QVERIFY(w.waitIdle());
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(163)});
    QCOMPARE(w.t.ctx.module.memoryLimit, 510);
}

void TestModuleController::identificationSwitchesLciOffForOldFirmware()
{
    // A 5er without facelift with the LCI rear-light module ticked.
    const QString parameters = QStringLiteral("12100000000001000000");
    for (const char* version : {"2.2", "2.3"}) {
        SimProcess sim({QStringLiteral("--version"), QString::fromLatin1(version)});
        Window w(sim.device(), QStringLiteral("311"), parameters);
        QVERIFY(w.options().isChecked(Option::E6x_LCI_Modul));
        w.ui().M_Type->trigger();
        QVERIFY(w.waitIdle());
        if (QByteArray(version) == "2.2") {
            QCOMPARE(w.messages().size(), 2);
            QCOMPARE(
                w.messages().at(0),
                Identification::lciUpgrade(w.t.texts, QStringLiteral("6.1"), QStringLiteral("2.2")).text);
            QVERIFY(!w.options().isChecked(Option::E6x_LCI_Modul));
            QCOMPARE(w.t.document.parameterString().at(13), QLatin1Char('0'));
        } else {
            QCOMPARE(w.messages().size(), 1);
            QVERIFY(w.options().isChecked(Option::E6x_LCI_Modul));
        }
    }
}

void TestModuleController::identificationInDeveloperMode()
{
    SimProcess sim({QStringLiteral("--extended"), QStringLiteral("--date"), QStringLiteral("15032009"),
                    QStringLiteral("--vehicle"), QStringLiteral("20")});
    Window w(sim.device(), QStringLiteral("312"), QString(), true);
    w.ui().M_Type->trigger();
    QVERIFY(w.waitIdle());
    QCOMPARE(w.messages().size(), 1);
    QVERIFY(w.messages().at(0).endsWith(QStringLiteral(
        "\r\nSoftware Compiler Datum: 15.03.2009\r\nCodiert für das Modell: BMW 5er Limousine LM2 LCI")));
    QCOMPARE(w.t.ctx.module.compileDate, QStringLiteral("15.03.2009"));
    QCOMPARE(w.t.ctx.module.codedVehicle, 20);

    SimProcess beyond({QStringLiteral("--extended"), QStringLiteral("--vehicle"), QStringLiteral("77")});
    w.t.settings.save(QStringLiteral("Ports"), QStringLiteral("Com1"), beyond.device());
    w.t.prompter.clear();
    w.ui().M_Type->trigger();
    QVERIFY(w.waitIdle());
    QVERIFY(w.messages().at(0).endsWith(QStringLiteral("Codiert für das Modell: 77")));
}

void TestModuleController::memoryRequirement()
{
    SimProcess sim({QStringLiteral("--type"), QStringLiteral("5.1")});
    Window w(sim.device());
    // 9 + 6 + 45 x 5 = 240 bytes.
    w.t.document.table(0).appendRow(row("0,5", {1, 1, 1, 1}));
    for (int i = 0; i < 45; ++i)
        w.t.document.table(0).appendRow(row("0,5", {1, 1, 1, 1}));
    w.ui().cmdSpeicherbedarf->click();
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(106) + QStringLiteral(" 47 %")});
    QCOMPARE(w.t.prompter.shown.last().icon, Prompter::Icon::Information);
    QVERIFY(w.t.ctx.module.memoryOnly);
    QCOMPARE(sim.count(QStringLiteral("hello")), 0);

    // The identification after it connects as always; a type 5 module has 1010 bytes.
    w.t.prompter.clear();
    w.ui().M_Type->trigger();
    QVERIFY(w.waitIdle());
    QVERIFY(!w.t.ctx.module.memoryOnly);
    QCOMPARE(sim.count(QStringLiteral("hello")), 1);
    w.t.prompter.clear();
    w.ui().cmdSpeicherbedarf->click();
    QCOMPARE(w.messages(), QStringList{w.t.texts.text(106) + QStringLiteral(" 24 %")});

    // Too large for 510 bytes.
    w.t.ctx.module.memoryLimit = 510;
    for (int i = 0; i < 60; ++i)
        w.t.document.table(1).appendRow(row("0,5", {1, 1, 1, 1}));
    w.t.prompter.clear();
    w.ui().cmdSpeicherbedarf->click();
    QCOMPARE(w.messages(),
             QStringList{w.t.texts.text(104) + QStringLiteral("\r\n\r\n") + w.t.texts.text(105)});

    // One dark row of no length: nothing to say.
    w.t.document.table(0).clear();
    w.t.document.table(1).clear();
    w.t.document.table(0).appendRow(row("0", {0, 0, 0, 0}));
    w.t.prompter.clear();
    w.ui().cmdSpeicherbedarf->click();
    QVERIFY(w.messages().isEmpty());
}

QTEST_MAIN(TestModuleController)
#include "test_module_controller.moc"
