#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file, but never more than limit + 1 bytes of it: a file
// larger than the reader accepts, a device such as /dev/zero or an endless
// pipe is refused as too large instead of filling the memory. Pipes are read
// to their end, however slowly they come.
struct LimitedRead
{
    enum class Status
    {
        Ok,
        CannotOpen, // missing, no permission, or a read failed
        TooLarge,   // more than limit bytes
    };

    Status status = Status::CannotOpen;
    QByteArray bytes; // only when status is Ok
    QString problem;  // a short English description when it is not

    static LimitedRead of(const QString& fileName, qint64 limit);
};
