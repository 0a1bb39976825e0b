#pragma once

#include "module/SerialExchange.h"

#include <QByteArray>
#include <QObject>

class QSerialPort;

// Sends an image byte by byte: each byte in a frame of three (address high,
// address low, byte), which the module echoes with one more character.
// A byte that is not echoed is sent again; the transfer stops after six
// failed exchanges at one address. Last come the end-of-transfer bytes.
class ImageTransfer : public QObject
{
    Q_OBJECT
public:
    enum class Result
    {
        Sent,      // every byte was echoed
        WrongEcho, // six answers at one address were not the echo of its frame
        NoAnswer,  // six exchanges at one address brought no answer (the last failure decides)
    };
    // A further failure at an address whose counter has reached this stops the transfer.
    static constexpr int MaxRetries = 4;

    explicit ImageTransfer(QSerialPort& port, QObject* parent = nullptr);

    // image holds the bytes of addresses 1 to image.size().
    void start(const QByteArray& image);
    void cancel();
    bool isRunning() const { return m_exchange.isRunning(); }
    // The address being sent; past the image's end while the end of transfer goes out.
    int address() const { return m_address; }

    // The frame for one address; the echo the module sends is the frame plus one character.
    static QByteArray frame(int address, char byte);
    static bool isEcho(const QByteArray& reply, const QByteArray& frame);

signals:
    // After each exchange of the image: address just sent, image length.
    void progress(int address, int length);
    void finished(ImageTransfer::Result result);

private:
    void sendCurrent();
    void answered(const QByteArray& reply);

    SerialExchange m_exchange;
    QByteArray m_image;
    QByteArray m_frame;
    int m_address = 0;
    int m_lastFailedAddress = 0;
    int m_retries = 0;
    bool m_ending = false;
    Result m_result = Result::Sent;
};
