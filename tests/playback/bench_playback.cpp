// Plays sequences through the real controller and timers on the offscreen
// platform and compares when each step was shown with when it was due; at
// half speed a step is due twice its interval after the one before.
//
//   bench_playback [runs]     (default 3 runs of each sequence)

#include "sequence/Interval.h"
#include "tests/playback/PlaybackControls.h"
#include "tests/playback/PlaybackRows.h"
#include "tests/support/TestContext.h"
#include "ui/WindowOps.h"
#include "views/playback/PlaybackController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

// Notes the moment of every step shown (its row) and of the lamps switched off (0).
struct TimingOps final : WindowOps
{
    struct Event
    {
        int row;
        qint64 ns;
    };
    const SequenceDocument& doc;
    const QElapsedTimer& clock;
    QList<Event> events;

    TimingOps(const SequenceDocument& d, const QElapsedTimer& c) : doc(d), clock(c) {}
    void lichtAus() override { events.append({0, clock.nsecsElapsed()}); }
    void showRow() override
    {
        events.append({doc.firstSelectedRow(doc.activeSequence()), clock.nsecsElapsed()});
    }
    void appendStep() override {}
    void modellauswahl() override {}
    void refreshCaption() override {}
};

// Prints one line of figures: steps, nominal and total time, the error, the mean, worst and
// earliest lateness of a step against when it was due, and the pause before the first step.
void playOnce(QTextStream& out, const char* name, int run, const QList<SequenceRow>& rows, int slowdown)
{
    TestContext t;
    t.document.table(0).setRows(rows);
    QElapsedTimer clock;
    clock.start();
    TimingOps ops(t.document, clock);
    Controls controls(t.document);
    controls.window.resize(400, 600);
    controls.ui.List1[0]->setGeometry(0, 0, 300, 600);
    controls.window.show();
    PlaybackController playback(t.ctx, controls.ui, ops);
    playback.setSlowdown(slowdown);
    QEventLoop loop;
    QObject::connect(&playback, &PlaybackController::playingChanged, &loop, [&loop](bool playing) {
        if (!playing)
            loop.quit();
    });
    controls.ui.cmdSilulation->click();
    loop.exec();

    // events: off, the shown rows, off.
    const QList<TimingOps::Event>& e = ops.events;
    const qint64 firstNs = e.at(1).ns;
    qint64 dueNs = firstNs;
    int steps = 0;
    double sumLate = 0, worstLate = 0, earliest = 0;
    for (int i = 1; i < e.size(); ++i) {
        const double late = double(e.at(i).ns - dueNs) / 1e6;
        sumLate += late;
        worstLate = std::max(worstLate, late);
        earliest = std::min(earliest, late);
        if (e.at(i).row != 0) {
            ++steps;
            dueNs += Interval::toMilliseconds(rows.at(e.at(i).row - 1).interval) * slowdown * 1'000'000;
        }
    }
    const double nominal = double(dueNs - firstNs) / 1e6;
    const double total = double(e.last().ns - firstNs) / 1e6;
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
               .arg(QString::fromLatin1(name), -22)
               .arg(run, 3)
               .arg(steps, 6)
               .arg(nominal, 11, 'f', 1)
               .arg(total, 11, 'f', 1)
               .arg(100.0 * (total - nominal) / nominal, 9, 'f', 3)
               .arg(sumLate / double(e.size() - 1), 13, 'f', 2)
               .arg(worstLate, 14, 'f', 2)
               .arg(earliest, 12, 'f', 2)
               .arg(double(firstNs - e.at(0).ns) / 1e6, 9, 'f', 1);
    out.flush();
}

QList<SequenceRow> loopedRows()
{
    // 20 rows of 0.1 to 0.3 s with four loops, the last one ending on the last row.
    QList<SequenceRow> rows = playbackRows(20, {{3, 5, QStringLiteral("S  1 / 3 x")},
                                                {8, 9, QStringLiteral("S  2 / 4 x")},
                                                {10, 13, QStringLiteral("S  3 / 2 x")},
                                                {18, 20, QStringLiteral("S  4 / 2 x")}});
    const char* intervals[] = {"0,1", "0,2", "0.3"};
    for (int j = 0; j < rows.size(); ++j)
        rows[j].interval = QString::fromLatin1(intervals[j % 3]);
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    const struct
    {
        const char* name;
        QList<SequenceRow> rows;
        int slowdown;
    } cases[] = {{"100 rows of 0.1 s", playbackRows(100, {}, QStringLiteral("0,1")), 1},
                 {"20 rows with 4 loops", loopedRows(), 1},
                 {"20 rows, 4 loops, 1/2x", loopedRows(), 2}};

    QTextStream out(stdout);
    out << "sequence               run  steps  nominal ms    total ms   error %  mean late ms  "
           "worst late ms  earliest ms  pause ms\n";
    for (const auto& c : cases) {
        for (int run = 1; run <= runs; ++run)
            playOnce(out, c.name, run, c.rows, c.slowdown);
    }
    return 0;
}
