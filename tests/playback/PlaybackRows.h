#pragma once

#include "sequence/SequenceRow.h"

#include <QList>
#include <QString>
#include <utility>

// A table of n rows with the given interval, and loop markers on row spans.
struct LoopSpan
{
    int first;
    int last;
    QString marker;
};

inline QList<SequenceRow> playbackRows(int n, const QList<LoopSpan>& loops = {},
                                       const QString& interval = QStringLiteral("0,5"))
{
    QList<SequenceRow> rows(n);
    for (int j = 1; j <= n; ++j) {
        rows[j - 1].interval = interval;
        rows[j - 1].lamps = {std::uint8_t(j), 0, 0, 0};
    }
    for (const LoopSpan& loop : loops) {
        for (int j = loop.first; j <= loop.last; ++j)
            rows[j - 1].loopMarker = loop.marker;
    }
    return rows;
}
