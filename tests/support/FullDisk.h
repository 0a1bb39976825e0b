#pragma once

#include "core/SafeSave.h"

#include <QFile>
#include <utility>

// While it lives, every write through SafeSave fails as on a full disk, with
// the ENOSPC the kernel gives for /dev/full.
class FullDisk
{
public:
    FullDisk() : m_saved(std::exchange(SafeSave::writeSome, &full)) {}
    ~FullDisk() { SafeSave::writeSome = m_saved; }

private:
    static qint64 full(QFileDevice&, const char* data, qint64 size)
    {
        QFile device(QStringLiteral("/dev/full"));
        return device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ? device.write(data, size) : -1;
    }

    qint64 (*m_saved)(QFileDevice&, const char*, qint64);
};
