// The module commands of the main window, driven as a user would, with the
// simulated module on "Com 1".

#include "app/MainWindow.h"
#include "core/LangText.h"
#include "core/Mnemonics.h"
#include "module/ConnectDialog.h"
#include "module/ImageSource.h"
#include "module/ModuleController.h"
#include "module/ModuleMessages.h"
#include "sequence/SequenceDocument.h"
#include "tests/module/ModuleTestData.h"
#include "tests/module/SimProcess.h"
#include "tests/support/TestContext.h"
#include "vehicle/ParameterDialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Kind = ScriptedPrompter::Shown::Kind;
using Option = VehicleOptions::Option;

// A main window whose "Com 1" is the simulated module (when one is given).
struct Window
{
    TestContext t;
    std::unique_ptr<MainWindow> window;

    explicit Window(const QString& device, const QString& vehicleCode = u"312"_s,
                    const QString& parameters = QString(), bool developerMode = false)
    {
        if (!device.isEmpty())
            t.settings.save(u"Ports"_s, u"Com1"_s, device);
        t.settings.save(u"Quandor_E6X"_s, u"Lampen_Port"_s, u"1"_s);
        t.settings.save(u"Quandor_E6X"_s, u"Fahrzeug_Type"_s, vehicleCode);
        if (!parameters.isEmpty())
            t.settings.save(u"Quandor_E6X"_s, u"Parameter"_s, parameters);
        if (developerMode)
            t.settings.save(u"Quandor_E6X"_s, u"Entwickerstatus"_s, u"Wahr"_s);
        window = std::make_unique<MainWindow>(t.ctx);
        window->load(QString());
        t.prompter.clear();
    }

    MainWindowUi& ui() { return window->ui(); }
    ModuleController& module() { return window->moduleController(); }
    VehicleOptions& options() { return window->parameterDialog().options(); }
    // Every wait for the module ends after this, and the test fails.
    static constexpr int IdleTimeoutMs = 10000;
    bool waitIdle(int timeoutMs = IdleTimeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (module().isBusy() && !deadline.hasExpired())
            QTest::qWait(5);
        return !module().isBusy();
    }
    // Runs a command to its end, with no message left from before.
    bool send()
    {
        t.prompter.clear();
        ui().cmdDaten->click();
        return waitIdle();
    }
    bool identify()
    {
        t.prompter.clear();
        ui().M_Type->trigger();
        return waitIdle();
    }
    QStringList memoryRequirement()
    {
        t.prompter.clear();
        ui().cmdSpeicherbedarf->click();
        return messages();
    }
    void plugIn(const SimProcess& sim) { t.settings.save(u"Ports"_s, u"Com1"_s, sim.device()); }
    QStringList messages() const { return t.prompter.texts(); }
    ImageInput input() const
    {
        return ImageSource::input(t.document, window->parameterDialog().options(),
                                  t.ctx.vehicle.codedVehicleNumber);
    }
};

} // namespace

class TestModuleController : public QObject
{
    Q_OBJECT
private slots:
    void portMenu()
    {
        SimProcess sim({});
        Window w{QString()};
        w.t.settings.save(u"Ports"_s, u"Com20"_s, sim.device());
        w.t.settings.save(u"Ports"_s, u"Com19"_s, u"/dev/no-such-port"_s);

        w.module().portClick(20);
        for (int i = 1; i <= 20; ++i)
            QCOMPARE(w.ui().Port[std::size_t(i)]->isChecked(), i == 20);
        QCOMPARE(w.t.settings.get(u"Quandor_E6x"_s, u"Lampen_Port"_s), u"20"_s);
        QCOMPARE(w.ui().labPort->text(), u" Port: 20"_s);
        QVERIFY(w.messages().isEmpty());

        // A port that is not there: the choice is kept, and said to be missing.
        w.module().portClick(19);
        QCOMPARE(w.messages(),
                 QStringList{w.t.texts.text(340) + u" Com 19  (/dev/no-such-port)"_s + w.t.texts.text(92)});
        QVERIFY(w.ui().Port[19]->isChecked() && !w.ui().Port[20]->isChecked());
        // (A port in use or not allowed: test_serial_link tells them apart, test_module_messages
        // words them.)

        // Opening the menu names each entry's device.
        emit w.ui().Connect->aboutToShow();
        QCOMPARE(Mnemonics::stripped(w.ui().Port[19]->text()),
                 u"Com 19  (/dev/no-such-port, %1)"_s.arg(w.t.texts.text(305)));
    }

    void uploadFromTheWindow()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"image.txt"_s);
        SimProcess sim({u"--type"_s, u"6.2"_s, u"--image"_s, file});
        // Mirror folding is a Premium function: the 6.2 module keeps it.
        Window w(sim.device(), u"312"_s, u"12100000001000000000"_s);
        QVERIFY(w.options().isChecked(Option::chkSpiegel_Lang));
        w.t.document.table(0).appendRow(row("0,5", {2, 0, 0, 0}));
        w.t.document.table(0).appendRow(row("1", {0, 1, 0, 0}));
        w.t.document.table(1).appendRow(row("0,3", {0, 0, 4, 0}));

        QPushButton* send = w.ui().cmdDaten;
        send->click();
        QVERIFY(!send->isEnabled());
        QVERIFY(!w.ui().M_Type->isEnabled() && !w.ui().FindModule->isEnabled() &&
                !w.ui().Port[3]->isEnabled());
        QVERIFY(w.window->connectDialog().isVisible());
        int highest = 0;
        const QDeadlineTimer deadline(Window::IdleTimeoutMs);
        while (w.module().isBusy() && !deadline.hasExpired()) {
            highest = std::max(highest, w.ui().Send_Progress->value());
            QTest::qWait(5);
        }
        QVERIFY(!w.module().isBusy());
        QVERIFY(!w.window->connectDialog().isVisible());
        QVERIFY(send->isEnabled() && w.ui().M_Type->isEnabled() && w.ui().Port[3]->isEnabled());
        QCOMPARE(w.ui().Send_Progress->value(), 0);
        QCOMPARE(w.ui().labInfo->text(), u"Quandor Vantor Ver. 2.4 / Typ 6.2"_s);
        QVERIFY(w.t.ctx.module.connected);

        const UploadImage image = UploadImage::build(w.input(), 510);
        QCOMPARE(highest, image.length);
        QCOMPARE(int(image.at(6)), 1 + 128); // cornering light, mirror folding (long press)
        QCOMPARE(w.messages(),
                 QStringList{ModuleMessages::sent(w.t.texts, memoryShare(image.length, 510)).text});
        QVERIFY(sim.waitFor(u"end of transfer"_s));
        QCOMPARE(readFile(file), hexLines(image.bytes));

        // A type 6.1 module takes no mirror folding: the option goes before the image is built,
        // and the success message says so.
        SimProcess comfort({u"--type"_s, u"6.1"_s, u"--image"_s, file});
        w.plugIn(comfort);
        QVERIFY(w.send());
        QVERIFY(!w.options().isChecked(Option::chkSpiegel_Lang));
        QVERIFY(comfort.waitFor(u"end of transfer"_s));
        QVERIFY(comfort.log().contains(u"frame 6 01"_s));
        const int share = memoryShare(UploadImage::build(w.input(), 510).length, 510);
        // (How the message names the option: test_zfxtool_module, through the same message.)
        QCOMPARE(w.messages(),
                 QStringList{ModuleMessages::sent(w.t.texts, share, {Option::chkSpiegel_Lang}).text});

        // A language switch keeps the module named in the status line, in the new language.
        const QList<QAction*>& languages = w.ui().Auswahl;
        for (int i = 0; i < languages.size(); ++i)
            if (languages.at(i)->data().toString() == u"English"_s)
                w.window->auswahlClick(i + 1);
        QCOMPARE(w.ui().labInfo->text(), u"Quandor Vantor Ver. 2.4 / type 6.1"_s);
    }

    // With the unlock sequence empty and no greeting light there is nothing to send: the module
    // is not even asked, and nothing is said. (A single dark row of no length: test_serial_link.)
    void uploadNeedsSomethingToSend()
    {
        SimProcess sim({});
        Window w(sim.device());
        w.t.document.table(1).appendRow(row("0,5", {2, 0, 0, 0}));
        w.ui().cmdDaten->click();
        QVERIFY(!w.module().isBusy() && !w.window->connectDialog().isVisible());
        QVERIFY(w.messages().isEmpty());
    }

    // (A show too large for every edition is refused before the module is asked: test_serial_link.)
    void uploadWhenTheModuleIsAbsentOrConfused_data()
    {
        QTest::addColumn<QStringList>("fault");
        QTest::addColumn<int>("text");
        QTest::newRow("no answer") << QStringList{u"--no-answer"_s} << 101;
        QTest::newRow("nonsense") << QStringList{u"--nonsense"_s} << 216;
    }

    void uploadWhenTheModuleIsAbsentOrConfused()
    {
        QFETCH(QStringList, fault);
        QFETCH(int, text);
        SimProcess sim(fault);
        Window w(sim.device());
        w.t.document.table(0).appendRow(row("0,2", {1, 1, 1, 1}));
        QVERIFY(w.send());
        QVERIFY(!w.window->connectDialog().isVisible());
        QCOMPARE(w.messages(), QStringList{w.t.texts.text(text)});
        QVERIFY(sim.waitFor(u"hello"_s));
        QCOMPARE(sim.count(u"frame"_s), 0);
        QVERIFY(w.ui().cmdDaten->isEnabled());
        QCOMPARE(w.ui().labInfo->text(), w.t.texts.text(103));
        QVERIFY(!w.t.ctx.module.connected);
        // The port was closed.
        QSerialPort other(sim.device());
        QVERIFY(other.open(QIODevice::ReadWrite));
    }

    void lostLinkDuringUpload()
    {
        auto sim = std::make_unique<SimProcess>(QStringList{});
        Window w(sim->device());
        for (int i = 0; i < 30; ++i)
            w.t.document.table(0).appendRow(row("0,5", {std::uint8_t(i + 1), 0, 0, 0}));
        connect(&w.module().session(), &ModuleSession::progress, this, [&sim](int address, int) {
            if (address == 5 && sim)
                sim.reset(); // unplugged after byte 5 was echoed
        });
        QVERIFY(w.send());
        const int length = UploadImage::build(w.input(), 510).length;
        QCOMPARE(w.messages(), QStringList{ModuleMessages::linkLost(w.t.texts, 6, length).text});
        QCOMPARE(w.ui().labInfo->text(), w.t.texts.text(103));
        QVERIFY(!w.t.ctx.module.connected);
    }

    void closingDuringAnUpload()
    {
        SimProcess sim({});
        Window w(sim.device());
        for (int i = 0; i < 60; ++i)
            w.t.document.table(0).appendRow(row("0,5", {std::uint8_t(i + 1), 0, 0, 0}));
        w.window->show();
        w.ui().cmdDaten->click();
        QTRY_VERIFY(w.ui().Send_Progress->value() >= 3);
        // Not stopping the upload keeps the window; nothing else is asked or torn down.
        QVERIFY(!w.window->close());
        QCOMPARE(w.messages(), QStringList{w.t.texts.text(219)});
        // Stopping it, then cancelling the save question, still leaves the upload running.
        w.t.prompter.yesNoAnswers.enqueue(true);
        QVERIFY(!w.window->close());
        QCOMPARE(w.messages().mid(1), (QStringList{w.t.texts.text(219), w.t.texts.text(83)}));
        const int frames = sim.count(u"frame"_s);
        QTRY_VERIFY(sim.count(u"frame"_s) > frames);
        // Stopping it and not saving: the upload ends silently, the port is free.
        w.t.prompter.yesNoAnswers.enqueue(true);
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
        QVERIFY(w.window->close());
        QVERIFY(!w.module().isBusy());
        QCOMPARE(w.messages().size(), 5);
        QSerialPort other(sim.device());
        QVERIFY(other.open(QIODevice::ReadWrite));
    }

    void identification()
    {
        SimProcess sim({u"--type"_s, u"6.1"_s});
        Window w(sim.device());
        QVERIFY(w.identify());
        QCOMPARE(w.messages(),
                 QStringList{Identification::report(w.t.texts, u"6.1"_s, u"2.4"_s, QString()).text});
        QCOMPARE(w.t.ctx.module.memoryLimit, 510);

        // An unknown type falls back to the smaller memory. (A status line emptied by a lost
        // module is shown by the upload and the search.)
        SimProcess unknown({u"--type"_s, u"7.0"_s});
        w.plugIn(unknown);
        w.t.ctx.module.memoryLimit = 1010;
        QVERIFY(w.identify());
        QCOMPARE(w.messages(), QStringList{w.t.texts.text(163)});
        QCOMPARE(w.t.ctx.module.memoryLimit, 510);
    }

    // A type 5 module in a 5er without facelift, with the LCI rear-light module ticked and a
    // firmware too old for it (which versions are too old is tested with the options): the
    // identification warns of both, unticks the LCI module and goes on. (The upload the type
    // refuses: test_serial_link; its message: test_module_messages.)
    void identificationWarnsOfTypeFiveAndOldFirmware()
    {
        SimProcess sim({u"--type"_s, u"5.0"_s, u"--version"_s, u"2.2"_s});
        Window w(sim.device(), u"311"_s, u"12100000000001000000"_s);
        QVERIFY(w.options().isChecked(Option::E6x_LCI_Modul));
        QVERIFY(w.identify());
        QCOMPARE(w.messages().size(), 3);
        QCOMPARE(w.messages().at(0), w.t.texts.text(196));
        QCOMPARE(w.messages().at(1), Identification::lciUpgrade(w.t.texts, u"5.0"_s, u"2.2"_s).text);
        QVERIFY(w.messages().at(2).contains(u" Vantor - Basis"_s));
        QVERIFY(!w.options().isChecked(Option::E6x_LCI_Modul));
        QCOMPARE(w.t.document.parameterString().at(13), u'0');
    }

    void identificationInDeveloperMode()
    {
        SimProcess sim({u"--extended"_s, u"--date"_s, u"15032009"_s, u"--vehicle"_s, u"20"_s});
        Window w(sim.device(), u"312"_s, QString(), true);
        QVERIFY(w.identify());
        QCOMPARE(w.messages().size(), 1);
        QVERIFY(w.messages().at(0).endsWith(
            u"\r\nSoftware Compiler Datum: 15.03.2009\r\nCodiert für das Modell: BMW 5er Limousine LM2 LCI"_s));
        QCOMPARE(w.t.ctx.module.compileDate, u"15.03.2009"_s);
        QCOMPARE(w.t.ctx.module.codedVehicle, 20);
    }

    void findModule()
    {
        SimProcess silent({u"--silent"_s});
        SimProcess premium({u"--type"_s, u"6.2"_s});
        SimProcess comfort({u"--type"_s, u"5.1"_s});
        Window w(silent.device());
        w.t.settings.save(u"Ports"_s, u"Com2"_s, premium.device());
        const auto find = [&w] {
            w.t.prompter.clear();
            w.ui().FindModule->trigger();
        };

        // The silent Com 1 is passed over for Com 2, which is chosen and identified.
        find();
        auto* progress = w.window->findChild<QDialog*>(u"SearchDialog"_s);
        QVERIFY(progress && progress->isVisible());
        QVERIFY(!w.ui().FindModule->isEnabled() && !w.ui().cmdDaten->isEnabled() &&
                !w.ui().Port[1]->isEnabled());
        QVERIFY(w.waitIdle());
        QVERIFY(!progress->isVisible() && w.ui().FindModule->isEnabled());
        QVERIFY(w.ui().Port[2]->isChecked() && !w.ui().Port[1]->isChecked());
        QCOMPARE(w.t.settings.get(u"Quandor_E6x"_s, u"Lampen_Port"_s), u"2"_s);
        QCOMPARE(w.ui().labInfo->text(), u"Quandor Vantor Ver. 2.4 / Typ 6.2"_s);
        // The message names the port the module was found on.
        QCOMPARE(w.messages(),
                 QStringList{u"Das Modul wurde gefunden an Com 2  (%1)\r\n\r\n"_s.arg(premium.device()) +
                             Identification::report(w.t.texts, u"6.2"_s, u"2.4"_s, QString()).text});

        // Two answer: the user picks the second.
        w.t.settings.save(u"Ports"_s, u"Com3"_s, comfort.device());
        find();
        w.t.prompter.choiceAnswers.enqueue(1);
        QVERIFY(w.waitIdle());
        QCOMPARE(w.t.prompter.choiceItems.size(), 2);
        QVERIFY(w.ui().Port[3]->isChecked());

        // Cancelled: nothing is said or changed.
        find();
        progress->findChild<QPushButton*>()->click(); // Cancel
        QVERIFY(!w.module().isBusy() && !progress->isVisible() && w.messages().isEmpty());
        QVERIFY(w.ui().Port[3]->isChecked());

        // None answers: every port is listed with its result, and what to check.
        w.t.settings.save(u"Ports"_s, u"Com2"_s, u"/dev/no-such-port"_s);
        w.t.settings.save(u"Ports"_s, u"Com3"_s, silent.device());
        find();
        QVERIFY(w.waitIdle());
        QCOMPARE(w.messages().size(), 1);
        const QString message = w.messages().first();
        QVERIFY(message.startsWith(w.t.texts.text(309)));
        QVERIFY(message.contains(u"Com 2  (/dev/no-such-port): "_s + w.t.texts.text(305)));
        QVERIFY(message.endsWith(w.t.texts.text(310)));
        QCOMPARE(w.ui().labInfo->text(), w.t.texts.text(103));
    }

    void memoryRequirement()
    {
        SimProcess sim({u"--type"_s, u"5.1"_s});
        Window w(sim.device());
        // 9 + 6 + 45 x 5 = 240 bytes.
        for (int i = 0; i < 46; ++i)
            w.t.document.table(0).appendRow(row("0,5", {1, 1, 1, 1}));
        QCOMPARE(w.memoryRequirement(), QStringList{w.t.texts.text(106) + u" 47 %"_s});
        QCOMPARE(w.t.prompter.shown.last().icon, Prompter::Icon::Information);
        QVERIFY(w.t.ctx.module.memoryOnly);
        QCOMPARE(sim.count(u"hello"_s), 0);

        // The identification after it connects as always; a type 5 module has 1010 bytes.
        QVERIFY(w.identify());
        QVERIFY(!w.t.ctx.module.memoryOnly);
        QCOMPARE(sim.count(u"hello"_s), 1);
        QCOMPARE(w.memoryRequirement(), QStringList{w.t.texts.text(106) + u" 24 %"_s});

        // Too large for 510 bytes.
        w.t.ctx.module.memoryLimit = 510;
        for (int i = 0; i < 60; ++i)
            w.t.document.table(1).appendRow(row("0,5", {1, 1, 1, 1}));
        QCOMPARE(w.memoryRequirement(),
                 QStringList{w.t.texts.text(104) + u"\r\n\r\n"_s + w.t.texts.text(105)});

        // One dark row of no length: nothing to say.
        w.t.document.table(0).clear();
        w.t.document.table(1).clear();
        w.t.document.table(0).appendRow(row("0", {0, 0, 0, 0}));
        QVERIFY(w.memoryRequirement().isEmpty());
    }
};

QTEST_MAIN(TestModuleController)
#include "test_module_controller.moc"
