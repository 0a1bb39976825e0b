#include "core/LangText.h"
#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray file(const QList<QByteArray>& lines)
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
} // namespace

// The language texts and the settings store.
class TestCore : public QObject
{
    Q_OBJECT
private slots:
    // Labels are dropped, a short line is an empty text, line 177 loses eight characters and the
    // bytes are Windows-1252.
    void parse()
    {
        QList<QByteArray> lines{"0001\xd6\x66\x66nen \x80 \x84Zitat\x93", "0002Neu", "ab", "0004"};
        for (int i = 5; i <= 180; ++i)
            lines.append(i == 177 ? QByteArray("0177FFB:Spiegel") : "0000x" + QByteArray::number(i));
        const QStringList texts = LangText::parse(file(lines));
        QCOMPARE(texts.mid(0, 6), (QStringList{{}, "Öffnen € „Zitat“", "Neu", {}, {}, "x5"}));
        QCOMPARE(texts.at(177), QStringLiteral("Spiegel"));
        QCOMPARE(texts.at(176), QStringLiteral("x176"));
        QCOMPARE(LangText::encodeWindows1252(texts.at(1)), lines.first().mid(4));
    }

    void missingNumbersFallBackToGerman()
    {
        LangText texts;
        texts.loadFromBytes(file({"0001File"}));
        QCOMPARE(texts.text(1), QStringLiteral("File"));
        QVERIFY(!texts.isComplete());
        // Text 2 is beyond the file's last line: the built-in German text stands in.
        QCOMPARE(texts.text(2), QStringLiteral("Neu"));
        QCOMPARE(texts.text(9999), QString());
        // A missing file leaves the German texts.
        QVERIFY(!texts.load(QStringLiteral("/nonexistent/English.zfl")));
        QCOMPARE(texts.text(1), QStringLiteral("Datei"));
    }

    void shippedFilesAreComplete()
    {
        for (const char* name : {"Deutsch.zfl", "English.zfl"}) {
            LangText texts;
            QVERIFY(
                texts.load(QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name))));
            QVERIFY2(texts.isComplete(), name);
        }
    }

    void languageNamesEndAtTheFirstDot()
    {
        QTemporaryDir dir;
        for (const char* name : {"Deutsch.old.zfl", "English.zfl", "notes.txt", "Readme.zfl.bak"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(scanLanguageNames(dir.path()),
                 (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English")}));
        QCOMPARE(scanLanguageNames(dir.path(), 1), QStringList{QStringLiteral("Deutsch")});
    }

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

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
