#include "module/ModuleSession.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

// What the device says when it is opened directly, at the moment the port failed.
enum class DeviceState
{
    Missing, // no node, or a node that no longer leads to a device
    Refused, // this user may not open it
    Held,    // another program has it open exclusively
    Opens,   // it opens: only Qt's lock file of another program stood in the way
    Unknown, // anything else, or no way to ask
};

// Qt reports a port another program holds (its lock file, or the device
// opened exclusively), a device this user may not open and a device that is
// going away alike. The device itself tells them apart: a node left behind
// by an adapter being unplugged answers ENXIO, ENODEV or EIO.
DeviceState askDevice(const QString& device, QString& ownerGroup)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device);
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0)
        return DeviceState::Missing;
    // Not blocking on a line without carrier, and never our controlling terminal.
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case EACCES:
        case EPERM:
            if (const struct group* g = ::getgrgid(info.st_gid))
                ownerGroup = QString::fromLocal8Bit(g->gr_name);
            return DeviceState::Refused;
        case EBUSY:
            return DeviceState::Held;
        case ENOENT:
        case ENOTDIR:
        case ENODEV:
        case ENXIO:
        case EIO:
            return DeviceState::Missing;
        default:
            return DeviceState::Unknown;
        }
    }
    // A terminal that has lost its line still opens, but answers EIO.
    struct termios settings = {};
    const bool hungUp = ::isatty(fd) && ::tcgetattr(fd, &settings) != 0 && errno == EIO;
    ::close(fd);
    return hungUp ? DeviceState::Missing : DeviceState::Opens;
#else
    Q_UNUSED(device);
    Q_UNUSED(ownerGroup);
    return DeviceState::Unknown;
#endif
}

// Why the port did not open, from Qt's error and what the device says now.
ModuleOutcome::Kind openFailure(QSerialPort::SerialPortError error, DeviceState state)
{
    using Kind = ModuleOutcome::Kind;
    switch (state) {
    case DeviceState::Missing:
        return Kind::PortNotAvailable;
    case DeviceState::Refused:
        return Kind::PortNoPermission;
    case DeviceState::Held:
        return Kind::PortBusy;
    case DeviceState::Opens:
    case DeviceState::Unknown:
        break;
    }
    return error == QSerialPort::PermissionError ? Kind::PortBusy : Kind::PortFailed;
}

} // namespace

ModuleSession::ModuleSession(QObject* parent) : QObject(parent), m_handshake(m_port), m_transfer(m_port)
{
    connect(&m_handshake, &Handshake::finished, this, &ModuleSession::handshakeDone);
    connect(&m_transfer, &ImageTransfer::finished, this, &ModuleSession::transferDone);
    connect(&m_transfer, &ImageTransfer::progress, this, &ModuleSession::progress);
    connect(&m_port, &QSerialPort::errorOccurred, this, &ModuleSession::portError);
}

ModuleSession::~ModuleSession()
{
    stopAll();
}

bool ModuleSession::unsuitedForTypeFive(const QString& moduleType, const QString& vehicleCode)
{
    static const QStringList codes{QStringLiteral("111"), QStringLiteral("211"), QStringLiteral("221"),
                                   QStringLiteral("311"), QStringLiteral("321"), QStringLiteral("431"),
                                   QStringLiteral("433"), QStringLiteral("441"), QStringLiteral("443")};
    return moduleType.startsWith(QLatin1Char('5')) && codes.contains(vehicleCode);
}

bool ModuleSession::openPort(const QString& device)
{
    ++m_run;
    m_stage = Stage::Handshake;
    m_outcome = ModuleOutcome();
    m_outcome.device = device;
    if (m_port.isOpen())
        m_port.close();
    if (device.isEmpty()) {
        m_outcome.kind = ModuleOutcome::Kind::PortNotAvailable;
        return false;
    }
    m_port.setPortName(device);
    m_port.setBaudRate(BaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    if (m_port.open(QIODevice::ReadWrite))
        return true;
    const QSerialPort::SerialPortError error = m_port.error();
    m_outcome.portError = m_port.errorString();
    if (error == QSerialPort::DeviceNotFoundError)
        m_outcome.kind = ModuleOutcome::Kind::PortNotAvailable;
    else
        m_outcome.kind = openFailure(error, askDevice(device, m_outcome.deviceGroup));
    m_port.close();
    return false;
}

std::optional<ModuleOutcome> ModuleSession::portProblem(const QString& device)
{
    if (isBusy()) {
        ModuleOutcome busy;
        busy.kind = ModuleOutcome::Kind::PortBusy;
        return busy;
    }
    const bool opened = openPort(device);
    m_port.close();
    return opened ? std::nullopt : std::optional(m_outcome);
}

bool ModuleSession::linkFailed(ModuleOutcome::Kind kind)
{
    using Kind = ModuleOutcome::Kind;
    switch (kind) {
    case Kind::PortNotAvailable:
    case Kind::PortBusy:
    case Kind::PortNoPermission:
    case Kind::PortFailed:
    case Kind::NotConnected:
    case Kind::WrongEcho:
    case Kind::NoAnswer:
    case Kind::LinkLost:
        return true;
    case Kind::Identified:
    case Kind::ModelMismatch:
    case Kind::HeaderOnly:
    case Kind::ImageTooLarge:
    case Kind::ImageInvalid:
    case Kind::Sent:
        return false;
    }
    return false;
}

void ModuleSession::identify(const QString& device, bool developerMode)
{
    if (isBusy())
        return;
    m_operation = Operation::Identify;
    if (!openPort(device)) {
        finish(m_outcome.kind);
        return;
    }
    m_handshake.start(developerMode);
}

UploadImage ModuleSession::smallestImage(const ImageInput& show)
{
    ImageInput least = show;
    least.functions.commingHomeAuf = false;
    least.functions.commingHomeZu = false;
    return UploadImage::build(least, UploadLimit);
}

void ModuleSession::upload(const QString& device, bool developerMode, const QString& vehicleCode,
                           const ImageInput& show, Prepare prepare)
{
    if (isBusy())
        return;
    m_operation = Operation::Upload;
    const UploadImage smallest = smallestImage(show);
    if (smallest.status == UploadImage::Status::TooLarge) {
        // Said at once: asking the module, or finding none, changes nothing.
        ++m_run;
        m_outcome = ModuleOutcome();
        m_outcome.device = device;
        m_outcome.limit = UploadLimit;
        m_outcome.image = smallest;
        finish(ModuleOutcome::Kind::ImageTooLarge);
        return;
    }
    m_prepare = std::move(prepare);
    m_vehicleCode = vehicleCode;
    if (!openPort(device)) {
        finish(m_outcome.kind);
        return;
    }
    m_handshake.start(developerMode);
}

void ModuleSession::handshakeDone(Handshake::Result result)
{
    if (result != Handshake::Result::Connected) {
        m_outcome.unrecognisedReply = result == Handshake::Result::Unrecognised;
        finish(ModuleOutcome::Kind::NotConnected);
        return;
    }
    m_outcome.reply = m_handshake.reply();
    const HandshakeReply reply = *m_outcome.reply;
    emit connected(reply);
    if (m_operation == Operation::None)
        return; // cancelled by a listener
    if (m_operation == Operation::Identify) {
        finish(ModuleOutcome::Kind::Identified);
        return;
    }
    if (unsuitedForTypeFive(reply.moduleType, m_vehicleCode)) {
        finish(ModuleOutcome::Kind::ModelMismatch);
        return;
    }
    const UploadPlan plan = m_prepare ? m_prepare(reply) : UploadPlan();
    if (m_operation != Operation::Upload)
        return; // cancelled while preparing
    m_outcome.notCarriedOut = plan.notCarriedOut;
    m_outcome.limit = UploadLimit;
    m_outcome.image = UploadImage::build(plan.input, UploadLimit);
    switch (m_outcome.image.status) {
    case UploadImage::Status::TooLarge:
        finish(ModuleOutcome::Kind::ImageTooLarge);
        return;
    case UploadImage::Status::HeaderOnly:
        finish(ModuleOutcome::Kind::HeaderOnly);
        return;
    case UploadImage::Status::Invalid:
        finish(ModuleOutcome::Kind::ImageInvalid);
        return;
    case UploadImage::Status::Ok:
        break;
    }
    m_stage = Stage::Transfer;
    m_transfer.start(m_outcome.image.bytes);
}

void ModuleSession::transferDone(ImageTransfer::Result result)
{
    switch (result) {
    case ImageTransfer::Result::Sent:
        finish(ModuleOutcome::Kind::Sent);
        break;
    case ImageTransfer::Result::WrongEcho:
        finish(ModuleOutcome::Kind::WrongEcho);
        break;
    case ImageTransfer::Result::NoAnswer:
        finish(ModuleOutcome::Kind::NoAnswer);
        break;
    }
}

void ModuleSession::portError(QSerialPort::SerialPortError error)
{
    // Timeouts are how a wait for input that did not come ends; not a fault.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !isBusy() || !m_port.isOpen())
        return;
    if (error != QSerialPort::ResourceError && error != QSerialPort::WriteError &&
        error != QSerialPort::ReadError && error != QSerialPort::UnknownError)
        return;
    if (!m_outcome.portError.isEmpty())
        return; // already on its way to the end
    m_outcome.portError = m_port.errorString();
    // The fault may be reported from inside a write of the handshake or the
    // transfer: close the port at once, end the operation from the event loop.
    m_handshake.cancel();
    m_transfer.cancel();
    m_port.close();
    const ModuleOutcome::Kind kind =
        m_stage == Stage::Transfer ? ModuleOutcome::Kind::LinkLost : ModuleOutcome::Kind::NotConnected;
    if (kind == ModuleOutcome::Kind::LinkLost)
        m_outcome.lostAt = std::min(m_transfer.address(), m_outcome.image.length);
    const quint64 run = m_run;
    QMetaObject::invokeMethod(
        this,
        [this, run, kind] {
            if (run == m_run && isBusy())
                finish(kind);
        },
        Qt::QueuedConnection);
}

void ModuleSession::stopAll()
{
    m_handshake.cancel();
    m_transfer.cancel();
    if (m_port.isOpen())
        m_port.close();
}

void ModuleSession::cancel()
{
    ++m_run;
    stopAll();
    m_operation = Operation::None;
    m_prepare = nullptr;
}

void ModuleSession::finish(ModuleOutcome::Kind kind)
{
    stopAll();
    m_operation = Operation::None;
    m_prepare = nullptr;
    m_outcome.kind = kind;
    const ModuleOutcome outcome = m_outcome;
    emit finished(outcome);
}
