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
    // Only the digits 0 to 9: QString::toDouble reads no others, and a digit
    // of another script would turn the whole number into 0.
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    while (end < t.size() && (digit(t[end]) || (!point && t[end] == QLatin1Char('.')))) {
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
