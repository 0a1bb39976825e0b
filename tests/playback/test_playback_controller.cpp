#include "sequence/CommandEnabler.h"
#include "sequence/RowClipboard.h"
#include "tests/playback/PlaybackControls.h"
#include "tests/playback/PlaybackRows.h"
#include "tests/support/TestContext.h"
#include "ui/WindowOps.h"
#include "views/playback/PlaybackController.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

// Records what playback asks of the main window: 0 for the lamps off, the row number for every
// row shown.
struct RecordingOps final : WindowOps
{
    SequenceDocument& doc;
    QList<int> calls;
    std::function<void()> duringShow; // runs inside showRow, as a failure message's own event loop would

    explicit RecordingOps(SequenceDocument& d) : doc(d) {}
    QList<int> shownRows() const
    {
        QList<int> rows = calls;
        rows.removeAll(0);
        return rows;
    }
    void lichtAus() override { calls.append(0); }
    void showRow() override
    {
        if (const int row = doc.firstSelectedRow(doc.activeSequence()))
            calls.append(row);
        if (duringShow)
            duringShow();
    }
    void appendStep() override {}
    void modellauswahl() override {}
    void refreshCaption() override {}
};

bool enabled(const QObject* control)
{
    return control->property("enabled").toBool();
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
    // Stopped as by a button, which marks the access key again.
    bool stoppedByButton() const
    {
        return !playback.isPlaying() && captions() == QStringLiteral("Simula&tion |>|Simulation >>");
    }

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
        QCOMPARE(f.ops.calls, QList<int>{0});
        QVERIFY(f.selected().isEmpty());
        // The pause is a timer: nothing is shown until it has run out.
        QVERIFY(f.playback.startPauseTimer()->isActive());
        QVERIFY(!f.timerE().isActive());
        for (QObject* control : f.controls.lockedWhilePlaying())
            QVERIFY(!enabled(control));

        f.endPause();
        QCOMPARE(f.ops.calls, (QList<int>{0, 1}));
        QCOMPARE(f.selected(), QList<int>{1});
        QVERIFY(f.timerE().isActive());
        QCOMPARE(f.timerE().interval(), 500);
        QVERIFY(!f.playback.startPauseTimer()->isActive());
    }

    // Played to its end, also with the last pass of a loop on the last row: the lamps go off and
    // the captions and the commands that can act come back.
    void playsToTheEnd_data()
    {
        QTest::addColumn<QList<LoopSpan>>("loops");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QString>("captions"); // empty: language texts 20 and 21
        QTest::newRow("normal") << QList<LoopSpan>{{2, 3, QStringLiteral("S  1 / 3 x")}}
                                << QList<int>{1, 2, 3, 2, 3, 2, 3, 4, 5, 6} << "Simulation |>|Simulation >>";
        QTest::newRow("inside a loop") << QList<LoopSpan>{{5, 6, QStringLiteral("S  1 / 2 x")}}
                                       << QList<int>{1, 2, 3, 4, 5, 6, 5, 6} << QString();
    }
    void playsToTheEnd()
    {
        QFETCH(QList<LoopSpan>, loops);
        QFETCH(QList<int>, shown);
        QFETCH(QString, captions);
        Fixture f(playbackRows(6, loops));
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.playToEnd();

        QCOMPARE(f.ops.shownRows(), shown);
        QCOMPARE(f.ops.calls.last(), 0);
        QVERIFY(!f.playback.isPlaying());
        QCOMPARE(f.captions(),
                 captions.isEmpty() ? f.t.texts.text(20) + QLatin1Char('|') + f.t.texts.text(21) : captions);
        QVERIFY(f.selected().isEmpty());
        QVERIFY(!f.timerE().isActive());
        // The commands that need a marked row or a full clipboard stay off.
        const CommandEnabler::Controls& c = f.controls.commands;
        const QList<QObject*> cannotAct{c.cmdEinfuegen, c.cmdAendern,    c.cmdLoeschen,
                                        c.cmdSchleife,  c.cmdSchleife_L, c.List_1[1],
                                        c.List_1[2],    c.List_1[3],     c.List_1[4]};
        for (QObject* control : f.controls.lockedWhilePlaying())
            QCOMPARE(enabled(control), !cannotAct.contains(control));
        // Rows of 0.5 s: the end came one interval after the last row.
        QCOMPARE(f.nowMs, 500 + shown.size() * 500);
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

        QVERIFY(f.stoppedByButton());
        QCOMPARE(f.ops.calls, QList<int>{0});
        QVERIFY(f.selected().isEmpty());
        QVERIFY(!f.timerE().isActive());
        QVERIFY(!f.playback.startPauseTimer()->isActive());
        QVERIFY(!f.controls.ui.Konfig->isEnabled());
        QVERIFY(f.controls.ui.Menu[1]->isEnabled());
        // A tick still on its way does nothing.
        f.playback.timerTick();
        f.playback.startPauseElapsed();
        QCOMPARE(f.ops.calls, QList<int>{0});
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

        // An empty table plays nothing.
        Fixture empty({});
        empty.controls.ui.cmdSilulation->click();
        QVERIFY(!empty.playback.isPlaying() && empty.ops.calls.isEmpty());
    }

    void stepsAreTimedFromTheStart()
    {
        QList<SequenceRow> rows = playbackRows(4);
        rows[1].interval = QStringLiteral("1,5");
        rows[2].interval = QStringLiteral("100");
        Fixture f(rows);
        f.controls.ui.cmdSilulation->click();
        f.endPause();

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

        // After the window was blocked for 3 s, the next row comes one
        // interval after the late one instead of at once.
        f.nowMs += 100000 + 3000;
        f.playback.timerTick();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(f.timerE().interval(), 500);
    }

    // At half and quarter speed every step lasts exactly 2 or 4 times its
    // interval, loop passes included; the start pause stays as it is. A
    // change while playing holds from the next step.
    void slowMotionScalesEveryStep()
    {
        for (int factor : {2, 4}) {
            QList<SequenceRow> rows = playbackRows(5, {{2, 3, QStringLiteral("S  1 / 2 x")}});
            rows[3].interval = QStringLiteral("1,3");
            Fixture f(rows);
            f.playback.setSlowdown(factor);
            f.controls.ui.cmdSilulation->click();
            f.endPause();
            f.playToEnd();
            QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3, 2, 3, 4, 5}));
            QCOMPARE(f.nowMs, 500 + factor * (6 * 500 + 1300));
        }
        Fixture f(playbackRows(3));
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        QCOMPARE(f.timerE().interval(), 500);
        f.playback.setSlowdown(4);
        f.fire();
        QCOMPARE(f.timerE().interval(), 2000);
        // Speeds the list does not offer are refused.
        f.playback.setSlowdown(3);
        QCOMPARE(f.playback.slowdown(), 4);
    }

    // The marked rows play over and over, each pass from the first marked
    // row, loops among them as in the show, until a button stops them; the
    // marks come back then.
    void markedRowsPlayRepeatedlyUntilStopped()
    {
        Fixture f(playbackRows(7, {{3, 4, QStringLiteral("S  1 / 2 x")}}));
        QAction repeat;
        f.controls.ui.WiederholtAbspielen = &repeat;
        QVERIFY(!f.playback.playMarkedRepeatedly());
        for (int j : {2, 3, 4, 6})
            f.t.document.setSelected(0, j, true);
        QVERIFY(f.playback.playMarkedRepeatedly());
        QVERIFY(f.playback.isRepeating());
        QVERIFY(!f.playback.playMarkedRepeatedly());
        f.endPause();
        for (int i = 0; i < 17; ++i)
            f.fire();
        const QList<int> pass{2, 3, 4, 3, 4, 6};
        QCOMPARE(f.ops.shownRows(), pass + pass + pass);
        QCOMPARE(f.selected(), QList<int>{6});
        QVERIFY(f.playback.isPlaying());
        // Each pass lasts its six steps: no pause between passes.
        QCOMPARE(f.nowMs, 500 + 17 * 500);

        f.controls.ui.cmdSimWeiter->click();
        QVERIFY(f.stoppedByButton());
        QCOMPARE(f.ops.calls.last(), 0);
        QCOMPARE(f.selected(), (QList<int>{2, 3, 4, 6}));
        QVERIFY(!f.timerE().isActive());
        // Played from the start, the whole sequence plays once again.
        f.t.document.clearSelection(0);
        f.ops.calls.clear();
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.playToEnd();
        QCOMPARE(f.ops.shownRows(), (QList<int>{1, 2, 3, 4, 3, 4, 5, 6, 7}));
    }

    void aStopWhileARowIsShownLeavesNoTimerRunning()
    {
        Fixture f(playbackRows(4));
        f.controls.ui.cmdSilulation->click();
        f.endPause();
        f.ops.duringShow = [&f] { f.controls.ui.cmdSilulation->click(); };
        f.fire();
        QVERIFY(f.stoppedByButton() && !f.timerE().isActive());
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
        f.controls.ui.cmdSimWeiter->click();
        QVERIFY(f.stoppedByButton() && f.selected().isEmpty());
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
        QVERIFY(f.stoppedByButton());

        // So does a switch to the other sequence.
        f.controls.ui.cmdSilulation->click();
        f.t.document.setActiveSequence(1);
        QVERIFY(!f.playback.isPlaying());
    }

    // The timers are wired: a short sequence plays on its own through the event loop.
    void playsOnTheEventLoop()
    {
        Fixture f(playbackRows(3, {}, QStringLiteral("0,01")));
        QElapsedTimer clock;
        clock.start();
        f.playback.setClock([&clock] { return clock.nsecsElapsed(); });
        f.controls.ui.cmdSilulation->click();
        QTRY_COMPARE_WITH_TIMEOUT(f.playing.count(), 2, 5000);
        QCOMPARE(f.ops.calls, (QList<int>{0, 1, 2, 3, 0}));
    }
};

QTEST_MAIN(TestPlaybackController)
#include "test_playback_controller.moc"
