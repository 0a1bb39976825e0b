#include "module/PortNames.h"

#include "core/SettingsStore.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace PortNames {

namespace {

// Compares names with the numbers inside them counted as numbers, so that
// "ttyS2" comes before "ttyS10".
bool nameLess(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i;
            const qsizetype startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            // Compare without leading zeros: first by length, then digit by digit.
            QStringView na = QStringView(a).mid(startA, i - startA);
            QStringView nb = QStringView(b).mid(startB, j - startB);
            while (na.size() > 1 && na.front() == QLatin1Char('0'))
                na = na.mid(1);
            while (nb.size() > 1 && nb.front() == QLatin1Char('0'))
                nb = nb.mid(1);
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (const int c = na.compare(nb); c != 0)
                return c < 0;
            continue;
        }
        if (a[i] != b[j])
            return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

void sortByName(QStringList& devices)
{
    std::stable_sort(devices.begin(), devices.end(), [](const QString& a, const QString& b) {
        return nameLess(QFileInfo(a).fileName(), QFileInfo(b).fileName());
    });
}

} // namespace

QStringList systemPorts()
{
    QStringList devices;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports)
        devices.append(port.systemLocation());
    return devices;
}

QString device(int n, const SettingsStore& settings, const QStringList& systemPortList)
{
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    Q_UNUSED(systemPortList);
    return n >= 1 ? QStringLiteral("COM%1").arg(n) : QString();
#else
    const QString named =
        settings.get(QString::fromLatin1(Section), QStringLiteral("Com%1").arg(n)).trimmed();
    if (!named.isEmpty())
        return named;
    QStringList sorted = systemPortList;
    sortByName(sorted);
    if (n < 1 || n > sorted.size())
        return QString();
    return sorted.at(n - 1);
#endif
}

QString device(int n, const SettingsStore& settings)
{
#ifdef Q_OS_WIN
    return device(n, settings, QStringList());
#else
    // Only list the system's ports when the settings name no device.
    const QString named =
        settings.get(QString::fromLatin1(Section), QStringLiteral("Com%1").arg(n)).trimmed();
    if (!named.isEmpty())
        return named;
    return device(n, settings, systemPorts());
#endif
}

QString menuCaption(int n, const QString& device)
{
    const QString caption = QStringLiteral("Com %1").arg(n);
    if (device.isEmpty())
        return caption;
    return caption + QStringLiteral("  (") + device + QLatin1Char(')');
}

} // namespace PortNames
