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

#ifdef Q_OS_WIN
constexpr bool OnWindows = true;
#else
constexpr bool OnWindows = false;
#endif

// The same device, also when one name is a link to the other (/dev/serial/by-id/...).
bool sameDevice(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (a == b)
        return true;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

QList<PortInfo> systemPortInfos()
{
    QList<PortInfo> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        PortInfo port{info.systemLocation(), info.description(), info.manufacturer(), {}, {}};
        if (info.hasVendorIdentifier())
            port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productId = info.productIdentifier();
        ports.append(port);
    }
    return ports;
}

QStringList devices(const QList<PortInfo>& ports)
{
    QStringList out;
    for (const PortInfo& port : ports)
        out.append(port.device);
    return out;
}

QStringList systemPorts()
{
    return devices(systemPortInfos());
}

QString mappedDevice(int n, const SettingsStore& settings)
{
#ifdef Q_OS_WIN
    Q_UNUSED(n);
    Q_UNUSED(settings);
    return QString();
#else
    return settings.get(QString::fromLatin1(Section), QStringLiteral("Com%1").arg(n)).trimmed();
#endif
}

QString device(int n, const SettingsStore& settings, const QStringList& systemPortList)
{
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    Q_UNUSED(systemPortList);
    return n >= 1 ? QStringLiteral("COM%1").arg(n) : QString();
#else
    const QString named = mappedDevice(n, settings);
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
    // Only list the system's ports when the settings name no device.
    const QString named = mappedDevice(n, settings);
    if (!named.isEmpty())
        return named;
    return device(n, settings, systemPorts());
}

std::optional<int> numberOf(const QString& dev, const SettingsStore& settings,
                            const QStringList& systemPortList)
{
    for (int n = FirstPort; n <= LastPort; ++n) {
        if (sameDevice(device(n, settings, systemPortList), dev))
            return n;
    }
    return std::nullopt;
}

std::optional<int> freeNumber(const SettingsStore& settings, const QStringList& systemPortList)
{
#ifdef Q_OS_WIN
    Q_UNUSED(settings);
    Q_UNUSED(systemPortList);
    return std::nullopt;
#else
    std::optional<int> unmapped;
    for (int n = FirstPort; n <= LastPort; ++n) {
        if (!mappedDevice(n, settings).isEmpty())
            continue;
        if (device(n, settings, systemPortList).isEmpty())
            return n;
        if (!unmapped)
            unmapped = n;
    }
    return unmapped;
#endif
}

std::optional<int> assign(const QString& dev, SettingsStore& settings, const QStringList& systemPortList)
{
    std::optional<int> number = numberOf(dev, settings, systemPortList);
    if (OnWindows || (number && !mappedDevice(*number, settings).isEmpty()))
        return number;
    if (!number)
        number = freeNumber(settings, systemPortList);
    if (number)
        settings.save(QString::fromLatin1(Section), QStringLiteral("Com%1").arg(*number), dev);
    return number;
}

QString describe(const PortInfo& port)
{
    QStringList parts;
    if (!port.description.isEmpty())
        parts.append(port.description);
    // Many adapters repeat their maker in the description.
    if (!port.manufacturer.isEmpty() && !port.description.contains(port.manufacturer, Qt::CaseInsensitive))
        parts.append(port.manufacturer);
    if (port.vendorId && port.productId)
        parts.append(QStringLiteral("USB %1:%2")
                         .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
                         .arg(*port.productId, 4, 16, QLatin1Char('0')));
    return parts.join(QStringLiteral(", "));
}

QString menuCaption(int n, const QString& dev, const QString& detail)
{
    const QString caption = QStringLiteral("Com %1").arg(n);
    if (dev.isEmpty())
        return caption;
    QString inside = dev;
    if (!detail.isEmpty())
        inside += QStringLiteral(", ") + detail;
    return caption + QStringLiteral("  (") + inside + QLatin1Char(')');
}

QStringList MenuCaptions::refresh(const SettingsStore& settings, const QList<PortInfo>& system,
                                  const Exists& exists, const QString& missingWord)
{
    const QStringList systemDevices = devices(system);
    auto info = [&system](const QString& dev) -> const PortInfo* {
        for (const PortInfo& port : system) {
            if (sameDevice(port.device, dev))
                return &port;
        }
        return nullptr;
    };
    // Windows names its ports COMn, which are no files: only the list counts.
    auto present = [&](const QString& dev) { return info(dev) != nullptr || (!OnWindows && exists(dev)); };
    QStringList captions;
    for (int n = FirstPort; n <= LastPort; ++n) {
        QString dev = device(n, settings, systemDevices);
        QString& shown = m_shown[std::size_t(n)];
        // An entry that has lost its device keeps showing it, as missing.
        if (dev.isEmpty() && !shown.isEmpty() && !present(shown))
            dev = shown;
        shown = dev;
        QString detail;
        if (const PortInfo* port = info(dev))
            detail = describe(*port);
        else if (!dev.isEmpty() && !present(dev))
            detail = missingWord;
        captions.append(menuCaption(n, dev, detail));
    }
    return captions;
}

} // namespace PortNames
