#pragma once

#include <QtGlobal>

// The times at which the steps of playback are due, counted from the moment
// the first step was shown, so that the lateness of one tick does not shift
// the ones after it. Times are nanoseconds of a steady clock.
class StepSchedule
{
public:
    // The longest single wait handed to a timer; longer intervals are waited
    // for in several parts.
    static constexpr int MaxWaitMs = 24 * 60 * 60 * 1000;
    // A timer that fires this close to the deadline counts as on time.
    static constexpr qint64 ToleranceNs = 1'000'000;
    // A step shown later than this (the window was blocked, say by a message
    // box) restarts the count from that step instead of hurrying through the
    // steps that were missed.
    static constexpr qint64 MaxLagNs = 250'000'000;

    // The first step is shown at nowNs.
    void start(qint64 nowNs) { m_deadlineNs = nowNs; }
    // A step has been shown at nowNs; the next one is due intervalMs after
    // this step was due.
    void advance(qint64 nowNs, qint64 intervalMs);
    qint64 deadlineNs() const { return m_deadlineNs; }

    // Whole milliseconds from nowNs to the deadline, rounded down (the event
    // loop wakes up to a millisecond after a timer is due, never before), 0
    // once it has passed, at most MaxWaitMs. A timer so set fires within the
    // tolerance of the deadline.
    int waitMs(qint64 nowNs) const;
    bool isDue(qint64 nowNs) const { return m_deadlineNs - nowNs <= ToleranceNs; }

private:
    qint64 m_deadlineNs = 0;
};
