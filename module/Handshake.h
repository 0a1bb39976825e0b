#pragma once

#include "module/HandshakeReply.h"
#include "module/SerialExchange.h"

#include <QObject>
#include <QTimer>
#include <optional>

class QSerialPort;

// The connection handshake on an open port: "@#*" up to two times. A module
// that answers "@#*3" is sent the two bytes 0x00 0x01 before the second try.
class Handshake : public QObject
{
    Q_OBJECT
public:
    enum class Result
    {
        Connected,
        NoAnswer,     // the second try brought no answer at all
        Unrecognised, // both tries brought answers that are no module's reply
    };
    static constexpr int Tries = 2;
    // The pause after a long (developer mode) reply before the link is used.
    static constexpr int ExtendedReplyPauseMs = 100;

    explicit Handshake(QSerialPort& port, QObject* parent = nullptr);

    // developerMode: read the compile date and coded vehicle of an 11-character reply.
    void start(bool developerMode);
    void cancel();
    bool isRunning() const { return m_exchange.isRunning() || m_pause.isActive(); }

    const std::optional<HandshakeReply>& reply() const { return m_reply; }

signals:
    void finished(Handshake::Result result);

private:
    void tryOnce();
    void answered(const QByteArray& reply);

    SerialExchange m_exchange;
    QTimer m_pause;
    bool m_developerMode = false;
    bool m_releasing = false; // the 0x00 0x01 after "@#*3" is on its way
    int m_try = 0;
    std::optional<HandshakeReply> m_reply;
};
