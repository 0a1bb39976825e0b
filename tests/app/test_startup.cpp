#include "app/Comforts.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/ShowGauge.h"
#include "app/Startup.h"
#include "core/LangText.h"
#include "core/Mnemonics.h"
#include "sequence/SequenceFile.h"
#include "shell/PropertiesDialog.h"
#include "tests/support/TestContext.h"
#include "ui/WidgetPrompter.h"
#include "vehicle/ParameterDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace {

LangText englishTexts()
{
    LangText texts;
    texts.load(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("English.zfl")));
    return texts;
}

int listIndex(MainWindow& window, const char* list)
{
    return window.parameterDialog().findChild<QComboBox*>(QString::fromUtf8(list))->currentIndex();
}

// Closes every modal dialog that comes up, as a user pressing Escape would.
void closeModalDialogsFromNowOn(QObject* owner)
{
    auto* timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, owner, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer->start(20);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    // Only a command line that is exactly an option is one; anything else names the file.
    void commandLineIsOneFileOrOneOption()
    {
        QCOMPARE(parseCommandLine({"--help"}).action, CommandLine::Action::Help);
        QCOMPARE(parseCommandLine({"-v"}).action, CommandLine::Action::Version);
        QCOMPARE(parseCommandLine({"/tmp/Mein", "--help", "Licht.zfx"}).fileName,
                 QStringLiteral("/tmp/Mein --help Licht.zfx"));
        QCOMPARE(parseCommandLine({"--version.zfx"}).fileName, QStringLiteral("--version.zfx"));
    }

    void emptyStoreGivesDefaults()
    {
        TestContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        MainWindowUi& ui = window.ui();
        QVERIFY(window.isFirstRun());
        QCOMPARE(t.document.vehicleCode(), QStringLiteral("112"));
        QVERIFY(t.document.isEmpty() && t.document.isUntitled());
        // Developer controls stay hidden.
        QVERIFY(!ui.labX->isVisibleTo(&window) && !ui.cmdBereiche->isVisibleTo(&window) &&
                !ui.Menu[7]->isVisible());
    }

    void storedValuesAreApplied()
    {
        TestContext t;
        t.settings.save(QStringLiteral("Lampen_Port"), QStringLiteral("5"));
        t.settings.save(QStringLiteral("Entwickerstatus"), QStringLiteral("Wahr"));
        t.settings.save(QStringLiteral("Slider"), QStringLiteral("25"));
        t.settings.save(QStringLiteral("Time_Kommen"), QStringLiteral("7"));
        t.settings.save(QStringLiteral("Time_Gehen"), QStringLiteral("kaputt"));
        t.settings.save(QStringLiteral("Parameter"), QStringLiteral("1210000000000000000")); // 19 digits
        t.settings.save(QStringLiteral("Fahrzeug_Type"), QStringLiteral("312"));
        MainWindow window(t.ctx);
        QCOMPARE(window.load(QString()), 1000);
        MainWindowUi& ui = window.ui();
        QVERIFY(!window.isFirstRun());
        QCOMPARE(t.document.vehicleCode(), QStringLiteral("312"));
        QCOMPARE(t.document.parameterString(), QStringLiteral("12100000000000000000"));
        QVERIFY(ui.Port[5]->isChecked() && !ui.Port[1]->isChecked());
        QCOMPARE(ui.sliderZeitein->value(), 25);
        QCOMPARE(listIndex(window, "combBegrüßung"), 7);
        QCOMPARE(listIndex(window, "combVerabschiedung"), 2); // not a number: the default
        QVERIFY(ui.labX->isVisibleTo(&window) && ui.cmdBereiche->isVisibleTo(&window) &&
                ui.Menu[7]->isVisible());

        // A reset blanks the choices of the first start and keeps the rest.
        t.settings.save(QStringLiteral("Language"), QStringLiteral("English"));
        window.resetSettings();
        QCOMPARE(t.settings.get(QStringLiteral("Language")), QString());
        QCOMPARE(t.settings.get(QStringLiteral("Fahrzeug_Type")), QString());
        QCOMPARE(t.settings.get(QStringLiteral("Time_Kommen")), QStringLiteral("7"));
    }

    // Each window takes the texts, down to tooltips, and Qt's own buttons follow where Qt has
    // the translation; a file named on the command line keeps its name in the title.
    void switchingLanguageFromTheMenu()
    {
        TestContext t;
        const QString file = t.dir.filePath(QStringLiteral("Start.zfx"));
        QVERIFY(SequenceFile::write(file, SequenceDocument()));
        MainWindow window(t.ctx);
        window.load(file);
        MainWindowUi& ui = window.ui();
        const bool qtGerman = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                            QStringLiteral("/qtbase_de.qm"));
        if (qtGerman)
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        window.auswahlClick(2);
        const LangText en = englishTexts();
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Start.zfx[*]      ")));
        QCOMPARE(window.windowFilePath(), file);
        QVERIFY(window.windowTitle().contains(QStringLiteral("Vehicle:  ")));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QCOMPARE(t.settings.get(QStringLiteral("Language")), QStringLiteral("English"));
        QVERIFY(ui.Auswahl.at(1)->isChecked() && !ui.Auswahl.at(0)->isChecked());
        QCOMPARE(ui.Frame1->title(), en.text(62));
        QCOMPARE(Mnemonics::stripped(ui.Redo->text()), en.text(Comforts::RedoText));
        QCOMPARE(window.propertiesDialog().windowTitle(), en.text(6));
        QCOMPARE(window.parameterDialog().findChild<QWidget*>(QStringLiteral("chkTagfahrlicht"))->toolTip(),
                 en.text(203));
        SequenceTableModel& table = t.document.table(0);
        QCOMPARE(table.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Loop"));
        // Numbers are shown with a decimal point; the rows keep their text for the file.
        QCOMPARE(ui.labZeitein->text(), QStringLiteral("0.1") + en.text(76));
        table.appendRow({QStringLiteral("0,5"), QString(), {1, 0, 0, 0}});
        QCOMPARE(table.data(table.index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("0.5"));
        QCOMPARE(table.row(1).interval, QStringLiteral("0,5"));
        // The step numbers come first on screen; the gauge follows the edit, in English.
        QCOMPARE(ui.List1[0]->header()->visualIndex(SequenceTableModel::NumberColumn), 0);
        QTRY_COMPARE(ui.showGauge->reading().memory.length, 12);
        QCOMPARE(ui.showGauge->reading().durationText, QStringLiteral("Duration  0.5 s  /  0.0 s"));
        QVERIFY(t.prompter.shown.isEmpty());
        window.auswahlClick(1);
        QCOMPARE(ui.cmdExit->text(), QStringLiteral("Beenden"));
    }

    void missingLanguageFileFallsBackToGerman()
    {
        TestContext t;
        t.ctx.languageName = QStringLiteral("Klingonisch");
        MainWindow window(t.ctx);
        window.load(QString());
        QCOMPARE(t.prompter.shown.size(), 1);
        QVERIFY(t.prompter.shown.first().text.contains(QStringLiteral("Klingonisch.zfl")));
        QCOMPARE(window.ui().cmdExit->text(), QStringLiteral("Beenden"));
    }

    // A message box answered while the start screen gives way to the main window (here: the
    // language file is missing) is no last window whose closing ends the program.
    void answeringAStartUpMessageKeepsTheEditor()
    {
        TestContext t;
        t.settings.save(QStringLiteral("Language"), QStringLiteral("Klingonisch"));
        t.settings.save(QStringLiteral("Entwickerstatus"), QStringLiteral("Wahr"));
        t.settings.save(QStringLiteral("Fahrzeug_Type"), QStringLiteral("211"));
        WidgetPrompter boxes; // real message boxes, as the program shows them before its window
        AppContext ctx{t.settings, t.texts, boxes, t.document, t.vehicle, t.module};
        ctx.programFolder = t.ctx.programFolder;
        Startup startup(ctx, QString());
        QSignalSpy ended(&startup, &Startup::mainWindowClosed);
        QObject owner;
        closeModalDialogsFromNowOn(&owner);
        // The main window on screen, and every event posted until then handled: it stays.
        connect(&startup, &Startup::mainWindowShown, &owner, [&] {
            QTimer::singleShot(0, &owner,
                               [&] { QCoreApplication::exit(startup.mainWindow()->isVisible() ? 42 : 1); });
        });
        QTimer::singleShot(20'000, &owner, [] { QCoreApplication::exit(2); });
        startup.begin();
        QCOMPARE(QCoreApplication::exec(), 42);
        QVERIFY(ended.isEmpty());
        QVERIFY(startup.mainWindow()->close());
        QCOMPARE(ended.count(), 1);
    }

    void firstStartChoosesLanguageThenWelcomesOnce()
    {
        TestContext t;
        t.settings.save(QStringLiteral("Entwickerstatus"), QStringLiteral("Wahr"));
        Startup startup(t.ctx, QString());
        QSignalSpy shown(&startup, &Startup::mainWindowShown);
        startup.begin();

        LanguageDialog* dialog = startup.languageDialog();
        QVERIFY(dialog);
        auto* list = dialog->findChild<QComboBox*>(QStringLiteral("comLanguage"));
        list->setCurrentIndex(list->findText(QStringLiteral("English")));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(t.settings.get(QStringLiteral("Language")), QStringLiteral("English"));

        QTRY_VERIFY(startup.startScreen());

        closeModalDialogsFromNowOn(this);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 5000);
        MainWindow* window = startup.mainWindow();
        QVERIFY(window->isVisible());
        QCOMPARE(window->ui().cmdExit->text(), englishTexts().text(30));

        // The welcome: three messages around the vehicle choice, once.
        const LangText en = englishTexts();
        QTRY_COMPARE(t.prompter.texts(), (QStringList{en.text(84), en.text(87), en.text(86)}));
        window->resize(window->size() + QSize(1, 1));
        QTest::qWait(50);
        QCOMPARE(t.prompter.shown.size(), 3);
    }

    void storedLanguageSkipsTheChoice()
    {
        TestContext t;
        t.settings.save(QStringLiteral("Language"), QStringLiteral("Deutsch"));
        t.settings.save(QStringLiteral("Entwickerstatus"), QStringLiteral("Wahr"));
        t.settings.save(QStringLiteral("Fahrzeug_Type"), QStringLiteral("211"));
        Startup startup(t.ctx, QString());
        QSignalSpy shown(&startup, &Startup::mainWindowShown);
        startup.begin();
        QVERIFY(!startup.languageDialog());
        QVERIFY(startup.startScreen());
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, 5000);
        QTest::qWait(50);
        QVERIFY(t.prompter.shown.isEmpty()); // no welcome when a vehicle is stored
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
