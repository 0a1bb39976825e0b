#include "views/playback/PlaybackMachine.h"

#include "sequence/Interval.h"

bool PlaybackMachine::start(const QList<SequenceRow>& rows, int position)
{
    *this = PlaybackMachine();
    if (position < 1 || position > rows.size())
        return false;
    QStringList markers;
    markers.reserve(rows.size());
    m_intervals.reserve(rows.size());
    for (const SequenceRow& row : rows) {
        markers.append(row.loopMarker);
        m_intervals.append(Interval::toMilliseconds(row.interval));
    }
    m_loops = LoopTable::fromMarkers(markers);
    m_position = position;
    m_running = true;
    return true;
}

qint64 PlaybackMachine::intervalAt(int row) const
{
    return row >= 1 && row <= rowCount() ? m_intervals.at(row - 1) : 0;
}

PlaybackStep PlaybackMachine::endStep(PlaybackEnd end, int deselect)
{
    m_running = false;
    m_stopRequest = false;
    PlaybackStep step;
    step.deselect = deselect;
    step.end = end;
    return step;
}

PlaybackStep PlaybackMachine::tick()
{
    if (!m_running)
        return {};
    if (m_stopRequest)
        return endStep(PlaybackEnd::Normal, m_position);

    PlaybackStep step;
    if (!m_started) {
        // The start row: shown at once; the loop to watch is the first one
        // that has not been passed yet.
        m_started = true;
        m_passes = 0;
        m_currentLoop = m_loops.firstEndingAtOrAfter(m_position);
        step.select = m_position;
    } else if (m_currentLoop != 0 && m_loops.loop(m_currentLoop).last == m_position) {
        // The end of a loop pass has been shown.
        const Loop& loop = m_loops.loop(m_currentLoop);
        step.deselect = m_position;
        if (loop.repeats <= m_passes + 1) {
            m_currentLoop = m_loops.count() > m_currentLoop ? m_currentLoop + 1 : 0;
            m_passes = 0;
            ++m_position;
        } else {
            ++m_passes;
            m_position = loop.first;
        }
        if (m_position > rowCount())
            return endStep(PlaybackEnd::InsideLoop, step.deselect);
        step.select = m_position;
    } else if (m_position >= rowCount()) {
        // Only reached when the last row was shown outside a loop without
        // the end being noticed; end after one more interval.
        m_stopRequest = true;
        step.intervalMs = intervalAt(m_position);
        return step;
    } else {
        step.deselect = m_position;
        ++m_position;
        step.select = m_position;
    }

    step.show = true;
    // The last row outside a loop stays visible for its interval; the tick
    // after it ends playback.
    if (m_position >= rowCount() && m_currentLoop == 0)
        m_stopRequest = true;
    step.intervalMs = intervalAt(m_position);
    return step;
}
