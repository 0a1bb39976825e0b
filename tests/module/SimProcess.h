#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// The simulated module as a child process, with its device paths (several
// with --count) and what it logged. It is stopped when the object goes.
class SimProcess
{
public:
    explicit SimProcess(QStringList arguments)
    {
        m_process.setProgram(
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vantor-module-sim")));
        arguments << QStringLiteral("--log");
        const qsizetype count = arguments.indexOf(QStringLiteral("--count"));
        const int expected = count >= 0 ? arguments.value(count + 1).toInt() : 1;
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        static const QRegularExpression device(QStringLiteral("module on (/dev/\\S+)\n"));
        while (m_devices.size() < expected && m_process.waitForReadyRead(5000)) {
            m_output += QString::fromLatin1(m_process.readAll());
            m_devices.clear();
            for (const QRegularExpressionMatch& match : device.globalMatch(m_output))
                m_devices.append(match.captured(1));
        }
    }
    ~SimProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }

    QString device() const { return m_devices.value(0); }
    const QStringList& devices() const { return m_devices; }

    // Every line logged so far (after the device lines).
    QStringList log()
    {
        m_output += QString::fromLatin1(m_process.readAllStandardOutput());
        return m_output.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(m_devices.size());
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
    QStringList m_devices;
    QString m_output;
};
