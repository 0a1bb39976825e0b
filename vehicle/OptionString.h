#pragma once

#include <QString>

// The option string holds one decimal digit per place, 1 to 14; the vehicle
// code holds the digits of model type, body style and model year.
namespace OptionString {

// The values of place 2, the headlamp type (also the chkFernlicht buttons).
constexpr int HeadlampHighBeam = 2;
constexpr int HeadlampCornering = 3;
constexpr int HeadlampDrlBulb = 4;

// The digit at `position`; a missing place or anything but a digit reads as 0.
int digitAt(const QString& text, int position);
// `text` with `value` (0 to 9) at `position` (from 1).
QString withDigit(QString text, int position, int value);
// The digit at index `i` of the vehicle code; -1 when it is missing or not a digit.
int codeDigit(const QString& code, int i);

} // namespace OptionString
