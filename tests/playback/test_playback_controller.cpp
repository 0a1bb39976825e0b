#include "sequence/CommandEnabler.h"
#include "sequence/RowClipboard.h"
#include "tests/playback/PlaybackControls.h"
#include "tests/playback/PlaybackRows.h"
#include "tests/support/TestContext.h"
#include "ui/WindowOps.h"
#include "views/playback/PlaybackController.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Records what playback asks of the main window: "off" for the lamps off,
// the row number for every row shown.
class RecordingOps final : public WindowOps
{
public:
    explicit RecordingOps(SequenceDocument& doc) : m_doc(doc) {}
    QStringList calls;
    QList<int> shownRows() const
    {
        QList<int> rows;
        for (const QString& call : calls) {
            if (call != QLatin1String("off"))
                rows.append(call.toInt());
        }
        return rows;
    }

    // Runs inside showRow, as a failure message's own event loop would.
    std::function<void()> duringShow;

    void lichtAus() override { calls.append(QStringLiteral("off")); }
    void showRow() override
    {
        const int row = m_doc.firstSelectedRow(m_doc.activeSequence());
        if (row != 0)
            calls.append(QString::number(row));
        if (duringShow)
            duringShow();
    }
    void appendStep() override {}
    void modellauswahl() override {}
    void refreshCaption() override {}

private:
    SequenceDocument& m_doc;
};

bool enabled(const QObject* control)
{
    if (auto* w = qobject_cast<const QWidget*>(control))
        return w->isEnabled();
    return qobject_cast<const QAction*>(control)->isEnabled();
}

// A controller with a clock the test moves by hand.
struct Fixture
{
    TestContext t;
    RecordingOps ops{t.document};
    Controls controls{t.document};
    PlaybackController playback{t.ctx, controls.ui, ops};
    QSignalSpy playing{&playback, &PlaybackController::playingChanged};
    RowClipboard clipboard;
    CommandEnabler commands{t.ctx, controls.commands, clipboard};
    qint64 nowMs = 0;

    explicit Fixture(const QList<SequenceRow>& rows)
    {
        t.document.table(0).setRows(rows);
        QObject::connect(&playback, &PlaybackController::playingChanged, &commands,
                         &CommandEnabler::setPlaying);
        playback.setClock([this] { return nowMs * 1'000'000; });
    }

    QTimer& timerE() { return *controls.ui.TimerE; }
    QString captions() const
    {
        return controls.ui.cmdSilulation->text() + QLatin1Char('|') + controls.ui.cmdSimWeiter->text();
    }
    QList<int> selected() const { return t.document.selectedRows(0); }

    // The pause is over: the first row is shown.
    void endPause()
    {
        nowMs += PlaybackController::StartPauseMs;
        playback.startPauseElapsed();
    }
    // Lets TimerE's current wait run out and fire.
    void fire()
    {
        QVERIFY(timerE().isActive());
        nowMs += timerE().interval();
        playback.timerTick();
    }
    void playToEnd()
    {
        for (int guard = 0; guard < 1000 && playback.isPlaying() && timerE().isActive(); ++guard)
            fire();
    }
};

} // namespace

class TestPlaybackController : public QObject
{
    Q_OBJECT
private slots:
    void startSwitchesLampsOffThenPausesThenShowsFirstRow()
    {
        Fixture f(playbackRows(3));
        f.t.document.setSelected(0, 2, true);
        f.controls.ui.cmdSilulation->click();

        QVERIFY(f.playback.isPlaying());
        QCOMPARE(f.playing.count(), 1);
        QCOMPARE(f.captions(), QStringLiteral("Anhalten|Anhalten"));
        QCOMPARE(f.ops.calls, QStringList{"off"});
        QVERIFY(f.selected().isEmpty());
        // The pause is a timer: nothing is shown until it has run out.
        QVERIFY(f.playback.startPauseTimer()->isActive());
        QCOMPARE(f.playback.startPauseTimer()->interval(), 500);
        QVERIFY(!f.timerE().isActive());
        for (QObject* control : f.controls.lockedWhilePlaying())
            QVERIFY2(!enabled(control),
                     qPrintable(control->objectName() + control->property("text").toString()));

        f.endPause();
        QCOMPARE(f.ops.calls, (QStringList{"off", "1"}));
        QCOMPARE(f.selected(), QList<int>{1});
        QVERIFY(f.timerE().isActive());
        QCOMPARE(f.timerE().interval(), 500);
        QVERIFY(!f.playback.startPauseTimer()->isActive());
    }

    void normalEnd()
    {
        Fixture f(playbackRows(6, {{2, 3, QStringLiteral("S  1 / 3 x")}}));
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.playToEnd();

        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3, 2, 3, 2, 3, 4, 5, 6}));
        QCOMPARE(f.ops.calls.last(), QStringLiteral("off"));
        QVERIFY(!f.playback.isPlaying());
        QCOMPARE(f.captions(), QStringLiteral("Simulation |>|Simulation >>"));
        QVERIFY(f.selected().isEmpty());
        QVERIFY(!f.timerE().isActive());
        // The commands that need a marked row or a full clipboard stay off.
        const Controls& c = f.controls;
        const QList<QObject*> cannotAct{
            c.commands.cmdEinfuegen, c.commands.cmdAendern,    c.commands.cmdLoeschen,
            c.commands.cmdSchleife,  c.commands.cmdSchleife_L, c.commands.List_1[1],
            c.commands.List_1[2],    c.commands.List_1[3],     c.commands.List_1[4]};
        for (QObject* control : c.lockedWhilePlaying())
            QCOMPARE(enabled(control), !cannotAct.contains(control));
        // Ten rows of 0.5 s: the end came one interval after the last row.
        QCOMPARE(f.nowMs, 500 + 10 * 500);
    }

    void endInsideLoop()
    {
        Fixture f(playbackRows(6, {{5, 6, QStringLiteral("S  1 / 2 x")}}));
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.playToEnd();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3, 4, 5, 6, 5, 6}));
        QVERIFY(!f.playback.isPlaying());
        QCOMPARE(f.captions(), f.t.texts.text(20) + QLatin1Char('|') + f.t.texts.text(21));
        QVERIFY(f.selected().isEmpty());
    }

    void eitherButtonStops_data()
    {
        QTest::addColumn<bool>("simWeiter");
        QTest::addColumn<bool>("duringPause");
        QTest::newRow("cmdSilulation") << false << false;
        QTest::newRow("cmdSimWeiter") << true << false;
        QTest::newRow("cmdSilulation in the pause") << false << true;
        QTest::newRow("cmdSimWeiter in the pause") << true << true;
    }

    void eitherButtonStops()
    {
        QFETCH(bool, simWeiter);
        QFETCH(bool, duringPause);
        Fixture f(playbackRows(6));
        f.controls.ui.Konfig->setEnabled(false); // disabled for a reason of its own
        f.controls.ui.cmdSilulation->click();
        if (!duringPause) {
            f.endPause();
            f.fire();
            QCOMPARE(f.selected(), QList<int>{2});
        }
        f.ops.calls.clear();
        (simWeiter ? f.controls.ui.cmdSimWeiter : f.controls.ui.cmdSilulation)->click();

        QVERIFY(!f.playback.isPlaying());
        QCOMPARE(f.captions(), QStringLiteral("Simula&tion |>|Simulation >>"));
        QCOMPARE(f.ops.calls, QStringList{"off"});
        QVERIFY(f.selected().isEmpty());
        QVERIFY(!f.timerE().isActive());
        QVERIFY(!f.playback.startPauseTimer()->isActive());
        QVERIFY(!f.controls.ui.Konfig->isEnabled());
        QVERIFY(f.controls.ui.Menu[1]->isEnabled());
        // A tick still on its way does nothing.
        f.playback.timerTick();
        f.playback.startPauseElapsed();
        QCOMPARE(f.ops.calls, QStringList{"off"});
    }

    void simWeiterStartsFromTheSelectedRow()
    {
        Fixture f(
            playbackRows(6, {{2, 3, QStringLiteral("S  1 / 2 x")}, {5, 6, QStringLiteral("S  2 / 2 x")}}));
        f.controls.ui.cmdSimWeiter->click();
        QVERIFY(!f.playback.isPlaying()); // nothing selected

        f.t.document.setSelected(0, 4, true);
        f.t.document.setSelected(0, 6, true);
        f.controls.ui.cmdSimWeiter->click();
        QCOMPARE(f.selected(),
                 QList<int>{6}); // the start row is deselected; others stay until the first step
        f.endPause();
        QCOMPARE(f.selected(), QList<int>{4});
        f.playToEnd();
        QCOMPARE(f.ops.shownRows(), (QList<int>{4, 5, 6, 5, 6}));
    }

    void emptyTableDoesNothing()
    {
        Fixture f({});
        f.controls.ui.cmdSilulation->click();
        QVERIFY(!f.playback.isPlaying());
        QVERIFY(f.ops.calls.isEmpty());
    }

    void stepsAreTimedFromTheStart()
    {
        QList<SequenceRow> rows = playbackRows(4);
        rows[1].interval = QStringLiteral("1,5");
        rows[2].interval = QStringLiteral("100");
        Fixture f(rows);
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        QCOMPARE(f.timerE().interval(), 500);

        // A timer that fires 30 ms late: the next wait is 30 ms shorter.
        f.nowMs += 530;
        f.playback.timerTick();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2}));
        QCOMPARE(f.timerE().interval(), 1470);

        // A timer that fires early shows nothing and waits for the rest.
        f.nowMs += 1000;
        f.playback.timerTick();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2}));
        QCOMPARE(f.timerE().interval(), 470);
        f.fire();

        // 100 s is more than a 16-bit timer interval; it is waited for in full.
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3}));
        QCOMPARE(f.timerE().interval(), 100000);
        QCOMPARE(f.nowMs, 500 + 500 + 1500);

        // After the window was blocked for 3 s, the next row comes one
        // interval after the late one instead of at once.
        f.nowMs += 100000 + 3000;
        f.playback.timerTick();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(f.timerE().interval(), 500);
    }

    void aStopWhileARowIsShownLeavesNoTimerRunning()
    {
        Fixture f(playbackRows(4));
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.ops.duringShow = [&f] { f.controls.ui.cmdSilulation->click(); };
        f.fire();
        QVERIFY(!f.playback.isPlaying());
        QVERIFY(!f.timerE().isActive());
        QCOMPARE(f.captions(), QStringLiteral("Simula&tion |>|Simulation >>"));
    }

    void zeroIntervalHoldsTheRowUntilAButton()
    {
        QList<SequenceRow> rows = playbackRows(3);
        rows[1].interval = QStringLiteral("0");
        Fixture f(rows);
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.fire();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2}));
        QVERIFY(!f.timerE().isActive());
        QVERIFY(f.playback.isPlaying());
        QCOMPARE(f.captions(), QStringLiteral("Anhalten|Anhalten"));
        f.controls.ui.cmdSimWeiter->click();
        QVERIFY(!f.playback.isPlaying());
        QVERIFY(f.selected().isEmpty());
    }

    void tableChangesWhilePlaying()
    {
        Fixture f(playbackRows(3));
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        // A step appended at the end (a lamp click with automatic advance) is harmless.
        f.t.document.table(0).appendRow(playbackRows(1).constFirst());
        QVERIFY(f.playback.isPlaying());
        f.playToEnd();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3}));

        // Rows taken away under the cursor stop playback as a button would.
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.t.document.table(0).removeRowAt(1);
        QVERIFY(!f.playback.isPlaying());
        QCOMPARE(f.captions(), QStringLiteral("Simula&tion |>|Simulation >>"));

        // So does a switch to the other sequence.
        f.controls.ui.cmdSilulation->click();
        f.t.document.setActiveSequence(1);
        QVERIFY(!f.playback.isPlaying());
    }

    // The timers are wired: a short sequence plays on its own through the event loop.
    void playsOnTheEventLoop()
    {
        TestContext t;
        t.document.table(0).setRows(playbackRows(3, {}, QStringLiteral("0,01")));
        RecordingOps ops{t.document};
        Controls controls{t.document};
        PlaybackController playback{t.ctx, controls.ui, ops};
        QSignalSpy playing{&playback, &PlaybackController::playingChanged};
        controls.ui.cmdSilulation->click();
        QTRY_COMPARE_WITH_TIMEOUT(playing.count(), 2, 5000);
        QCOMPARE(ops.calls, (QStringList{"off", "1", "2", "3", "off"}));
    }
};

QTEST_MAIN(TestPlaybackController)
#include "test_playback_controller.moc"
