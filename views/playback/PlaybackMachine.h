#pragma once

#include "sequence/SequenceRow.h"
#include "views/playback/LoopTable.h"
#include "views/playback/PlaybackCaptions.h"

#include <QList>

// What one step of playback does, in this order: deselect a row, select a
// row, show the selected row on the car views; then either wait intervalMs
// for the next step or end playback.
struct PlaybackStep
{
    int deselect = 0;      // row to deselect, 0 for none
    int select = 0;        // row to select (the row being shown), 0 for none
    bool show = false;     // show the selected row on the views
    qint64 intervalMs = 0; // time until the next step; 0 means no further step comes
    PlaybackEnd end = PlaybackEnd::None;

    friend bool operator==(const PlaybackStep&, const PlaybackStep&) = default;
};

// The order in which playback shows the rows of a sequence: every row for
// its own interval, loops repeated as often as their markers say. Knows
// nothing of windows or time; each tick() is one step.
class PlaybackMachine
{
public:
    // Prepares playback of rows from row `position` (1-based) on. False, and
    // nothing to play, when the position names no row.
    bool start(const QList<SequenceRow>& rows, int position);
    // The next step. The first tick after start() shows the start row.
    PlaybackStep tick();

    bool isRunning() const { return m_running; }
    // The last row has been shown; the next tick ends playback.
    bool isEnding() const { return m_stopRequest; }
    int position() const { return m_position; }
    const LoopTable& loops() const { return m_loops; }

private:
    qint64 intervalAt(int row) const;
    int rowCount() const { return int(m_intervals.size()); }
    PlaybackStep endStep(PlaybackEnd end, int deselect);

    QList<qint64> m_intervals; // interval of row j at index j - 1, in ms
    LoopTable m_loops;
    int m_position = 0;
    bool m_running = false;
    bool m_started = false; // the start row has been shown
    bool m_stopRequest = false;
    int m_currentLoop = 0; // the loop being played or coming next, 0 for none
    int m_passes = 0;      // passes through the current loop already completed
};
