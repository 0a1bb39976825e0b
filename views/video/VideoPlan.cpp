#include "views/video/VideoPlan.h"

#include "views/playback/PlayOrder.h"

namespace {

// The frame on which a moment of the video falls, to the nearest.
qint64 frameAt(qint64 ms)
{
    return (ms * VideoPlan::FramesPerSecond + 500) / 1000;
}

} // namespace

VideoPlan::VideoPlan(const LampOptions& options, const std::array<int, 4>& bases) : m_sets(options, bases) {}

bool VideoPlan::addSequence(const QList<SequenceRow>& rows, const QString& title)
{
    if (m_status != Status::Ok)
        return false;
    if (rows.isEmpty()) {
        m_status = Status::Empty;
        return false;
    }
    const PlayOrder order = PlayOrder::of(rows);
    if (order.heldRow != 0) {
        m_status = Status::Held;
        m_stepRow = order.heldRow;
        return false;
    }
    const qint64 titleMs = title.isEmpty() ? 0 : TitleFrames * 1000 / FramesPerSecond;
    if (order.totalMs > MaxMs - m_totalMs - titleMs) {
        // Named by the step that passes the limit.
        m_status = Status::TooLong;
        qint64 ms = m_totalMs + titleMs;
        for (const PlayOrder::Step& step : order.steps) {
            ms += step.ms;
            if (ms > MaxMs) {
                m_stepRow = step.row;
                break;
            }
        }
        return false;
    }
    if (!title.isEmpty()) {
        m_titles.append(title);
        append({-1, int(m_titles.size() - 1), TitleFrames});
        m_totalMs += titleMs;
    }
    // Each step starts on the frame nearest its moment and lasts until the
    // next one starts: the roundings never add up.
    const qint64 startFrame = m_frames;
    qint64 elapsedMs = 0;
    for (const PlayOrder::Step& step : order.steps) {
        const qint64 from = frameAt(elapsedMs);
        elapsedMs += step.ms;
        const qint64 to = frameAt(elapsedMs);
        if (to > from)
            append({m_sets.of(rows, step.row), -1, to - from});
    }
    if (m_frames == startFrame) // a show shorter than half a frame: one frame of its first step
        append({m_sets.of(rows, order.steps.constFirst().row), -1, 1});
    m_totalMs += order.totalMs;
    return true;
}

void VideoPlan::append(const Run& run)
{
    m_frames += run.frames;
    if (!m_runs.isEmpty() && m_runs.constLast().picture == run.picture &&
        m_runs.constLast().title == run.title)
        m_runs.last().frames += run.frames;
    else
        m_runs.append(run);
}
