#pragma once

#include "sequence/SequenceRow.h"

#include <QList>
#include <QString>

// The benchmarks' show: 100 rows, lamps changing on all four views,
// intervals of 0.1 to 1 s, and five loops of four rows played three times.
inline QList<SequenceRow> hundredSteps()
{
    QList<SequenceRow> rows;
    for (int j = 1; j <= 100; ++j) {
        SequenceRow r;
        r.interval = QString::number(0.1 * (1 + j % 10), 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
        for (std::size_t b = 0; b < 4; ++b)
            r.lamps[b] = std::uint8_t((j * (b + 3) + b) % 64);
        if (j % 20 >= 1 && j % 20 <= 4)
            r.loopMarker = QStringLiteral("S %1 / 3 x").arg(j / 20 + 1, 2);
        rows.append(r);
    }
    return rows;
}
