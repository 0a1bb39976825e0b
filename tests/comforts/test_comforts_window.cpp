#include "app/AnimationExport.h"
#include "app/Comforts.h"
#include "app/MainWindow.h"
#include "app/TemplateGallery.h"
#include "app/VehicleChangeCheck.h"
#include "app/VideoExport.h"
#include "core/SaveFailureText.h"
#include "sequence/FileCommands.h"
#include "sequence/Pieces.h"
#include "sequence/SequenceEditor.h"
#include "sequence/SequenceFile.h"
#include "tests/sequence/SequenceTestData.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TestContext.h"
#include "vehicle/ParameterDialog.h"
#include "views/PatternDialog.h"
#include "views/Storyboard.h"
#include "views/playback/PlaybackController.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace TestData;

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The main window over a test context, loaded with vehicle 312 stored and
// its backups in a folder of the test.
struct Window
{
    SetUpContext t;
    std::unique_ptr<MainWindow> window;
    MainWindowUi* ui = nullptr;

    explicit Window(const QString& backupFolder = QString(), const QString& commandLine = QString())
    {
        window = std::make_unique<MainWindow>(t.ctx);
        backup().setFolder(backupFolder.isEmpty() ? t.dir.filePath(QStringLiteral("data")) : backupFolder);
        window->load(commandLine);
        ui = &window->ui();
        t.prompter.clear();
    }
    Comforts& comforts() { return window->comforts(); }
    // The messages and questions shown, without the file dialogs.
    QStringList said() const
    {
        QStringList out;
        for (const ScriptedPrompter::Shown& s : t.prompter.shown) {
            if (s.kind == ScriptedPrompter::Shown::Kind::Message ||
                s.kind == ScriptedPrompter::Shown::Kind::Question)
                out.append(s.text);
        }
        return out;
    }
    Backup& backup() { return window->comforts().backup(); }
    SequenceDocument& doc() { return t.document; }
    QString path(const QString& name) const { return t.dir.filePath(name); }

    bool showActive()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    // A key as the user types it: to the widget with the focus.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    void appendStep(const std::array<std::uint8_t, 4>& lamps)
    {
        t.ctx.lampState = lamps;
        QTest::mouseClick(ui->cmdWeiter, Qt::LeftButton);
    }
    QStringList recentShown() const
    {
        QStringList out;
        for (QAction* entry : ui->Recent) {
            if (entry->isVisible())
                out.append(entry->data().toString());
        }
        return out;
    }
};

QString writeShow(const QString& file, int rows0)
{
    SequenceDocument show;
    show.setContent({QStringLiteral("312"), QStringLiteral("12100000000000000000"), {rows(rows0), rows(1)}});
    SequenceFile::write(file, show);
    return file;
}

QMimeData* urls(const QStringList& files)
{
    auto* data = new QMimeData;
    QList<QUrl> list;
    for (const QString& file : files)
        list.append(QUrl::fromLocalFile(file));
    data->setUrls(list);
    return data;
}

bool dragEnterAccepted(QWidget* window, const QMimeData* data)
{
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    return enter.isAccepted();
}

// A run that opens the file, changes it and ends without closing, leaving
// its copy and its lock file (naming a process that no longer runs).
void crashWithUnsavedWork(const QString& folder, const QString& file, QList<SequenceRow>* unsaved = nullptr)
{
    Window before(folder);
    before.t.prompter.fileAnswers.enqueue(file);
    before.ui->Menu[2]->trigger();
    before.appendStep({5, 6, 7, 8});
    if (unsaved)
        *unsaved = before.doc().table(0).rows();
    QVERIFY(before.backup().update());
    const QString lockFile = before.backup().lockFile();
    QByteArray lock = readAll(lockFile);
    QVERIFY(!lock.isEmpty());
    before.window.reset(); // gives the lock back, as a crash would not
    lock.replace(0, lock.indexOf('\n'), "2147480000");
    QVERIFY(writeAll(lockFile, lock));
}

} // namespace

class TestComfortsWindow : public QObject
{
    Q_OBJECT
private slots:
    // Undo goes back to the sequence where the change was made.
    void undoAndRedoShowWhatTheyRestore()
    {
        Window w;
        QVERIFY(w.showActive());
        w.ui->sliderZeitein->setValue(5);
        w.appendStep({1, 2, 4, 8});
        QTest::mouseClick(w.ui->optAuf_Zu[1], Qt::LeftButton);
        w.appendStep({3, 0, 0, 0});

        QTest::mouseClick(w.ui->optAuf_Zu[0], Qt::LeftButton);
        w.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.doc().table(1).count(), 0);
        QCOMPARE(w.doc().activeSequence(), 1);
        QVERIFY(w.ui->optAuf_Zu[1]->isChecked());
        QCOMPARE(w.ui->labPos->text(), QStringLiteral("Position 0"));

        w.ui->Undo->trigger();
        QCOMPARE(w.doc().table(0).count(), 0);
        QCOMPARE(w.doc().activeSequence(), 0);
        QVERIFY(!w.ui->Undo->isEnabled());

        // Redo brings the row back selected and shows it on the car views.
        w.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.doc().table(0).rows(),
                 (QList<SequenceRow>{{w.window->sequenceEditor().intervalText(), QString(), {1, 2, 4, 8}}}));
        QCOMPARE(w.doc().selectedRows(0), QList<int>{1});
        QCOMPARE(w.ui->labPos->text(), QStringLiteral("Position 1"));
        QCOMPARE(w.t.ctx.lampState, (std::array<std::uint8_t, 4>{1, 2, 4, 8}));
        w.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.doc().table(1).count(), 1);
        QCOMPARE(w.doc().activeSequence(), 1);
        QVERIFY(!w.ui->Redo->isEnabled());

        // Not while playing.
        w.key(Qt::Key_F5);
        QVERIFY(w.window->playback().isPlaying());
        QVERIFY(!w.ui->Undo->isEnabled());
        w.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.doc().table(1).count(), 1);
        w.key(Qt::Key_Escape); // stops (keysRunTheirCommands)
        QVERIFY(w.ui->Undo->isEnabled());

        // New and Open start a new history.
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
        w.key(Qt::Key_N, Qt::ControlModifier);
        QVERIFY(w.doc().isEmpty());
        QVERIFY(!w.ui->Undo->isEnabled());
        w.appendStep({1, 0, 0, 0});
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
        w.t.prompter.fileAnswers.enqueue(writeShow(w.path(QStringLiteral("Open.zfx")), 2));
        w.key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.doc().table(0).count(), 2);
        QVERIFY(!w.ui->Undo->isEnabled());
    }

    // A vehicle change is one step for undo. Before it takes effect on a show with steps, the
    // lamps the new vehicle lacks are named with the steps that light them, and No goes back to
    // the vehicle window with nothing changed.
    void aVehicleChangeIsOneUndoStep()
    {
        Window w;
        w.t.prompter.fileAnswers.enqueue(writeShow(w.path(QStringLiteral("Tour.zfx")), 2));
        w.ui->Menu[2]->trigger();
        w.appendStep({63, 63, 63, 63});
        QTRY_VERIFY(w.ui->Menu[3]->isEnabled());
        w.ui->Menu[3]->trigger();
        QTRY_VERIFY(!w.window->isWindowModified());
        const QString fiver = w.window->windowTitle();
        ParameterDialog& dialog = w.window->parameterDialog();
        const auto radio = [&dialog](const char* name) {
            return dialog.findChild<QRadioButton*>(QString::fromLatin1(name));
        };
        dialog.show();
        radio("optType(7)")->click(); // the Mini
        w.t.prompter.clear();
        const int entries = w.comforts().history().count();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(w.t.prompter.shown.size(), 1);
        const QString question = w.t.prompter.shown.first().text;
        QVERIFY(question.startsWith(w.t.texts.text(VehicleChangeCheck::LackingText)));
        QVERIFY(question.contains(QStringLiteral(": 1") + w.t.texts.text(VehicleChangeCheck::StepText)));
        QVERIFY(dialog.isVisible() && w.doc().vehicleCode() == QStringLiteral("312"));
        QCOMPARE(w.comforts().history().count(), entries);

        w.t.prompter.yesNoAnswers.enqueue(true);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        const QString mini = w.doc().vehicleCode();
        QVERIFY(!dialog.isVisible() && mini.startsWith(QLatin1Char('7')));
        QCOMPARE(w.doc().table(0).row(3).lamps, (LampBytes{63, 63, 63, 63})); // kept in the file
        QTRY_VERIFY(w.window->isWindowModified());
        QCOMPARE(w.comforts().history().count(), entries + 1);

        w.ui->Undo->trigger();
        QCOMPARE(w.doc().vehicleCode(), QStringLiteral("312"));
        QVERIFY(radio("optType(3)")->isChecked());
        QCOMPARE(w.window->windowTitle(), fiver);
        QTRY_VERIFY(!w.window->isWindowModified());
        w.ui->Redo->trigger();
        QCOMPARE(w.doc().vehicleCode(), mini);
        QVERIFY(radio("optType(7)")->isChecked());
    }

    void keysRunTheirCommands()
    {
        Window w;
        QVERIFY(w.showActive());
        SequenceDocument& doc = w.doc();
        fill(doc, 0, 5);

        // Delete asks first; Insert puts an empty step at the focused row.
        select(doc, 0, {2}, 2);
        w.t.prompter.yesNoAnswers.enqueue(true);
        w.key(Qt::Key_Delete);
        QCOMPARE(w.said(), QStringList{w.t.texts.text(80)});
        QCOMPARE(doc.table(0).count(), 4);
        select(doc, 0, {2}, 2);
        w.key(Qt::Key_Insert);
        QCOMPARE(doc.table(0).count(), 5);

        // Copy, cut and paste at the focused row, without the context menu.
        select(doc, 0, {1}, 1);
        w.key(Qt::Key_C, Qt::ControlModifier);
        select(doc, 0, {}, 4);
        w.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(doc.table(0).count(), 6);
        QCOMPARE(doc.table(0).row(4), row(1));
        select(doc, 0, {4}, 4);
        w.key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(doc.table(0).count(), 5);
        QCOMPARE(w.window->sequenceEditor().clipboard().rows(), QList<SequenceRow>{row(1)});

        // The space key of cmdWeiter still appends.
        w.ui->cmdWeiter->setFocus();
        w.key(Qt::Key_Space);
        QCOMPARE(doc.table(0).count(), 6);

        // Shift+F5 plays from the selected row; F5 does not stop it, Delete is locked meanwhile,
        // Escape stops. (F5 from the start is taken with undo.)
        select(doc, 0, {3}, 3);
        w.key(Qt::Key_F5, Qt::ShiftModifier);
        w.key(Qt::Key_F5);
        w.t.prompter.yesNoAnswers.enqueue(true);
        w.key(Qt::Key_Delete);
        QVERIFY(w.window->playback().isPlaying());
        QCOMPARE(doc.table(0).count(), 6);
        w.key(Qt::Key_Escape);
        QVERIFY(!w.window->playback().isPlaying());

        // Save and Save As show their dialog (Ctrl+N and Ctrl+O are taken with undo).
        w.t.prompter.clear();
        w.key(Qt::Key_S, Qt::ControlModifier);
        w.key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.t.prompter.shown.size(), 2);

        // A text field keeps its Delete key.
        auto* field = new QLineEdit(QStringLiteral("abc"), w.ui->central);
        field->show();
        field->setFocus();
        field->setCursorPosition(0);
        select(doc, 0, {1}, 1);
        w.key(Qt::Key_Delete);
        QCOMPARE(field->text(), QStringLiteral("bc"));
    }

    void recentFilesInTheFileMenu()
    {
        Window w;
        w.appendStep({1, 0, 0, 0});
        const QString a = w.path(QStringLiteral("a.zfx"));
        const QString b = w.path(QStringLiteral("b.zfx"));
        w.t.prompter.fileAnswers.enqueue(a);
        w.ui->Menu[4]->trigger();
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("b")));
        w.ui->Menu[4]->trigger();
        QCOMPARE(w.recentShown(), (QStringList{b, a}));

        w.t.prompter.fileAnswers.enqueue(a);
        w.ui->Menu[2]->trigger();
        QCOMPARE(w.recentShown(), (QStringList{a, b}));

        // A file that is gone is taken off the list with a message; the document stays.
        QVERIFY(QFile::remove(b));
        w.t.prompter.clear();
        w.ui->Recent[1]->trigger();
        QCOMPARE(w.said(), QStringList{w.t.texts.text(Comforts::RecentMissingText) + CrLf +
                                       QDir::toNativeSeparators(b)});
        QCOMPARE(w.recentShown(), QStringList{a});
        QCOMPARE(w.doc().fileName(), a);

        // An existing one opens as Open does: a changed document is offered for
        // saving first, and Escape (Cancel) keeps it.
        w.appendStep({2, 0, 0, 0});
        w.t.prompter.clear();
        w.ui->Recent[0]->trigger();
        QCOMPARE(w.said(), QStringList{w.t.texts.text(90)});
        QCOMPARE(w.doc().table(0).count(), 2);
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
        w.ui->Recent[0]->trigger();
        QCOMPARE(w.doc().table(0).count(), 1);
        QVERIFY(SequenceFile::documentUnchanged(w.doc()));

        // The file named on the command line counts as opened.
        QTemporaryDir elsewhere;
        const QString start = elsewhere.filePath(QStringLiteral("Start.zfx"));
        QVERIFY(QFile::copy(a, start));
        Window started(QString(), start);
        QCOMPARE(started.doc().fileName(), start);
        QCOMPARE(started.recentShown(), QStringList{start});
    }

    void droppingASequenceFileOpensIt()
    {
        Window w;
        const QString file = writeShow(w.path(QStringLiteral("Dropped.zfx")), 3);
        const std::unique_ptr<QMimeData> text(urls({w.path(QStringLiteral("notes.txt"))}));
        QVERIFY(!dragEnterAccepted(w.window.get(), text.get()));
        const std::unique_ptr<QMimeData> data(urls({w.path(QStringLiteral("notes.txt")), file}));
        QVERIFY(dragEnterAccepted(w.window.get(), data.get()));

        // The same question as Open, once the drop has ended.
        w.appendStep({1, 0, 0, 0});
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
        QDropEvent dropped(QPointF(100, 100), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.window.get(), &dropped);
        QCOMPARE(w.doc().table(0).count(), 1);
        QTRY_COMPARE(w.doc().table(0).count(), 3);
        QCOMPARE(w.said(), QStringList{w.t.texts.text(90)});
        QCOMPARE(w.doc().fileName(), file);

        // Not while playing.
        w.ui->cmdSilulation->click();
        QVERIFY(w.window->playback().isPlaying());
        QVERIFY(!dragEnterAccepted(w.window.get(), data.get()));
        w.ui->cmdSilulation->click();
    }

    void aCrashIsFollowedByTheOfferToRestore()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        const QString file = dir.filePath(QStringLiteral("Tour.zfx"));
        writeShow(file, 2);
        crashWithUnsavedWork(folder, file);

        // Escape (or the close button) keeps the copy for the next start, and so does a
        // discard not confirmed; a confirmed discard removes it.
        struct Try
        {
            std::optional<int> button;
            bool confirm;
            bool kept;
        };
        for (const Try& a : {Try{std::nullopt, false, true}, Try{1, false, true}, Try{1, true, false}}) {
            Window w(folder);
            QVERIFY(w.comforts().restorePending());
            if (a.button)
                w.t.prompter.buttonAnswers.enqueue(*a.button);
            w.t.prompter.yesNoAnswers.enqueue(a.confirm);
            w.window->show();
            QTRY_VERIFY(!w.t.prompter.shown.isEmpty());
            QCOMPARE(w.said().first(),
                     w.t.texts.text(Comforts::RestoreText) + CrLf + CrLf + QDir::toNativeSeparators(file));
            QCOMPARE(w.t.prompter.buttonCaptions, (QStringList{w.t.texts.text(Comforts::RestoreButtonText),
                                                               w.t.texts.text(Comforts::DiscardButtonText),
                                                               w.t.texts.text(Comforts::LaterButtonText)}));
            if (a.button)
                QCOMPARE(w.said().value(1), w.t.texts.text(Comforts::DiscardQuestionText));
            QVERIFY(w.doc().isEmpty());
            // This run's own copies do not touch it.
            w.appendStep({1, 0, 0, 0});
            QVERIFY(w.backup().update());
            w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No);
            QVERIFY(w.window->close());
            Window next(folder);
            QCOMPARE(next.comforts().restorePending(), a.kept);
        }
        // Once more, restored this time.
        QList<SequenceRow> unsaved;
        crashWithUnsavedWork(folder, file, &unsaved);
        Window w(folder);
        w.t.prompter.buttonAnswers.enqueue(0);
        w.window->show();
        QTRY_COMPARE(w.t.prompter.shown.size(), 1);
        QCOMPARE(w.doc().table(0).rows(), unsaved);
        QVERIFY(!w.comforts().restorePending());
        QCOMPARE(w.doc().fileName(), file);
        QVERIFY(w.window->windowTitle().startsWith(QFileInfo(file).fileName() + QStringLiteral("[*]      ")));
        QCOMPARE(w.window->windowFilePath(), file);
        QVERIFY(w.window->isWindowModified());
        QVERIFY(!w.ui->Undo->isEnabled());
        // The restored work is still protected until it is saved; a normal close removes a new
        // copy and the lock.
        QVERIFY(QFile::exists(w.backup().backupFile()));
        w.ui->Menu[3]->trigger();
        QVERIFY(!QFile::exists(w.backup().backupFile()));
        w.appendStep({2, 0, 0, 0});
        QVERIFY(w.backup().update());
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::No); // do not save
        QVERIFY(w.window->close());
        QVERIFY(!QFile::exists(w.backup().backupFile()));
        QVERIFY(!QFile::exists(w.backup().lockFile()));
    }

    // Marked rows saved as a piece come back through the pattern dialog with
    // their loop, renumbered beside the table's own, as one undo step; the
    // dialog renames and deletes pieces.
    void aSavedPieceInsertsWithItsLoops()
    {
        Window w;
        w.window->setPiecesFolder(w.path(QStringLiteral("pieces")));
        QList<SequenceRow> show = rows(4);
        for (int j : {1, 2})
            show[j].loopMarker = QStringLiteral("S  1 / 3 x");
        w.doc().setContent({QStringLiteral("312"), QStringLiteral("12100000000000000000"), {show, {}}});
        for (int j : {2, 3, 4})
            w.doc().setSelected(0, j, true);
        w.t.prompter.textAnswers.enqueue(QStringLiteral("Kette"));
        w.ui->AlsBaustein->trigger();
        QVERIFY(QFile::exists(w.path(QStringLiteral("pieces/Kette.zfx"))));

        // Put in at the end: the dialog is answered once it is open.
        w.doc().clearSelection(0);
        const int entries = w.comforts().history().count();
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<PatternDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QRadioButton*>(QStringLiteral("optBaustein"))->click();
            QCOMPARE(dialog->pieceName(), QStringLiteral("Kette"));
            dialog->accept();
        });
        w.ui->Muster->trigger();
        QCOMPARE(w.doc().table(0).count(), 7);
        QCOMPARE(w.doc().table(0).row(5).lamps, show[1].lamps);
        QCOMPARE(w.doc().table(0).row(5).loopMarker, QStringLiteral("S  2 / 3 x"));
        QCOMPARE(w.doc().table(0).row(6).loopMarker, QStringLiteral("S  2 / 3 x"));
        QVERIFY(w.doc().table(0).row(7).loopMarker.isEmpty());
        QCOMPARE(w.comforts().history().count(), entries + 1);
        w.ui->Undo->trigger();
        QCOMPARE(w.doc().table(0).rows(), show);

        // Renamed, then deleted after a question.
        Pieces pieces(w.path(QStringLiteral("pieces")));
        PatternDialog dialog(
            w.t.texts, QLocale::c(), {}, [](const LampBytes&) {}, nullptr, &pieces, &w.t.prompter);
        dialog.findChild<QRadioButton*>(QStringLiteral("optBaustein"))->click();
        w.t.prompter.textAnswers.enqueue(QStringLiteral("Kette 2"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdUmbenennen"))->click();
        QCOMPARE(pieces.names(), QStringList{QStringLiteral("Kette 2")});
        QCOMPARE(dialog.pieceName(), QStringLiteral("Kette 2"));
        w.t.prompter.yesNoAnswers.enqueue(true);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdBausteinLoeschen"))->click();
        QVERIFY(pieces.names().isEmpty());
        QVERIFY(dialog.rows().isEmpty() ||
                !dialog.findChild<QRadioButton*>(QStringLiteral("optBaustein"))->isChecked());
    }

    // A template from the library opens untitled, taken to the vehicle: the
    // lamps it lacks are left out and named, Save asks for a name, and the
    // library's file stays as it was.
    void templateOpensUntitledForTheVehicle()
    {
        Window w;
        const QString params = QStringLiteral("12100000000000000000");
        QVERIFY(w.window->fileCommands().newFrom({QStringLiteral("841"), params, {}}));
        const ShowLibrary library = ShowLibrary::load(QStringLiteral(LIBRARY_DIR));
        qsizetype wink = -1;
        for (qsizetype i = 0; i < library.entries().size(); ++i)
            wink = library.entries().at(i).file.endsWith(QStringLiteral("Zwinkern.zfx")) ? i : wink;
        QVERIFY(wink >= 0);
        const QByteArray original = readAll(library.entries().at(wink).file);
        w.t.prompter.clear();
        QVERIFY(w.window->templates().open(library, int(wink)));
        QVERIFY(w.doc().isUntitled());
        QCOMPARE(w.doc().vehicleCode(), QStringLiteral("841"));
        QVERIFY(w.doc().table(0).count() > 0);
        // The Z4 has no fog lamps in front: the Mini's fog lamps are gone from every step.
        for (int k = 0; k < 2; ++k)
            for (const SequenceRow& row : w.doc().table(k).rows())
                QVERIFY((row.lamps[0] & 16) == 0 && (row.lamps[1] & 16) == 0);
        QCOMPARE(w.said().size(), 1);
        QVERIFY(w.said().first().startsWith(w.t.texts.text(TemplateGallery::DroppedText)));
        QVERIFY(w.said().first().contains(QStringLiteral("Nebelleuchte_R")));

        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("mine")));
        w.ui->Menu[3]->trigger();
        QVERIFY(QFile::exists(w.path(QStringLiteral("mine.zfx"))));
        QCOMPARE(readAll(library.entries().at(wink).file), original);

        // Unsaved changes are asked about first; Cancel keeps them.
        w.doc().table(0).setLamps(1, {1, 1, 1, 1});
        const SequenceContent changed = w.doc().content();
        w.t.prompter.yesNoCancelAnswers.enqueue(Prompter::Answer::Cancel);
        QVERIFY(!w.window->templates().open(library, 0));
        QCOMPARE(w.doc().content(), changed);
    }

    // Both sequences as a video: the name suggested from the show, the file
    // written whole, and a message naming it at the end.
    void videoOfBothSequences()
    {
        Window w;
        w.doc().setContent(
            {QStringLiteral("312"), QStringLiteral("12100000000000000000"), {rows(3), rows(2)}});
        w.t.prompter.clear();
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("show")));
        VideoChoice choice;
        choice.size = QSize(1280, 720);
        choice.sequence = 2;
        w.window->videoExport().write(choice);
        QCOMPARE(w.t.prompter.shown.first().text, QStringLiteral("Neu - \u00d6ffnen+Schliessen.mp4"));
        const QString file = w.path(QStringLiteral("show.mp4"));
        QCOMPARE(w.said(), QStringList{w.t.texts.text(VideoExport::SavedText) + QStringLiteral("\r\n") +
                                       QDir::toNativeSeparators(file)});
        QVERIFY(readAll(file).mid(4, 4) == "ftyp");
        QCOMPARE(QDir(w.t.dir.path()).entryList({QStringLiteral("*show*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("show.mp4")});

        // The animation is asked for its size: full size is the views' own.
        w.t.prompter.clear();
        w.t.prompter.buttonAnswers.enqueue(1);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("show.gif")));
        w.ui->ExportAnimation->trigger();
        const QByteArray gif = readAll(w.path(QStringLiteral("show.gif")));
        QCOMPARE(gif.size() > 10
                     ? QSize(quint8(gif[6]) | quint8(gif[7]) << 8, quint8(gif[8]) | quint8(gif[9]) << 8)
                     : QSize(),
                 QSize(390, 546));
        // Cancel at the question writes nothing.
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("none.gif")));
        w.ui->ExportAnimation->trigger();
        QVERIFY(!QFile::exists(w.path(QStringLiteral("none.gif"))));

        // A sequence without steps is refused before a name is asked.
        w.t.prompter.clear();
        w.doc().setContent({QStringLiteral("312"), QStringLiteral("12100000000000000000"), {rows(3), {}}});
        w.window->videoExport().write(choice);
        QCOMPARE(w.said(), QStringList{w.t.texts.text(Comforts::NothingToExportText)});
    }

    void storyboardOfTheActiveSequence()
    {
        Window w;
        w.ui->ExportStoryboard->trigger();
        QCOMPARE(w.said(), QStringList{w.t.texts.text(Comforts::NothingToExportText)});

        w.doc().setContent(
            {QStringLiteral("312"), QStringLiteral("12100000000000000000"), {rows(7), rows(2)}});
        w.t.prompter.clear();
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("board")));
        w.ui->ExportStoryboard->trigger();
        const QImage image(w.path(QStringLiteral("board.png")));
        const Storyboard expected(QString(), rows(7), LampOptions::of(QStringLiteral("312"), w.t.ctx.vehicle),
                                  {}, {});
        QCOMPARE(image.size(), expected.imageSize());
        QVERIFY(w.said().isEmpty());

        QTest::mouseClick(w.ui->optAuf_Zu[1], Qt::LeftButton);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("lock.PDF")));
        w.ui->ExportStoryboard->trigger();
        QVERIFY(readAll(w.path(QStringLiteral("lock.PDF"))).startsWith("%PDF"));
        // An untitled show suggests its title and the sequence's name, in the folder last used.
        QCOMPARE(w.t.prompter.shown.last().text, QStringLiteral("Neu - Schliessen.png"));

        // A saved show suggests its own name and folder.
        const QString show = w.path(QStringLiteral("Tour.zfx"));
        QVERIFY(SequenceFile::write(show, w.doc()));
        w.doc().setFileName(show);
        w.t.prompter.fileAnswers.enqueue(w.path(QStringLiteral("lock2.png")));
        w.ui->ExportStoryboard->trigger();
        QCOMPARE(w.t.prompter.shown.last().text, w.path(QStringLiteral("Tour - Schliessen.png")));
        // A failed export is said: aFullDiskIsSaidSo.
    }

    // Every save says so when the disk is full, and keeps the file that was there.
    void aFullDiskIsSaidSo()
    {
        Window w;
        w.doc().setContent({QStringLiteral("312"), QStringLiteral("12100000000000000000"), {rows(3), {}}});
        const LangText& t = w.t.texts;
        const QString full = t.text(SaveFailureText::DiskFullText) + QLatin1Char(' ') +
                             t.text(SaveFailureText::OldFileKeptText);
        const QString show = w.path(QStringLiteral("Show.zfx"));
        const QString board = w.path(QStringLiteral("board.png"));
        const QString gif = w.path(QStringLiteral("show.gif"));
        for (const QString& file : {show, board, gif})
            QVERIFY(writeAll(file, "old"));
        const FullDisk disk;

        w.t.prompter.fileAnswers.enqueue(show);
        w.ui->Menu[4]->trigger();
        w.t.prompter.fileAnswers.enqueue(board);
        w.ui->ExportStoryboard->trigger();
        w.t.prompter.fileAnswers.enqueue(gif);
        w.t.prompter.buttonAnswers.enqueue(1); // full size
        w.ui->ExportAnimation->trigger();
        const QString saveFailed = t.text(FileCommands::SaveFailedText) + CrLf + CrLf + full;
        QCOMPARE(w.said(), (QStringList{saveFailed, saveFailed, t.text(AnimationExport::SizeQuestionText),
                                        t.text(AnimationExport::FailedText) + CrLf + full}));
        for (const QString& file : {show, board, gif})
            QCOMPARE(readAll(file), QByteArray("old"));

        // The backup says it once, not at every try.
        w.t.prompter.clear();
        QVERIFY(!w.backup().update());
        w.doc().table(0).setLamps(1, {1, 1, 1, 1});
        QVERIFY(!w.backup().update());
        QCOMPARE(w.said(), QStringList{t.text(Comforts::BackupFailedText) + CrLf + full + CrLf + CrLf +
                                       t.text(Comforts::BackupAdviceText)});
    }
};

QTEST_MAIN(TestComfortsWindow)
#include "test_comforts_window.moc"
