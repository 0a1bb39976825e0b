#include "app/SettingsStore.h"
#include "tests/support/TestContext.h"
#include "vehicle/VehicleOptions.h"

#include <QTest>

using Group = VehicleOptions::Group;
using Option = VehicleOptions::Option;
using List = VehicleOptions::List;
using Flags = std::array<int, 3>; // high beam, cornering, DRL bulb

namespace {

// A program context with an options model whose messages go to the
// context's scripted prompter, as the dialog shows them.
struct Fixture
{
    TestContext t;
    VehicleOptions o{t.ctx};

    Fixture()
    {
        QObject::connect(&o, &VehicleOptions::messageRequested, &o, [this](const VehicleOptions::Message& m) {
            t.prompter.message(m.text, m.title, m.icon);
        });
    }
    // Applies a vehicle code and option string as a sequence file would.
    void apply(const char* code, const char* parameters = "12100000000000000000")
    {
        t.document.setVehicleCode(QString::fromLatin1(code));
        t.document.setParameterString(QString::fromLatin1(parameters));
        o.ApplyDocumentVehicle();
    }
    QChar at(int position) const { return t.document.parameterString().at(position - 1); }
    QString text(int n) const { return t.texts.text(n); }
};

} // namespace

class TestVehicleOptions : public QObject
{
    Q_OBJECT
private slots:
    void headlampTypeGovernsTheRings_data()
    {
        QTest::addColumn<int>("headlamp");
        QTest::addColumn<bool>("ringsFree");
        QTest::addColumn<Flags>("flags");
        QTest::newRow("Bi-Xenon") << 1 << false << Flags{0, 0, 0};
        QTest::newRow("high beam") << 2 << true << Flags{1, 0, 0};
        QTest::newRow("cornering") << 3 << false << Flags{0, 1, 0};
        QTest::newRow("DRL bulb") << 4 << false << Flags{0, 0, 1};
    }
    void headlampTypeGovernsTheRings()
    {
        QFETCH(int, headlamp);
        QFETCH(bool, ringsFree);
        QFETCH(Flags, flags);
        Fixture f;
        f.apply("312");
        f.o.setChecked(Option::chkRinge, false);
        f.o.select(Group::chkFernlicht, headlamp == 1 ? 2 : 1);
        f.o.select(Group::chkFernlicht, headlamp);
        QCOMPARE(f.at(2), QChar(u'0' + headlamp));
        QCOMPARE(f.o.isEnabled(Option::chkRinge), ringsFree);
        // Rings are ticked by options 1, 3 and 4 and stay ticked after option 2.
        QVERIFY(f.o.isChecked(Option::chkRinge));
        QCOMPARE(f.at(1), u'1');
        const VehicleConfig& v = f.t.ctx.vehicle;
        QCOMPARE((Flags{v.headlampHighBeam, v.headlampCornering, v.headlampDrlBulb}), flags);
        QCOMPARE(v.ringLights, 1);

        // On the Mini the rings are never free, whatever the headlamps.
        f.apply("731");
        f.o.select(Group::chkFernlicht, 1);
        f.o.select(Group::chkFernlicht, 2);
        QVERIFY(!f.o.isEnabled(Option::chkRinge));
        QCOMPARE(f.t.ctx.vehicle.ringLights, 1);
    }

    void ringsFollowAtOnceOnABmw()
    {
        Fixture f;
        f.apply("112");
        QVERIFY(f.o.isEnabled(Option::chkRinge));
        f.o.setChecked(Option::chkRinge, false);
        QCOMPARE(f.t.ctx.vehicle.ringLights, 0);
        QCOMPARE(f.at(1), u'0');
        f.o.setChecked(Option::chkRinge, true);
        QCOMPARE(f.t.ctx.vehicle.ringLights, 1);
        QCOMPARE(f.at(1), u'1');
    }

    void miniEquipment()
    {
        Fixture f;
        f.apply("112", "12010000000000000000");
        // Every BMW: one rear fog lamp in the middle is impossible.
        QVERIFY(!f.o.isEnabled(Option::chkEine_Nebelleuchte));
        QVERIFY(!f.o.isChecked(Option::chkEine_Nebelleuchte));
        QCOMPARE(f.at(4), u'0');

        f.apply("731", "12110000000000000000");
        QVERIFY(f.o.isEnabled(Option::chkEine_Nebelleuchte));
        QVERIFY(f.o.isChecked(Option::chkEine_Nebelleuchte));
        QVERIFY(f.t.ctx.vehicle.oneRearFogLamp);
        QVERIFY(!f.o.isEnabled(Group::chkFernlicht, 3));
        QVERIFY(!f.o.isEnabled(Group::chkFernlicht, 4));
        QVERIFY(!f.o.isChecked(Option::chkRinge));
        QCOMPARE(f.at(4), u'1');

        // Applying the same file again keeps the fog lamp, though the Mini's
        // option group clears the box on the way.
        f.apply("731", "12110000000000000000");
        QVERIFY(f.o.isChecked(Option::chkEine_Nebelleuchte));
        QCOMPARE(f.at(4), u'1');

        f.o.select(Group::optBauform, 4); // Cabrio: selectable, cleared
        QVERIFY(f.o.isEnabled(Option::chkEine_Nebelleuchte));
        QVERIFY(!f.o.isChecked(Option::chkEine_Nebelleuchte));
        QVERIFY(!f.t.ctx.vehicle.oneRearFogLamp);
        QCOMPARE(f.at(4), u'0');
        f.o.setChecked(Option::chkEine_Nebelleuchte, true);
        f.o.select(Group::optBauform, 5); // Clubman
        QVERIFY(!f.o.isEnabled(Option::chkEine_Nebelleuchte));
        QVERIFY(!f.o.isChecked(Option::chkEine_Nebelleuchte));
        QCOMPARE(f.at(4), u'0');
        QCOMPARE(f.o.selectedVehicleCode(), QStringLiteral("751"));
    }

    void daytimeLightsExcludeEachOther()
    {
        Fixture f;
        f.apply("112");
        f.o.setChecked(Option::chkTagfahrlicht, true);
        QCOMPARE(f.at(5), u'1');
        f.o.setChecked(Option::chkTagfahrlicht_Standlicht, true);
        QVERIFY(!f.o.isChecked(Option::chkTagfahrlicht));
        QCOMPARE(f.at(5), u'0');
        QCOMPARE(f.at(7), u'1');
        f.o.setChecked(Option::chkTagfahrlicht, true);
        QVERIFY(!f.o.isChecked(Option::chkTagfahrlicht_Standlicht));
        QCOMPARE(f.at(5), u'1');
        QCOMPARE(f.at(7), u'0');
    }

    void daytimeLightsOnlyOnThe1erAnd3er()
    {
        Fixture f;
        f.apply("112", "12101000000000000000");
        QVERIFY(f.o.isChecked(Option::chkTagfahrlicht));
        f.o.select(Group::optType, 3);
        QVERIFY(!f.o.isEnabled(Option::chkTagfahrlicht));
        QVERIFY(!f.o.isChecked(Option::chkTagfahrlicht));
        QCOMPARE(f.at(5), u'0');
        f.o.select(Group::optType, 2);
        QVERIFY(f.o.isEnabled(Option::chkTagfahrlicht));

        // A Premium module leaves the box alone when the model changes back ...
        f.t.ctx.module.moduleType = QStringLiteral("6.2");
        f.o.select(Group::optType, 3);
        f.o.select(Group::optType, 1);
        QVERIFY(!f.o.isEnabled(Option::chkTagfahrlicht));
        // ... and enables it, whatever the model, when it is identified.
        f.o.select(Group::optType, 6);
        f.o.Modul_Typ_Freigeben();
        QVERIFY(f.o.isEnabled(Option::chkTagfahrlicht));
    }

    void greetingLightByVehicleAndYear_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("greeting");
        QTest::addColumn<bool>("lci");
        QTest::newRow("1er") << "112" << true << false;
        QTest::newRow("3er Touring 4.2007") << "220" << true << false;
        QTest::newRow("5er without facelift") << "311" << true << true;
        QTest::newRow("5er with facelift") << "312" << false << false;
        QTest::newRow("5er Touring from 10.2006") << "323" << true << true;
        QTest::newRow("6er with facelift") << "432" << false << false;
        QTest::newRow("6er from 10.2006") << "433" << true << false;
        QTest::newRow("X5") << "611" << false << false;
        QTest::newRow("Mini") << "731" << false << false;
    }
    void greetingLightByVehicleAndYear()
    {
        QFETCH(QString, code);
        QFETCH(bool, greeting);
        QFETCH(bool, lci);
        Fixture f;
        // Start from a 5er without facelift with everything ticked.
        f.apply("311", "12100001100001000000");
        QVERIFY(f.o.isChecked(Option::chkCommingHome_Auf));
        QVERIFY(f.o.isChecked(Option::E6x_LCI_Modul));
        f.o.select(Group::optType, code[0].digitValue());
        f.o.select(Group::optBauform, code[1].digitValue());
        f.o.select(Group::optBaujahr, code[2].digitValue());
        QCOMPARE(f.o.selectedVehicleCode(), code);
        for (Option o : {Option::chkCommingHome_Auf, Option::chkCommingHome_Zu}) {
            QCOMPARE(f.o.isEnabled(o), greeting);
            if (!greeting)
                QVERIFY(!f.o.isChecked(o));
        }
        QCOMPARE(f.o.isEnabled(Option::E6x_LCI_Modul), lci);
        if (!lci) {
            QVERIFY(!f.o.isChecked(Option::E6x_LCI_Modul));
            QCOMPARE(f.at(14), u'0');
        }
        // A box cleared by a rule has its place rewritten.
        if (!greeting) {
            QCOMPARE(f.at(8), u'0');
            QCOMPARE(f.at(9), u'0');
            QVERIFY(!f.o.isEnabled(List::combBegruessung));
            QVERIFY(!f.o.isEnabled(List::combVerabschiedung));
        }
    }

    void greetingBoxesEnableTheirLists()
    {
        Fixture f;
        f.apply("112");
        QVERIFY(!f.o.isEnabled(List::combBegruessung));
        QVERIFY(!f.o.isEnabled(Option::chkSoft_Ein));
        f.o.setChecked(Option::chkCommingHome_Auf, true);
        QVERIFY(f.o.isEnabled(List::combBegruessung));
        QVERIFY(f.o.isEnabled(Option::chkSoft_Ein));
        QVERIFY(!f.o.isEnabled(List::combVerabschiedung));
        QCOMPARE(f.at(8), u'1');
        f.o.setChecked(Option::chkCommingHome_Zu, true);
        QVERIFY(f.o.isEnabled(List::combVerabschiedung));
        QCOMPARE(f.at(9), u'1');
        f.o.setChecked(Option::chkCommingHome_Auf, false);
        QVERIFY(!f.o.isEnabled(List::combBegruessung));
        QVERIFY(!f.o.isEnabled(Option::chkSoft_Ein));
        QCOMPARE(f.at(8), u'0');
    }

    void moduleEditions_data()
    {
        QTest::addColumn<QString>("moduleType");
        QTest::addColumn<bool>("comfort"); // daytime, parking, greeting, farewell, daytime over parking
        QTest::addColumn<bool>("mirrors");
        QTest::addColumn<bool>("cleared"); // the comfort boxes were cleared
        QTest::newRow("5.0") << "5.0" << false << false << true;
        QTest::newRow("6.0") << "6.0" << false << false << true;
        QTest::newRow("5.1") << "5.1" << true << false << false;
        QTest::newRow("6.1") << "6.1" << true << false << false;
        QTest::newRow("5.2") << "5.2" << true << true << false;
        QTest::newRow("6.2") << "6.2" << true << true << false;
    }
    void moduleEditions()
    {
        QFETCH(QString, moduleType);
        QFETCH(bool, comfort);
        QFETCH(bool, mirrors);
        QFETCH(bool, cleared);
        Fixture f;
        // 1er with the greeting and farewell light, US parking light, soft on and the short mirror fold.
        f.apply("112", "12100111110010000000");
        QVERIFY(f.o.isChecked(Option::chkSpiegel_Kurz));
        f.t.ctx.module.moduleType = moduleType;
        f.o.Modul_Typ_Freigeben();
        for (Option o : {Option::chkTagfahrlicht, Option::chkStandlicht_US, Option::chkCommingHome_Auf,
                         Option::chkCommingHome_Zu, Option::chkTagfahrlicht_Standlicht})
            QCOMPARE(f.o.isEnabled(o), comfort);
        for (Option o : {Option::chkSpiegel_Kurz, Option::chkSpiegel_Lang})
            QCOMPARE(f.o.isEnabled(o), mirrors);
        QCOMPARE(f.o.isChecked(Option::chkSpiegel_Kurz), mirrors);
        QCOMPARE(f.at(10), mirrors ? u'1' : u'0');
        QCOMPARE(f.o.isChecked(Option::chkCommingHome_Auf), !cleared);
        QCOMPARE(f.o.isChecked(Option::chkStandlicht_US), !cleared);
        QCOMPARE(f.o.isChecked(Option::chkSoft_Ein), !cleared);
        // Both lists and "Soft ein" follow the greeting and farewell boxes.
        QCOMPARE(f.o.isEnabled(List::combBegruessung), !cleared);
        QCOMPARE(f.o.isEnabled(List::combVerabschiedung), !cleared);
        QCOMPARE(f.o.isEnabled(Option::chkSoft_Ein), !cleared);
        if (cleared)
            QCOMPARE(f.t.document.parameterString().mid(4, 9), QStringLiteral("000000000"));
    }

    void unknownEditionChangesNothing()
    {
        Fixture f;
        f.apply("112", "12100111110010000000");
        f.t.ctx.module.moduleType = QStringLiteral("7.0");
        const QString before = f.t.document.parameterString();
        f.o.Modul_Typ_Freigeben();
        QCOMPARE(f.t.document.parameterString(), before);
        QVERIFY(f.o.isEnabled(Option::chkSpiegel_Kurz));
        QVERIFY(f.o.isEnabled(Option::chkCommingHome_Auf));
    }

    void mirrorsExcludeEachOther()
    {
        Fixture f;
        f.apply("112");
        f.t.ctx.module.moduleType = QStringLiteral("5.1");
        f.o.Modul_Typ_Freigeben();
        QVERIFY(!f.o.isEnabled(Option::chkSpiegel_Kurz));
        QVERIFY(!f.o.isEnabled(Option::chkSpiegel_Lang));
        f.t.ctx.module.moduleType = QStringLiteral("6.2");
        f.o.Modul_Typ_Freigeben();
        QVERIFY(f.o.isEnabled(Option::chkSpiegel_Kurz));
        f.o.setChecked(Option::chkSpiegel_Kurz, true);
        f.o.setChecked(Option::chkSpiegel_Lang, true);
        QVERIFY(!f.o.isChecked(Option::chkSpiegel_Kurz));
        QCOMPARE(f.t.document.parameterString().mid(9, 2), QStringLiteral("01"));
        f.o.setChecked(Option::chkSpiegel_Kurz, true);
        QVERIFY(!f.o.isChecked(Option::chkSpiegel_Lang));
        QCOMPARE(f.t.document.parameterString().mid(9, 2), QStringLiteral("10"));
    }

    void lciFirmwareCheck_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("refused");
        QTest::newRow("not asked") << "" << false;
        QTest::newRow("2.2") << "2.2" << true;
        QTest::newRow("1.9") << "1.9" << true;
        QTest::newRow("2,1") << "2,1" << true;
        QTest::newRow("2.3") << "2.3" << false;
        QTest::newRow("2.4") << "2.4" << false;
        QTest::newRow("10.0") << "10.0" << false;
    }
    void lciFirmwareCheck()
    {
        QFETCH(QString, version);
        QFETCH(bool, refused);
        Fixture f;
        f.apply("311");
        f.t.ctx.module.moduleType = QStringLiteral("6.1");
        f.t.ctx.module.moduleVersion = version;
        f.o.setChecked(Option::E6x_LCI_Modul, true);
        QCOMPARE(f.o.isChecked(Option::E6x_LCI_Modul), !refused);
        QCOMPARE(f.at(14), refused ? u'0' : u'1');
        if (!refused) {
            QVERIFY(f.t.prompter.shown.isEmpty());
            return;
        }
        QCOMPARE(f.t.prompter.shown.size(), 1);
        const ScriptedPrompter::Shown& m = f.t.prompter.shown.first();
        QCOMPARE(m.icon, Prompter::Icon::Exclamation);
        QCOMPARE(m.text, f.text(210) + "\r\n\r\n" + f.text(212) + " " + f.text(127) + " 2.3\r\n\r\n" +
                             f.text(127) + version + "  / Typ 6.1");
        QVERIFY(m.text.contains(QStringLiteral("Firmware-Version  2.3")));
    }

    void fogLampSwapExplainedOnlyToTheUser()
    {
        Fixture f;
        f.apply("112", "12100000000100000000");
        QVERIFY(f.o.isChecked(Option::chkVebel_vorne_vertauschen));
        QVERIFY(f.t.prompter.shown.isEmpty());
        QVERIFY(f.o.optionsLoaded());
        f.o.setChecked(Option::chkVebel_vorne_vertauschen, false);
        QCOMPARE(f.at(12), u'0');
        QVERIFY(f.t.prompter.shown.isEmpty());
        f.o.setChecked(Option::chkVebel_vorne_vertauschen, true);
        QCOMPARE(f.at(12), u'1');
        QCOMPARE(f.t.prompter.shown.size(), 1);
        const ScriptedPrompter::Shown& m = f.t.prompter.shown.first();
        QCOMPARE(m.text, f.text(205) + "\r\n" + f.text(206));
        QCOMPARE(m.title, QStringLiteral("Quandor Information"));
        QCOMPARE(m.icon, Prompter::Icon::Information);
    }

    void storedOptionsAreApplied()
    {
        Fixture f;
        // Rings and cornering light off, US parking light, daytime light over
        // the parking lights, farewell light, long mirror fold, soft on
        // (without greeting light), places 15 to 20 carried along.
        f.apply("112", "02000110101010123456");
        QVERIFY(!f.o.isChecked(Option::chk_Abbiegelicht));
        QVERIFY(f.o.isChecked(Option::chkStandlicht_US));
        QVERIFY(f.o.isChecked(Option::chkTagfahrlicht_Standlicht));
        QVERIFY(f.o.isChecked(Option::chkCommingHome_Zu));
        QVERIFY(f.o.isChecked(Option::chkSpiegel_Lang));
        QVERIFY(f.o.isChecked(Option::chkSoft_Ein));
        QVERIFY(!f.o.isChecked(Option::chkRinge));
        QVERIFY(!f.o.isChecked(Option::chkTagfahrlicht));
        QVERIFY(!f.o.isChecked(Option::chkVebel_vorne_vertauschen));
        QCOMPARE(f.o.selected(Group::chkFernlicht), 2);
        QCOMPARE(f.t.document.parameterString(), QStringLiteral("02000110101010123456"));
        QCOMPARE(f.t.ctx.vehicle.ringLights, 0);
    }

    void badStoredValuesDoNoHarm()
    {
        Fixture f;
        // A short string from a file and a headlamp digit out of range.
        f.apply("112", "19");
        QCOMPARE(f.o.selected(Group::chkFernlicht), 2);
        f.o.setChecked(Option::E6x_LCI_Modul, true);
        f.o.setChecked(Option::chkSoft_Ein, true);
        QCOMPARE(f.t.document.parameterString().size(), 14);
        QCOMPARE(f.at(13), u'1');
        f.apply("x?", "");
        f.apply("", "abcdefghijklmnopqrst");
        QVERIFY(f.t.prompter.shown.isEmpty());
    }

    void okStoresTheChoice()
    {
        Fixture f;
        f.apply("112");
        f.o.select(Group::optType, 2);
        f.o.select(Group::optBauform, 2);
        f.o.select(Group::chkFernlicht, 3);
        f.o.cmdOK_Click();
        QCOMPARE(f.t.document.vehicleCode(), QStringLiteral("220"));
        QCOMPARE(f.t.settings.get(QStringLiteral("Quandor_E6x"), QStringLiteral("Fahrzeug_Type")),
                 QStringLiteral("220"));
        QCOMPARE(f.t.settings.get(QStringLiteral("Quandor_E6x"), QStringLiteral("Parameter")),
                 QStringLiteral("13100000000000000000"));
        QCOMPARE(f.t.ctx.vehicle.headlampCornering, 1);
    }

    void durationListsAreSavedOnlyWhenPicked()
    {
        Fixture f;
        f.o.setListIndex(List::combBegruessung, 5);
        QCOMPARE(f.o.listIndex(List::combBegruessung), 5);
        QVERIFY(f.t.settings.get(QStringLiteral("Time_Kommen")).isEmpty());
        f.o.chooseListIndex(List::combBegruessung, 0);
        f.o.chooseListIndex(List::combVerabschiedung, 13);
        f.o.chooseListIndex(List::combVerabschiedung, 14); // no such item
        QCOMPARE(f.t.settings.get(QStringLiteral("Time_Kommen")), QStringLiteral("0"));
        QCOMPARE(f.t.settings.get(QStringLiteral("Time_Gehen")), QStringLiteral("13"));
        QCOMPARE(f.o.listIndex(List::combVerabschiedung), 13);
    }

    void oneChangeSignalPerOperation()
    {
        Fixture f;
        int changes = 0;
        connect(&f.o, &VehicleOptions::changed, this, [&changes] { ++changes; });
        f.apply("433", "12100111110010000000");
        QCOMPARE(changes, 1);
        f.o.select(Group::optType, 4); // already selected: nothing happens
        QCOMPARE(changes, 1);
        f.o.select(Group::optBauform, 4);
        QCOMPARE(changes, 2);
    }
};

QTEST_GUILESS_MAIN(TestVehicleOptions)
#include "test_vehicle_options.moc"
