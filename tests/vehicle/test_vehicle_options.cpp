#include "tests/support/TestContext.h"
#include "vehicle/VehicleOptions.h"

#include <QTest>

using Group = VehicleOptions::Group;
using Option = VehicleOptions::Option;
using List = VehicleOptions::List;

namespace {

// An options model whose messages go to the context's scripted prompter, as the dialog shows them.
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
    void choose(const QString& code)
    {
        o.select(Group::optType, code[0].digitValue());
        o.select(Group::optBauform, code[1].digitValue());
        o.select(Group::optBaujahr, code[2].digitValue());
    }
    char16_t at(int position) const { return t.document.parameterString().at(position - 1).unicode(); }
    QString text(int n) const { return t.texts.text(n); }
};

} // namespace

class TestVehicleOptions : public QObject
{
    Q_OBJECT
private slots:
    void headlampTypeGovernsTheRings()
    {
        const struct
        {
            int headlamp;
            bool ringsFree;
            int highBeam, cornering, drlBulb;
        } rows[] = {{1, false, 0, 0, 0}, {2, true, 1, 0, 0}, {3, false, 0, 1, 0}, {4, false, 0, 0, 1}};
        for (const auto& row : rows) {
            Fixture f;
            f.apply("312");
            f.o.setChecked(Option::chkRinge, false);
            f.o.select(Group::chkFernlicht, row.headlamp == 1 ? 2 : 1);
            f.o.select(Group::chkFernlicht, row.headlamp);
            QCOMPARE(f.at(2), u'0' + row.headlamp);
            QCOMPARE(f.o.isEnabled(Option::chkRinge), row.ringsFree);
            // Options 1, 3 and 4 tick the rings; they stay ticked after option 2.
            QVERIFY(f.o.isChecked(Option::chkRinge));
            QCOMPARE(f.at(1), u'1');
            const VehicleConfig& v = f.t.ctx.vehicle;
            QCOMPARE(v.headlampHighBeam, row.highBeam);
            QCOMPARE(v.headlampCornering, row.cornering);
            QCOMPARE(v.headlampDrlBulb, row.drlBulb);
            QCOMPARE(v.ringLights, 1);
        }
        // On the Mini the rings are never free.
        Fixture f;
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
        f.o.setChecked(Option::chkRinge, false);
        QCOMPARE(f.t.ctx.vehicle.ringLights, 0);
        QCOMPARE(f.at(1), u'0');
        f.o.setChecked(Option::chkRinge, true);
        QCOMPARE(f.t.ctx.vehicle.ringLights, 1);
        QCOMPARE(f.at(1), u'1');
    }

    void miniFogLamp()
    {
        Fixture f;
        f.apply("112", "12010000000000000000");
        // No BMW has one rear fog lamp in the middle.
        QVERIFY(!f.o.isEnabled(Option::chkEine_Nebelleuchte));
        QVERIFY(!f.o.isChecked(Option::chkEine_Nebelleuchte));
        QCOMPARE(f.at(4), u'0');

        f.apply("731", "12110000000000000000");
        QVERIFY(f.o.isChecked(Option::chkEine_Nebelleuchte));
        QVERIFY(f.t.ctx.vehicle.oneRearFogLamp);
        QVERIFY(!f.o.isChecked(Option::chkRinge));
        // Applying the same file again keeps the fog lamp, though the Mini's
        // option group clears the box on the way.
        f.apply("731", "12110000000000000000");
        QVERIFY(f.o.isChecked(Option::chkEine_Nebelleuchte));
        QCOMPARE(f.at(4), u'1');

        f.o.select(Group::optBauform, 4); // Cabrio: selectable, cleared
        QVERIFY(f.o.isEnabled(Option::chkEine_Nebelleuchte));
        QVERIFY(!f.t.ctx.vehicle.oneRearFogLamp);
        QCOMPARE(f.at(4), u'0');
        f.o.setChecked(Option::chkEine_Nebelleuchte, true);
        f.o.select(Group::optBauform, 5); // Clubman
        QVERIFY(!f.o.isEnabled(Option::chkEine_Nebelleuchte));
        QVERIFY(!f.o.isChecked(Option::chkEine_Nebelleuchte));
        QCOMPARE(f.at(4), u'0');
    }

    void daytimeLights()
    {
        Fixture f;
        f.apply("112");
        f.o.setChecked(Option::chkTagfahrlicht, true);
        f.o.setChecked(Option::chkTagfahrlicht_Standlicht, true);
        QVERIFY(!f.o.isChecked(Option::chkTagfahrlicht));
        QCOMPARE(f.t.document.parameterString().mid(4, 3), QStringLiteral("001"));
        f.o.setChecked(Option::chkTagfahrlicht, true);
        QVERIFY(!f.o.isChecked(Option::chkTagfahrlicht_Standlicht));
        QCOMPARE(f.t.document.parameterString().mid(4, 3), QStringLiteral("100"));

        // Only the 1er and 3er have them.
        f.o.select(Group::optType, 3);
        QVERIFY(!f.o.isEnabled(Option::chkTagfahrlicht));
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

    void greetingLightByVehicleAndYear()
    {
        const struct
        {
            const char* code;
            bool greeting, lci;
        } rows[] = {{"112", true, false},  {"220", true, false},  {"311", true, true},
                    {"312", false, false}, {"323", true, true},   {"432", false, false},
                    {"433", true, false},  {"611", false, false}, {"731", false, false}};
        for (const auto& row : rows) {
            Fixture f;
            // A 5er without facelift with greeting, farewell light and LCI rear lights.
            f.apply("311", "12100001100001000000");
            QVERIFY(f.o.isChecked(Option::E6x_LCI_Modul));
            f.choose(QString::fromLatin1(row.code));
            QCOMPARE(f.o.isEnabled(Option::chkCommingHome_Auf), row.greeting);
            QCOMPARE(f.o.isEnabled(Option::chkCommingHome_Zu), row.greeting);
            QCOMPARE(f.o.isEnabled(Option::E6x_LCI_Modul), row.lci);
            // A box cleared by a rule has its place rewritten.
            QCOMPARE(f.at(8), row.greeting ? u'1' : u'0');
            QCOMPARE(f.at(9), row.greeting ? u'1' : u'0');
            QCOMPARE(f.at(14), row.lci ? u'1' : u'0');
            QCOMPARE(f.o.isEnabled(List::combBegruessung), row.greeting);
        }
    }

    void greetingBoxesEnableTheirLists()
    {
        Fixture f;
        f.apply("112");
        QVERIFY(!f.o.isEnabled(List::combBegruessung));
        f.o.setChecked(Option::chkCommingHome_Auf, true);
        QVERIFY(f.o.isEnabled(List::combBegruessung));
        QVERIFY(f.o.isEnabled(Option::chkSoft_Ein));
        QVERIFY(!f.o.isEnabled(List::combVerabschiedung));
        f.o.setChecked(Option::chkCommingHome_Zu, true);
        QVERIFY(f.o.isEnabled(List::combVerabschiedung));
        f.o.setChecked(Option::chkCommingHome_Auf, false);
        QVERIFY(!f.o.isEnabled(List::combBegruessung));
        QVERIFY(!f.o.isEnabled(Option::chkSoft_Ein));
        QCOMPARE(f.t.document.parameterString().mid(7, 2), QStringLiteral("01"));
    }

    void moduleEditions()
    {
        const struct
        {
            const char* type;
            bool comfort, mirrors;
        } rows[] = {{"5.0", false, false}, {"6.0", false, false}, {"5.1", true, false},
                    {"6.1", true, false},  {"5.2", true, true},   {"6.2", true, true}};
        for (const auto& row : rows) {
            Fixture f;
            // A 1er with US parking light, daytime light over parking lights, greeting and
            // farewell light, short mirror fold and soft on.
            f.apply("112", "12100111110010000000");
            f.t.ctx.module.moduleType = QString::fromLatin1(row.type);
            f.o.Modul_Typ_Freigeben();
            for (Option o : {Option::chkTagfahrlicht, Option::chkStandlicht_US, Option::chkCommingHome_Auf,
                             Option::chkCommingHome_Zu, Option::chkTagfahrlicht_Standlicht})
                QCOMPARE(f.o.isEnabled(o), row.comfort);
            QCOMPARE(f.o.isEnabled(Option::chkSpiegel_Kurz), row.mirrors);
            QCOMPARE(f.o.isEnabled(Option::chkSpiegel_Lang), row.mirrors);
            QCOMPARE(f.o.isChecked(Option::chkSpiegel_Kurz), row.mirrors);
            // Edition 0 clears every light function; the lists and "Soft ein" follow the boxes.
            QCOMPARE(f.o.isChecked(Option::chkCommingHome_Auf), row.comfort);
            QCOMPARE(f.o.isEnabled(List::combBegruessung), row.comfort);
            QCOMPARE(f.o.isEnabled(List::combVerabschiedung), row.comfort);
            QCOMPARE(f.o.isEnabled(Option::chkSoft_Ein), row.comfort);
            QCOMPARE(
                f.t.document.parameterString().mid(4, 9),
                QString::fromLatin1(row.comfort ? (row.mirrors ? "011111001" : "011110001") : "000000000"));
        }
        // Any other edition changes nothing.
        Fixture f;
        f.apply("112", "12100111110010000000");
        f.t.ctx.module.moduleType = QStringLiteral("7.0");
        f.o.Modul_Typ_Freigeben();
        QCOMPARE(f.t.document.parameterString(), QStringLiteral("12100111110010000000"));
        QVERIFY(f.o.isEnabled(Option::chkSpiegel_Kurz));
    }

    void mirrorsExcludeEachOther()
    {
        Fixture f;
        f.apply("112");
        f.t.ctx.module.moduleType = QStringLiteral("6.2");
        f.o.Modul_Typ_Freigeben();
        f.o.setChecked(Option::chkSpiegel_Kurz, true);
        f.o.setChecked(Option::chkSpiegel_Lang, true);
        QVERIFY(!f.o.isChecked(Option::chkSpiegel_Kurz));
        QCOMPARE(f.t.document.parameterString().mid(9, 2), QStringLiteral("01"));
        f.o.setChecked(Option::chkSpiegel_Kurz, true);
        QVERIFY(!f.o.isChecked(Option::chkSpiegel_Lang));
        QCOMPARE(f.t.document.parameterString().mid(9, 2), QStringLiteral("10"));
    }

    void lciFirmwareCheck()
    {
        const struct
        {
            const char* version;
            bool refused;
        } rows[] = {{"", false},   {"2.2", true},  {"1.9", true},
                    {"2,1", true}, {"2.3", false}, {"10.0", false}};
        for (const auto& row : rows) {
            Fixture f;
            f.apply("311");
            f.t.ctx.module.moduleType = QStringLiteral("6.1");
            f.t.ctx.module.moduleVersion = QString::fromLatin1(row.version);
            f.o.setChecked(Option::E6x_LCI_Modul, true);
            QCOMPARE(f.o.isChecked(Option::E6x_LCI_Modul), !row.refused);
            QCOMPARE(f.at(14), row.refused ? u'0' : u'1');
            QCOMPARE(f.t.prompter.shown.size(), row.refused ? 1 : 0);
        }
        Fixture f;
        f.apply("311");
        f.t.ctx.module.moduleType = QStringLiteral("6.1");
        f.t.ctx.module.moduleVersion = QStringLiteral("2.2");
        f.o.setChecked(Option::E6x_LCI_Modul, true);
        const ScriptedPrompter::Shown& m = f.t.prompter.shown.first();
        QCOMPARE(m.icon, Prompter::Icon::Exclamation);
        QCOMPARE(m.text, f.text(210) + "\r\n\r\n" + f.text(212) + " " + f.text(127) + " 2.3\r\n\r\n" +
                             f.text(127) + "2.2  / Typ 6.1");
    }

    void fogLampSwapExplainedOnlyToTheUser()
    {
        Fixture f;
        f.apply("112", "12100000000100000000");
        QVERIFY(f.o.isChecked(Option::chkVebel_vorne_vertauschen));
        QVERIFY(f.t.prompter.shown.isEmpty());
        f.o.setChecked(Option::chkVebel_vorne_vertauschen, false);
        QCOMPARE(f.at(12), u'0');
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
        // Rings and cornering light off, US parking light, daytime light over the parking
        // lights, farewell light, long mirror fold, soft on; places 15 to 20 carried along.
        f.apply("112", "02000110101010123456");
        for (Option o : {Option::chkStandlicht_US, Option::chkTagfahrlicht_Standlicht,
                         Option::chkCommingHome_Zu, Option::chkSpiegel_Lang, Option::chkSoft_Ein})
            QVERIFY(f.o.isChecked(o));
        for (Option o : {Option::chkRinge, Option::chk_Abbiegelicht, Option::chkTagfahrlicht,
                         Option::chkVebel_vorne_vertauschen})
            QVERIFY(!f.o.isChecked(o));
        QCOMPARE(f.t.document.parameterString(), QStringLiteral("02000110101010123456"));
        QCOMPARE(f.t.ctx.vehicle.ringLights, 0);
        QVERIFY(f.o.optionsLoaded());

        // A short string and a headlamp digit out of range do no harm; places written later are added.
        f.apply("112", "19");
        QCOMPARE(f.o.selected(Group::chkFernlicht), 2);
        f.o.setChecked(Option::chkSoft_Ein, true);
        QCOMPARE(f.t.document.parameterString(), QStringLiteral("1900000000001"));
        f.apply("x?", "");
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
    }
};

QTEST_GUILESS_MAIN(TestVehicleOptions)
#include "test_vehicle_options.moc"
