#pragma once

#include "sequence/SequenceRow.h"

#include <QList>
#include <QtGlobal>

// A sequence played out from its first row as playback plays it: every step
// that is shown, in order, with how long it stays, loops repeated as often as
// their markers say. For the show's duration and for its animation.
struct PlayOrder
{
    struct Step
    {
        int row = 0;   // 1-based row shown
        qint64 ms = 0; // how long it stays
        friend bool operator==(const Step&, const Step&) = default;
    };

    QList<Step> steps;
    // The sum of the steps' times: from the first step shown to the end.
    qint64 totalMs = 0;
    // A row whose interval reads as 0 stops the ticks: playback stays on it
    // until the user stops. Its number then, else 0; steps ends with it.
    int heldRow = 0;

    static PlayOrder of(const QList<SequenceRow>& rows);
};
