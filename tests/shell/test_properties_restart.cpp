#include "app/MainWindow.h"
#include "shell/PropertiesDialog.h"
#include "tests/support/TestContext.h"

#include <QCheckBox>
#include <QTest>

// The two preferences of the properties window, set by the user in one run,
// are what the next start shows.
class TestPropertiesRestart : public QObject
{
    Q_OBJECT
private slots:
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
