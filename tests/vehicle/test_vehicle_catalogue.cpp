#include "tests/support/TestContext.h"
#include "vehicle/ModelLayout.h"
#include "vehicle/VehicleCatalogue.h"
#include "vehicle/VehicleOptions.h"

#include <QTest>

using Group = VehicleOptions::Group;
using Option = VehicleOptions::Option;
using Bases = std::array<int, 4>;
using Indexes = QList<int>;

namespace {

Indexes enabledButtons(const VehicleOptions& o, Group g)
{
    Indexes out;
    for (int i = VehicleOptions::firstIndex(g); i <= VehicleOptions::lastIndex(g); ++i) {
        if (o.isEnabled(g, i))
            out.append(i);
    }
    return out;
}

QString germanCaption(Group g, int i)
{
    switch (g) {
    case Group::optType:
        return VehicleCatalogue::modelCaption(i);
    case Group::optBauform:
        return VehicleCatalogue::bodyCaption(i);
    case Group::optBaujahr:
        return VehicleCatalogue::yearCaption(i);
    case Group::chkFernlicht:
        return VehicleCatalogue::headlampCaption(i);
    }
    return {};
}

} // namespace

class TestVehicleCatalogue : public QObject
{
    Q_OBJECT
private slots:
    // Choosing a model type: its body styles, the body style and year it lands on.
    void modelTypeMasks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Indexes>("bodies");
        QTest::addColumn<int>("body");
        QTest::addColumn<Indexes>("years");
        QTest::addColumn<QString>("code");
        QTest::newRow("1er") << 1 << Indexes{1, 3, 4} << 1 << Indexes{1, 2} << "111";
        QTest::newRow("3er") << 2 << Indexes{1, 2, 3, 4} << 1 << Indexes{0, 1, 2} << "211";
        QTest::newRow("5er") << 3 << Indexes{1, 2} << 1 << Indexes{1, 2, 3} << "311";
        QTest::newRow("6er") << 4 << Indexes{3, 4} << 3 << Indexes{1, 2, 3} << "431";
        QTest::newRow("X5") << 6 << Indexes{1} << 1 << Indexes{1} << "611";
        QTest::newRow("Mini") << 7 << Indexes{3, 4, 5} << 3 << Indexes{1} << "731";
        QTest::newRow("Z4") << 8 << Indexes{4} << 4 << Indexes{1} << "841";
        QTest::newRow("X6") << 9 << Indexes{1} << 1 << Indexes{1} << "911";
    }
    void modelTypeMasks()
    {
        QFETCH(int, type);
        QFETCH(Indexes, bodies);
        QFETCH(int, body);
        QFETCH(Indexes, years);
        QFETCH(QString, code);
        TestContext t;
        VehicleOptions o(t.ctx);
        // Start from another vehicle so every choice changes something.
        o.select(Group::optType, type == 2 ? 3 : 2);
        o.select(Group::optType, type);
        QCOMPARE(o.selected(Group::optType), type);
        QCOMPARE(enabledButtons(o, Group::optBauform), bodies);
        QCOMPARE(o.selected(Group::optBauform), body);
        QCOMPARE(enabledButtons(o, Group::optBaujahr), years);
        QCOMPARE(o.selected(Group::optBaujahr), 1);
        QCOMPARE(o.selectedVehicleCode(), code);
        QVERIFY(t.prompter.shown.isEmpty());
    }

    // Every combination of the catalogue: its years, the year it lands on,
    // its code, module number and option group.
    void bodyStyleYears_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("body");
        QTest::addColumn<Indexes>("years");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("mini");
        QTest::newRow("1er Limousine") << 1 << 1 << Indexes{1, 2} << 1 << 1 << false;
        QTest::newRow("1er Coupé") << 1 << 3 << Indexes{1} << 1 << 3 << false;
        QTest::newRow("1er Cabrio") << 1 << 4 << Indexes{1} << 1 << 4 << false;
        QTest::newRow("3er Limousine") << 2 << 1 << Indexes{0, 1, 2} << 1 << 12 << false;
        QTest::newRow("3er Touring") << 2 << 2 << Indexes{0, 1, 2} << 0 << 8 << false;
        QTest::newRow("3er Coupé") << 2 << 3 << Indexes{1} << 1 << 10 << false;
        QTest::newRow("3er Cabrio") << 2 << 4 << Indexes{1} << 1 << 11 << false;
        QTest::newRow("5er Limousine") << 3 << 1 << Indexes{1, 2, 3} << 1 << 16 << false;
        QTest::newRow("5er Touring") << 3 << 2 << Indexes{1, 2, 3} << 1 << 17 << false;
        QTest::newRow("6er Coupé") << 4 << 3 << Indexes{1, 2, 3} << 1 << 18 << false;
        QTest::newRow("6er Cabrio") << 4 << 4 << Indexes{1, 2} << 1 << 19 << false;
        QTest::newRow("X5") << 6 << 1 << Indexes{1} << 1 << 35 << false;
        QTest::newRow("X6") << 9 << 1 << Indexes{1} << 1 << 36 << false;
        QTest::newRow("Z4") << 8 << 4 << Indexes{1} << 1 << 5 << false;
        QTest::newRow("Mini Coupé") << 7 << 3 << Indexes{1} << 1 << 40 << true;
        QTest::newRow("Mini Cabrio") << 7 << 4 << Indexes{1} << 1 << 41 << true;
        QTest::newRow("Mini Clubman") << 7 << 5 << Indexes{1} << 1 << 42 << true;
    }
    void bodyStyleYears()
    {
        QFETCH(int, type);
        QFETCH(int, body);
        QFETCH(Indexes, years);
        QFETCH(int, year);
        QFETCH(int, number);
        QFETCH(bool, mini);
        TestContext t;
        VehicleOptions o(t.ctx);
        o.select(Group::optType, type);
        o.select(Group::optBauform, body);
        QCOMPARE(enabledButtons(o, Group::optBaujahr), years);
        QCOMPARE(o.selected(Group::optBaujahr), year);
        const QString code = o.selectedVehicleCode();
        QCOMPARE(code, QString::number(type * 100 + body * 10 + year).rightJustified(3, QLatin1Char('0')));
        QCOMPARE(VehicleCatalogue::codedVehicleNumber(code), number);
        // The option group: the Mini's headlamps 3 and 4 are not offered.
        QCOMPARE(o.isEnabled(Group::chkFernlicht, 3), !mini);
        QCOMPARE(o.isEnabled(Option::chkEine_Nebelleuchte), mini && body != 5);
    }

    void sevenSeriesIsRefused()
    {
        TestContext t;
        VehicleOptions o(t.ctx);
        QList<VehicleOptions::Message> messages;
        connect(&o, &VehicleOptions::messageRequested, this,
                [&messages](const VehicleOptions::Message& m) { messages.append(m); });
        o.select(Group::optType, 3);
        o.select(Group::optType, 5);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text,
                 QStringLiteral("Achtung: für den 7er E65 steht eine separate Software zur "
                                "Verfügung, bitte wenden Sie sich an >> info@vantor.example <<"));
        QCOMPARE(messages[0].title, QString());
        QCOMPARE(messages[0].icon, Prompter::Icon::Question);
        QCOMPARE(o.selected(Group::optType), 1);
        QCOMPARE(enabledButtons(o, Group::optBauform), (Indexes{1, 3, 4}));
        QCOMPARE(o.selectedVehicleCode(), QStringLiteral("111"));

        // A stored 7er code says so once, too, and keeps its module number.
        messages.clear();
        t.document.setVehicleCode(QStringLiteral("511"));
        o.ApplyDocumentVehicle();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(o.selected(Group::optType), 1);
        const ModelLayout layout = modelLayout(QStringLiteral("511"), true, false, false);
        QCOMPARE(layout.codedVehicleNumber, 30);
        QVERIFY(!layout.viewPictureBase);
        QVERIFY(!layout.plates);
    }

    void storedCodesAreRestored_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("yearEnabled");
        QTest::newRow("6er Cabrio from 10.2006, a disabled year") << "443" << 4 << 4 << 3 << false;
        QTest::newRow("3er Touring from 4.2007") << "220" << 2 << 2 << 0 << true;
        QTest::newRow("5er with facelift") << "312" << 3 << 1 << 2 << true;
        QTest::newRow("year digit 7 clears all years") << "317" << 3 << 1 << -1 << false;
        QTest::newRow("no year digit") << "31" << 3 << 1 << -1 << false;
    }
    void storedCodesAreRestored()
    {
        QFETCH(QString, code);
        QFETCH(int, type);
        QFETCH(int, body);
        QFETCH(int, year);
        QFETCH(bool, yearEnabled);
        TestContext t;
        VehicleOptions o(t.ctx);
        o.select(Group::optType, 1);
        t.document.setVehicleCode(code);
        o.ApplyDocumentVehicle();
        QCOMPARE(o.selected(Group::optType), type);
        QCOMPARE(o.selected(Group::optBauform), body);
        QCOMPARE(o.selected(Group::optBaujahr), year);
        QCOMPARE(year >= 0 && o.isEnabled(Group::optBaujahr, year), yearEnabled);
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void pairOutsideTheCatalogueKeepsTheYears()
    {
        TestContext t;
        VehicleOptions o(t.ctx);
        o.select(Group::optType, 3);
        o.select(Group::optBaujahr, 2);
        o.select(Group::optType, 1); // years 1, 2 of the 1er Limousine
        const Indexes before = enabledButtons(o, Group::optBaujahr);
        o.F_Bauform(2, false); // 1er Touring does not exist
        QCOMPARE(enabledButtons(o, Group::optBaujahr), before);
        const ModelLayout layout = modelLayout(QStringLiteral("121"), true, false, false);
        QVERIFY(!layout.codedVehicleNumber && !layout.viewPictureBase && !layout.plates && !layout.lampAreas);
    }

    void codeToModuleNumber_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("number"); // -1: none
        const QList<QPair<const char*, int>> rows{
            {"111", 1},  {"112", 2},  {"131", 3},  {"141", 4},  {"841", 5},  {"211", 12}, {"210", 6},
            {"212", 7},  {"221", 13}, {"220", 8},  {"222", 9},  {"231", 10}, {"241", 11}, {"311", 16},
            {"313", 14}, {"312", 20}, {"321", 17}, {"323", 15}, {"322", 21}, {"431", 18}, {"433", 25},
            {"441", 19}, {"443", 26}, {"432", 23}, {"442", 24}, {"511", 30}, {"512", 31}, {"611", 35},
            {"911", 36}, {"731", 40}, {"741", 41}, {"751", 42}, {"999", -1}, {"", -1},    {"11", -1}};
        for (const auto& [code, number] : rows)
            QTest::newRow(*code ? code : "empty") << QString::fromLatin1(code) << number;
    }
    void codeToModuleNumber()
    {
        QFETCH(QString, code);
        QFETCH(int, number);
        const std::optional<int> found = VehicleCatalogue::codedVehicleNumber(code);
        QCOMPARE(found.value_or(-1), number);
        QCOMPARE(modelLayout(code, false, false, false).codedVehicleNumber.value_or(-1), number);
    }

    void vehicleNames()
    {
        QCOMPARE(VehicleCatalogue::vehicleName(0), QStringLiteral("Uncodiert"));
        QCOMPARE(VehicleCatalogue::vehicleName(14), QStringLiteral("BMW 5er Limousine LM2 9.06"));
        QCOMPARE(VehicleCatalogue::vehicleName(32), QStringLiteral("BMW 7er LCI LM2"));
        QCOMPARE(VehicleCatalogue::vehicleName(42), QStringLiteral("Mini Clubman"));
        const Indexes empty{22, 27, 28, 29, 33, 34, 37, 38, 39, 43, 44, 45, 46, 47, 48, 49, 50};
        for (int n = 0; n <= 50; ++n)
            QCOMPARE(VehicleCatalogue::vehicleName(n).isEmpty(), empty.contains(n));
        QVERIFY(VehicleCatalogue::vehicleName(-1).isEmpty());
        QVERIFY(VehicleCatalogue::vehicleName(51).isEmpty());
        // Every module number of the catalogue has a name.
        for (const char* code : {"111", "312", "443", "511", "512", "751"})
            QVERIFY(!VehicleCatalogue::vehicleName(*VehicleCatalogue::codedVehicleNumber(QLatin1String(code)))
                         .isEmpty());
    }

    void pictureBases_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("highBeam");
        QTest::addColumn<bool>("oneFog");
        QTest::addColumn<Bases>("bases");
        auto row = [](const char* code, Bases b, bool highBeam = false, bool fog = false) {
            QTest::addRow("%s hb%d fog%d", code, int(highBeam), int(fog))
                << QString::fromLatin1(code) << highBeam << fog << b;
        };
        row("111", {229, 261, 3365, 3429});
        row("112", {229, 261, 709, 773});
        row("131", {421, 437, 1349, 1413});
        row("141", {2245, 2277, 1349, 1413});
        row("841", {2309, 2325, 2341, 2405});
        for (const char* c : {"211", "210"})
            row(c, {357, 389, 1093, 1157});
        for (const char* c : {"221", "220"})
            row(c, {357, 389, 1221, 1285});
        for (const char* c : {"212", "222"})
            row(c, {2469, 2501, 2533, 2597});
        row("231", {293, 325, 837, 901});
        row("241", {293, 325, 965, 1029});
        for (const char* c : {"311", "313", "312"})
            row(c, {101, 165, 453, 517});
        for (const char* c : {"321", "323", "322"})
            row(c, {101, 165, 581, 645});
        for (const char* c : {"431", "433", "441", "443"})
            row(c, {2853, 2885, 3237, 3301});
        for (const char* c : {"432", "442"})
            row(c, {2853, 2885, 2917, 2981});
        row("611", {2661, 2693, 2725, 2789});
        row("911", {3045, 3077, 3109, 3173});
        // The Mini: front by high beam, rear by the one fog lamp in the middle.
        row("731", {1797, 1829, 1605, 1669});
        row("731", {1733, 1765, 1605, 1669}, true);
        row("731", {1797, 1829, 1477, 1541}, false, true);
        row("741", {1797, 1829, 2117, 2181});
        row("741", {1733, 1765, 1989, 2053}, true, true);
        row("751", {1797, 1829, 1861, 1925});
        row("751", {1733, 1765, 1861, 1925}, true);
        row("751", {1797, 1829, 1861, 1925}, false, true);
        // Other flags do not matter to a BMW.
        row("312", {101, 165, 453, 517}, true, true);
    }
    void pictureBases()
    {
        QFETCH(QString, code);
        QFETCH(bool, highBeam);
        QFETCH(bool, oneFog);
        QFETCH(Bases, bases);
        const ModelLayout layout = modelLayout(code, highBeam, false, oneFog);
        QVERIFY(layout.viewPictureBase.has_value());
        QCOMPARE(*layout.viewPictureBase, bases);
    }

    void plates_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("oneFog");
        QTest::addColumn<QRect>("front");
        QTest::addColumn<QRect>("rear");
        auto row = [](QList<const char*> codes, QRect front, QRect rear, bool fog = false) {
            for (const char* c : codes)
                QTest::addRow("%s fog%d", c, int(fog)) << QString::fromLatin1(c) << fog << front << rear;
        };
        row({"111", "112"}, {161, 203, 90, 18}, {167, 469, 85, 18});
        row({"131"}, {163, 202, 85, 18}, {167, 420, 83, 17});
        row({"141"}, {168, 214, 80, 18}, {167, 420, 83, 17});
        row({"841"}, {166, 194, 80, 17}, {169, 474, 80, 17});
        row({"210", "211"}, {164, 210, 87, 17}, {164, 420, 85, 18});
        row({"220", "221"}, {164, 210, 87, 17}, {164, 426, 85, 18});
        row({"212", "222"}, {169, 214, 81, 18}, {170, 436, 81, 18});
        row({"231"}, {162, 211, 88, 19}, {166, 420, 83, 17});
        row({"241"}, {162, 211, 88, 19}, {163, 417, 89, 17});
        row({"311", "312", "313"}, {167, 210, 82, 18}, {170, 428, 80, 17});
        row({"321", "322", "323"}, {167, 210, 82, 18}, {169, 434, 80, 17});
        row({"431", "432", "433", "441", "442", "443"}, {169, 205, 81, 18}, {169, 481, 80, 17});
        row({"611"}, {167, 221, 82, 18}, {166, 430, 80, 17});
        row({"911"}, {165, 195, 81, 17}, {164, 408, 80, 17});
        row({"731", "741"}, {158, 228, 88, 15}, {156, 437, 88, 16}, true);
        row({"731", "741"}, {158, 228, 88, 15}, {158, 435, 90, 16});
        row({"751"}, {158, 228, 88, 15}, {157, 498, 83, 15});
        row({"751"}, {158, 228, 88, 15}, {157, 498, 83, 15}, true);
    }
    void plates()
    {
        QFETCH(QString, code);
        QFETCH(bool, oneFog);
        QFETCH(QRect, front);
        QFETCH(QRect, rear);
        const ModelLayout layout = modelLayout(code, false, false, oneFog);
        QVERIFY(layout.plates.has_value());
        QCOMPARE(layout.plates->front, front);
        QCOMPARE(layout.plates->rear, rear);
        // The lamp areas come with the plates, from the vehicle's area table.
        QVERIFY(layout.lampAreas.has_value());
        QCOMPARE(*layout.lampAreas, lampAreasFor(code, false, false, oneFog));
    }

    void unknownCodesChangeNothing()
    {
        VehicleConfig vehicle;
        vehicle.codedVehicleNumber = 7;
        vehicle.viewPictureBase = {1, 2, 3, 4};
        vehicle.lampAreas.frontMirrorOffset = 12;
        const VehicleConfig before = vehicle;
        for (const char* code : {"999", "", "7", "abc", "1111"}) {
            const ModelLayout layout = modelLayout(QLatin1String(code), true, true, true);
            QVERIFY(!layout.plates && !layout.lampAreas && !layout.viewPictureBase &&
                    !layout.codedVehicleNumber);
            layout.applyTo(vehicle);
            QCOMPARE(vehicle.codedVehicleNumber, before.codedVehicleNumber);
            QCOMPARE(vehicle.viewPictureBase, before.viewPictureBase);
            QCOMPARE(vehicle.lampAreas, before.lampAreas);
        }
        // 511 has a module number but no pictures: the number changes alone.
        modelLayout(QStringLiteral("511"), true, false, false).applyTo(vehicle);
        QCOMPARE(vehicle.codedVehicleNumber, 30);
        QCOMPARE(vehicle.viewPictureBase, before.viewPictureBase);
        QCOMPARE(vehicle.lampAreas, before.lampAreas);
        modelLayout(QStringLiteral("751"), true, false, false).applyTo(vehicle);
        QCOMPARE(vehicle.codedVehicleNumber, 42);
        QCOMPARE(vehicle.viewPictureBase, (Bases{1733, 1765, 1861, 1925}));
    }

    void selectionCaption()
    {
        TestContext t;
        VehicleOptions o(t.ctx);
        o.select(Group::optType, 2);
        o.select(Group::optBauform, 2);
        QCOMPARE(o.selectionCaption(germanCaption),
                 QStringLiteral("Fahrzeugauswahl:  BMW 3er / Touring / Modell ab 4.2007"));
        // A stored year on a disabled button is left out of the title.
        t.document.setVehicleCode(QStringLiteral("443"));
        o.ApplyDocumentVehicle();
        QCOMPARE(o.selectionCaption(germanCaption), QStringLiteral("Fahrzeugauswahl:  BMW 6er / Cabrio"));
    }
};

QTEST_GUILESS_MAIN(TestVehicleCatalogue)
#include "test_vehicle_catalogue.moc"
