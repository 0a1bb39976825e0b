#include "RecordingLauncher.h"
#include "app/MainWindowUi.h"
#include "core/LangText.h"
#include "shell/FileTypeRegistration.h"
#include "shell/HelpWindow.h"
#include "shell/Hyperlink.h"
#include "shell/InfoDialog.h"
#include "shell/LogoWipe.h"
#include "shell/PropertiesDialog.h"
#include "shell/ShellActions.h"
#include "tests/support/TestContext.h"

#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QEnterEvent>
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
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), file.readAll());
    }
    return files;
}

void hover(QWidget* widget, bool inside)
{
    if (inside) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }
}

// The main window's three menu entries that lead out of the program.
struct ShellMenu
{
    QAction help;
    QAction hilfe;
    QAction update;
    MainWindowUi ui;
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

    // Properties

    void checkBoxesSaveTheirSettings()
    {
        TestContext t;
        PropertiesDialog dialog(t.ctx);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Eigenschaften"));
        const QString section = QStringLiteral("Quandor_E6x");

        // The settings loader ticks the boxes: nothing is saved for that.
        dialog.chkAktivierung()->setChecked(true);
        dialog.chkAuto()->setChecked(false);
        QVERIFY(t.settings.get(section, QStringLiteral("Aktivierung")).isEmpty());
        QVERIFY(t.settings.get(section, QStringLiteral("Eigenschaften")).isEmpty());

        dialog.chkAktivierung()->click();
        QCOMPARE(t.settings.get(section, QStringLiteral("Aktivierung")), QStringLiteral("0"));
        dialog.chkAktivierung()->click();
        QCOMPARE(t.settings.get(section, QStringLiteral("Aktivierung")), QStringLiteral("1"));

        dialog.chkAuto()->click();
        QCOMPARE(t.settings.get(section, QStringLiteral("Eigenschaften")), QStringLiteral("1"));
        dialog.chkAuto()->click();
        QCOMPARE(t.settings.get(QStringLiteral("Quandor_E6X"), QStringLiteral("Eigenschaften")),
                 QStringLiteral("0"));
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void okHidesAndKeepsTheState()
    {
        TestContext t;
        PropertiesDialog dialog(t.ctx);
        dialog.show();
        dialog.chkAuto()->click();
        dialog.cmdOK()->click();
        QVERIFY(!dialog.isVisible());
        dialog.show();
        QVERIFY(dialog.chkAuto()->isChecked());
    }

    void labelsFollowTheLanguage()
    {
        TestContext t;
        PropertiesDialog dialog(t.ctx);
        dialog.show();
        auto* label1 = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label1 && !label1->text().isEmpty());
        const QString german = label1->text();
        dialog.hide();
        t.ctx.languageName = QStringLiteral("English");
        dialog.show();
        QVERIFY(label1->text() != german);
    }

    void registeringTwiceGivesTheSameFiles()
    {
        TestContext t;
        t.ctx.programFolder = binFolder();
        PropertiesDialog dialog(t.ctx);
        QSignalSpy done(&dialog.registrar(), &FileTypeRegistrar::finished);

        dialog.cmdRegistry()->click();
        // No second run can start before the first has ended.
        QVERIFY(!dialog.cmdRegistry()->isEnabled());
        QVERIFY(done.wait(60000));
        QVERIFY(dialog.cmdRegistry()->isEnabled());
        const QMap<QString, QByteArray> first = snapshot(m_desktop.path());
        const QByteArray entry = first.value(QStringLiteral("share/applications/vantor-e6x.desktop"));
        QVERIFY(entry.contains(QByteArray(QCoreApplication::applicationFilePath().toUtf8() + "\" %f")));
        QVERIFY(first.contains(QStringLiteral("share/mime/packages/vantor-e6x.xml")));

        dialog.cmdRegistry()->click();
        QVERIFY(done.wait(60000));
        const QMap<QString, QByteArray> second = snapshot(m_desktop.path());
        QCOMPARE(second.keys(), first.keys());
        for (auto it = first.cbegin(); it != first.cend(); ++it)
            QVERIFY2(second.value(it.key()) == it.value(), qPrintable(it.key()));
        QVERIFY(t.prompter.shown.isEmpty()); // no message
    }

    // Info dialog

    void versionAndMakerLineByLanguage()
    {
        TestContext t;
        InfoDialog dialog(t.ctx);
        dialog.show();
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labSW_Version"))->text(),
                 QStringLiteral("Software Version %1.%2.%3")
                     .arg(VANTOR_VERSION_MAJOR)
                     .arg(VANTOR_VERSION_MINOR)
                     .arg(VANTOR_VERSION_PATCH));
        auto* maker = dialog.findChild<QLabel*>(QStringLiteral("labSoftware"));
        QCOMPARE(maker->text(), QStringLiteral("Software entwickelt von Firma Quandor"));
        dialog.hide();

        LangText english;
        QVERIFY(english.load(QDir(binFolder()).filePath(QStringLiteral("English.zfl"))));
        t.texts = english;
        t.ctx.languageName = QStringLiteral("English");
        dialog.show();
        QCOMPARE(maker->text(), QStringLiteral("Software developed by Quandor"));
    }

    void linksOpenTheMakersAddresses()
    {
        TestContext t;
        InfoDialog dialog(t.ctx);
        RecordingLauncher launcher;
        dialog.setLauncher(launcher);
        dialog.show();
        auto* web = dialog.findChild<QLabel*>(QStringLiteral("txtHyperlink"));
        auto* mail = dialog.findChild<QLabel*>(QStringLiteral("txtE_Mail"));
        QCOMPARE(web->text(), QStringLiteral("www.vantor.example"));
        QCOMPARE(mail->text(), QStringLiteral("info@vantor.example"));
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(web->focusPolicy(), Qt::NoFocus);

        QTest::mouseClick(web, Qt::LeftButton);
        QTest::mouseClick(mail, Qt::LeftButton);
        QCOMPARE(launcher.opened.size(), 2);
        QCOMPARE(launcher.opened.at(0), QUrl(QStringLiteral("http://www.vantor.example")));
        const QUrl mailto = launcher.opened.at(1);
        QCOMPARE(mailto.scheme(), QStringLiteral("mailto"));
        QCOMPARE(mailto.path(), QStringLiteral("info@vantor.example"));
        QVERIFY(mailto.query(QUrl::FullyDecoded)
                    .startsWith(QStringLiteral("Subject=Vantor 2.1&Body=Software Version")));
        // A right click opens nothing.
        QTest::mouseClick(web, Qt::RightButton);
        QCOMPARE(launcher.opened.size(), 2);
    }

    void hoverUnderlinesAndColoursTheLink()
    {
        TestContext t;
        InfoDialog dialog(t.ctx);
        dialog.show();
        QLabel* web = dialog.webLink()->box();
        QLabel* mail = dialog.emailLink()->box();
        QVERIFY(!web->font().underline());
        QCOMPARE(web->palette().color(QPalette::WindowText), Hyperlink::normalColour());

        hover(web, true);
        QVERIFY(web->font().underline());
        QCOMPARE(web->palette().color(QPalette::WindowText), Hyperlink::hoverColour());
        QVERIFY(!mail->font().underline());

        hover(web, false);
        QVERIFY(!web->font().underline());
        QCOMPARE(web->palette().color(QPalette::WindowText), Hyperlink::normalColour());

        // Closing while hovering leaves the link plain for the next opening.
        hover(mail, true);
        dialog.hide();
        QVERIFY(!mail->font().underline());
    }

    void wipeRevealsTheLogoAndStopsWhenClosed()
    {
        TestContext t;
        InfoDialog dialog(t.ctx);
        LogoWipe* wipe = dialog.wipe();
        auto* emblem = dialog.findChild<QLabel*>(QStringLiteral("Picture1"));
        dialog.show();
        QCOMPARE(wipe->revealedColumns(), 0);
        QVERIFY(!emblem->isVisible());
        QTRY_VERIFY(wipe->revealedColumns() > 0);
        QVERIFY(wipe->isRunning());

        // Closed in the middle of the wipe: it stops where it is.
        dialog.findChild<QPushButton*>(QStringLiteral("cmdEnde"))->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(!wipe->isRunning());
        QVERIFY(!dialog.startTimer()->isActive());
        const int stoppedAt = wipe->revealedColumns();
        QVERIFY(stoppedAt < wipe->picture().width());
        QTest::qWait(4 * LogoWipe::TickMs);
        QCOMPARE(wipe->revealedColumns(), stoppedAt);

        // Opened again: it starts afresh and runs to the end.
        dialog.show();
        QCOMPARE(wipe->revealedColumns(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(wipe->revealedColumns() == wipe->picture().width(), 10000);
        QVERIFY(!wipe->isRunning());
        QVERIFY(emblem->isVisible());
    }

    void closingBeforeTheWipeStartsStartsNothing()
    {
        TestContext t;
        InfoDialog dialog(t.ctx);
        dialog.show();
        QVERIFY(dialog.startTimer()->isActive());
        dialog.reject(); // Escape
        QTest::qWait(InfoDialog::WipeDelayMs + 3 * LogoWipe::TickMs);
        QVERIFY(!dialog.wipe()->isRunning());
        QCOMPARE(dialog.wipe()->revealedColumns(), 0);
    }

    void deletingTheDialogDuringTheWipe()
    {
        TestContext t;
        auto* dialog = new InfoDialog(t.ctx);
        dialog->show();
        QTRY_VERIFY(dialog->wipe()->isRunning());
        delete dialog;
        QTest::qWait(3 * LogoWipe::TickMs); // no timer may fire into the deleted window
    }

    // Help and updater

    void helpFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::newRow("German") << "Deutsch"
                                << "Help_D.html"
                                << "Vantor 2.1 – Hilfe";
        QTest::newRow("English") << "English"
                                 << "Help_E.html"
                                 << "Vantor 2.1 – Help";
        QTest::newRow("any other") << "Français"
                                   << "Help_E.html"
                                   << "Vantor 2.1 – Help";
    }
    void helpFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(QString, title);
        TestContext t;
        t.ctx.programFolder = binFolder();
        t.ctx.languageName = language;
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        menu.help.trigger();
        HelpWindow* help = actions.helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->currentFile(), QDir(binFolder()).filePath(file));
        QVERIFY(help->fileFound());
        QCOMPARE(help->windowTitle(), title);
        QVERIFY(t.prompter.shown.isEmpty());

        // A topic is an anchor in the same page; the window is reused.
        actions.HTMLHelp_ShowTopic(QStringLiteral("messages"));
        QCOMPARE(actions.helpWindow(), help);
        QCOMPARE(help->browser()->source().fragment(), QStringLiteral("messages"));
    }

    void updaterHelp()
    {
        TestContext t;
        t.ctx.programFolder = binFolder();
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        menu.hilfe.trigger();
        QCOMPARE(actions.helpWindow()->currentFile(),
                 QDir(binFolder()).filePath(QStringLiteral("Hilfe Bootloader.html")));
        QVERIFY(actions.helpWindow()->fileFound());
    }

    void missingHelpIsSaidInTheHelpWindow()
    {
        TestContext t;
        QTemporaryDir empty;
        t.ctx.programFolder = empty.path();
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        menu.help.trigger();
        QVERIFY(!actions.helpWindow()->fileFound());
        QVERIFY(actions.helpWindow()->browser()->toPlainText().contains(QStringLiteral("Help_D.html")));
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void helpPagesAreComplete()
    {
        // Every picture a page shows lies beside it, every link inside a page has its anchor.
        const QDir bin(binFolder());
        for (const char* name : {"Help_D.html", "Help_E.html", "Hilfe Bootloader.html"}) {
            QFile page(bin.filePath(QString::fromLatin1(name)));
            QVERIFY2(page.open(QIODevice::ReadOnly), name);
            const QString html = QString::fromUtf8(page.readAll());
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

    void helpLinksToTheWebGoToTheDesktop()
    {
        TestContext t;
        t.ctx.programFolder = binFolder();
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        RecordingLauncher launcher;
        actions.setLauncher(launcher);
        actions.HTMLHelp_ShowTopic(QString());
        QTextBrowser* browser = actions.helpWindow()->browser();
        emit browser->anchorClicked(QUrl(QStringLiteral("http://www.vantor.example")));
        QCOMPARE(launcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.vantor.example"))});
        // A link inside the help stays in the help window.
        emit browser->anchorClicked(QUrl(QStringLiteral("#loops")));
        QCOMPARE(launcher.opened.size(), 1);
        QCOMPARE(browser->source().fragment(), QStringLiteral("loops"));
    }

    void missingUpdaterIsReported_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("start");
        QTest::newRow("German") << "Deutsch"
                                << "Das Programm für das Modul-Update wurde nicht gefunden";
        QTest::newRow("English") << "English"
                                 << "The module update program was not found";
    }
    void missingUpdaterIsReported()
    {
        QFETCH(QString, language);
        QFETCH(QString, start);
        TestContext t;
        QTemporaryDir empty;
        t.ctx.programFolder = empty.path();
        t.ctx.languageName = language;
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        RecordingLauncher launcher;
        actions.setLauncher(launcher);
        menu.update.trigger();
        QVERIFY(launcher.started.isEmpty());
        QCOMPARE(t.prompter.shown.size(), 1);
        const ScriptedPrompter::Shown& shown = t.prompter.shown.first();
        QVERIFY(shown.text.startsWith(start));
        QVERIFY(shown.text.contains(QDir::toNativeSeparators(empty.filePath(QStringLiteral("Bootloader")))));
        QCOMPARE(shown.title, t.texts.text(7));
        QCOMPARE(shown.icon, Prompter::Icon::Exclamation);
    }

    void updaterIsStartedWithoutWaiting()
    {
        TestContext t;
        QTemporaryDir folder;
        t.ctx.programFolder = folder.path();
        const QString updater = folder.filePath(QStringLiteral("Bootloader"));
        const QString marker = folder.filePath(QStringLiteral("started"));
        {
            QFile script(updater);
            QVERIFY(script.open(QIODevice::WriteOnly));
            // Still running when the program goes on: the launch does not wait.
            script.write("#!/bin/sh\ntouch started\nsleep 5\n");
        }
        QFile(updater).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(actions.updateClick());
        QVERIFY(clock.elapsed() < 4000);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000); // started in the program folder
        QVERIFY(t.prompter.shown.isEmpty());
    }

    void updaterThatCannotStartIsReported()
    {
        TestContext t;
        QTemporaryDir folder;
        t.ctx.programFolder = folder.path();
        QFile updater(folder.filePath(QStringLiteral("Bootloader")));
        QVERIFY(updater.open(QIODevice::WriteOnly));
        updater.write("not a program");
        updater.close();
        ShellMenu menu;
        ShellActions actions(t.ctx, menu.ui);
        QVERIFY(!actions.updateClick());
        QCOMPARE(t.prompter.shown.size(), 1);
        QVERIFY(t.prompter.shown.first().text.startsWith(
            QStringLiteral("Das Programm für das Modul-Update konnte nicht")));
    }
};

QTEST_MAIN(TestShellDialogs)
#include "test_shell_dialogs.moc"
