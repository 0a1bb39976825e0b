#include "sequence/Interval.h"

#include "core/TextNumber.h"

#include <QRegularExpression>
#include <cmath>

namespace Interval {

QString fromSlider(int sliderValue, const QLocale& locale)
{
    // 'g' drops trailing zeros. The text goes into sequence files, which hold
    // plain ASCII only, so the digits stay ASCII whatever the locale writes
    // and a decimal separator other than comma or point becomes a point.
    QString text = QString::number(sliderValue / 10.0, 'g', 6);
    if (locale.decimalPoint() == QLatin1String(","))
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString shown(const QString& text, QChar decimalPoint)
{
    static const QRegularExpression plainNumber(QStringLiteral("^\\s*([0-9]+)(?:[.,]([0-9]+))?\\s*$"));
    const QRegularExpressionMatch m = plainNumber.match(text);
    if (!m.hasMatch()) {
        QString same = text;
        for (QChar& c : same)
            if (c == u',' || c == u'.')
                c = decimalPoint;
        return same;
    }
    const QString decimals = m.captured(2);
    return m.captured(1) + decimalPoint + (decimals.isEmpty() ? QStringLiteral("0") : decimals);
}

QString shownFromSlider(int sliderValue, const QLocale& locale)
{
    const QChar point = locale.decimalPoint() == QLatin1String(",") ? u',' : u'.';
    return shown(fromSlider(sliderValue, locale), point);
}

qint64 toMilliseconds(const QString& text)
{
    QString t = text.trimmed();
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    if (comma >= 0)
        t[comma] = QLatin1Char('.');
    // Playback has no one to tell: an interval too long to count in
    // milliseconds gets 0, which holds its row until the user stops.
    const std::optional<double> seconds = leadingNumber(t);
    if (!seconds || *seconds <= 0)
        return 0;
    const double ms = *seconds * 1000.0;
    if (ms > 9.0e15)
        return 0;
    return qint64(std::nearbyint(ms)); // the default rounding mode rounds halves to even
}

} // namespace Interval
