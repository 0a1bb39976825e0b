#include "views/playback/StepSchedule.h"

#include <limits>

void StepSchedule::advance(qint64 nowNs, qint64 intervalMs)
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    if (nowNs - m_deadlineNs > MaxLagNs)
        m_deadlineNs = nowNs;
    if (intervalMs <= 0)
        return;
    // An interval of centuries read from a file must not overflow the clock.
    if (intervalMs > (max - m_deadlineNs) / 1'000'000)
        m_deadlineNs = max;
    else
        m_deadlineNs += intervalMs * 1'000'000;
}

int StepSchedule::waitMs(qint64 nowNs) const
{
    if (m_deadlineNs <= nowNs)
        return 0;
    const qint64 remainingNs = m_deadlineNs - nowNs;
    const qint64 ms = remainingNs / 1'000'000;
    return ms > MaxWaitMs ? MaxWaitMs : int(ms);
}
