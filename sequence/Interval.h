#pragma once

#include <QLocale>
#include <QString>

// A step's interval is kept as text: seconds with at most one decimal,
// written with the user's decimal separator.
namespace Interval {

// The intervals a step takes, in tenths of a second: the slider's range. The
// module stores up to 25.5 seconds; the file any text.
inline constexpr int MinTenths = 1;
inline constexpr int MaxTenths = 100;

// Slider value v (tenths of a second) as text: 5 -> "0,5" (German) or "0.5", 10 -> "1".
// Always ASCII digits with a comma or a point.
QString fromSlider(int sliderValue, const QLocale& locale = QLocale());

// An interval text as the user reads it: with the language's decimal
// separator and at least one decimal, so "1" reads "1,0" beside "0,5". A
// text that is not a plain number only has its separators replaced.
QString shown(const QString& text, QChar decimalPoint);

// The slider's value as the user reads it: 10 -> "1,0" (German) or "1.0".
QString shownFromSlider(int sliderValue, const QLocale& locale);

// Milliseconds of an interval text. The first "," counts as a decimal point;
// the leading number is read, anything else reads as 0; halves round to even.
// A number too large to count in milliseconds also gives 0.
qint64 toMilliseconds(const QString& text);

} // namespace Interval
