#include "sequence/LoopMarker.h"

namespace LoopMarker {

namespace {

// The leading decimal number of text after leading blanks; 0 when there is none.
int leadingNumber(QStringView text)
{
    text = text.trimmed();
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 99999)
            return 0;
    }
    return value;
}

} // namespace

QString make(int number, int repeats)
{
    const QString n = QString::number(number);
    return QStringLiteral("S") + QString(3 - qMin<qsizetype>(n.size(), 3), QLatin1Char(' ')) + n +
           QStringLiteral(" / ") + QString::number(repeats) + QStringLiteral(" x");
}

bool isLoop(const QString& marker)
{
    return marker.startsWith(QLatin1String("S "));
}

int number(const QString& marker)
{
    // The number ends at the " / " that follows it; for every marker with a
    // number up to 99 this reads characters 3 and 4.
    if (marker.size() < 2)
        return 0;
    const qsizetype slash = marker.indexOf(QLatin1String(" / "), 1);
    return leadingNumber(QStringView(marker).mid(1, slash < 0 ? -1 : slash - 1));
}

int repeats(const QString& marker)
{
    const qsizetype slash = marker.indexOf(QLatin1String(" / "));
    if (slash < 0)
        return 0;
    return leadingNumber(QStringView(marker).mid(slash + 3));
}

QString shown(const QString& marker, const QString& format)
{
    if (format.isEmpty() || !isLoop(marker))
        return marker;
    return format.arg(number(marker)).arg(repeats(marker));
}

} // namespace LoopMarker
