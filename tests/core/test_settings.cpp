#include "core/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void sectionSpellingsReachTheSameValues()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        {
            SettingsStore store(file);
            store.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type"), QStringLiteral("312"));
            store.save(QStringLiteral("Quandor_E6x"), QStringLiteral("Parameter"), QStringLiteral("1"));
            QCOMPARE(store.get(QStringLiteral("Quandor_E6x"), QStringLiteral("Fahrzeug_Type")),
                     QStringLiteral("312"));
            QCOMPARE(store.get(QStringLiteral("QUANDOR_E6X"), QStringLiteral("Parameter")),
                     QStringLiteral("1"));
        }
        // One section in the file, whichever spelling wrote first.
        QFile ini(file);
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray content = ini.readAll();
        QCOMPARE(content.count("[Quandor_E6"), 1);
    }

    void handWrittenFileInOtherCaseIsFound()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        QFile ini(file);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[quandor_e6x]\nEntwickerstatus=Wahr\nSlider=abc\nLampen_Port= 5 \n");
        ini.close();
        SettingsStore store(file);
        QCOMPARE(store.get(QStringLiteral("Quandor_E6X"), QStringLiteral("Entwickerstatus")),
                 QStringLiteral("Wahr"));
        // Not a number, or no key: absent.
        QCOMPARE(store.number(QStringLiteral("Quandor_E6x"), QStringLiteral("Slider")), std::nullopt);
        QCOMPARE(store.get(QStringLiteral("Language")), QString());
        // A value with a comma stays one value.
        store.save(QStringLiteral("Language"), QStringLiteral("Deutsch, Schweiz"));
        QCOMPARE(store.get(QStringLiteral("Language")), QStringLiteral("Deutsch, Schweiz"));
        QCOMPARE(store.number(QStringLiteral("Quandor_E6X"), QStringLiteral("Lampen_Port")), 5);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
