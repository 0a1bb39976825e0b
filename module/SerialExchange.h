#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QSerialPort;

// One exchange with the module: discard what is waiting, write the message,
// wait 50 ms; when anything has arrived by then, that is the answer.
// Otherwise the same message is written again, five times in all, and the
// answer is empty. The waits are timers on the event loop, so the window
// stays responsive and the processor idle.
class SerialExchange : public QObject
{
    Q_OBJECT
public:
    static constexpr int WaitMs = 50;
    static constexpr int Attempts = 5;

    explicit SerialExchange(QSerialPort& port, QObject* parent = nullptr);

    // Starts an exchange; finished() follows from the event loop.
    void start(const QByteArray& message);
    // Stops a running exchange without finishing it.
    void cancel();
    bool isRunning() const { return m_timer.isActive(); }

signals:
    void finished(const QByteArray& reply);

private:
    void writeAttempt();
    void waited();

    QSerialPort& m_port;
    QTimer m_timer;
    QByteArray m_message;
    int m_attempt = 0;
};
