#include "module/Handshake.h"

namespace {
const QByteArray kHello = QByteArrayLiteral("@#*");
const QByteArray kHelloBusy = QByteArrayLiteral("@#*3");
const QByteArray kRelease = QByteArray("\x00\x01", 2);
} // namespace

Handshake::Handshake(QSerialPort& port, QObject* parent) : QObject(parent), m_exchange(port)
{
    connect(&m_exchange, &SerialExchange::finished, this, &Handshake::answered);
    m_pause.setSingleShot(true);
    m_pause.setInterval(ExtendedReplyPauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { emit finished(Result::Connected); });
}

void Handshake::start(bool developerMode)
{
    m_developerMode = developerMode;
    m_reply.reset();
    m_try = 0;
    tryOnce();
}

void Handshake::cancel()
{
    m_exchange.cancel();
    m_pause.stop();
}

void Handshake::tryOnce()
{
    ++m_try;
    m_releasing = false;
    m_exchange.start(kHello);
}

void Handshake::answered(const QByteArray& reply)
{
    if (m_releasing) {
        // What the module says to 0x00 0x01 does not matter.
        if (m_try < Tries)
            tryOnce();
        else
            emit finished(Result::Unrecognised);
        return;
    }
    m_reply = HandshakeReply::parse(reply, m_developerMode);
    if (m_reply) {
        if (m_reply->hasCompileInfo)
            m_pause.start();
        else
            emit finished(Result::Connected);
        return;
    }
    if (reply.isEmpty() && m_try == Tries) {
        emit finished(Result::NoAnswer);
        return;
    }
    if (reply == kHelloBusy) {
        m_releasing = true;
        m_exchange.start(kRelease);
        return;
    }
    if (m_try < Tries)
        tryOnce();
    else
        emit finished(Result::Unrecognised);
}
