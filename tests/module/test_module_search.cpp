// The module search over simulated modules, and the names of the port menu.

#include "core/SettingsStore.h"
#include "module/ModuleSearch.h"
#include "module/PortNames.h"
#include "tests/module/SimProcess.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using PortNames::PortInfo;

namespace {

// What one port's try came to, in a word.
QString result(const ModuleSearch::Try& t)
{
    if (t.answered())
        return u"found "_s + t.outcome.reply->moduleType;
    if (t.outcome.kind == ModuleOutcome::Kind::PortNotAvailable)
        return u"missing"_s;
    return t.outcome.portError.isEmpty() ? u"silent"_s : u"lost"_s;
}

} // namespace

class TestModuleSearch : public QObject
{
    Q_OBJECT
private slots:
    void menuNamesFollowThePlugging()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(u"s.ini"_s));
        settings.save(u"Ports"_s, u"Com3"_s, u"/dev/ttyUSB0"_s);
        settings.save(u"Ports"_s, u"Com4"_s, u"/dev/pts/7"_s);
        const PortInfo ftdi{u"/dev/ttyUSB0"_s, u"FT232R USB UART"_s, u"FTDI"_s, 0x0403, 0x6001};
        const PortInfo acm{u"/dev/ttyACM0"_s, u"Vantor Adapter"_s, u"Vantor"_s, {}, {}};
        QStringList present{u"/dev/pts/7"_s};
        const auto exists = [&present](const QString& device) { return present.contains(device); };
        PortNames::MenuCaptions captions;
        const auto menu = [&](const QList<PortInfo>& system) {
            return captions.refresh(settings, system, exists, u"fehlt"_s).mid(0, 4);
        };
        const QString usb = u"  (/dev/ttyUSB0, FT232R USB UART, FTDI, USB 0403:6001)"_s;

        // Com 1 and Com 2 stand for the system's ports in name order; Com 3 is named.
        QCOMPARE(menu({ftdi, acm}), (QStringList{u"Com 1  (/dev/ttyACM0, Vantor Adapter)"_s, u"Com 2"_s + usb,
                                                 u"Com 3"_s + usb, u"Com 4  (/dev/pts/7)"_s}));
        // Unplugged: every entry that showed them says they are missing.
        present.clear();
        QCOMPARE(menu({}), (QStringList{u"Com 1  (/dev/ttyACM0, fehlt)"_s, u"Com 2  (/dev/ttyUSB0, fehlt)"_s,
                                        u"Com 3  (/dev/ttyUSB0, fehlt)"_s, u"Com 4  (/dev/pts/7, fehlt)"_s}));
        // One plugged in again is the first system port now: it takes Com 1.
        QCOMPARE(menu({ftdi}), (QStringList{u"Com 1"_s + usb, u"Com 2"_s, u"Com 3"_s + usb,
                                            u"Com 4  (/dev/pts/7, fehlt)"_s}));
    }

    void portsToTry()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(u"s.ini"_s));
        settings.save(u"Ports"_s, u"Com2"_s, u"/dev/ttyUSB1"_s);
        settings.save(u"Ports"_s, u"Com5"_s, u"/dev/pts/9"_s);
        const QList<PortInfo> system{{u"/dev/ttyS0"_s, {}, {}, {}, {}},
                                     {u"/dev/ttyUSB1"_s, {}, {}, 0x0403, 0x6001},
                                     {u"/dev/ttyACM0"_s, {}, {}, {}, {}},
                                     {u"/dev/rfcomm0"_s, {}, {}, 0x1234, 0x0001}};
        auto tried = [&](int chosen) {
            QStringList out;
            for (const ModuleSearch::Port& p : ModuleSearch::candidates(settings, system, chosen))
                out.append(u"%1 %2"_s.arg(p.number).arg(p.device));
            return out;
        };
        // The chosen port first, then the named ones, then the USB ports, each
        // device once; a plain serial port only when chosen. Com 2's key hides
        // the second system port, ttyACM0, which has no number then.
        QCOMPARE(tried(2), (QStringList{u"2 /dev/ttyUSB1"_s, u"5 /dev/pts/9"_s, u"0 /dev/ttyACM0"_s,
                                        u"1 /dev/rfcomm0"_s}));
        QCOMPARE(tried(3).first(), u"3 /dev/ttyS0"_s);

        // A port found keeps its number in [Ports]; one without gets a free number.
        const QStringList devices = PortNames::devices(system);
        QCOMPARE(PortNames::assign(u"/dev/rfcomm0"_s, settings, devices), 1);
        QCOMPARE(settings.get(u"Ports"_s, u"Com1"_s), u"/dev/rfcomm0"_s);
        QCOMPARE(PortNames::assign(u"/dev/ttyACM0"_s, settings, devices), 6);
        QCOMPARE(PortNames::assign(u"/dev/pts/9"_s, settings, devices), 5);
    }

    void search_data()
    {
        // Each port's role is also what its try must come to: "silent", "missing",
        // "lost" (its terminal goes away while it is tried) or a module's type.
        QTest::addColumn<QStringList>("ports");
        QTest::newRow("one answers among silent ones")
            << QStringList{u"silent"_s, u"silent"_s, u"silent"_s, u"6.2"_s};
        QTest::newRow("none answers") << QStringList{u"silent"_s, u"missing"_s};
        QTest::newRow("two answer") << QStringList{u"6.1"_s, u"silent"_s, u"5.2"_s};
        QTest::newRow("one vanishes") << QStringList{u"lost"_s, u"6.1"_s};
    }

    void search()
    {
        QFETCH(QStringList, ports);
        SimProcess silent({u"--silent"_s, u"--count"_s, QString::number(ports.size())});
        std::vector<std::unique_ptr<SimProcess>> modules;
        QList<ModuleSearch::Port> candidates;
        QStringList expected;
        for (const QString& role : std::as_const(ports)) {
            const bool module = role.front().isDigit();
            QString device =
                role == u"missing"_s ? u"/dev/no-such-port"_s : silent.devices().value(candidates.size());
            if (module || role == u"lost"_s) {
                modules.push_back(std::make_unique<SimProcess>(module ? QStringList{u"--type"_s, role}
                                                                      : QStringList{u"--silent"_s}));
                device = modules.back()->device();
            }
            expected.append(module ? u"found "_s + role : role);
            candidates.append({device, 0});
        }

        ModuleSearch search;
        connect(&search, &ModuleSearch::trying, this, [&](int index) {
            // Unplugged once the handshake is under way.
            if (ports.at(index) == u"lost"_s)
                QTimer::singleShot(120, this, [&modules] { modules.front().reset(); });
        });
        QSignalSpy finished(&search, &ModuleSearch::finished);
        search.start(candidates, false);
        QVERIFY(finished.wait(10000));
        QStringList got;
        for (const ModuleSearch::Try& t : search.results())
            got.append(result(t));
        QCOMPARE(got, expected);
        QCOMPARE(search.answered().size(), expected.filter(u"found"_s).size());
    }
};

QTEST_GUILESS_MAIN(TestModuleSearch)
#include "test_module_search.moc"
