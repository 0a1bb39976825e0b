#include "tests/playback/PlaybackRows.h"
#include "views/playback/LoopTable.h"
#include "views/playback/PlayOrder.h"
#include "views/playback/PlaybackMachine.h"
#include "views/playback/StepSchedule.h"

#include <QTest>

namespace {

struct Run
{
    QList<int> shown; // rows in the order they were shown
    PlaybackEnd end = PlaybackEnd::None;
    int ticksAfterLastShow = 0; // ticks from the last shown row to the end
    int deselectedAtEnd = 0;
};

// Plays rows from `position` to the end, one tick after another.
Run play(const QList<SequenceRow>& rows, int position = 1)
{
    Run run;
    PlaybackMachine machine;
    if (!machine.start(rows, position))
        return run;
    for (int guard = 0; guard < 100000 && machine.isRunning(); ++guard) {
        const PlaybackStep step = machine.tick();
        ++run.ticksAfterLastShow;
        if (step.show) {
            run.shown.append(step.select);
            run.ticksAfterLastShow = 0;
        }
        if (step.end != PlaybackEnd::None) {
            run.end = step.end;
            run.deselectedAtEnd = step.deselect;
        }
    }
    return run;
}

QString marker(int n, int count)
{
    return QStringLiteral("S%1 / %2 x").arg(n, 3).arg(count);
}

} // namespace

class TestPlaybackOrder : public QObject
{
    Q_OBJECT
private slots:
    void loopsAreRepeated_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<LoopSpan>>("loops");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<PlaybackEnd>("end");

        QTest::newRow("no loops") << 4 << QList<LoopSpan>{} << 1 << QList<int>{1, 2, 3, 4}
                                  << PlaybackEnd::Normal;
        QTest::newRow("one loop") << 6 << QList<LoopSpan>{{2, 3, QStringLiteral("S  1 / 3 x")}} << 1
                                  << QList<int>{1, 2, 3, 2, 3, 2, 3, 4, 5, 6} << PlaybackEnd::Normal;
        QTest::newRow("loop at the end") << 6 << QList<LoopSpan>{{5, 6, marker(1, 2)}} << 1
                                         << QList<int>{1, 2, 3, 4, 5, 6, 5, 6} << PlaybackEnd::InsideLoop;
        QTest::newRow("two adjacent loops")
            << 6
            << QList<LoopSpan>{{2, 3, QStringLiteral("S  1 / 2 x")}, {4, 5, QStringLiteral("S  2 / 2 x")}}
            << 1 << QList<int>{1, 2, 3, 2, 3, 4, 5, 4, 5, 6} << PlaybackEnd::Normal;
        QTest::newRow("start between loops")
            << 6 << QList<LoopSpan>{{2, 3, marker(1, 2)}, {5, 6, marker(2, 2)}} << 4
            << QList<int>{4, 5, 6, 5, 6} << PlaybackEnd::InsideLoop;
        QTest::newRow("start on the last row")
            << 4 << QList<LoopSpan>{} << 4 << QList<int>{4} << PlaybackEnd::Normal;
        // A loop of one row at the end of the table is repeated like any other.
        QTest::newRow("one-row loop on the last row") << 3 << QList<LoopSpan>{{3, 3, marker(1, 3)}} << 1
                                                      << QList<int>{1, 2, 3, 3, 3} << PlaybackEnd::InsideLoop;
        // A damaged count cannot make a loop run for ever.
        QTest::newRow("unreadable count") << 3 << QList<LoopSpan>{{2, 3, QStringLiteral("S  1 / x x")}} << 1
                                          << QList<int>{1, 2, 3} << PlaybackEnd::InsideLoop;
        // Two runs of one marker apart from each other are two loops.
        QTest::newRow("separated runs of one marker")
            << 6 << QList<LoopSpan>{{2, 2, marker(1, 2)}, {4, 5, marker(1, 2)}} << 1
            << QList<int>{1, 2, 2, 3, 4, 5, 4, 5, 6} << PlaybackEnd::Normal;
    }

    void loopsAreRepeated()
    {
        QFETCH(int, rows);
        QFETCH(QList<LoopSpan>, loops);
        QFETCH(int, start);
        QFETCH(QList<int>, shown);
        QFETCH(PlaybackEnd, end);

        const Run run = play(playbackRows(rows, loops), start);
        QCOMPARE(run.shown, shown);
        QCOMPARE(run.end, end);
        // The last row stays for its interval and the next tick ends playback;
        // the last pass of a loop on the last row ends at once.
        QCOMPARE(run.ticksAfterLastShow, 1);
        QCOMPARE(run.deselectedAtEnd, shown.last());
        // The show's duration: the same steps from the first row, each for its interval.
        if (start == 1) {
            const PlayOrder order = PlayOrder::of(playbackRows(rows, loops));
            QList<int> played;
            for (const PlayOrder::Step& s : order.steps)
                played.append(s.row);
            QCOMPARE(played, shown);
            QCOMPARE(order.totalMs, 500 * shown.size());
        }
    }

    void moreThanTwentyLoopsAreAllPlayed()
    {
        QList<LoopSpan> loops;
        for (int n = 1; n <= 25; ++n)
            loops.append({2 * n - 1, 2 * n, marker(n, 2)});
        const Run run = play(playbackRows(51, loops));
        QList<int> expected;
        for (int n = 1; n <= 25; ++n)
            expected << 2 * n - 1 << 2 * n << 2 * n - 1 << 2 * n;
        expected << 51;
        QCOMPARE(run.shown, expected);
        QCOMPARE(run.end, PlaybackEnd::Normal);
    }

    void stepsCarryTheirRowsIntervals()
    {
        QList<SequenceRow> rows = playbackRows(7);
        const QStringList intervals{"1", "1,5", "0.5", "2,5", "70", "abc", "120,3"};
        for (int j = 0; j < 7; ++j)
            rows[j].interval = intervals.at(j);
        PlaybackMachine machine;
        QVERIFY(machine.start(rows, 1));
        QList<qint64> waits;
        for (int j = 0; j < 7; ++j)
            waits.append(machine.tick().intervalMs);
        // Intervals above the 65.5 s a window timer takes are played in full;
        // an unreadable one is 0, which holds playback on its row.
        QCOMPARE(waits, (QList<qint64>{1000, 1500, 500, 2500, 70000, 0, 120300}));
        QVERIFY(machine.isEnding());
        // The duration ends where the row of 0 s holds playback.
        const PlayOrder order = PlayOrder::of(rows);
        QCOMPARE(order.heldRow, 6);
        QCOMPARE(order.totalMs, 75500);
    }

    void nothingToPlay()
    {
        PlaybackMachine machine;
        QVERIFY(!machine.start({}, 1));
        QVERIFY(!machine.start(playbackRows(3), 4));
        QVERIFY(!machine.start(playbackRows(3), 0));
        QVERIFY(!machine.isRunning());
        QCOMPARE(machine.tick(), PlaybackStep{});
    }

    void loopTableFromMarkers()
    {
        const QStringList markers{"", "S  1 / 3 x", "S  1 / 3 x", "S  2 / 20 x", "S  2 / 20 x",
                                  "", "S 12 / 4 x"};
        QCOMPARE(LoopTable::fromMarkers(markers).loops(), (QList<Loop>{{2, 3, 3}, {4, 5, 20}, {7, 7, 4}}));
        QCOMPARE(LoopTable::fromMarkers({"", "x", "S1 / 2 x"}).count(), 0);
        // Damaged counts mean one pass.
        QCOMPARE(LoopTable::fromMarkers({"S  1 / 0 x", "S  2", "S  3 / x"}).loops(),
                 (QList<Loop>{{1, 1, 1}, {2, 2, 1}, {3, 3, 1}}));
    }

    void scheduleCountsFromTheFirstStep()
    {
        const qint64 ms = 1'000'000;
        // Late, early and blocked timers are followed through the controller.
        StepSchedule schedule;
        schedule.start(5 * ms);
        schedule.advance(5 * ms, 200);
        QCOMPARE(schedule.deadlineNs(), 205 * ms);
        // Whole milliseconds rounded down; never negative.
        QCOMPARE(schedule.waitMs(205 * ms - 900'000), 0);
        QCOMPARE(schedule.waitMs(205 * ms - 1'900'000), 1);
        QCOMPARE(schedule.waitMs(300 * ms), 0);
        QVERIFY(schedule.isDue(205 * ms - 900'000));
        QVERIFY(!schedule.isDue(205 * ms - 1'100'000));
        // Long intervals are waited for in parts; absurd ones do not overflow.
        schedule.advance(2305 * ms, qint64(StepSchedule::MaxWaitMs) * 3);
        QCOMPARE(schedule.waitMs(2305 * ms), StepSchedule::MaxWaitMs);
        schedule.advance(2305 * ms, Q_INT64_C(9'000'000'000'000'000));
        QCOMPARE(schedule.deadlineNs(), std::numeric_limits<qint64>::max());
        QVERIFY(!schedule.isDue(2305 * ms));
    }
};

QTEST_APPLESS_MAIN(TestPlaybackOrder)
#include "test_playback_order.moc"
