#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QFileDevice;
class QSaveFile;

// Writes a file so that it is either complete or left as it was: the bytes go
// into a temporary file beside the target, every write is checked, the file
// is forced onto the disk, and only then does it take the target's place. Any
// failure leaves the old file as it was and no temporary file behind. A
// target that exists but is not a regular file (a folder, a named pipe, a
// device) is refused: it would be replaced by a plain file, not written to.
//
// Every file the program writes goes through here: sequence files, backups,
// exports.
class SafeSave
{
public:
    enum class Error
    {
        None,
        NotRegularFile, // the target is a folder, a pipe or a device
        CannotCreate,   // no temporary file beside the target (missing folder, no permission)
        DiskFull,       // a write or the sync found no space left
        WriteFailed,    // any other failed write or sync
        CannotReplace,  // the complete file could not take the target's place
        Cancelled,      // the writer gave up on its own
        ContentFailed,  // the writer could not make what was to be written
    };

    struct Result
    {
        Error error = Error::None;
        QString reason; // a short English description, for zfxtool and the like

        bool ok() const { return error == Error::None; }
        explicit operator bool() const { return ok(); }
    };

    explicit SafeSave(const QString& fileName);
    // Without a commit() the temporary file goes, and the target stays as it was.
    ~SafeSave();
    SafeSave(const SafeSave&) = delete;
    SafeSave& operator=(const SafeSave&) = delete;

    // Checks the target and makes the temporary file.
    bool open();
    // Appends to the file. After the first failure every further write fails
    // too, and commit() reports that failure.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // Syncs the file and puts it in the target's place.
    Result commit();
    // Gives up: the temporary file goes. fail() says why the content could
    // not be made, cancel() that the user stopped.
    void fail(const QString& reason);
    void cancel();
    // The first failure so far; ok() while there is none.
    const Result& result() const { return m_result; }

    // The whole file in one go.
    static Result writeFile(const QString& fileName, const QByteArray& bytes);

    // How the bytes reach the temporary file: the number written (fewer than
    // size is retried with the rest), or -1 with errno set. Tests put a
    // failing one in its place.
    static qint64 (*writeSome)(QFileDevice& file, const char* data, qint64 size);
    // Forces a written file's data onto the disk (fdatasync): 0 on success,
    // else -1 with errno set. Tests put a failing one in its place.
    static int (*dataSync)(int fd);

private:
    void setFailure(Error error, const QString& reason);

    QString m_fileName;
    std::unique_ptr<QSaveFile> m_file;
    Result m_result;
    bool m_done = false;
};
