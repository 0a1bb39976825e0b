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
    // The short reply, and the extended one only in developer mode and at its length.
    void repliesReadAsTheyStand()
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

        QVERIFY(!HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9), false)->hasCompileInfo);
        QVERIFY(!HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9) + 'x', true)->hasCompileInfo);
        QVERIFY(!HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9).chopped(1), true)->hasCompileInfo);
        QCOMPARE(HandshakeReply::parse(extended(0, 0xE5, 0x5E, 0xC9, 255), true)->codedVehicle, 0);
    }

    void extendedReplyDates_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("date");
        QTest::newRow("8 digits") << extended(0x00, 0xE5, 0x5E, 0xC9) << u"15.03.2009"_s;
        QTest::newRow("7 digits") << extended(0x00, 0x10, 0x5B, 0x88) << u"1.07.2008"_s;
        QTest::newRow("6 digits") << extended(0x00, 0x02, 0x9F, 0xE8) << u"1.7.2008"_s;
        QTest::newRow("first byte 128") << extended(0x80, 0x00, 0x00, 0x00) << u"21.47.483648"_s;
        QTest::newRow("zero") << extended(0, 0, 0, 0) << u"0.."_s;
    }

    void extendedReplyDates()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, date);
        const auto r = HandshakeReply::parse(bytes, true);
        QVERIFY(r && r->hasCompileInfo);
        QCOMPARE(r->compileDate, date);
        QCOMPARE(r->codedVehicle, 7);
    }

    // Each edition lists the functions it has, a version from 2.4 on one line more (an unknown
    // type: test_module_controller).
    void identificationByEdition()
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
                Identification::report(t, QString::fromLatin1(c.type), QString::fromLatin1(c.version), {})
                    .text;
            QVERIFY2(text.contains(t.text(113) + " Vantor - "_L1 + QLatin1StringView(c.edition)), c.type);
            QCOMPARE(text.contains(t.text(209)), c.text209);
            QCOMPARE(text.contains("  - "_L1 + t.text(61)), c.item61);
            QCOMPARE(text.contains("  - "_L1 + t.text(177)), c.item177);
            if (c.item61)
                QVERIFY(text.contains("  - "_L1 + t.text(201)));
        }
    }

    void compileInformation()
    {
        // A free slot of the name table shows nothing, a number beyond it the number.
        QCOMPARE(Identification::compileInfo(t, u"1.7.2008"_s, 22, QString()),
                 u"Software Compiler Datum: 1.7.2008\r\nCodiert für das Modell: "_s);
        QVERIFY(Identification::compileInfo(t, u"1.7.2008"_s, 77, QString()).endsWith(u"Modell: 77"_s));
    }

    void uploadMessages()
    {
        using K = ModuleOutcome::Kind;
        ModuleOutcome o;
        o.kind = K::Sent;
        o.limit = 510;
        o.image.length = 240;
        QVERIFY(ModuleMessages::forOutcome(t, o, 1)->text.endsWith(t.text(106) + u" 47 %"_s));

        // Every failure is said, with the figures and names that tell the user where it went wrong.
        o.lostAt = 6;
        o.image.length = 40;
        o.device = u"/dev/ttyS0"_s;
        o.deviceGroup = u"dialout"_s;
        const std::pair<K, QString> failures[] = {
            {K::ImageTooLarge, t.text(104) + kCrLf + kCrLf + t.text(105)},
            {K::WrongEcho, t.text(108)},
            {K::NoAnswer, t.text(111)},
            {K::ImageInvalid, t.text(107)},
            {K::ModelMismatch, t.text(196)},
            {K::NotConnected, t.text(216)},
            {K::LinkLost, u" 6 "_s + t.text(214) + u" 40."_s},
            // The port is named as the Connection menu names it.
            {K::PortNoPermission, t.text(340) + u" Com 7  (/dev/ttyS0)"_s + t.text(217) + kCrLf +
                                      t.text(218) + u" /dev/ttyS0, dialout"_s},
            {K::PortNotAvailable, t.text(340) + u" Com 7  (/dev/ttyS0)"_s + t.text(92)},
            {K::PortBusy, t.text(340) + u" Com 7  (/dev/ttyS0)"_s + t.text(94)},
        };
        o.unrecognisedReply = true;
        for (const auto& [kind, part] : failures) {
            o.kind = kind;
            const auto message = ModuleMessages::forOutcome(t, o, 7);
            QVERIFY(message && message->text.contains(part));
        }
        for (K quiet : {K::HeaderOnly, K::Identified}) {
            o.kind = quiet;
            QVERIFY(!ModuleMessages::forOutcome(t, o, 7));
        }
    }

    void portNames()
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
    }

private:
    LangText t; // the built-in German texts
};

QTEST_GUILESS_MAIN(TestModuleMessages)
#include "test_module_messages.moc"
