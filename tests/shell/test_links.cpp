#include "RecordingLauncher.h"
#include "shell/LinkTarget.h"

#include <QTest>

class TestLinks : public QObject
{
    Q_OBJECT
private slots:
    void targets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened"); // empty: nothing is opened
        QTest::newRow("www gets http") << "www.vantor.example"
                                       << "http://www.vantor.example";
        QTest::newRow("prefix in capitals") << "WWW.Vantor.example"
                                            << "http://www.vantor.example";
        QTest::newRow("http unchanged") << "http://www.vantor.example/a?b=1"
                                        << "http://www.vantor.example/a?b=1";
        QTest::newRow("https unchanged") << "https://www.vantor.example"
                                         << "https://www.vantor.example";
        for (const char* other : {"", "vantor.example", "ftp://vantor.example", "App:", "file:///etc/passwd"})
            QTest::newRow(*other ? other : "empty") << other << "";
    }
    void targets()
    {
        QFETCH(QString, target);
        QFETCH(QString, opened);
        QCOMPARE(resolveLinkTarget(target).kind,
                 opened.isEmpty() ? LinkAction::Kind::None : LinkAction::Kind::Web);
        RecordingLauncher launcher;
        QCOMPARE(followLink(target, launcher), !opened.isEmpty());
        QCOMPARE(launcher.opened.value(0).toString(), opened);
        QVERIFY(launcher.opened.size() <= 1 && launcher.chosen.isEmpty());
    }

    void mailTargetWithSubjectAndBody()
    {
        const QString target =
            mailLink(QStringLiteral("info@vantor.example"), QStringLiteral("Vantor 2.1 & mehr"),
                     QStringLiteral("Zeile 1\r\nÄnderung"));
        QCOMPARE(target, QStringLiteral("mailto:info@vantor.example?Subject=Vantor%202.1%20%26%20mehr"
                                        "&Body=Zeile%201%0D%0A%C3%84nderung"));
        QCOMPARE(resolveLinkTarget(target).kind, LinkAction::Kind::Mail);
        RecordingLauncher launcher;
        QVERIFY(followLink(target, launcher));
        const QUrl url = launcher.opened.value(0);
        QCOMPARE(url.path(), QStringLiteral("info@vantor.example"));
        // The "&" of the subject stays inside the subject.
        QCOMPARE(url.query(QUrl::FullyEncoded), target.section(QLatin1Char('?'), 1));
    }

    // No program for the file: the user is asked to choose one.
    void documentOpensWithItsProgramOrTheChooser()
    {
        const QString path = QStringLiteral("/tmp/Meine Sequenz.zfx");
        for (bool associated : {true, false}) {
            RecordingLauncher launcher;
            launcher.openSucceeds = associated;
            QVERIFY(followLink(QStringLiteral("App:") + path, launcher));
            QCOMPARE(launcher.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
            QCOMPARE(launcher.chosen, associated ? QStringList() : QStringList{path});
        }
    }
};

QTEST_GUILESS_MAIN(TestLinks)
#include "test_links.moc"
