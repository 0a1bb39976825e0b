#pragma once

#include "sequence/SequenceRow.h"

#include <QList>
#include <QString>
#include <array>

// What a sequence file holds: the vehicle, its options and the two step
// tables (0 = unlock sequence, 1 = lock sequence).
struct SequenceContent
{
    QString vehicleCode;
    QString parameterString;
    std::array<QList<SequenceRow>, 2> sequences;

    friend bool operator==(const SequenceContent&, const SequenceContent&) = default;
};
