#pragma once

#include "core/SafeSave.h"

#include <QFile>
#include <cerrno>

// While it lives, files written through SafeSave find the disk full after
// the given number of bytes: what fits is written (a short write), and the
// write after it fails as the kernel fails it, with ENOSPC from /dev/full.
class FullDisk
{
public:
    explicit FullDisk(qint64 room) : m_saved(SafeSave::writeSome)
    {
        s_room = room;
        SafeSave::writeSome = &writeSome;
    }
    ~FullDisk() { SafeSave::writeSome = m_saved; }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    static qint64 writeSome(QFileDevice& file, const char* data, qint64 size)
    {
        if (s_room > 0) {
            const qint64 written = file.write(data, qMin(size, s_room));
            s_room -= qMax<qint64>(written, 0);
            return written;
        }
        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return -1;
        const qint64 written = full.write(data, size);
        const int error = errno;
        full.close();
        errno = error;
        return written;
    }

    static inline qint64 s_room = 0;
    qint64 (*m_saved)(QFileDevice&, const char*, qint64);
};
