#include "app/MainWindow.h"
#include "shell/PropertiesDialog.h"
#include "tests/support/TestContext.h"
#include "vehicle/LampAreas.h"
#include "vehicle/ParameterDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

using Bases = std::array<int, 4>;

// The main window over what an earlier run stored: the vehicle and the two preferences of the
// properties window.
class TestPropertiesRestart : public QObject
{
    Q_OBJECT
private slots:
    // The main window takes the stored vehicle at start-up and a new one on OK.
    void mainWindowFollowsTheVehicle()
    {
        TestContext t;
        t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type"),
                        QStringLiteral("220"));
        MainWindow window(t.ctx);
        window.load(QString());
        MainWindowUi& ui = window.ui();
        QCOMPARE(t.ctx.vehicle.codedVehicleNumber, 8);
        QCOMPARE(t.ctx.vehicle.viewPictureBase, (Bases{357, 389, 1221, 1285}));
        QCOMPARE(ui.picNummernschild_H->geometry(), QRect(164, 426, 85, 18));
        QVERIFY(window.windowTitle().endsWith(
            QStringLiteral("Fahrzeugauswahl:  BMW 3er / Touring / Modell ab 4.2007")));

        // A Mini Clubman with high beam chosen in the dialog.
        VehicleOptions& options = window.parameterDialog().options();
        options.select(VehicleOptions::Group::optType, 7);
        options.select(VehicleOptions::Group::optBauform, 5);
        options.select(VehicleOptions::Group::chkFernlicht, 2);
        window.parameterDialog().cmdOK_Click();
        QCOMPARE(t.ctx.vehicle.codedVehicleNumber, 42);
        QCOMPARE(t.ctx.vehicle.viewPictureBase, (Bases{1733, 1765, 1861, 1925}));
        QCOMPARE(t.ctx.vehicle.lampAreas, lampAreasFor(QStringLiteral("751"), true, false, false));
        QCOMPARE(ui.picNummernschild_V->geometry(), QRect(158, 228, 88, 15));

        // The title shows the captions of the language in use.
        for (int i = 0; i < ui.Auswahl.size(); ++i) {
            if (ui.Auswahl.at(i)->text() == QLatin1String("English"))
                window.auswahlClick(i + 1);
        }
        QVERIFY(window.windowTitle().endsWith(
            QStringLiteral("Vehicle:  BMW Mini / Clubman / Without facelift")));
    }

    // Set by the user in one run, shown by the next start.
    void preferencesSurviveARestart()
    {
        TestContext t;
        t.settings.save(QStringLiteral("Fahrzeug_Type"), QStringLiteral("312")); // no welcome
        {
            MainWindow first(t.ctx);
            first.load(QString());
            PropertiesDialog& properties = first.propertiesDialog();
            QVERIFY(properties.chkAktivierung()->isChecked()); // on when nothing is stored
            QVERIFY(!properties.chkAuto()->isChecked());
            properties.chkAktivierung()->click();
            properties.chkAuto()->click();
            // Automatic advance of the running program is left as it is.
            QVERIFY(!first.ui().chkAutomatichWeiter->isChecked());
        }
        {
            MainWindow second(t.ctx);
            second.load(QString());
            QVERIFY(!second.propertiesDialog().chkAktivierung()->isChecked());
            QVERIFY(second.propertiesDialog().chkAuto()->isChecked());
            QVERIFY(second.ui().chkAutomatichWeiter->isChecked());
            second.propertiesDialog().chkAuto()->click();
        }
        MainWindow third(t.ctx);
        third.load(QString());
        QVERIFY(!third.propertiesDialog().chkAuto()->isChecked());
        QVERIFY(!third.ui().chkAutomatichWeiter->isChecked());
    }
};

QTEST_MAIN(TestPropertiesRestart)
#include "test_properties_restart.moc"
