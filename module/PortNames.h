#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class SettingsStore;

// The port menu offers "Com 1" to "Com 20". On Windows "Com N" is the port
// COMN. Elsewhere it is the device named under key "ComN" of the settings
// section "Ports" (for example Com3=/dev/ttyUSB0), and without that key the
// N-th serial port the system lists, in the order of the port names.
namespace PortNames {

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 20;
inline constexpr const char* Section = "Ports";

// What the system tells about one of its serial ports.
struct PortInfo
{
    QString device; // "/dev/ttyUSB0", "COM3"
    QString description;
    QString manufacturer;
    std::optional<quint16> vendorId; // USB ids, when it is a USB adapter
    std::optional<quint16> productId;
};

// The device of "Com n"; empty when there is none.
QString device(int n, const SettingsStore& settings);
// Same, with the system's port list given (names sorted here).
QString device(int n, const SettingsStore& settings, const QStringList& systemPorts);
// The system's serial ports by their device paths, in the order of the names.
QStringList systemPorts();
QStringList devices(const QList<PortInfo>& ports);
QList<PortInfo> systemPortInfos();

// The device named for "Com n" in the settings (not the system's n-th port).
QString mappedDevice(int n, const SettingsStore& settings);
// The number "Com n" under which the device is reached now, if any.
std::optional<int> numberOf(const QString& device, const SettingsStore& settings,
                            const QStringList& systemPorts);
// A number to give a device that has none: one with no key in [Ports] that
// stands for no system port, else one with no key; nullopt when all are
// taken (and on Windows, where the number is the port's own).
std::optional<int> freeNumber(const SettingsStore& settings, const QStringList& systemPorts);
// The number a device found by the search keeps: elsewhere than on Windows
// it is written to [Ports] when no key names it yet, so that it stays the
// same when adapters come and go (its present number, else a free one).
std::optional<int> assign(const QString& device, SettingsStore& settings, const QStringList& systemPorts);

// What the port is, as far as the system knows: "FT232R USB UART, FTDI, USB 0403:6001".
QString describe(const PortInfo& port);
// "Com n", followed by the device and what it is, or the word for a missing
// device: "Com 3  (/dev/ttyUSB0, FT232R USB UART)", "Com 3  (/dev/ttyUSB0, fehlt)".
QString menuCaption(int n, const QString& device, const QString& detail = QString());

// The captions of the port menu, read anew each time the menu opens. A
// device named in the settings that is not there is shown as missing, and
// so is a device that an entry showed before and that has gone since,
// until another device takes the entry.
class MenuCaptions
{
public:
    using Exists = std::function<bool(const QString& device)>;

    // Captions of "Com 1" to "Com 20" (index 0 is "Com 1"). exists tells
    // whether a device outside the system's list (a pseudo-terminal) is there.
    QStringList refresh(const SettingsStore& settings, const QList<PortInfo>& system, const Exists& exists,
                        const QString& missingWord);

private:
    std::array<QString, LastPort + 1> m_shown{};
};

} // namespace PortNames
