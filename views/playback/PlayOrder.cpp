#include "views/playback/PlayOrder.h"

#include "views/playback/PlaybackMachine.h"

#include <limits>

PlayOrder PlayOrder::of(const QList<SequenceRow>& rows)
{
    PlayOrder order;
    PlaybackMachine machine;
    if (!machine.start(rows, 1))
        return order;
    // Each pass of a loop shows each of its rows once and a repeat count has
    // two digits, so this bounds even a damaged file.
    const qsizetype maxTicks = rows.size() * 100 + 2;
    constexpr qint64 maxMs = std::numeric_limits<qint64>::max() / 2;
    for (qsizetype tick = 0; tick < maxTicks && machine.isRunning(); ++tick) {
        const PlaybackStep step = machine.tick();
        if (step.end != PlaybackEnd::None)
            break;
        if (step.show)
            order.steps.append({step.select, 0});
        if (order.steps.isEmpty())
            continue;
        if (step.intervalMs <= 0) {
            order.heldRow = order.steps.constLast().row;
            break;
        }
        // A wait without a new row keeps the row shown before it. Intervals of
        // ages read from a damaged file must not overflow the sums.
        const auto add = [maxMs](qint64& sum, qint64 ms) { sum = ms > maxMs - sum ? maxMs : sum + ms; };
        add(order.steps.last().ms, step.intervalMs);
        add(order.totalMs, step.intervalMs);
    }
    return order;
}
