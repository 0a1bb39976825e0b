#include "core/SettingsStore.h"
#include "sequence/SequenceDocument.h"
#include "tests/support/TestContext.h"
#include "ui/WindowOps.h"
#include "vehicle/ParameterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using Group = VehicleOptions::Group;
using Option = VehicleOptions::Option;

namespace {

struct RecordingOps : WindowOps
{
    QStringList calls;
    void lichtAus() override { calls.append(QStringLiteral("lichtAus")); }
    void showRow() override { calls.append(QStringLiteral("showRow")); }
    void appendStep() override { calls.append(QStringLiteral("appendStep")); }
    void modellauswahl() override { calls.append(QStringLiteral("modellauswahl")); }
    void refreshCaption() override { calls.append(QStringLiteral("refreshCaption")); }
};

template <typename W> W* child(QWidget& root, const QString& name)
{
    auto* w = root.findChild<W*>(name);
    if (!w)
        qWarning() << "no control" << name;
    return w;
}

void click(QWidget& root, const QString& name)
{
    auto* b = child<QAbstractButton>(root, name);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

} // namespace

class TestParameterDialog : public QObject
{
    Q_OBJECT
private slots:
    // Clicks reach the options' rules and the rules' answers reach the controls.
    void clicksFollowTheRules()
    {
        TestContext t;
        RecordingOps ops;
        ParameterDialog dialog(t.ctx, ops);
        dialog.setGreetingIndex(2);
        dialog.applyDocumentVehicle();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto radio = [&dialog](const char* name) {
            return child<QRadioButton>(dialog, QString::fromLatin1(name));
        };

        click(dialog, QStringLiteral("optType(4)"));
        QVERIFY(!radio("optBauform(1)")->isEnabled() && radio("optBauform(3)")->isChecked());
        click(dialog, QStringLiteral("chkFernlicht(1)")); // stored with the choice below

        // The 7er is refused and the dialog falls back to the 1er.
        click(dialog, QStringLiteral("optType(5)"));
        QCOMPARE(t.prompter.shown.size(), 1);
        QCOMPARE(t.prompter.shown[0].icon, Prompter::Icon::Question);
        QVERIFY(radio("optType(1)")->isChecked() && !radio("optType(5)")->isChecked());

        // The greeting light (its list and a pick saved at once: onlyOkApplies).
        click(dialog, QStringLiteral("chkCommingHome_Auf"));
        click(dialog, QStringLiteral("optType(2)"));
        click(dialog, QStringLiteral("optBauform(2)"));
        QVERIFY(radio("optBaujahr(0)")->isChecked());
        click(dialog, QStringLiteral("cmdOK"));
        QCOMPARE(ops.calls, (QStringList{"modellauswahl", "lichtAus"}));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(t.document.vehicleCode(), QStringLiteral("220"));
        QCOMPARE(t.settings.get(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type")),
                 QStringLiteral("220"));
        QCOMPARE(t.settings.get(QStringLiteral("Quandor_E6X"), QStringLiteral("Parameter")),
                 QStringLiteral("11100001000000000000"));
        QCOMPARE(dialog.modelLayout().codedVehicleNumber, 8);
    }

    // Cancel, Escape and the close button put every control back; a later OK applies nothing
    // of what was cancelled. A refused change check keeps the dialog open with the choice.
    void onlyOkApplies_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close button") << 2;
    }
    void onlyOkApplies()
    {
        QFETCH(int, how);
        TestContext t;
        RecordingOps ops;
        ParameterDialog dialog(t.ctx, ops);
        t.document.setVehicleCode(QStringLiteral("211"));
        dialog.setGreetingIndex(2);
        dialog.applyDocumentVehicle();
        const QString parameters = t.document.parameterString();
        const VehicleConfig vehicle = t.vehicle;
        bool checked = false;
        dialog.setChangeCheck(
            [&](const ParameterDialog::Choice& before, const ParameterDialog::Choice& after) {
                checked = true;
                return before.code != QStringLiteral("211") || after.code != QStringLiteral("611");
            });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        click(dialog, QStringLiteral("chkCommingHome_Auf"));
        auto* greeting = child<QComboBox>(dialog, QStringLiteral("combBegrüßung"));
        greeting->setFocus();
        QTest::keyClick(greeting, Qt::Key_Down);
        QCOMPARE(t.settings.get(QStringLiteral("Time_Kommen")), QStringLiteral("3"));
        click(dialog, QStringLiteral("chkFernlicht(1)"));
        click(dialog, QStringLiteral("optType(6)"));
        QVERIFY(t.vehicle.headlampHighBeam != vehicle.headlampHighBeam);

        // The X5 is refused by the check: nothing is applied and the dialog stays.
        click(dialog, QStringLiteral("cmdOK"));
        QVERIFY(checked && dialog.isVisible() && ops.calls.isEmpty());
        QCOMPARE(t.document.vehicleCode(), QStringLiteral("211"));

        if (how == 0)
            click(dialog, QStringLiteral("cmdAbbrechen"));
        else if (how == 1)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QVERIFY(!dialog.isVisible() && ops.calls.isEmpty());
        QCOMPARE(t.document.parameterString(), parameters);
        QCOMPARE(t.vehicle.headlampHighBeam, vehicle.headlampHighBeam);
        QCOMPARE(t.settings.get(QStringLiteral("Time_Kommen")), QStringLiteral("2"));
        QVERIFY(child<QRadioButton>(dialog, QStringLiteral("optType(2)"))->isChecked());
        QVERIFY(!greeting->isEnabled() && greeting->currentIndex() == 2);

        // Opened again and confirmed at once, it keeps the vehicle.
        checked = false;
        dialog.show();
        click(dialog, QStringLiteral("cmdOK"));
        QVERIFY(!checked);
        QCOMPARE(t.document.vehicleCode(), QStringLiteral("211"));
        QCOMPARE(t.document.parameterString(), parameters);
        QCOMPARE(ops.calls, (QStringList{"modellauswahl", "lichtAus"}));
    }

    void controlsFollowOperationsOfOthers()
    {
        TestContext t;
        RecordingOps ops;
        ParameterDialog dialog(t.ctx, ops);
        t.document.setParameterString(QStringLiteral("12100111110010000000"));
        dialog.applyDocumentVehicle();
        auto* mirror = child<QCheckBox>(dialog, QStringLiteral("chkSpiegel_Kurz"));
        QVERIFY(mirror->isChecked());
        t.ctx.module.moduleType = QStringLiteral("5.0");
        dialog.Modul_Typ_Freigeben();
        QVERIFY(!mirror->isChecked() && !mirror->isEnabled());
        QVERIFY(!child<QComboBox>(dialog, QStringLiteral("combBegrüßung"))->isEnabled());
        // A stored year outside 0 to 3 leaves no year button checked.
        t.document.setVehicleCode(QStringLiteral("319"));
        dialog.applyDocumentVehicle();
        for (int y = 0; y <= 3; ++y)
            QVERIFY(!child<QRadioButton>(dialog, QStringLiteral("optBaujahr(%1)").arg(y))->isChecked());
        QCOMPARE(dialog.selectionCaption(), QStringLiteral("Fahrzeugauswahl:  BMW 5er / Limousine"));
    }
};

QTEST_MAIN(TestParameterDialog)
#include "test_parameter_dialog.moc"
