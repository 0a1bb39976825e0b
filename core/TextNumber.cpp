#include "core/TextNumber.h"

#include <QString>
#include <cmath>

std::optional<double> leadingNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    qsizetype end = 0;
    if (end < t.size() && (t[end] == QLatin1Char('+') || t[end] == QLatin1Char('-')))
        ++end;
    bool point = false;
    while (end < t.size() && (t[end].isDigit() || (!point && t[end] == QLatin1Char('.')))) {
        point = point || t[end] == QLatin1Char('.');
        ++end;
    }
    bool ok = false;
    const double value = t.left(end).toString().toDouble(&ok);
    // Qt gives infinity for an overflow and 0 for every other failure.
    if (std::isinf(value))
        return std::nullopt;
    return ok ? value : 0.0;
}
