#include "core/LangText.h"

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

class TestLangText : public QObject
{
    Q_OBJECT
private slots:
    void labelsAreDropped()
    {
        const QStringList texts = LangText::parse(file({"0001Datei", "0002Neu", "ab", "0004"}));
        QCOMPARE(texts.size(), 5);
        QCOMPARE(texts.at(0), QString());
        QCOMPARE(texts.at(1), QStringLiteral("Datei"));
        QCOMPARE(texts.at(2), QStringLiteral("Neu"));
        QCOMPARE(texts.at(3), QString()); // a short line is an empty text
        QCOMPARE(texts.at(4), QString());
    }

    void line177LosesEightCharacters()
    {
        QList<QByteArray> lines;
        for (int i = 1; i <= 180; ++i)
            lines.append(i == 177 ? QByteArray("0177FFB:Spiegel") : "0000x" + QByteArray::number(i));
        const QStringList texts = LangText::parse(file(lines));
        QCOMPARE(texts.at(177), QStringLiteral("Spiegel"));
        QCOMPARE(texts.at(176), QStringLiteral("x176"));
    }

    void windows1252IsDecoded()
    {
        const QStringList texts = LangText::parse(file({"0001\xd6\x66\x66nen \x80 \x84Zitat\x93"}));
        QCOMPARE(texts.at(1), QStringLiteral("Öffnen € „Zitat“"));
        QCOMPARE(LangText::encodeWindows1252(texts.at(1)), QByteArray("\xd6\x66\x66nen \x80 \x84Zitat\x93"));
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

    void shippedFilesAreComplete_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Deutsch") << QStringLiteral("Deutsch");
        QTest::newRow("English") << QStringLiteral("English");
    }
    void shippedFilesAreComplete()
    {
        QFETCH(QString, name);
        LangText texts;
        QVERIFY(texts.load(QDir(QCoreApplication::applicationDirPath()).filePath(name + ".zfl")));
        QVERIFY(texts.isComplete());
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
};

QTEST_GUILESS_MAIN(TestLangText)
#include "test_langtext.moc"
