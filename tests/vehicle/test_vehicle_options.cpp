#include "tests/support/TestContext.h"
#include "vehicle/ModelLayout.h"
#include "vehicle/VehicleCatalogue.h"
#include "vehicle/VehicleOptions.h"

#include <QTest>

using Group = VehicleOptions::Group;
using Option = VehicleOptions::Option;
using List = VehicleOptions::List;
using Bases = std::array<int, 4>;

namespace {

// The vehicle choice and its options: the catalogue of models, bodies and years, the rules between
// the options, and the layout each vehicle brings.

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
    // The buttons of a group that can be chosen, as digits.
    QString enabled(Group g) const
    {
        QString out;
        for (int i = VehicleOptions::firstIndex(g); i <= VehicleOptions::lastIndex(g); ++i) {
            if (o.isEnabled(g, i))
                out += QChar(u'0' + i);
        }
        return out;
    }
};

} // namespace

class TestVehicleOptions : public QObject
{
    Q_OBJECT
private slots:
    // Every combination of the catalogue. A type enables its bodies and lands on the first (checked
    // at each type's first row); the pair enables its years; the Mini brings its own option group.
    void combinations()
    {
        const struct
        {
            const char *code, *bodies, *years; // code as the choice ends up; digits of the buttons
        } rows[] = {{"111", "134", "12"}, {"131", "", "1"},     {"141", "", "1"},    {"211", "1234", "012"},
                    {"220", "", "012"},   {"231", "", "1"},     {"241", "", "1"},    {"311", "12", "123"},
                    {"321", "", "123"},   {"431", "34", "123"}, {"441", "", "12"},   {"611", "1", "1"},
                    {"911", "1", "1"},    {"841", "4", "1"},    {"731", "345", "1"}, {"741", "", "1"},
                    {"751", "", "1"}};
        for (const auto& row : rows) {
            const QString code = QString::fromLatin1(row.code);
            Fixture f;
            f.o.select(Group::optType, code[0] == u'2' ? 3 : 2);
            f.o.select(Group::optType, code[0].digitValue());
            if (*row.bodies) {
                QCOMPARE(f.enabled(Group::optBauform), QString::fromLatin1(row.bodies));
                QCOMPARE(f.o.selected(Group::optBauform), row.bodies[0] - '0');
            }
            f.o.select(Group::optBauform, code[1].digitValue());
            QCOMPARE(f.o.selectedVehicleCode(), code);
            QCOMPARE(f.enabled(Group::optBaujahr), QString::fromLatin1(row.years));
            // The Mini's option group offers neither headlamp 3 nor 4, but the fog lamp (not on the Clubman).
            const bool mini = code[0] == u'7';
            QCOMPARE(f.o.isEnabled(Group::chkFernlicht, 3), !mini);
            QCOMPARE(f.o.isEnabled(Option::chkEine_Nebelleuchte), mini && code[1] != u'5');
            QVERIFY(f.t.prompter.shown.isEmpty());
        }
    }

    void sevenSeriesIsRefused()
    {
        Fixture f;
        f.o.select(Group::optType, 3);
        f.o.select(Group::optType, 5);
        QCOMPARE(f.t.prompter.shown.size(), 1);
        QVERIFY(f.t.prompter.texts().first().contains(QStringLiteral("7er")));
        QCOMPARE(f.o.selectedVehicleCode(), QStringLiteral("111"));
        QCOMPARE(f.enabled(Group::optBauform), QStringLiteral("134"));
        // A stored 7er code says so once, too.
        f.apply("511");
        QCOMPARE(f.t.prompter.shown.size(), 2);
        QCOMPARE(f.o.selected(Group::optType), 1);
    }

    void storedCodesAreRestored()
    {
        const struct
        {
            const char* code;
            int year; // -1: none selected
            bool yearEnabled;
        } rows[] = {
            {"443", 3, false}, {"220", 0, true}, {"312", 2, true}, {"317", -1, false}, {"31", -1, false}};
        for (const auto& row : rows) {
            Fixture f;
            f.o.select(Group::optType, 1);
            f.apply(row.code);
            QCOMPARE(f.o.selectedVehicleCode(), QString::fromLatin1(row.code).left(row.year < 0 ? 2 : 3));
            QCOMPARE(f.o.selected(Group::optBaujahr), row.year);
            QCOMPARE(row.year >= 0 && f.o.isEnabled(Group::optBaujahr, row.year), row.yearEnabled);
        }
        // A pair outside the catalogue keeps the years.
        Fixture f;
        f.o.select(Group::optType, 1);
        const QString before = f.enabled(Group::optBaujahr);
        f.o.F_Bauform(2, false); // there is no 1er Touring
        QCOMPARE(f.enabled(Group::optBaujahr), before);
    }

    // The year changes the module number, not the pictures; the Mini's pictures follow its high beam
    // and its one rear fog lamp; a code without pictures changes the number alone.
    void layoutFollowsTheChoice()
    {
        auto layout = [](const char* code, bool highBeam = false, bool oneFog = false) {
            return modelLayout(QString::fromLatin1(code), highBeam, false, oneFog);
        };
        QCOMPARE(layout("211").codedVehicleNumber, 12);
        QCOMPARE(layout("210").codedVehicleNumber, 6);
        QCOMPARE(layout("210").viewPictureBase, layout("211").viewPictureBase);
        const Bases mini = *layout("731").viewPictureBase;
        const Bases highBeam = *layout("731", true).viewPictureBase;
        const Bases oneFog = *layout("731", false, true).viewPictureBase;
        QVERIFY(highBeam[0] != mini[0] && highBeam[1] != mini[1] && highBeam[2] == mini[2]);
        QVERIFY(oneFog[2] != mini[2] && oneFog[3] != mini[3] && oneFog[0] == mini[0]);
        QVERIFY(layout("731", false, true).plates->rear != layout("731").plates->rear);

        VehicleConfig vehicle;
        vehicle.codedVehicleNumber = 7;
        vehicle.lampAreas.frontMirrorOffset = 12;
        const VehicleConfig before = vehicle;
        for (const char* unknown : {"999", "", "1111"}) {
            const ModelLayout nothing = layout(unknown, true, true);
            QVERIFY(!nothing.codedVehicleNumber && !nothing.viewPictureBase && !nothing.plates);
            nothing.applyTo(vehicle);
        }
        QCOMPARE(vehicle.codedVehicleNumber, 7);
        layout("511", true).applyTo(vehicle);
        QCOMPARE(vehicle.codedVehicleNumber, 30);
        QCOMPARE(vehicle.viewPictureBase, before.viewPictureBase);
        QCOMPARE(vehicle.lampAreas, before.lampAreas);
        for (int n : {-1, 22, 50, 51})
            QVERIFY(VehicleCatalogue::vehicleName(n).isEmpty());
    }
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
        // Where they are free, the box is followed at once.
        f.apply("112");
        f.o.setChecked(Option::chkRinge, false);
        QCOMPARE(f.t.ctx.vehicle.ringLights, 0);
        QCOMPARE(f.at(1), u'0');
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

        f.o.select(Group::optBauform, 4); // Cabrio: cleared
        QVERIFY(!f.t.ctx.vehicle.oneRearFogLamp);
        QCOMPARE(f.at(4), u'0');
        f.o.setChecked(Option::chkEine_Nebelleuchte, true);
        f.o.select(Group::optBauform, 5); // Clubman: no such lamp
        QVERIFY(!f.o.isChecked(Option::chkEine_Nebelleuchte));
        QCOMPARE(f.at(4), u'0');
    }

    // Daytime light and daytime light over the parking lights, short and long mirror fold.
    void pairsExcludeEachOther()
    {
        const struct
        {
            Option a, b;
            int position, length;
        } rows[] = {{Option::chkTagfahrlicht, Option::chkTagfahrlicht_Standlicht, 5, 3},
                    {Option::chkSpiegel_Kurz, Option::chkSpiegel_Lang, 10, 2}};
        for (const auto& row : rows) {
            Fixture f;
            f.apply("112");
            f.t.ctx.module.moduleType = QStringLiteral("6.2");
            f.o.Modul_Typ_Freigeben();
            f.o.setChecked(row.a, true);
            f.o.setChecked(row.b, true);
            QVERIFY(!f.o.isChecked(row.a));
            const QString zeros(row.length - 1, u'0');
            QCOMPARE(f.t.document.parameterString().mid(row.position - 1, row.length), zeros + u'1');
            f.o.setChecked(row.a, true);
            QVERIFY(!f.o.isChecked(row.b));
            QCOMPARE(f.t.document.parameterString().mid(row.position - 1, row.length), u'1' + zeros);
        }
    }

    void daytimeLightsOnlyOnTheOneAndThree()
    {
        Fixture f;
        f.apply("112");
        f.o.setChecked(Option::chkTagfahrlicht, true);
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
            QCOMPARE(f.t.document.parameterString().mid(7, 2),
                     QString::fromLatin1(row.greeting ? "11" : "00"));
            QCOMPARE(f.at(14), row.lci ? u'1' : u'0');
            QCOMPARE(f.o.isEnabled(List::combBegruessung), row.greeting);
        }
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
            // Edition 0 clears every light function (the places below); the lists and "Soft ein"
            // follow the boxes.
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
            // The message names the version needed and the one found.
            if (row.refused)
                QVERIFY(
                    f.t.prompter.texts().first().contains(QStringLiteral(" 2.3")) &&
                    f.t.prompter.texts().first().contains(QString::fromLatin1(row.version) + "  / Typ 6.1"));
        }
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
