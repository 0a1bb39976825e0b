#include "module/ImageTransfer.h"

namespace {
const QByteArray kEndOfTransfer = QByteArray("\x00\x01", 2);
} // namespace

bool RetryCount::failedAt(int address)
{
    if (address != m_address) {
        m_address = address;
        m_retries = 0;
        return false;
    }
    if (m_retries == MaxRetries)
        return true;
    ++m_retries;
    return false;
}

ImageTransfer::ImageTransfer(QSerialPort& port, QObject* parent) : QObject(parent), m_exchange(port)
{
    connect(&m_exchange, &SerialExchange::finished, this, &ImageTransfer::answered);
}

QByteArray ImageTransfer::frame(int address, char byte)
{
    QByteArray f(3, '\0');
    f[0] = char((address - address % 256) / 256);
    f[1] = char(address % 256);
    f[2] = byte;
    return f;
}

bool ImageTransfer::isEcho(const QByteArray& reply, const QByteArray& frame)
{
    return !reply.isEmpty() && reply.chopped(1) == frame;
}

void ImageTransfer::start(const QByteArray& image)
{
    m_image = image;
    m_address = 1;
    m_retry = RetryCount();
    m_ending = false;
    m_result = Result::Sent;
    sendCurrent();
}

void ImageTransfer::cancel()
{
    m_exchange.cancel();
}

void ImageTransfer::sendCurrent()
{
    if (m_address > m_image.size()) {
        m_ending = true;
        m_exchange.start(kEndOfTransfer);
        return;
    }
    m_frame = frame(m_address, m_image.at(m_address - 1));
    m_exchange.start(m_frame);
}

void ImageTransfer::answered(const QByteArray& reply)
{
    if (m_ending) {
        // The module's answer to the end of transfer is not examined.
        emit finished(m_result);
        return;
    }
    emit progress(m_address, int(m_image.size()));
    if (isEcho(reply, m_frame)) {
        ++m_address;
        sendCurrent();
        return;
    }
    if (m_retry.failedAt(m_address)) {
        m_result = reply.isEmpty() ? Result::NoAnswer : Result::WrongEcho;
        m_ending = true;
        m_exchange.start(kEndOfTransfer);
        return;
    }
    sendCurrent();
}
