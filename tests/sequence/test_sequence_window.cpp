#include "app/MainWindow.h"
#include "sequence/FileCommands.h"
#include "sequence/Interval.h"
#include "sequence/SequenceEditor.h"
#include "sequence/SequenceFile.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/TestContext.h"
#include "vehicle/ParameterDialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeView>

using namespace TestData;

namespace {

const QString Blanks = QStringLiteral("      ");

// The main window over a test context, loaded with vehicle 312 stored.
struct Window
{
    SetUpContext t;
    std::unique_ptr<MainWindow> window;
    MainWindowUi* ui = nullptr;

    Window()
    {
        window = std::make_unique<MainWindow>(t.ctx);
        window->load(QString());
        ui = &window->ui();
        t.prompter.clear();
    }
    QString path(const QString& name) const { return t.dir.filePath(name); }
    QString caption(const QString& name) const
    {
        return name + QStringLiteral("[*]") + Blanks + window->parameterDialog().selectionCaption();
    }
    void menu(int index) { ui->Menu[std::size_t(index)]->trigger(); }
    // A document saved under name with rows in both tables.
    QString savedFile(const QString& name)
    {
        SequenceDocument doc;
        doc.setContent({QStringLiteral("211"), QStringLiteral("12100000000000000000"), {rows(3), rows(2)}});
        const QString file = path(name);
        SequenceFile::write(file, doc);
        return file;
    }
};

} // namespace

class TestSequenceWindow : public QObject
{
    Q_OBJECT
private slots:
    void intervalTextFollowsTheLocale()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(Interval::fromSlider(30, german), QStringLiteral("3"));
        // The file holds ASCII only: other digits and separators are not used.
        QCOMPARE(Interval::fromSlider(5, QLocale(QLocale::Arabic, QLocale::Egypt)), QStringLiteral("0.5"));

        Window w;
        w.ui->sliderZeitein->setValue(7);
        // The label writes the program's language, whatever the system's locale.
        QCOMPARE(w.ui->labZeitein->text(), QStringLiteral("0,7") + w.t.texts.text(76));
    }

    void editingButtons()
    {
        Window w;
        SequenceDocument& doc = w.t.document;
        w.ui->sliderZeitein->setValue(5);
        w.t.ctx.lampState = {1, 2, 4, 8};
        QTest::mouseClick(w.ui->cmdWeiter, Qt::LeftButton);
        QCOMPARE(doc.table(0).rows(),
                 (QList<SequenceRow>{{Interval::fromSlider(5), QString(), {1, 2, 4, 8}}}));
        QCOMPARE(w.t.ctx.lampState, (std::array<std::uint8_t, 4>{})); // all lamps off

        // cmdÄndern answers a mouse press, and not the keyboard.
        select(doc, 0, {1}, 1);
        w.t.ctx.lampState = {3, 3, 3, 3};
        w.ui->sliderZeitein->setValue(20);
        w.ui->cmdAendern->click();
        w.window->show();
        w.ui->cmdAendern->setFocus();
        QTest::keyClick(w.ui->cmdAendern, Qt::Key_Space);
        QCOMPARE(doc.table(0).row(1).lamps, (std::array<std::uint8_t, 4>{1, 2, 4, 8}));
        QTest::mousePress(w.ui->cmdAendern, Qt::RightButton);
        QTest::mouseRelease(w.ui->cmdAendern, Qt::RightButton);
        QCOMPARE(doc.table(0).row(1), (SequenceRow{QStringLiteral("2"), QString(), {3, 3, 3, 3}}));

        // (The loop buttons: aLoopAloneIsAnUnsavedChange.)
        QTest::mouseClick(w.ui->cmdEinfuegen, Qt::LeftButton);
        QCOMPARE(doc.table(0).count(), 2);
        QCOMPARE(doc.table(0).row(1).lamps, (std::array<std::uint8_t, 4>{}));

        w.t.prompter.yesNoAnswers.enqueue(true);
        QTest::mouseClick(w.ui->cmdLoeschen, Qt::LeftButton);
        QCOMPARE(doc.table(0).count(), 1);
    }

    // Commands are enabled where they can act; the marked row is shown however
    // it was marked, with its own interval on the slider.
    void tableMenuAndTheMarkedRow()
    {
        Window w;
        SequenceDocument& doc = w.t.document;
        QVERIFY(!w.window->sequenceEditor().prepareTableMenu()); // an empty table has no menu
        QVERIFY(!w.ui->cmdDaten->isEnabled());                   // nothing to send
        fill(doc, 0, 3);
        QVERIFY(w.ui->cmdDaten->isEnabled() && !w.ui->cmdAendern->isEnabled());
        w.window->show();
        QTreeView* list = w.ui->List1[0];
        QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                          list->visualRect(doc.table(0).index(1, 0)).center());
        QCOMPARE(w.ui->labPos->text(), QStringLiteral("Position 2"));
        QCOMPARE(w.ui->sliderZeitein->value(), 25);
        QVERIFY(w.ui->cmdAendern->isEnabled() && !w.ui->List_1[3]->isEnabled());
        w.ui->List_1[1]->trigger();
        QVERIFY(w.ui->List_1[3]->isEnabled() && w.ui->List_1[4]->isEnabled());
        w.ui->List_1[4]->trigger();
        // Pasted at the marked row, the pasted row is the one shown.
        select(doc, 0, {1}, 1);
        w.ui->List_1[3]->trigger();
        QCOMPARE(doc.table(0).rows(), (QList<SequenceRow>{row(2), row(1), row(2), row(3), row(2)}));
        QCOMPARE(w.ui->labPos->text(), QStringLiteral("Position 1"));
        QCOMPARE(w.ui->sliderZeitein->value(), 25);
        QCOMPARE(w.t.ctx.lampState, row(2).lamps);
        w.ui->List_1[2]->trigger();
        QCOMPARE(doc.table(0).count(), 4);
        QCOMPARE(w.ui->labPos->text(), QStringLiteral("Position 0"));
    }

    // New and Open offer to save a changed show first; a failed save keeps the work.
    void newAndOpenOfferToSaveFirst()
    {
        Window w;
        w.ui->labPos->setText(QStringLiteral("Position 7"));
        w.menu(1);
        QVERIFY(w.t.prompter.shown.isEmpty());
        QCOMPARE(w.window->windowTitle(), w.caption(QStringLiteral("Neu")));
        QCOMPARE(w.ui->labPos->text(), QStringLiteral("Position 0"));

        // Escape (Cancel) changes nothing; No discards the changes.
        fill(w.t.document, 1, 1);
        w.menu(1);
        QCOMPARE(w.t.prompter.texts(), QStringList{w.t.texts.text(90)});
        QCOMPARE(w.t.document.table(1).count(), 1);
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
        w.menu(1);
        QVERIFY(w.t.document.isEmpty());

        // Yes saves first; the save then names the file.
        fill(w.t.document, 0, 2);
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::Yes);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("Erst.zfx")));
        w.menu(1);
        QVERIFY(w.t.document.isEmpty() && w.t.document.isUntitled());
        QVERIFY(QFile::exists(w.path(QStringLiteral("Erst.zfx"))));

        // Open: Yes, then the save fails.
        fill(w.t.document, 0, 2);
        const QString file = w.savedFile(QStringLiteral("Andere.zfx"));
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::Yes);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("kein/Ordner.zfx")));
        w.t.prompter.fileAnswers.enqueue(file);
        w.menu(2);
        QCOMPARE(w.t.document.table(0).rows(), rows(2));
        QVERIFY(w.t.document.isUntitled());
        QVERIFY(w.t.prompter.shown.last().text.startsWith(w.t.texts.text(FileCommands::SaveFailedText)));
        QCOMPARE(w.t.prompter.fileAnswers.size(), 1); // the open dialog was not shown

        // Save As of a named document fails: name, rows and caption stay.
        w.t.document.setFileName(file);
        const QString title = w.window->windowTitle();
        w.t.prompter.fileAnswers.clear();
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("fehlt/Neu.zfx")));
        w.menu(4);
        QVERIFY(w.t.prompter.shown.last().text.startsWith(w.t.texts.text(FileCommands::SaveFailedText)));
        QCOMPARE(w.t.document.table(0).rows(), rows(2));
        QCOMPARE(w.t.document.fileName(), file);
        QCOMPARE(w.window->windowTitle(), title);
    }

    void openReadsTheFileAndItsVehicle()
    {
        Window w;
        const QString file = w.savedFile(QStringLiteral("Tour.zfx"));
        w.t.prompter.fileAnswers.enqueue(file);
        w.t.ctx.lampState = {1, 1, 1, 1};
        w.menu(2);
        QCOMPARE(w.t.document.table(0).rows(), rows(3));
        QCOMPARE(w.t.document.vehicleCode(), QStringLiteral("211"));
        QCOMPARE(w.t.document.fileName(), file);
        QCOMPARE(w.window->windowTitle(), w.caption(QFileInfo(file).fileName()));
        QCOMPARE(w.t.ctx.lampState, (std::array<std::uint8_t, 4>{}));
        // A vehicle change keeps the name. (Edits mark the title: aLoopAloneIsAnUnsavedChange.)
        QVERIFY(!w.window->isWindowModified());
        w.window->parameterDialog().cmdOK_Click();
        QCOMPARE(w.window->windowTitle(), w.caption(QFileInfo(file).fileName()));
    }

    // A loop made or taken off a saved show with its button, and nothing else, is an unsaved
    // change: the title marks it and closing asks.
    void aLoopAloneIsAnUnsavedChange()
    {
        Window w;
        w.t.prompter.fileAnswers.enqueue(w.savedFile(QStringLiteral("Tour.zfx")));
        w.menu(2);
        w.window->show();
        select(w.t.document, 0, {1, 2}, 1);
        w.t.prompter.textAnswers.enqueue(QStringLiteral("3"));
        w.ui->cmdSchleife->click();
        QCOMPARE(w.t.document.table(0).row(1).loopMarker, QStringLiteral("S  1 / 3 x"));
        QTRY_VERIFY(w.window->isWindowModified());
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::Cancel);
        QVERIFY(!w.window->close());
        QCOMPARE(w.t.prompter.texts().last(), w.t.texts.text(83));

        w.menu(3);
        QTRY_VERIFY(!w.window->isWindowModified());
        select(w.t.document, 0, {1}, 1); // a loop of two rows goes whole
        w.ui->cmdSchleife_L->click();
        QCOMPARE(markers(w.t.document, 0), QStringList(3, QString()));
        QTRY_VERIFY(w.window->isWindowModified());
    }

    void openRefusesADamagedFile()
    {
        Window w;
        const QString file = w.path(QStringLiteral("Kaputt.zfx"));
        QByteArray bytes = SequenceCodec::encode(SequenceDocument().content());
        bytes[bytes.size() - 2] = char(bytes.at(bytes.size() - 2) ^ 1);
        QVERIFY(writeAll(file, bytes));
        const QString missing = w.path(QStringLiteral("fehlt.zfx"));
        // A file that cannot be read replaces nothing: the changed show stays.
        fill(w.t.document, 0, 1);
        const QString title = w.window->windowTitle();
        for (const auto& [name, reason] : {std::pair{file, FileCommands::UnreadableText + 2},
                                           std::pair{missing, FileCommands::UnreadableText + 1}}) {
            w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
            w.t.prompter.fileAnswers.enqueue(name);
            w.menu(2);
            const ScriptedPrompter::Shown said = w.t.prompter.shown.last();
            QVERIFY(said.text.startsWith(w.t.texts.text(FileCommands::UnreadableText)));
            QVERIFY(said.text.contains(QDir::toNativeSeparators(name)));
            QVERIFY(said.text.endsWith(w.t.texts.text(reason)));
            QCOMPARE(said.icon, Prompter::Icon::Exclamation);
            QCOMPARE(w.t.document.table(0).rows(), rows(1));
            QVERIFY(w.t.document.isUntitled());
            QCOMPARE(w.window->windowTitle(), title);
        }
        QCOMPARE(readAll(file), bytes);
    }

    void saveNamesTheDocument()
    {
        Window w;
        fill(w.t.document, 0, 2);
        // Untitled: the dialog; a name without extension gets ".zfx".
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("Tour")));
        w.menu(3);
        const QString file = w.path(QStringLiteral("Tour.zfx"));
        QCOMPARE(w.t.document.fileName(), file);
        // The title names the file as Open does; the full path is the window's file path.
        QCOMPARE(w.window->windowTitle(), w.caption(QStringLiteral("Tour.zfx")));
        QCOMPARE(w.window->windowFilePath(), w.path(QStringLiteral("Tour.zfx")));
        QVERIFY(SequenceFile::documentUnchanged(w.t.document));

        // Named and present: no dialog.
        w.t.prompter.clear();
        fill(w.t.document, 1, 4);
        w.menu(3);
        QVERIFY(w.t.prompter.shown.isEmpty());
        QVERIFY(SequenceFile::documentUnchanged(w.t.document));

        // Named but deleted meanwhile: the dialog, as Save As.
        QFile::remove(file);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("Neu.zfx")));
        w.menu(3);
        QCOMPARE(w.t.prompter.shown.size(), 1);
        QCOMPARE(w.t.document.fileName(), w.path(QStringLiteral("Neu.zfx")));
    }

    // Closing asks only for a changed show; Cancel, or a save that fails, keeps everything as it was.
    void closingAsksOnlyForChanges()
    {
        Window w;
        w.ui->sliderZeitein->setValue(17);
        w.window->show();
        QVERIFY(w.window->close());
        QCOMPARE(w.t.settings.get(QStringLiteral("Slider")), QStringLiteral("17"));
        QVERIFY(w.t.prompter.shown.isEmpty());

        w.window->show();
        w.window->parameterDialog().show();
        w.ui->sliderZeitein->setValue(18);
        fill(w.t.document, 0, 2);
        QVERIFY(!w.window->close());
        QVERIFY(w.window->parameterDialog().isVisible());
        QCOMPARE(w.t.settings.get(QStringLiteral("Slider")), QStringLiteral("17"));
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::Yes);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("fehlt/Tour.zfx")));
        QVERIFY(!w.window->close());
        QCOMPARE(w.t.document.table(0).rows(), rows(2));

        // Yes saves under the name given, then the window closes.
        w.t.prompter.clear();
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::Yes);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("Tour.zfx")));
        QVERIFY(w.window->close());
        QCOMPARE(w.t.prompter.texts().first(), w.t.texts.text(83));
        QVERIFY(SequenceFile::documentUnchanged(w.t.document));
    }

    void parentEntriesSwitchTheLampsOff()
    {
        Window w;
        for (QMenu* menu : {w.ui->menuLanguage, w.ui->menuUpdate}) {
            w.t.ctx.lampState = {1, 2, 3, 4};
            emit menu->aboutToShow();
            QCOMPARE(w.t.ctx.lampState, (std::array<std::uint8_t, 4>{}));
        }
    }
};

QTEST_MAIN(TestSequenceWindow)
#include "test_sequence_window.moc"
