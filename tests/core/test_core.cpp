#include "core/LangText.h"
#include "core/Mnemonics.h"
#include "core/SettingsStore.h"
#include "core/TextNumber.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

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
    // The reader of numbers typed or stored as text.
    void numberReader_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: no value (overflow)
        const double none = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("blanks around") << "  2.5 \t" << 2.5;
        QTest::newRow("blank inside ends it") << "1 5" << 1.0;
        QTest::newRow("second point ends it") << "1.2.3" << 1.2;
        QTest::newRow("comma ends it") << "1,5" << 1.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("minus") << "-0.5" << -0.5;
        QTest::newRow("sign twice") << "--3" << 0.0;
        QTest::newRow("blank after the sign") << "- 3" << 0.0;
        QTest::newRow("exponent is not read") << "1e5" << 1.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("other digits are no digits") << QStringLiteral("1\u0663") << 1.0;
        QTest::newRow("too small to tell from 0") << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
        QTest::newRow("largest that fits") << "1" + QString(308, QLatin1Char('0')) << 1e308;
        QTest::newRow("overflow") << "1" + QString(309, QLatin1Char('0')) << none;
    }
    // One key per entry, none twice: own marks kept while free, word starts
    // preferred, reserved keys and bracketed notes left alone, "&&" literal.
    void mnemonics()
    {
        const QStringList marked = Mnemonics::assign(
            {QStringLiteral("&Datei"), QStringLiteral("&Drucken"), QStringLiteral("Bearbeiten"),
             QStringLiteral("Com 1  (/dev/ttyS0)"), QStringLiteral("A&&B")},
            {u'b'});
        QCOMPARE(marked.at(0), QStringLiteral("&Datei"));
        QCOMPARE(marked.at(1), QStringLiteral("D&rucken"));
        QCOMPARE(marked.at(2), QStringLiteral("B&earbeiten"));
        QCOMPARE(marked.at(3), QStringLiteral("&Com 1  (/dev/ttyS0)"));
        QCOMPARE(marked.at(4), QStringLiteral("&A&&B"));
        QSet<QChar> keys;
        for (const QString& caption : marked)
            keys.insert(Mnemonics::of(caption));
        QCOMPARE(keys.size(), marked.size());
        QCOMPARE(Mnemonics::stripped(QStringLiteral("Zeile(n) &löschen")),
                 QStringLiteral("Zeile(n) löschen"));
        // A short caption is served before a long one takes its only free letter.
        QCOMPARE(Mnemonics::assign({QStringLiteral("Cno"), QStringLiteral("N")}, {u'c'}),
                 (QStringList{QStringLiteral("Cn&o"), QStringLiteral("&N")}));
    }

    void numberReader()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = leadingNumber(text);
        if (std::isnan(value))
            QVERIFY(!read);
        else
            QCOMPARE(read, std::optional<double>(value));
    }

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

    // Texts missing from a file, or a missing file, fall back to German; the shipped files lack none.
    void missingTextsFallBackToGerman()
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

        for (const char* name : {"Deutsch.zfl", "English.zfl"}) {
            LangText shipped;
            QVERIFY(shipped.load(
                QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name))));
            QVERIFY2(shipped.isComplete(), name);
        }
    }

    void languageNamesEndAtTheFirstDot()
    {
        QTemporaryDir dir;
        for (const char* name : {"Deutsch.old.zfl", "English.zfl", "notes.txt", "Readme.zfl.bak"})
            QVERIFY(TestData::writeAll(dir.filePath(QString::fromLatin1(name)), {}));
        QCOMPARE(scanLanguageNames(dir.path()),
                 (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English")}));
        QCOMPARE(scanLanguageNames(dir.path(), 1), QStringList{QStringLiteral("Deutsch")});
    }

    // Sections are found whatever their case, in files written by hand too, and kept as one.
    void sectionsWithoutRegardToCase()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("s.ini"));
        QVERIFY(
            TestData::writeAll(file, "[quandor_e6x]\nEntwickerstatus=Wahr\nSlider=abc\nLampen_Port= 5 \n"));
        {
            SettingsStore store(file);
            QCOMPARE(store.get(QStringLiteral("Quandor_E6X"), QStringLiteral("Entwickerstatus")),
                     QStringLiteral("Wahr"));
            QCOMPARE(store.number(QStringLiteral("Quandor_E6X"), QStringLiteral("Lampen_Port")), 5);
            // Not a number, or no key: absent.
            QCOMPARE(store.number(QStringLiteral("Quandor_E6x"), QStringLiteral("Slider")), std::nullopt);
            QCOMPARE(store.get(QStringLiteral("Language")), QString());
            store.save(QStringLiteral("Quandor_E6X"), QStringLiteral("Fahrzeug_Type"), QStringLiteral("312"));
            store.save(QStringLiteral("QUANDOR_E6x"), QStringLiteral("Parameter"), QStringLiteral("1"));
            QCOMPARE(store.get(QStringLiteral("Quandor_E6x"), QStringLiteral("Parameter")),
                     QStringLiteral("1"));
            // A value with a comma stays one value.
            store.save(QStringLiteral("Language"), QStringLiteral("Deutsch, Schweiz"));
            QCOMPARE(store.get(QStringLiteral("Language")), QStringLiteral("Deutsch, Schweiz"));
        }
        QCOMPARE(TestData::readAll(file).toLower().count("[quandor_e6x]"), 1);
        QCOMPARE(SettingsStore(file).get(QStringLiteral("quandor_e6x"), QStringLiteral("Fahrzeug_Type")),
                 QStringLiteral("312"));
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
