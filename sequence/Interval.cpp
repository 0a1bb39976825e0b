#include "sequence/Interval.h"

#include <cmath>

namespace Interval {

QString fromSlider(int sliderValue, const QLocale& locale)
{
    // 'g' with enough precision drops trailing zeros; no group separators for 10.
    QLocale l = locale;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(sliderValue / 10.0, 'g', 6);
}

qint64 toMilliseconds(const QString& text)
{
    QString t = text.trimmed();
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    if (comma >= 0)
        t[comma] = QLatin1Char('.');
    // Leading decimal number: digits, one point, digits.
    qsizetype end = 0;
    bool point = false;
    if (end < t.size() && (t[end] == QLatin1Char('+') || t[end] == QLatin1Char('-')))
        ++end;
    while (end < t.size() && (t[end].isDigit() || (!point && t[end] == QLatin1Char('.')))) {
        if (t[end] == QLatin1Char('.'))
            point = true;
        ++end;
    }
    bool ok = false;
    const double seconds = t.left(end).toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds <= 0)
        return 0;
    const double ms = seconds * 1000.0;
    if (ms > 9.0e15)
        return 0;
    return qint64(std::nearbyint(ms)); // the default rounding mode rounds halves to even
}

} // namespace Interval
