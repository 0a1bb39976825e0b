#include "module/SerialExchange.h"

#include <QSerialPort>

SerialExchange::SerialExchange(QSerialPort& port, QObject* parent) : QObject(parent), m_port(port)
{
    m_timer.setSingleShot(true);
    // The module's timing is counted in these waits: keep them exact.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(WaitMs);
    connect(&m_timer, &QTimer::timeout, this, &SerialExchange::waited);
}

void SerialExchange::start(const QByteArray& message)
{
    m_message = message;
    m_attempt = 0;
    if (!m_port.isOpen())
        return; // the port failed or was closed: the owner has been told
    // Whatever is still on its way from an earlier exchange is not the answer.
    m_port.clear(QSerialPort::Input);
    if (m_port.isOpen()) // clearing may have found the device gone
        writeAttempt();
}

void SerialExchange::cancel()
{
    m_timer.stop();
}

void SerialExchange::writeAttempt()
{
    ++m_attempt;
    m_port.write(m_message);
    // A write that failed may have closed the port; then nothing more happens here.
    if (m_port.isOpen())
        m_timer.start();
}

void SerialExchange::waited()
{
    // Take in what the system holds for us right now; never waits.
    if (m_port.isOpen())
        m_port.waitForReadyRead(0);
    if (m_port.isOpen() && m_port.bytesAvailable() > 0) {
        emit finished(m_port.readAll());
        return;
    }
    if (m_attempt < Attempts && m_port.isOpen()) {
        writeAttempt();
        return;
    }
    emit finished(QByteArray());
}
