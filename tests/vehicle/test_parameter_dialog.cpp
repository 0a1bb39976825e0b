#include "core/SettingsStore.h"
#include "tests/support/TestContext.h"
#include "ui/WindowOps.h"
#include "vehicle/ParameterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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
    void controlsCarryTheirNamesAndGermanCaptions()
    {
        TestContext t;
        RecordingOps ops;
        ParameterDialog dialog(t.ctx, ops);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Fahrzeugtyp - Auswahl und Einstellungen"));
        const QList<QPair<const char*, const char*>> captions{
            {"optType(8)", "BMW Z4"},
            {"optBauform(3)", "Coupé"},
            {"optBaujahr(0)", "Modell ab 4.2007"},
            {"chkFernlicht(1)", "ohne Fernlicht im Fernscheinwerfer (Bi-Xenon)"},
            {"chkEine_Nebelleuchte", "Eine  Nebelschlußleuchte in der Mitte"},
            {"E6x_LCI_Modul", "E60, E61 LCI Rückleuchten - Modul verbaut"},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(child<QAbstractButton>(dialog, QString::fromUtf8(name))->text(),
                     QString::fromUtf8(caption));
        QCOMPARE(child<QRadioButton>(dialog, QStringLiteral("optType(3)"))->toolTip(),
                 QStringLiteral("E60, E61"));
        QCOMPARE(child<QGroupBox>(dialog, QStringLiteral("Frame7"))->title(),
                 QStringLiteral(" Lichtfunktionen "));
        QCOMPARE(child<QLabel>(dialog, QStringLiteral("labParameter(4)"))->text(),
                 QStringLiteral("Fernlichtscheinwerfer und Standlichtringe"));
        auto* greeting = child<QComboBox>(dialog, QStringLiteral("combBegrüßung"));
        QCOMPARE(greeting->count(), 14);
        QCOMPARE(greeting->itemText(13), QStringLiteral("+ 120 Sek."));
        QVERIFY(child<QComboBox>(dialog, QStringLiteral("combVerabschiedung")));
    }

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
        auto box = [&dialog](const char* name) {
            return child<QCheckBox>(dialog, QString::fromLatin1(name));
        };

        click(dialog, QStringLiteral("optType(4)"));
        QVERIFY(!radio("optBauform(1)")->isEnabled());
        QVERIFY(radio("optBauform(3)")->isChecked());
        QVERIFY(radio("optBaujahr(3)")->isEnabled());
        click(dialog, QStringLiteral("optBauform(4)"));
        QVERIFY(!radio("optBaujahr(3)")->isEnabled());
        QVERIFY(radio("optBaujahr(1)")->isChecked());

        click(dialog, QStringLiteral("chkFernlicht(1)"));
        QVERIFY(box("chkRinge")->isChecked());
        QVERIFY(!box("chkRinge")->isEnabled());
        click(dialog, QStringLiteral("chkFernlicht(2)"));
        QVERIFY(box("chkRinge")->isEnabled());

        // The 7er is refused and the dialog falls back to the 1er.
        click(dialog, QStringLiteral("optType(5)"));
        QCOMPARE(t.prompter.shown.size(), 1);
        QCOMPARE(t.prompter.shown[0].icon, Prompter::Icon::Question);
        QVERIFY(t.prompter.shown[0].text.contains(QStringLiteral(">> info@vantor.example <<")));
        QVERIFY(radio("optType(1)")->isChecked());
        QVERIFY(!radio("optType(5)")->isChecked());

        click(dialog, QStringLiteral("chkTagfahrlicht"));
        click(dialog, QStringLiteral("chkTagfahrlicht_Standlicht"));
        QVERIFY(!box("chkTagfahrlicht")->isChecked());
        QVERIFY(box("chkTagfahrlicht_Standlicht")->isChecked());

        // The greeting light opens its list; a pick is saved at once.
        auto* greeting = child<QComboBox>(dialog, QStringLiteral("combBegrüßung"));
        QVERIFY(!greeting->isEnabled());
        click(dialog, QStringLiteral("chkCommingHome_Auf"));
        QVERIFY(greeting->isEnabled());
        QVERIFY(box("chkSoft_Ein")->isEnabled());
        greeting->setFocus();
        QTest::keyClick(greeting, Qt::Key_Down);
        QCOMPARE(greeting->currentIndex(), 3);
        QCOMPARE(t.settings.get(QStringLiteral("Time_Kommen")), QStringLiteral("3"));

        // The fog-lamp swap is explained when the user ticks it.
        t.prompter.clear();
        click(dialog, QStringLiteral("chkVebel_vorne_vertauschen"));
        QCOMPARE(t.prompter.shown.size(), 1);
        QCOMPARE(t.prompter.shown[0].title, QStringLiteral("Quandor Information"));

        click(dialog, QStringLiteral("optType(2)"));
        click(dialog, QStringLiteral("optBauform(2)"));
        QVERIFY(radio("optBaujahr(0)")->isChecked());
        QCOMPARE(dialog.selectionCaption(),
                 QStringLiteral("Fahrzeugauswahl:  BMW 3er / Touring / Modell ab 4.2007"));

        click(dialog, QStringLiteral("cmdOK"));
        QCOMPARE(ops.calls, (QStringList{"modellauswahl", "lichtAus"}));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(t.document.vehicleCode(), QStringLiteral("220"));
        QCOMPARE(t.settings.get(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type")),
                 QStringLiteral("220"));
        QCOMPARE(t.document.parameterString(), QStringLiteral("12100011000100000000"));
        QCOMPARE(t.settings.get(QStringLiteral("Quandor_E6X"), QStringLiteral("Parameter")),
                 t.document.parameterString());
        // The layout the main window takes for it.
        QCOMPARE(dialog.modelLayout().codedVehicleNumber, 8);
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
        QVERIFY(!mirror->isChecked());
        QVERIFY(!mirror->isEnabled());
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
