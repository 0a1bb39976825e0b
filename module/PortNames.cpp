#include "module/PortNames.h"

#include "app/SettingsStore.h"

#include <QCollator>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace PortNames {

namespace {

// "ttyS2" before "ttyS10": numbers inside the names count as numbers.
void sortByName(QStringList& devices)
{
    QCollator collator(QLocale::c());
    collator.setNumericMode(true);
    std::stable_sort(devices.begin(), devices.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
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
