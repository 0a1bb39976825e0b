#include "module/ModuleSearch.h"

#include "core/SettingsStore.h"

#include <QFileInfo>

namespace {

bool usbSerial(const PortNames::PortInfo& port)
{
#ifdef Q_OS_WIN
    Q_UNUSED(port);
    return true;
#else
    const QString name = QFileInfo(port.device).fileName();
    return port.vendorId.has_value() || name.startsWith(QLatin1String("ttyUSB")) ||
           name.startsWith(QLatin1String("ttyACM"));
#endif
}

QString identity(const QString& device)
{
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? device : canonical;
}

} // namespace

ModuleSearch::ModuleSearch(QObject* parent) : QObject(parent)
{
    connect(&m_session, &ModuleSession::finished, this, &ModuleSearch::done);
}

QList<ModuleSearch::Port> ModuleSearch::candidates(const SettingsStore& settings,
                                                   const QList<PortNames::PortInfo>& system, int chosen)
{
    const QStringList systemDevices = PortNames::devices(system);
    QStringList devices{PortNames::device(chosen, settings, systemDevices)};
    for (int n = PortNames::FirstPort; n <= PortNames::LastPort; ++n)
        devices.append(PortNames::mappedDevice(n, settings));
    for (const PortNames::PortInfo& port : system) {
        if (usbSerial(port))
            devices.append(port.device);
    }
    QList<Port> ports;
    QStringList seen;
    for (const QString& device : std::as_const(devices)) {
        if (device.isEmpty() || seen.contains(identity(device)))
            continue;
        seen.append(identity(device));
        ports.append({device, PortNames::numberOf(device, settings, systemDevices).value_or(0)});
    }
    return ports;
}

void ModuleSearch::start(const QList<Port>& ports, bool developerMode)
{
    cancel();
    m_ports = ports;
    m_results.clear();
    m_developerMode = developerMode;
    m_running = true;
    next();
}

void ModuleSearch::cancel()
{
    ++m_run;
    m_running = false;
    m_session.cancel();
}

QList<ModuleSearch::Try> ModuleSearch::answered() const
{
    QList<Try> out;
    for (const Try& t : m_results) {
        if (t.answered())
            out.append(t);
    }
    return out;
}

void ModuleSearch::next()
{
    if (m_results.size() == m_ports.size()) {
        m_running = false;
        emit finished();
        return;
    }
    const qsizetype index = m_results.size();
    emit trying(int(index), int(m_ports.size()), m_ports.at(index));
    if (!m_running)
        return; // cancelled by a listener
    m_session.identify(m_ports.at(index).device, m_developerMode);
}

void ModuleSearch::done(const ModuleOutcome& outcome)
{
    if (!m_running)
        return;
    const Try result{m_ports.at(m_results.size()), outcome};
    m_results.append(result);
    emit tried(result);
    // The next port from the event loop: a port that fails at once must not
    // start the next try from inside this one's report.
    const quint64 run = m_run;
    QMetaObject::invokeMethod(
        this,
        [this, run] {
            if (run == m_run && m_running)
                next();
        },
        Qt::QueuedConnection);
}
