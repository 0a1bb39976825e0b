#pragma once

#include "sequence/SequenceRow.h"
#include "views/LampRules.h"

#include <QList>
#include <array>

// The four pictures the rows of a show bring onto the car views, as sets
// numbered in the order they first appear: rows that look alike share a set,
// so each set is drawn once however often it is shown.
class PictureSets
{
public:
    using Ids = std::array<int, 4>; // by view - 1; 0 where the view has no picture

    // bases[v - 1] is the first picture id of view v (VehicleConfig::pictureBaseOfView).
    PictureSets(const LampOptions& options, const std::array<int, 4>& bases)
        : m_options(options), m_bases(bases)
    {
    }

    // The set showing row `row` (1-based) of `rows` as showing the row shows it.
    int of(const QList<SequenceRow>& rows, int row);
    // The pictures themselves, without numbering them.
    static Ids idsOf(const QList<SequenceRow>& rows, int row, const LampOptions& options,
                     const std::array<int, 4>& bases);
    const QList<Ids>& sets() const { return m_sets; }

private:
    LampOptions m_options;
    std::array<int, 4> m_bases;
    QList<Ids> m_sets;
};
