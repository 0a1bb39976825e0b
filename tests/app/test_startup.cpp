#include "app/MainWindow.h"
#include "tests/support/TestContext.h"

#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void loadsInOrder()
    {
        TestContext t;
        MainWindow window(t.ctx);
        QCOMPARE(window.load(QString()), 3000);
        QCOMPARE(window.loadSteps(),
                 (QStringList{"developer mode", "vehicle catalogue", "language", "command line", "settings",
                              "vehicle"}));
        QVERIFY(window.isFirstRun());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
