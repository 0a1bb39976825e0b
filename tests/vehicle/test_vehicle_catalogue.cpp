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
    // Choosing a model type enables its body styles and lands on its default one.
    void modelTypes()
    {
        const struct
        {
            int type;
            Indexes bodies;
            int body;
        } rows[] = {{1, {1, 3, 4}, 1}, {2, {1, 2, 3, 4}, 1}, {3, {1, 2}, 1}, {4, {3, 4}, 3},
                    {6, {1}, 1},       {7, {3, 4, 5}, 3},    {8, {4}, 4},    {9, {1}, 1}};
        for (const auto& row : rows) {
            TestContext t;
            VehicleOptions o(t.ctx);
            o.select(Group::optType, row.type == 2 ? 3 : 2);
            o.select(Group::optType, row.type);
            QCOMPARE(enabledButtons(o, Group::optBauform), row.bodies);
            QCOMPARE(o.selected(Group::optBauform), row.body);
            QVERIFY(t.prompter.shown.isEmpty());
        }
    }

    // Every combination of the catalogue: its years, the year it lands on and its option group.
    void combinations()
    {
        const struct
        {
            const char* code; // as the choice ends up
            Indexes years;
        } rows[] = {{"111", {1, 2}}, {"131", {1}}, {"141", {1}},       {"211", {0, 1, 2}}, {"220", {0, 1, 2}},
                    {"231", {1}},    {"241", {1}}, {"311", {1, 2, 3}}, {"321", {1, 2, 3}}, {"431", {1, 2, 3}},
                    {"441", {1, 2}}, {"611", {1}}, {"911", {1}},       {"841", {1}},       {"731", {1}},
                    {"741", {1}},    {"751", {1}}};
        for (const auto& row : rows) {
            const QString code = QString::fromLatin1(row.code);
            TestContext t;
            VehicleOptions o(t.ctx);
            o.select(Group::optType, code[0].digitValue());
            o.select(Group::optBauform, code[1].digitValue());
            QCOMPARE(o.selectedVehicleCode(), code);
            QCOMPARE(enabledButtons(o, Group::optBaujahr), row.years);
            // The Mini's option group offers neither headlamp 3 nor 4, but the fog lamp (not on the Clubman).
            const bool mini = code[0] == u'7';
            QCOMPARE(o.isEnabled(Group::chkFernlicht, 3), !mini);
            QCOMPARE(o.isEnabled(Option::chkEine_Nebelleuchte), mini && code[1] != u'5');
        }
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
        QCOMPARE(o.selectedVehicleCode(), QStringLiteral("111"));
        QCOMPARE(enabledButtons(o, Group::optBauform), (Indexes{1, 3, 4}));

        // A stored 7er code says so once, too.
        t.document.setVehicleCode(QStringLiteral("511"));
        o.ApplyDocumentVehicle();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(o.selected(Group::optType), 1);
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
            TestContext t;
            VehicleOptions o(t.ctx);
            o.select(Group::optType, 1);
            t.document.setVehicleCode(QString::fromLatin1(row.code));
            o.ApplyDocumentVehicle();
            QCOMPARE(o.selectedVehicleCode(), QString::fromLatin1(row.code).left(row.year < 0 ? 2 : 3));
            QCOMPARE(o.selected(Group::optBaujahr), row.year);
            QCOMPARE(row.year >= 0 && o.isEnabled(Group::optBaujahr, row.year), row.yearEnabled);
        }
    }

    void pairOutsideTheCatalogueKeepsTheYears()
    {
        TestContext t;
        VehicleOptions o(t.ctx);
        o.select(Group::optType, 1);
        const Indexes before = enabledButtons(o, Group::optBaujahr);
        o.F_Bauform(2, false); // there is no 1er Touring
        QCOMPARE(enabledButtons(o, Group::optBaujahr), before);
    }

    // One row per code: module number, pictures and plates, with the Mini's variants.
    void layoutTable()
    {
        const Bases none{};
        const QRect no;
        const struct
        {
            const char* code;
            bool highBeam, oneFog;
            int number;        // -1: none
            Bases bases;       // none: unchanged
            QRect front, rear; // no: unchanged
        } rows[] = {
            {"111", 0, 0, 1, {229, 261, 3365, 3429}, {161, 203, 90, 18}, {167, 469, 85, 18}},
            // The year changes the module number, not the pictures.
            {"211", 0, 0, 12, {357, 389, 1093, 1157}, {164, 210, 87, 17}, {164, 420, 85, 18}},
            {"210", 0, 0, 6, {357, 389, 1093, 1157}, {164, 210, 87, 17}, {164, 420, 85, 18}},
            {"312", 1, 1, 20, {101, 165, 453, 517}, {167, 210, 82, 18}, {170, 428, 80, 17}},
            {"511", 0, 0, 30, none, no, no},
            // The Mini's pictures follow its high beam and its one rear fog lamp.
            {"731", 0, 0, 40, {1797, 1829, 1605, 1669}, {158, 228, 88, 15}, {158, 435, 90, 16}},
            {"731", 1, 0, 40, {1733, 1765, 1605, 1669}, {158, 228, 88, 15}, {158, 435, 90, 16}},
            {"731", 0, 1, 40, {1797, 1829, 1477, 1541}, {158, 228, 88, 15}, {156, 437, 88, 16}},
            {"751", 0, 1, 42, {1797, 1829, 1861, 1925}, {158, 228, 88, 15}, {157, 498, 83, 15}},
            {"999", 0, 0, -1, none, no, no},
            {"", 1, 1, -1, none, no, no},
            {"1111", 0, 0, -1, none, no, no},
        };
        for (const auto& row : rows) {
            const QString code = QString::fromLatin1(row.code);
            const ModelLayout layout = modelLayout(code, row.highBeam, false, row.oneFog);
            const QByteArray where = QByteArray(row.code) + " hb " + QByteArray::number(row.highBeam) +
                                     " fog " + QByteArray::number(row.oneFog);
            QVERIFY2(VehicleCatalogue::codedVehicleNumber(code).value_or(-1) == row.number,
                     where.constData());
            QVERIFY2(layout.codedVehicleNumber.value_or(-1) == row.number, where.constData());
            QVERIFY2(layout.viewPictureBase.value_or(none) == row.bases, where.constData());
            QVERIFY2(layout.plates.has_value() == !row.front.isNull(), where.constData());
            if (layout.plates) {
                QVERIFY2(layout.plates->front == row.front && layout.plates->rear == row.rear,
                         where.constData());
                // The lamp areas come with the plates, from the vehicle's area table.
                QVERIFY2(layout.lampAreas == lampAreasFor(code, row.highBeam, false, row.oneFog),
                         where.constData());
            } else {
                QVERIFY2(!layout.lampAreas, where.constData());
            }
        }
    }

    void unknownCodesChangeNothing()
    {
        VehicleConfig vehicle;
        vehicle.codedVehicleNumber = 7;
        vehicle.viewPictureBase = {1, 2, 3, 4};
        vehicle.lampAreas.frontMirrorOffset = 12;
        const VehicleConfig before = vehicle;
        modelLayout(QStringLiteral("999"), true, true, true).applyTo(vehicle);
        QCOMPARE(vehicle.codedVehicleNumber, 7);
        // 511 has a module number but no pictures: the number changes alone.
        modelLayout(QStringLiteral("511"), true, false, false).applyTo(vehicle);
        QCOMPARE(vehicle.codedVehicleNumber, 30);
        QCOMPARE(vehicle.viewPictureBase, before.viewPictureBase);
        QCOMPARE(vehicle.lampAreas, before.lampAreas);
    }

    void vehicleNames()
    {
        QCOMPARE(VehicleCatalogue::vehicleName(0), QStringLiteral("Uncodiert"));
        QCOMPARE(VehicleCatalogue::vehicleName(42), QStringLiteral("Mini Clubman"));
        for (int n : {-1, 22, 50, 51})
            QVERIFY(VehicleCatalogue::vehicleName(n).isEmpty());
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
