#include "core/Config.h"
#include "core/LangText.h"
#include "core/SettingsStore.h"
#include "module/HandshakeReply.h"
#include "module/ModuleMessages.h"
#include "module/ModuleSession.h"
#include "module/PortNames.h"
#include "tests/module/ModuleTestData.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray extended(int d1, int d2, int d3, int d4, int vehicle = 7)
{
    return QByteArrayLiteral("T61V24") + bytes({d1, d2, d3, d4, vehicle});
}

const QString kCrLf = u"\r\n"_s;

} // namespace

class TestModuleMessages : public QObject
{
    Q_OBJECT
private slots:
    void shortReplyAndRejectedReplies();
    void extendedReplyDates_data();
    void extendedReplyDates();
    void extendedReplyOnlyInDeveloperModeAndAtLength11();
    void identificationByEdition();
    void identificationMessageInFull();
    void lciUpgrade();
    void compileInformation();
    void uploadMessages();
    void portNames();

private:
    LangText t; // the built-in German texts
};

void TestModuleMessages::shortReplyAndRejectedReplies()
{
    const auto r = HandshakeReply::parse(QByteArrayLiteral("T51V22"), false);
    QVERIFY(r);
    QCOMPARE(r->moduleType, u"5.1"_s);
    QCOMPARE(r->moduleVersion, u"2.2"_s);

    for (const QByteArray& bad :
         {QByteArray(), QByteArrayLiteral("T"), QByteArrayLiteral("T51V"), QByteArrayLiteral("T51V2"),
          QByteArrayLiteral("X51V22"), QByteArrayLiteral("T51X22"), QByteArrayLiteral("@#*3")})
        QVERIFY2(!HandshakeReply::parse(bad, true), bad.constData());
    // Bytes above 127 in the type and version places are read as characters.
    const auto odd = HandshakeReply::parse(bytes({'T', 0xFF, '1', 'V', 0x80, '2'}), false);
    QVERIFY(odd);
    QCOMPARE(odd->moduleType.size(), 3);
}

void TestModuleMessages::extendedReplyDates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("date");
    QTest::newRow("8 digits") << extended(0x00, 0xE5, 0x5E, 0xC9) << u"15.03.2009"_s;
    QTest::newRow("7 digits") << extended(0x00, 0x10, 0x5B, 0x88) << u"1.07.2008"_s;
    QTest::newRow("6 digits") << extended(0x00, 0x02, 0x9F, 0xE8) << u"1.7.2008"_s;
    QTest::newRow("first byte 128") << extended(0x80, 0x00, 0x00, 0x00) << u"21.47.483648"_s;
    QTest::newRow("zero") << extended(0, 0, 0, 0) << u"0.."_s;
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
    const struct
    {
        const char* type;
        const char* version;
        const char* edition;
        bool text209, item61, item177;
    } cases[] = {{"6.1", "2.4", "Komfort", true, true, false},
                 {"5.0", "2.3", "Basis", false, false, false},
                 {"5.2", "3.0", "Premium", true, true, true}};
    for (const auto& c : cases) {
        const QString text =
            Identification::report(t, QString::fromLatin1(c.type), QString::fromLatin1(c.version), QString())
                .text;
        QVERIFY2(text.contains(t.text(113) + " Vantor - "_L1 + QLatin1StringView(c.edition)), c.type);
        QCOMPARE(text.contains(t.text(209)), c.text209);
        QCOMPARE(text.contains("  - "_L1 + t.text(61)), c.item61);
        QCOMPARE(text.contains("  - "_L1 + t.text(177)), c.item177);
        if (c.item61)
            QVERIFY(text.contains("  - "_L1 + t.text(201)));
    }
    // An unknown type has a message of its own.
    const ModuleMessage unknown = Identification::report(t, u"7.0"_s, u"2.4"_s, QString());
    QCOMPARE(unknown.icon, Prompter::Icon::Exclamation);
}

void TestModuleMessages::identificationMessageInFull()
{
    const ModuleMessage m = Identification::report(t, u"6.2"_s, u"2.4"_s, u"COMPILE"_s);
    QStringList lines{t.text(112), QString()};
    for (int n : {186, 187, 190, 193, 209, 194, 195, 188, 189})
        lines << t.text(n);
    for (int n : {61, 198, 197, 200, 201, 177})
        lines << "  - "_L1 + t.text(n);
    lines << QString() << t.text(113) + u" Vantor - Premium"_s << t.text(127) + u"2.4  / Typ 6.2"_s
          << u"COMPILE"_s;
    QCOMPARE(m.text, lines.join(kCrLf));
    QCOMPARE(m.title, t.text(114));
    QCOMPARE(m.icon, Prompter::Icon::Information);
}

void TestModuleMessages::lciUpgrade()
{
    const ModuleMessage m = Identification::lciUpgrade(t, u"6.1"_s, u"2.2"_s);
    QCOMPARE(m.text, t.text(210) + kCrLf + kCrLf + t.text(212) + u" "_s + t.text(127) + u" 2.3"_s + kCrLf +
                         kCrLf + t.text(127) + u"2.2  / Typ 6.1"_s);
    QCOMPARE(m.icon, Prompter::Icon::Exclamation);
}

void TestModuleMessages::compileInformation()
{
    // A free slot of the name table shows nothing; a number beyond the table shows itself.
    QCOMPARE(Identification::compileInfo(u"1.7.2008"_s, 22, QString()),
             u"Software Compiler Datum: 1.7.2008\r\nCodiert für das Modell: "_s);
    QCOMPARE(Identification::compileInfo(u"1.7.2008"_s, 200, QString()),
             u"Software Compiler Datum: 1.7.2008\r\nCodiert für das Modell: 200"_s);
}

void TestModuleMessages::uploadMessages()
{
    const QString web = QString::fromLatin1(Config::MakerWebAddress);
    ModuleOutcome sent;
    sent.kind = ModuleOutcome::Kind::Sent;
    sent.limit = 510;
    sent.image.length = 240;
    ModuleMessage m = *ModuleMessages::forOutcome(t, sent, 1);
    QCOMPARE(m.text, t.text(110) + kCrLf + kCrLf + t.text(106) + u" 47 %"_s);
    QCOMPARE(m.title, web);
    QCOMPARE(m.icon, Prompter::Icon::Information);

    m = ModuleMessages::memoryShare(t, 50);
    QCOMPARE(m.text, t.text(106) + u" 50 %"_s);
    QCOMPARE(m.title, web);

    using K = ModuleOutcome::Kind;
    const struct
    {
        K kind;
        QString text;
        QString title; // null: not checked
    } cases[] = {
        {K::ImageTooLarge, t.text(104) + kCrLf + kCrLf + t.text(105), web},
        {K::WrongEcho, t.text(108) + kCrLf, t.text(109)},
        {K::NoAnswer, t.text(111), {}},
        {K::ImageInvalid, t.text(107), {}},
        {K::LinkLost, t.text(213) + u" 6 "_s + t.text(214) + u" 40."_s + kCrLf + t.text(215), t.text(109)},
        {K::PortNoPermission,
         t.text(91) + u"7"_s + t.text(217) + kCrLf + t.text(218) + u" /dev/ttyS0, dialout"_s, t.text(93)},
        {K::NotConnected, t.text(216), t.text(102)},
        {K::ModelMismatch, t.text(196), t.text(114)},
        {K::PortNotAvailable, t.text(91) + u"7"_s + t.text(92), {}},
        {K::PortBusy, t.text(91) + u"7"_s + t.text(94) + kCrLf + t.text(95), t.text(93)},
    };
    ModuleOutcome other;
    other.lostAt = 6;
    other.image.length = 40;
    other.unrecognisedReply = true;
    other.device = u"/dev/ttyS0"_s;
    other.deviceGroup = u"dialout"_s;
    auto messageOf = [&](K kind) {
        other.kind = kind;
        return ModuleMessages::forOutcome(t, other, 7);
    };
    for (const auto& c : cases) {
        const auto message = messageOf(c.kind);
        QVERIFY(message);
        QCOMPARE(message->text, c.text);
        if (!c.title.isNull())
            QCOMPARE(message->title, c.title);
    }
    QCOMPARE(messageOf(K::PortNotAvailable)->icon, Prompter::Icon::Critical);
    QVERIFY(!messageOf(K::HeaderOnly));
    QVERIFY(!messageOf(K::Identified));
}

void TestModuleMessages::portNames()
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(u"s.ini"_s));
    settings.save(u"Ports"_s, u"Com3"_s, u"/dev/ttyUSB0"_s);
    const QStringList system{u"/dev/ttyS10"_s, u"/dev/ttyUSB0"_s, u"/dev/ttyS2"_s, u"/dev/ttyACM0"_s};
#ifdef Q_OS_WIN
    QCOMPARE(PortNames::device(3, settings, system), u"COM3"_s);
#else
    QCOMPARE(PortNames::device(3, settings, system), u"/dev/ttyUSB0"_s);
    QCOMPARE(PortNames::device(3, settings), u"/dev/ttyUSB0"_s);
    // Without a key: the system's ports by name, numbers counted as numbers.
    QCOMPARE(PortNames::device(1, settings, system), u"/dev/ttyACM0"_s);
    QCOMPARE(PortNames::device(2, settings, system), u"/dev/ttyS2"_s);
    QCOMPARE(PortNames::device(4, settings, system), u"/dev/ttyUSB0"_s);
    QCOMPARE(PortNames::device(5, settings, system), QString());
    QCOMPARE(PortNames::device(0, settings, system), QString());
    // The section name is matched without regard to case.
    settings.save(u"PORTS"_s, u"Com1"_s, u"/dev/pts/7"_s);
    QCOMPARE(PortNames::device(1, settings, system), u"/dev/pts/7"_s);
#endif
    QCOMPARE(PortNames::menuCaption(3, u"/dev/ttyUSB0"_s), u"Com 3  (/dev/ttyUSB0)"_s);
    QCOMPARE(PortNames::menuCaption(20, QString()), u"Com 20"_s);
}

QTEST_GUILESS_MAIN(TestModuleMessages)
#include "test_module_messages.moc"
