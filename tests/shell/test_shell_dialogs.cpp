#include "RecordingLauncher.h"
#include "core/LangText.h"
#include "shell/FileTypeRegistration.h"
#include "shell/HelpWindow.h"
#include "shell/Hyperlink.h"
#include "shell/InfoDialog.h"
#include "shell/LogoWipe.h"
#include "shell/PropertiesDialog.h"
#include "shell/ShellActions.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

QString binFolder()
{
    return QCoreApplication::applicationDirPath();
}

QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), TestData::readAll(path));
    }
    return files;
}

// The main window's three menu entries that lead out of the program.
struct ShellMenu
{
    QAction help;
    QAction hilfe;
    QAction update;
    ShellActions::Controls ui;
    ShellMenu()
    {
        ui.Help = &help;
        ui.Hilfe = &hilfe;
        ui.Update = &update;
    }
};

} // namespace

class TestShellDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_desktop;

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", m_desktop.filePath(QStringLiteral("share")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_desktop.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
    }

    void registeringTwiceGivesTheSameFiles()
    {
        TestContext t;
        PropertiesDialog dialog(t.ctx);
        QSignalSpy done(&dialog.registrar(), &FileTypeRegistrar::finished);
        dialog.cmdRegistry()->click();
        // No second run can start before the first has ended.
        QVERIFY(!dialog.cmdRegistry()->isEnabled());
        QVERIFY(done.wait(60000));
        QVERIFY(dialog.cmdRegistry()->isEnabled());
        // What is registered is followed in test_filetype; here: the same files again.
        const QMap<QString, QByteArray> first = snapshot(m_desktop.path());
        QVERIFY(first.contains(QStringLiteral("share/applications/vantor-e6x.desktop")));

        dialog.cmdRegistry()->click();
        QVERIFY(done.wait(60000));
        QCOMPARE(snapshot(m_desktop.path()), first);
        QVERIFY(t.prompter.shown.isEmpty());
    }

    // Info dialog

    void infoLinesAndLinks()
    {
        TestContext t;
        InfoDialog dialog(t.ctx);
        RecordingLauncher launcher;
        dialog.setLauncher(launcher);
        dialog.show();
        auto* maker = dialog.findChild<QLabel*>(QStringLiteral("labSoftware"));
        QCOMPARE(maker->text(), QStringLiteral("Software entwickelt von Firma Quandor"));
        auto* web = dialog.findChild<QLabel*>(QStringLiteral("txtHyperlink"));
        auto* mail = dialog.findChild<QLabel*>(QStringLiteral("txtE_Mail"));

        QTest::mouseClick(web, Qt::LeftButton);
        QTest::mouseClick(mail, Qt::LeftButton);
        QTest::mouseClick(web, Qt::RightButton); // opens nothing
        QCOMPARE(launcher.opened.size(), 2);
        QCOMPARE(launcher.opened.at(0), QUrl(QStringLiteral("http://www.vantor.example")));
        QCOMPARE(launcher.opened.at(1).path(), QStringLiteral("info@vantor.example"));

        dialog.hide();
        QVERIFY(t.texts.load(QDir(binFolder()).filePath(QStringLiteral("English.zfl"))));
        t.ctx.languageName = QStringLiteral("English");
        dialog.show();
        QCOMPARE(maker->text(), QStringLiteral("Software developed by Quandor"));
    }

    void wipeRevealsTheLogo()
    {
        TestContext t;
        auto* dialog = new InfoDialog(t.ctx);
        LogoWipe* wipe = dialog->wipe();
        auto* emblem = dialog->findChild<QLabel*>(QStringLiteral("Picture1"));
        dialog->show();
        QVERIFY(!emblem->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(wipe->revealedColumns() == wipe->picture().width(), 10000);
        QVERIFY(!wipe->isRunning());
        QVERIFY(emblem->isVisible());

        // Deleted during the wipe: no timer may fire into the deleted window.
        dialog->hide();
        dialog->show();
        QTRY_VERIFY(wipe->isRunning());
        delete dialog;
        QTest::qWait(3 * LogoWipe::TickMs);
    }

    // Help and updater

    void helpWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("updaterHelp");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("file");
        QTest::newRow("German") << "Deutsch" << false << true << "Help_D.html";
        QTest::newRow("any other") << "Français" << false << true << "Help_E.html";
        QTest::newRow("updater") << "English" << true << true << "Hilfe Bootloader.html";
        QTest::newRow("missing") << "Deutsch" << false << false << "Help_D.html";
    }
    void helpWindow()
    {
        QFETCH(QString, language);
        QFETCH(bool, updaterHelp);
        QFETCH(bool, installed);
        QFETCH(QString, file);
        TestContext t;
        QTemporaryDir empty;
        const QString folder = installed ? binFolder() : empty.path();
        t.ctx.programFolder = folder;
        t.ctx.languageName = language;
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        RecordingLauncher launcher;
        actions.setLauncher(launcher);
        (updaterHelp ? menu.hilfe : menu.help).trigger();
        HelpWindow* help = actions.helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->currentFile(), QDir(folder).filePath(file));
        QCOMPARE(help->fileFound(), installed);
        QVERIFY(t.prompter.shown.isEmpty());
        if (!installed) {
            // Said in the help window itself.
            QVERIFY(help->browser()->toPlainText().contains(file));
            return;
        }
        // A link to the web goes to the desktop.
        QTextBrowser* browser = help->browser();
        emit browser->anchorClicked(QUrl(QStringLiteral("http://www.vantor.example")));
        QCOMPARE(launcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.vantor.example"))});
        // A topic is an anchor in the same page; the window is reused.
        actions.HTMLHelp_ShowTopic(QStringLiteral("messages"));
        QCOMPARE(actions.helpWindow(), help);
        QCOMPARE(help->browser()->source().fragment(), QStringLiteral("messages"));
        QCOMPARE(launcher.opened.size(), 1);
    }

    void helpPagesAreComplete()
    {
        // Every picture a page shows lies beside it, every link inside a page has its anchor.
        const QDir bin(binFolder());
        for (const char* name : {"Help_D.html", "Help_E.html", "Hilfe Bootloader.html"}) {
            const QString html =
                QString::fromUtf8(TestData::readAll(bin.filePath(QString::fromLatin1(name))));
            QVERIFY2(!html.isEmpty(), name);
            static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
            for (auto it = image.globalMatch(html); it.hasNext();) {
                const QString src = it.next().captured(1);
                QVERIFY2(!QImage(bin.filePath(src)).isNull(),
                         qPrintable(QString::fromLatin1(name) + ": " + src));
            }
            static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString anchor = it.next().captured(1);
                QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                         qPrintable(QString::fromLatin1(name) + ": #" + anchor));
            }
        }
    }

    // The updater beside the program: missing, not a program, or a program still running
    // when the click returns (it is not waited for).
    void updater_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<QString>("message");    // empty: started
        QTest::newRow("missing") << QByteArray() << "Das Programm für das Modul-Update wurde nicht gefunden";
        QTest::newRow("not a program")
            << QByteArray("not a program") << "Das Programm für das Modul-Update konnte nicht";
        QTest::newRow("started") << QByteArray(
                                        "#!/bin/sh\ntouch started\ni=0\nwhile [ ! -e go ] && [ $i -lt 100 ]; "
                                        "do sleep 0.1; i=$((i+1)); done\ntouch ended\n")
                                 << "";
    }
    void updater()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        TestContext t;
        QTemporaryDir folder;
        t.ctx.programFolder = folder.path();
        const QString updater = folder.filePath(QStringLiteral("Bootloader"));
        if (!content.isEmpty())
            QVERIFY(TestData::writeAll(updater, content));
        if (content.startsWith("#!"))
            QFile::setPermissions(updater, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        menu.update.trigger();
        if (message.isEmpty()) {
            QVERIFY(t.prompter.shown.isEmpty());
            // Started in the program folder, and still running: the click did not wait.
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(QStringLiteral("started"))), 10000);
            QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("ended"))));
            QVERIFY(TestData::writeAll(folder.filePath(QStringLiteral("go")), {}));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(QStringLiteral("ended"))), 10000);
            return;
        }
        QCOMPARE(t.prompter.shown.size(), 1);
        const ScriptedPrompter::Shown& shown = t.prompter.shown.first();
        QVERIFY(shown.text.startsWith(message));
        QVERIFY(shown.text.contains(QDir::toNativeSeparators(updater)));
        QCOMPARE(shown.icon, Prompter::Icon::Exclamation);
    }
};

QTEST_MAIN(TestShellDialogs)
#include "test_shell_dialogs.moc"
