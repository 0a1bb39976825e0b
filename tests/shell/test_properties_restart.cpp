#include "app/MainWindow.h"
#include "shell/PropertiesDialog.h"
#include "tests/support/TestContext.h"
#include "vehicle/LampAreas.h"
#include "vehicle/ModelLayout.h"
#include "vehicle/ParameterDialog.h"
#include "views/CarViewsPanel.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

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
        QCOMPARE(ui.picNummernschild_H->geometry(),
                 ui.carViews->geometry().plateRect(
                     modelLayout(QStringLiteral("220"), true, false, false).plates->rear));
        QVERIFY(window.windowTitle().endsWith(
            QStringLiteral("Fahrzeugauswahl:  BMW 3er / Touring / Modell ab 4.2007")));

        // A Mini Clubman with high beam chosen in the dialog.
        VehicleOptions& options = window.parameterDialog().options();
        options.select(VehicleOptions::Group::optType, 7);
        options.select(VehicleOptions::Group::optBauform, 5);
        options.select(VehicleOptions::Group::chkFernlicht, 2);
        window.parameterDialog().cmdOK_Click();
        QCOMPARE(t.ctx.vehicle.codedVehicleNumber, 42);
        QCOMPARE(t.ctx.vehicle.lampAreas, lampAreasFor(QStringLiteral("751"), true, false, false));
    }

    // Set by the user in one run (a click saves at once; the loader ticking the boxes saves
    // nothing), shown by the next start.
    void preferencesSurviveARestart()
    {
        SetUpContext t; // no welcome
        {
            MainWindow first(t.ctx);
            first.load(QString());
            PropertiesDialog& properties = first.propertiesDialog();
            QVERIFY(properties.chkAktivierung()->isChecked()); // on when nothing is stored
            QVERIFY(!properties.chkAuto()->isChecked());
            QVERIFY(t.settings.get(QStringLiteral("Aktivierung")).isEmpty());
            properties.show();
            properties.chkAktivierung()->click();
            properties.chkAuto()->click();
            // Automatic advance of the running program is left as it is.
            QVERIFY(!first.ui().chkAutomatichWeiter->isChecked());
            // OK hides the window; the next opening takes the language.
            auto* label1 = properties.findChild<QLabel*>(QStringLiteral("Label1"));
            const QString german = label1->text();
            properties.cmdOK()->click();
            QVERIFY(!properties.isVisible());
            t.ctx.languageName = QStringLiteral("English");
            QVERIFY(t.texts.load(QDir(t.ctx.programFolder).filePath(QStringLiteral("English.zfl"))));
            properties.show();
            QVERIFY(!german.isEmpty() && label1->text() != german);
            QVERIFY(!first.ui().chkSymmetrisch->isChecked());
            first.ui().chkSymmetrisch->click();
        }
        {
            MainWindow second(t.ctx);
            second.load(QString());
            QVERIFY(!second.propertiesDialog().chkAktivierung()->isChecked());
            QVERIFY(second.propertiesDialog().chkAuto()->isChecked());
            QVERIFY(second.ui().chkAutomatichWeiter->isChecked());
            QVERIFY(second.ui().chkSymmetrisch->isChecked());
            second.propertiesDialog().chkAuto()->click();
            second.ui().chkSymmetrisch->click();
        }
        MainWindow third(t.ctx);
        third.load(QString());
        QVERIFY(!third.propertiesDialog().chkAuto()->isChecked());
        QVERIFY(!third.ui().chkAutomatichWeiter->isChecked());
        QVERIFY(!third.ui().chkSymmetrisch->isChecked());
    }
};

QTEST_MAIN(TestPropertiesRestart)
#include "test_properties_restart.moc"
