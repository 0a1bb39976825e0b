#pragma once

#include "sequence/SequenceRow.h"
#include "vehicle/LampAreas.h"
#include "views/LampRules.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <vector>

// Steps made for the usual light figures: blinking lamps, a chase that
// lights lamps one after another, and the two halves of the car in turn.
namespace Patterns {

// One lamp of the vehicle as the pattern dialog offers it.
struct Lamp
{
    int view = 0;       // the car view it is listed under (1 to 4)
    int textNumber = 0; // the language text of its name, as the car views' tooltip
    QString suffix;     // "_L", "_RA", "_M", ...
    LampBytes bytes{};  // what a click on it lights (a lamp seen from both halves on both)
};

// The lamps of the vehicle that a click can reach, each once: the front row,
// then the rear row, each from left to right as the car views show them (so
// view by view: 1, 2, 3, 4).
std::vector<Lamp> lampsOf(const LampAreaTable& areas, const LampOptions& options);

enum class Kind
{
    Blink,     // the chosen lamps together, on and off
    Chase,     // the chosen lamps one after another
    Alternate, // the left half and the right half of the chosen lamps in turn
};

struct Settings
{
    Kind kind = Kind::Blink;
    std::vector<LampBytes> lamps; // the chosen lamps in the order of the list
    int repeats = 3;              // flashes, passes of the chase, or changes of side
    int onTenths = 5;             // interval of a lit step
    int offTenths = 5;            // interval of the dark step between flashes
    bool withReturn = false;      // a chase runs back to its first lamp
};

// The steps of a pattern, with intervals held in the slider's range; empty
// when it has nothing to light. Alternate leaves out lamps seen from both
// halves, which cannot take turns.
QList<SequenceRow> generate(const Settings& settings, const QLocale& locale = QLocale());

} // namespace Patterns
