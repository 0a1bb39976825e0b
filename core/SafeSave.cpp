#include "core/SafeSave.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

qint64 writeThrough(QFileDevice& file, const char* data, qint64 size)
{
    return file.write(data, size);
}

int syncData(int fd)
{
#if defined(Q_OS_DARWIN)
    return ::fsync(fd);
#elif defined(Q_OS_UNIX)
    return ::fdatasync(fd);
#else
    Q_UNUSED(fd);
    return 0; // elsewhere the sync that QSaveFile::commit() makes stands alone
#endif
}

bool isDiskFull(int error)
{
#ifdef EDQUOT
    if (error == EDQUOT) // the user's share of the disk: the same for the user
        return true;
#endif
    return error == ENOSPC;
}

const QString DiskFullReason = QStringLiteral("the disk is full (no space left on the device)");

} // namespace

qint64 (*SafeSave::writeSome)(QFileDevice& file, const char* data, qint64 size) = &writeThrough;
int (*SafeSave::dataSync)(int fd) = &syncData;

SafeSave::SafeSave(const QString& fileName) : m_fileName(fileName) {}

SafeSave::~SafeSave() = default;

bool SafeSave::open()
{
    if (m_file || !m_result.ok() || m_done)
        return m_file != nullptr;
    const QFileInfo target(m_fileName);
    if (target.exists() && !target.isFile()) {
        setFailure(Error::NotRegularFile, QStringLiteral("it exists and is not a regular file"));
        return false;
    }
    auto file = std::make_unique<QSaveFile>(m_fileName);
    errno = 0;
    // Unbuffered, so that every write reaches the file here and a short one
    // (a full disk) shows at once: a buffered one would only fail in
    // commit()'s flush, which does not report it.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (isDiskFull(errno))
            setFailure(Error::DiskFull, DiskFullReason);
        else
            setFailure(Error::CannotCreate, file->errorString());
        return false;
    }
    m_file = std::move(file);
    return true;
}

bool SafeSave::write(const char* data, qint64 size)
{
    if (!m_file || !m_result.ok())
        return false;
    while (size > 0) {
        errno = 0;
        const qint64 written = writeSome(*m_file, data, size);
        if (written <= 0) {
            const int error = errno;
            if (m_file->error() == QFileDevice::ResourceError || isDiskFull(error))
                setFailure(Error::DiskFull, DiskFullReason);
            else if (error != 0)
                setFailure(Error::WriteFailed,
                           QStringLiteral("the file could not be written: ") + qt_error_string(error));
            else
                setFailure(Error::WriteFailed, QStringLiteral("the file could not be written completely"));
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

SafeSave::Result SafeSave::commit()
{
    if (m_done || !m_result.ok())
        return m_result;
    if (!m_file && !open())
        return m_result;
    // commit() syncs as well, but ignores a failure; data that never reached
    // the disk must not replace the old file.
    errno = 0;
    if (dataSync(m_file->handle()) != 0) {
        const int error = errno;
        if (isDiskFull(error))
            setFailure(Error::DiskFull, DiskFullReason);
        else
            setFailure(Error::WriteFailed, QStringLiteral("the file could not be written to the disk: ") +
                                               qt_error_string(error));
        return m_result;
    }
    if (!m_file->commit()) {
        setFailure(Error::CannotReplace,
                   QStringLiteral("the old file could not be replaced: ") + m_file->errorString());
        return m_result;
    }
    m_file.reset();
    m_done = true;
    return m_result;
}

void SafeSave::fail(const QString& reason)
{
    setFailure(Error::ContentFailed, reason);
}

void SafeSave::cancel()
{
    setFailure(Error::Cancelled, QStringLiteral("cancelled"));
}

void SafeSave::setFailure(Error error, const QString& reason)
{
    if (m_result.ok())
        m_result = {error, reason};
    // The temporary file goes with its QSaveFile.
    m_file.reset();
    m_done = true;
}

SafeSave::Result SafeSave::writeFile(const QString& fileName, const QByteArray& bytes)
{
    SafeSave save(fileName);
    if (save.open())
        save.write(bytes);
    return save.commit();
}
