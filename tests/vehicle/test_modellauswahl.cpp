#include "app/MainWindow.h"
#include "core/SettingsStore.h"
#include "tests/support/TestContext.h"
#include "vehicle/ParameterDialog.h"

#include <QAction>
#include <QLabel>
#include <QTest>

using Group = VehicleOptions::Group;
using Bases = std::array<int, 4>;

class TestModellauswahl : public QObject
{
    Q_OBJECT
private slots:
    // The main window takes the stored vehicle at start-up and a new one on OK.
    void mainWindowFollowsTheVehicle()
    {
        TestContext t;
        t.settings.save(QStringLiteral("Language"), QStringLiteral("Deutsch"));
        t.settings.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type"),
                        QStringLiteral("220"));
        MainWindow window(t.ctx);
        window.load(QString());
        MainWindowUi& ui = window.ui();
        QCOMPARE(t.ctx.vehicle.codedVehicleNumber, 8);
        QCOMPARE(t.ctx.vehicle.viewPictureBase, (Bases{357, 389, 1221, 1285}));
        QCOMPARE(ui.picNummernschild_V->geometry(), QRect(164, 210, 87, 17));
        QCOMPARE(ui.picNummernschild_H->geometry(), QRect(164, 426, 85, 18));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("QuandorFahrzeugauswahl:  BMW 3er / Touring / Modell ab 4.2007"));

        // A Mini Clubman with high beam chosen in the dialog.
        ParameterDialog& dialog = window.parameterDialog();
        dialog.options().select(Group::optType, 7);
        dialog.options().select(Group::optBauform, 5);
        dialog.options().select(Group::chkFernlicht, 2);
        dialog.cmdOK_Click();
        QCOMPARE(t.document.vehicleCode(), QStringLiteral("751"));
        QCOMPARE(t.ctx.vehicle.codedVehicleNumber, 42);
        QCOMPARE(t.ctx.vehicle.viewPictureBase, (Bases{1733, 1765, 1861, 1925}));
        QCOMPARE(t.ctx.vehicle.lampAreas, lampAreasFor(QStringLiteral("751"), true, false, false));
        QCOMPARE(ui.picNummernschild_V->geometry(), QRect(158, 228, 88, 15));
        QCOMPARE(ui.picNummernschild_H->geometry(), QRect(157, 498, 83, 15));
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("QuandorFahrzeugauswahl:  BMW Mini / Clubman / ohne Facelift"));

        // The title shows the captions of the language in use.
        int english = 0;
        for (int i = 0; i < ui.Auswahl.size(); ++i) {
            if (ui.Auswahl.at(i)->text() == QLatin1String("English"))
                english = i + 1;
        }
        QVERIFY(english > 0);
        window.auswahlClick(english);
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("QuandorFahrzeugauswahl:  BMW Mini / Clubman / Without facelift"));
    }
};

QTEST_MAIN(TestModellauswahl)
#include "test_modellauswahl.moc"
