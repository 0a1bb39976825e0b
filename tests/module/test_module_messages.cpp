#include "app/Config.h"
#include "app/LangText.h"
#include "app/SettingsStore.h"
#include "module/HandshakeReply.h"
#include "module/ModuleMessages.h"
#include "module/ModuleSession.h"
#include "module/PortNames.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray reply(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

QByteArray extended(int d1, int d2, int d3, int d4, int vehicle = 7)
{
    return QByteArrayLiteral("T61V24") + reply({d1, d2, d3, d4, vehicle});
}

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

class TestModuleMessages : public QObject
{
    Q_OBJECT
private slots:
    void shortReply();
    void repliesTheHandshakeRejects();
    void extendedReplyDates_data();
    void extendedReplyDates();
    void extendedReplyOnlyInDeveloperModeAndAtLength11();
    void identificationByEdition();
    void identificationMessageInFull();
    void unknownModuleType();
    void lciUpgradeAndMemoryLimit();
    void compileInformation();
    void uploadMessages();
    void portNames();

private:
    LangText t; // the built-in German texts
};

void TestModuleMessages::shortReply()
{
    const auto r = HandshakeReply::parse(QByteArrayLiteral("T51V22"), false);
    QVERIFY(r);
    QCOMPARE(r->moduleType, QStringLiteral("5.1"));
    QCOMPARE(r->moduleVersion, QStringLiteral("2.2"));
    QCOMPARE(r->statusText(), QStringLiteral("Quandor Vantor Ver. 2.2 / Typ 5.1"));
}

void TestModuleMessages::repliesTheHandshakeRejects()
{
    for (const QByteArray& bad :
         {QByteArray(), QByteArrayLiteral("T"), QByteArrayLiteral("T51V"), QByteArrayLiteral("T51V2"),
          QByteArrayLiteral("X51V22"), QByteArrayLiteral("T51X22"), QByteArrayLiteral("@#*3")})
        QVERIFY2(!HandshakeReply::parse(bad, true), bad.constData());
    // Bytes above 127 in the type and version places are read as characters.
    const auto odd = HandshakeReply::parse(reply({'T', 0xFF, '1', 'V', 0x80, '2'}), false);
    QVERIFY(odd);
    QCOMPARE(odd->moduleType.size(), 3);
}

void TestModuleMessages::extendedReplyDates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("date");
    QTest::newRow("8 digits") << extended(0x00, 0xE5, 0x5E, 0xC9) << QStringLiteral("15.03.2009");
    QTest::newRow("7 digits") << extended(0x00, 0x10, 0x5B, 0x88) << QStringLiteral("1.07.2008");
    QTest::newRow("6 digits") << extended(0x00, 0x02, 0x9F, 0xE8) << QStringLiteral("1.7.2008");
    QTest::newRow("first byte 128") << extended(0x80, 0x00, 0x00, 0x00) << QStringLiteral("21.47.483648");
    QTest::newRow("all bits") << extended(0xFF, 0xFF, 0xFF, 0xFF) << QStringLiteral("42.94.967295");
    QTest::newRow("zero") << extended(0, 0, 0, 0) << QStringLiteral("0..");
}

void TestModuleMessages::extendedReplyDates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, date);
    const auto r = HandshakeReply::parse(bytes, true);
    QVERIFY(r && r->hasCompileInfo);
    QCOMPARE(r->compileDate, date);
    QCOMPARE(r->codedVehicle, 7);
}

void TestModuleMessages::extendedReplyOnlyInDeveloperModeAndAtLength11()
{
    QVERIFY(!HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9), false)->hasCompileInfo);
    QVERIFY(!HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9) + 'x', true)->hasCompileInfo);
    QVERIFY(!HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9).chopped(1), true)->hasCompileInfo);
    QCOMPARE(HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9, 255), true)->codedVehicle, 0);
}

void TestModuleMessages::identificationByEdition()
{
    const QString komfort =
        Identification::report(t, QStringLiteral("6.1"), QStringLiteral("2.4"), QString()).text;
    QVERIFY(komfort.contains(t.text(209)));
    QVERIFY(komfort.contains(QStringLiteral("  - ") + t.text(61)));
    QVERIFY(komfort.contains(QStringLiteral("  - ") + t.text(201)));
    QVERIFY(!komfort.contains(QStringLiteral("  - ") + t.text(177)));
    QVERIFY(komfort.contains(t.text(113) + QStringLiteral(" Vantor - Komfort")));

    const QString basis =
        Identification::report(t, QStringLiteral("5.0"), QStringLiteral("2.3"), QString()).text;
    QVERIFY(!basis.contains(t.text(209)));
    QVERIFY(!basis.contains(QStringLiteral("  - ") + t.text(61)));
    QVERIFY(basis.contains(t.text(113) + QStringLiteral(" Vantor - Basis")));

    const QString premium =
        Identification::report(t, QStringLiteral("5.2"), QStringLiteral("3.0"), QString()).text;
    QVERIFY(premium.contains(QStringLiteral("  - ") + t.text(177)));
    QVERIFY(premium.contains(t.text(209)));
    QVERIFY(premium.contains(t.text(113) + QStringLiteral(" Vantor - Premium")));
}

void TestModuleMessages::identificationMessageInFull()
{
    const ModuleMessage m =
        Identification::report(t, QStringLiteral("6.2"), QStringLiteral("2.4"), QStringLiteral("COMPILE"));
    const QStringList lines{t.text(112),
                            QString(),
                            t.text(186),
                            t.text(187),
                            t.text(190),
                            t.text(193),
                            t.text(209),
                            t.text(194),
                            t.text(195),
                            t.text(188),
                            t.text(189),
                            QStringLiteral("  - ") + t.text(61),
                            QStringLiteral("  - ") + t.text(198),
                            QStringLiteral("  - ") + t.text(197),
                            QStringLiteral("  - ") + t.text(200),
                            QStringLiteral("  - ") + t.text(201),
                            QStringLiteral("  - ") + t.text(177),
                            QString(),
                            t.text(113) + QStringLiteral(" Vantor - Premium"),
                            t.text(127) + QStringLiteral("2.4  / Typ 6.2"),
                            QStringLiteral("COMPILE")};
    QCOMPARE(m.text, lines.join(kCrLf));
    QCOMPARE(m.title, t.text(114));
    QCOMPARE(m.icon, Prompter::Icon::Information);
}

void TestModuleMessages::unknownModuleType()
{
    const ModuleMessage m =
        Identification::report(t, QStringLiteral("7.0"), QStringLiteral("2.4"), QString());
    QCOMPARE(m.text, t.text(163));
    QCOMPARE(m.icon, Prompter::Icon::Exclamation);
    QCOMPARE(Identification::memoryLimit(QStringLiteral("7.0")), 510);
}

void TestModuleMessages::lciUpgradeAndMemoryLimit()
{
    QVERIFY(Identification::firmwareLacksLci(QStringLiteral("2.2")));
    QVERIFY(Identification::firmwareLacksLci(QStringLiteral("1.9")));
    QVERIFY(!Identification::firmwareLacksLci(QStringLiteral("2.3")));
    const ModuleMessage m = Identification::lciUpgrade(t, QStringLiteral("6.1"), QStringLiteral("2.2"));
    QCOMPARE(m.text, t.text(210) + kCrLf + kCrLf + t.text(212) + QStringLiteral(" ") + t.text(127) +
                         QStringLiteral(" 2.3") + kCrLf + kCrLf + t.text(127) +
                         QStringLiteral("2.2  / Typ 6.1"));
    QCOMPARE(m.icon, Prompter::Icon::Exclamation);

    QCOMPARE(Identification::memoryLimit(QStringLiteral("5.0")), 1010);
    QCOMPARE(Identification::memoryLimit(QStringLiteral("5.2")), 1010);
    QCOMPARE(Identification::memoryLimit(QStringLiteral("6.1")), 510);
    QCOMPARE(Identification::memoryLimit(QString()), 510);
}

void TestModuleMessages::compileInformation()
{
    QCOMPARE(Identification::compileInfo(QStringLiteral("15.03.2009"), 20,
                                         QStringLiteral("BMW 5er Limousine LM2 LCI")),
             QStringLiteral(
                 "Software Compiler Datum: 15.03.2009\r\nCodiert für das Modell: BMW 5er Limousine LM2 LCI"));
    // A free slot of the name table shows nothing; a number beyond the table shows itself.
    QCOMPARE(Identification::compileInfo(QStringLiteral("1.7.2008"), 22, QString()),
             QStringLiteral("Software Compiler Datum: 1.7.2008\r\nCodiert für das Modell: "));
    QCOMPARE(Identification::compileInfo(QStringLiteral("1.7.2008"), 200, QString()),
             QStringLiteral("Software Compiler Datum: 1.7.2008\r\nCodiert für das Modell: 200"));
}

void TestModuleMessages::uploadMessages()
{
    const QString web = QString::fromLatin1(Config::MakerWebAddress);
    ModuleOutcome sent;
    sent.kind = ModuleOutcome::Kind::Sent;
    sent.limit = 510;
    sent.image.length = 240;
    ModuleMessage m = *ModuleMessages::forOutcome(t, sent, 1);
    QCOMPARE(m.text, t.text(110) + kCrLf + kCrLf + t.text(106) + QStringLiteral(" 47 %"));
    QCOMPARE(m.title, web);
    QCOMPARE(m.icon, Prompter::Icon::Information);

    m = ModuleMessages::memoryShare(t, 50);
    QCOMPARE(m.text, t.text(106) + QStringLiteral(" 50 %"));
    QCOMPARE(m.title, web);

    ModuleOutcome other;
    auto messageOf = [&](ModuleOutcome::Kind kind) {
        other.kind = kind;
        return ModuleMessages::forOutcome(t, other, 7);
    };
    QCOMPARE(messageOf(ModuleOutcome::Kind::ImageTooLarge)->text, t.text(104) + kCrLf + kCrLf + t.text(105));
    QCOMPARE(messageOf(ModuleOutcome::Kind::ImageTooLarge)->title, web);
    QCOMPARE(messageOf(ModuleOutcome::Kind::WrongEcho)->text, t.text(108) + kCrLf);
    QCOMPARE(messageOf(ModuleOutcome::Kind::WrongEcho)->title, t.text(109));
    QCOMPARE(messageOf(ModuleOutcome::Kind::NoAnswer)->text, t.text(111));
    QCOMPARE(messageOf(ModuleOutcome::Kind::ImageInvalid)->text, t.text(107));
    QCOMPARE(messageOf(ModuleOutcome::Kind::LinkLost)->text, t.text(107));
    QCOMPARE(messageOf(ModuleOutcome::Kind::NotConnected)->text, t.text(101));
    QCOMPARE(messageOf(ModuleOutcome::Kind::NotConnected)->title, t.text(102));
    QCOMPARE(messageOf(ModuleOutcome::Kind::ModelMismatch)->text, t.text(196));
    QCOMPARE(messageOf(ModuleOutcome::Kind::ModelMismatch)->title, t.text(114));
    QCOMPARE(messageOf(ModuleOutcome::Kind::PortNotAvailable)->text,
             t.text(91) + QStringLiteral("7") + t.text(92));
    QCOMPARE(messageOf(ModuleOutcome::Kind::PortNotAvailable)->icon, Prompter::Icon::Critical);
    QCOMPARE(messageOf(ModuleOutcome::Kind::PortBusy)->text,
             t.text(91) + QStringLiteral("7") + t.text(94) + kCrLf + t.text(95));
    QCOMPARE(messageOf(ModuleOutcome::Kind::PortBusy)->title, t.text(93));
    QVERIFY(!messageOf(ModuleOutcome::Kind::HeaderOnly));
    QVERIFY(!messageOf(ModuleOutcome::Kind::Identified));
}

void TestModuleMessages::portNames()
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("s.ini")));
    settings.save(QStringLiteral("Ports"), QStringLiteral("Com3"), QStringLiteral("/dev/ttyUSB0"));
    const QStringList system{QStringLiteral("/dev/ttyS10"), QStringLiteral("/dev/ttyUSB0"),
                             QStringLiteral("/dev/ttyS2"), QStringLiteral("/dev/ttyACM0")};
#ifdef Q_OS_WIN
    QCOMPARE(PortNames::device(3, settings, system), QStringLiteral("COM3"));
#else
    QCOMPARE(PortNames::device(3, settings, system), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(PortNames::device(3, settings), QStringLiteral("/dev/ttyUSB0"));
    // Without a key: the system's ports by name, numbers counted as numbers.
    QCOMPARE(PortNames::device(1, settings, system), QStringLiteral("/dev/ttyACM0"));
    QCOMPARE(PortNames::device(2, settings, system), QStringLiteral("/dev/ttyS2"));
    QCOMPARE(PortNames::device(4, settings, system), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(PortNames::device(5, settings, system), QString());
    QCOMPARE(PortNames::device(0, settings, system), QString());
    // The section name is matched without regard to case.
    settings.save(QStringLiteral("PORTS"), QStringLiteral("Com1"), QStringLiteral("/dev/pts/7"));
    QCOMPARE(PortNames::device(1, settings, system), QStringLiteral("/dev/pts/7"));
#endif
    QCOMPARE(PortNames::menuCaption(3, QStringLiteral("/dev/ttyUSB0")),
             QStringLiteral("Com 3  (/dev/ttyUSB0)"));
    QCOMPARE(PortNames::menuCaption(20, QString()), QStringLiteral("Com 20"));
}

QTEST_GUILESS_MAIN(TestModuleMessages)
#include "test_module_messages.moc"
