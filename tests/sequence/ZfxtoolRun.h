#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// zfxtool run as the user runs it: its exit status and what it printed.
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline Run zfxtool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(ZFXTOOL), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}
