#pragma once

#include "module/SerialExchange.h"

#include <QByteArray>
#include <QObject>

class QSerialPort;

// When to give up on an address: failed exchanges are counted at one address;
// a failure at another address than the previous failure starts the count
// again, and the sixth failure at one address ends the transfer.
class RetryCount
{
public:
    // A further failure at an address whose counter has reached this stops the transfer.
    static constexpr int MaxRetries = 4;

    // One failed exchange at address; true when the transfer must stop.
    bool failedAt(int address);

private:
    int m_address = 0; // of the previous failure; 0 before the first
    int m_retries = 0;
};

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
    RetryCount m_retry;
    bool m_ending = false;
    Result m_result = Result::Sent;
};
