#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The port menu offers "Com 1" to "Com 20". On Windows "Com N" is the port
// COMN. Elsewhere it is the device named under key "ComN" of the settings
// section "Ports" (for example Com3=/dev/ttyUSB0), and without that key the
// N-th serial port the system lists, in the order of the port names.
namespace PortNames {

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 20;
inline constexpr const char* Section = "Ports";

// The device of "Com n"; empty when there is none.
QString device(int n, const SettingsStore& settings);
// Same, with the system's port list given (names sorted here).
QString device(int n, const SettingsStore& settings, const QStringList& systemPorts);
// The system's serial ports by their device paths, in the order of the names.
QStringList systemPorts();
// "Com n", followed by the device when there is one: "Com 3  (/dev/ttyUSB0)".
QString menuCaption(int n, const QString& device);

} // namespace PortNames
