#include "RecordingLauncher.h"
#include "shell/LinkTarget.h"

#include <QTest>

class TestLinks : public QObject
{
    Q_OBJECT
private slots:
    void webTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened");
        QTest::newRow("www gets http") << "www.vantor.example"
                                       << "http://www.vantor.example";
        QTest::newRow("http unchanged") << "http://www.vantor.example/a?b=1"
                                        << "http://www.vantor.example/a?b=1";
        QTest::newRow("https unchanged") << "https://www.vantor.example"
                                         << "https://www.vantor.example";
        QTest::newRow("prefix in capitals") << "WWW.Vantor.example"
                                            << "http://www.vantor.example";
    }
    void webTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, opened);
        const LinkAction action = resolveLinkTarget(target);
        QCOMPARE(action.kind, LinkAction::Kind::Web);
        RecordingLauncher launcher;
        QVERIFY(followLink(target, launcher));
        QCOMPARE(launcher.opened.size(), 1);
        QCOMPARE(launcher.opened.first().toString(), opened);
    }

    void mailTargetWithSubjectAndBody()
    {
        const QString target =
            mailLink(QStringLiteral("info@vantor.example"), QStringLiteral("Vantor 2.1 & mehr"),
                     QStringLiteral("Zeile 1\r\nÄnderung"));
        QCOMPARE(target, QStringLiteral("mailto:info@vantor.example?Subject=Vantor%202.1%20%26%20mehr"
                                        "&Body=Zeile%201%0D%0A%C3%84nderung"));
        RecordingLauncher launcher;
        QVERIFY(followLink(target, launcher));
        QCOMPARE(resolveLinkTarget(target).kind, LinkAction::Kind::Mail);
        const QUrl url = launcher.opened.value(0);
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral("info@vantor.example"));
        // The "&" of the subject stays inside the subject.
        QCOMPARE(url.query(QUrl::FullyEncoded), target.section(QLatin1Char('?'), 1));
    }

    void documentOpensWithItsProgramOrTheChooser()
    {
        const QString path = QStringLiteral("/tmp/Meine Sequenz.zfx");
        QCOMPARE(resolveLinkTarget(QStringLiteral("App:") + path).path, path);

        RecordingLauncher associated;
        QVERIFY(followLink(QStringLiteral("App:") + path, associated));
        QCOMPARE(associated.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
        QVERIFY(associated.chosen.isEmpty());

        // No program for the file: the user is asked to choose one.
        RecordingLauncher unassociated;
        unassociated.openSucceeds = false;
        QVERIFY(followLink(QStringLiteral("App:") + path, unassociated));
        QCOMPARE(unassociated.chosen, QStringList{path});
    }

    void otherTargetsOpenNothing()
    {
        for (const char* target :
             {"", "vantor.example", "ftp://vantor.example", "App:", "file:///etc/passwd"}) {
            QCOMPARE(resolveLinkTarget(QString::fromLatin1(target)).kind, LinkAction::Kind::None);
            RecordingLauncher launcher;
            QVERIFY(!followLink(QString::fromLatin1(target), launcher));
            QVERIFY(launcher.opened.isEmpty() && launcher.chosen.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestLinks)
#include "test_links.moc"
