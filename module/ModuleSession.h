#pragma once

#include "module/Handshake.h"
#include "module/HandshakeReply.h"
#include "module/ImageTransfer.h"
#include "module/UploadImage.h"
#include "vehicle/VehicleOptions.h"

#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <functional>
#include <optional>

// How an operation with the module ended.
struct ModuleOutcome
{
    enum class Kind
    {
        PortNotAvailable, // the port does not exist
        PortBusy,         // another program holds the port
        PortNoPermission, // this user may not open the device (see device, deviceGroup)
        PortFailed,       // the port could not be opened for another reason (see portError)
        NotConnected,     // no module answered the handshake, or the port failed during it
        Identified,       // identify(): the module answered
        ModelMismatch,    // upload(): a type 5 module cannot take this vehicle
        HeaderOnly,       // upload(): the document encodes to one header byte; nothing sent
        ImageTooLarge,    // upload(): the image exceeds the limit; nothing sent
        ImageInvalid,     // upload(): a value does not fit the module's bytes; nothing sent
        WrongEcho,        // upload(): stopped, the module echoed wrongly
        NoAnswer,         // upload(): stopped, the module no longer answered
        LinkLost,         // upload(): the port failed while the image was sent (see lostAt, portError)
        Sent,             // upload(): every byte was accepted
    };

    Kind kind = Kind::NotConnected;
    // The module's reply when the handshake recognised one.
    std::optional<HandshakeReply> reply;
    // NotConnected: the module answered, but with something not understood.
    bool unrecognisedReply = false;
    // Upload outcomes from the build on: the image and the limit it was built against.
    UploadImage image;
    int limit = 0;
    // LinkLost: the address of the image that was being sent when the link went.
    int lostAt = 0;
    // Upload outcomes after the handshake: the ticked options the module's
    // edition does not carry out (left out of the image).
    QList<VehicleOptions::Option> notCarriedOut;
    QString portError;
    // The device the operation was given.
    QString device;
    // PortNoPermission: the group that owns the device (empty when unknown).
    QString deviceGroup;
};

// What an upload builds its image from, made once the module has answered.
struct UploadPlan
{
    // Converts, so that a preparation may return the input alone.
    UploadPlan(ImageInput in = {}, QList<VehicleOptions::Option> lacking = {})
        : input(std::move(in)), notCarriedOut(std::move(lacking))
    {
    }

    ImageInput input;
    // The ticked options the module's edition does not carry out.
    QList<VehicleOptions::Option> notCarriedOut;
};

// Talks to the module over one serial port, one operation at a time: opens
// the port, runs the handshake, and either reports the module (identify) or
// builds and sends the image (upload); the port is closed when it ends.
// Everything runs on the event loop; finished() always comes last.
class ModuleSession : public QObject
{
    Q_OBJECT
public:
    // The memory limit of every upload.
    static constexpr int UploadLimit = 510;
    static constexpr qint32 BaudRate = 9600;

    // Called once the module has answered, before the image is built; it
    // returns what to build (the options may depend on the module's type).
    using Prepare = std::function<UploadPlan(const HandshakeReply&)>;

    explicit ModuleSession(QObject* parent = nullptr);
    ~ModuleSession() override;

    bool isBusy() const { return m_operation != Operation::None; }

    void identify(const QString& device, bool developerMode);
    // vehicleCode: the chosen vehicle, checked against type 5 modules. show:
    // what the image is built from as the show stands before the module is
    // asked; a show no module can take, whatever its edition, is refused
    // before the port is opened (ImageTooLarge).
    void upload(const QString& device, bool developerMode, const QString& vehicleCode, const ImageInput& show,
                Prepare prepare);
    // Stops whatever runs and closes the port; finished() is not emitted.
    void cancel();

    // Opens and closes the port at once: why it cannot be used, nullopt when it can.
    std::optional<ModuleOutcome> portProblem(const QString& device);

    // The operation ended with the port closed on a fault: the module is not reachable now.
    static bool linkFailed(ModuleOutcome::Kind kind);

    // The smallest image a module of any edition is sent for the show: the
    // editions differ only in the light functions they carry out, and of
    // those only the coming-home tails take room.
    static UploadImage smallestImage(const ImageInput& show);

    // A type 5 module cannot take the shows of these vehicles.
    static bool unsuitedForTypeFive(const QString& moduleType, const QString& vehicleCode);

signals:
    // The handshake recognised the module.
    void connected(const HandshakeReply& reply);
    // After each byte of the image: address just sent, image length.
    void progress(int address, int length);
    void finished(const ModuleOutcome& outcome);

private:
    enum class Operation
    {
        None,
        Identify,
        Upload
    };
    enum class Stage
    {
        Handshake,
        Transfer
    };

    bool openPort(const QString& device);
    void handshakeDone(Handshake::Result result);
    void transferDone(ImageTransfer::Result result);
    void portError(QSerialPort::SerialPortError error);
    void finish(ModuleOutcome::Kind kind);
    void stopAll();

    QSerialPort m_port;
    Handshake m_handshake;
    ImageTransfer m_transfer;
    Operation m_operation = Operation::None;
    Stage m_stage = Stage::Handshake;
    // Counts operations, so that a late report of a port fault cannot end a later one.
    quint64 m_run = 0;
    Prepare m_prepare;
    QString m_vehicleCode;
    ModuleOutcome m_outcome;
};
