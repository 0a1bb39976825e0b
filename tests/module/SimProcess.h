#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// The simulated module as a child process, with its device path and what it
// logged. It is stopped when the object goes.
class SimProcess
{
public:
    explicit SimProcess(QStringList arguments)
    {
        m_process.setProgram(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vantor-module-sim")));
        arguments << QStringLiteral("--log");
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        static const QRegularExpression device(QStringLiteral("on (/dev/\\S+)"));
        while (m_device.isEmpty() && m_process.waitForReadyRead(5000)) {
            m_output += QString::fromLatin1(m_process.readAll());
            const QRegularExpressionMatch match = device.match(m_output);
            if (match.hasMatch())
                m_device = match.captured(1);
        }
    }
    ~SimProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }

    QString device() const { return m_device; }

    // Every line logged so far (after the device line).
    QStringList log()
    {
        m_output += QString::fromLatin1(m_process.readAllStandardOutput());
        QStringList lines = m_output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!lines.isEmpty())
            lines.removeFirst();
        return lines;
    }
    int count(const QString& prefix)
    {
        int n = 0;
        for (const QString& line : log())
            n += line.startsWith(prefix) ? 1 : 0;
        return n;
    }
    // Waits (on the event loop) until a line starting with prefix was logged.
    bool waitFor(const QString& prefix, int timeoutMs = 5000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!deadline.hasExpired()) {
            if (count(prefix) > 0)
                return true;
            QTest::qWait(10);
        }
        return false;
    }

private:
    QProcess m_process;
    QString m_device;
    QString m_output;
};
