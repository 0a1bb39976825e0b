#include "sequence/SequenceFile.h"

#include "sequence/SequenceDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace SequenceFile {

namespace {

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

constexpr int ParameterLength = 20;

// The whole file, or nothing when it cannot be read or is far too large.
std::optional<QByteArray> load(const QString& fileName, QString& problem)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
        return std::nullopt;
    }
    if (file.size() > SequenceCodec::MaxFileSize) {
        problem = QStringLiteral("the file is too large for a sequence file");
        return std::nullopt;
    }
    QByteArray bytes = file.read(SequenceCodec::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        problem = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > SequenceCodec::MaxFileSize) {
        problem = QStringLiteral("the file is too large for a sequence file");
        return std::nullopt;
    }
    return bytes;
}

ReadResult decode(const QByteArray& bytes, bool padParameters)
{
    SequenceCodec::Decoded d = SequenceCodec::decode(bytes, true);
    switch (d.status) {
    case SequenceCodec::Status::Ok:
        break;
    case SequenceCodec::Status::ChecksumMismatch:
        return {ReadStatus::ChecksumMismatch, {}, d.problem};
    case SequenceCodec::Status::Damaged:
        return {ReadStatus::Damaged, {}, d.problem};
    }
    if (padParameters && d.content.parameterString.size() < ParameterLength)
        d.content.parameterString =
            d.content.parameterString.leftJustified(ParameterLength, QLatin1Char('0'));
    return {ReadStatus::Ok, d.content, {}};
}

ReadStatus apply(const ReadResult& result, const QString& fileName, SequenceDocument& document)
{
    if (result.status != ReadStatus::Ok) {
        document.clear();
        document.setFileName(QString());
        return result.status;
    }
    document.setContent(result.content);
    document.setFileName(fileName);
    return ReadStatus::Ok;
}

bool writeChecked(const QString& fileName, const SequenceContent& content, QString& problem)
{
    const QByteArray bytes = SequenceCodec::encode(content);
    if (bytes.isEmpty()) {
        problem = SequenceCodec::encodeProblem(content);
        return false;
    }
    // A pipe or a device would be replaced by a plain file, not written to.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile()) {
        problem = QStringLiteral("it exists and is not a regular file");
        return false;
    }
    QSaveFile file(fileName);
    // Unbuffered, so that a short write (a full disk) shows here: a buffered
    // one would only fail in commit's flush, which does not always report it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        problem = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        problem = file.error() == QFileDevice::NoError
                      ? QStringLiteral("the file could not be written completely")
                      : file.errorString();
        file.cancelWriting();
        return false;
    }
    // commit() syncs as well, but ignores a failure; data that never reached
    // the disk must not replace the old file.
    if (dataSync(file.handle()) != 0) {
        problem = QStringLiteral("the file could not be written to the disk: ") + qt_error_string(errno);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        problem = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int (*dataSync)(int fd) = &syncData;

ReadResult readContent(const QString& fileName, bool padParameters)
{
    QString problem;
    const std::optional<QByteArray> bytes = load(fileName, problem);
    if (!bytes)
        return {ReadStatus::CannotOpen, {}, problem};
    return decode(*bytes, padParameters);
}

ReadStatus read(const QString& fileName, SequenceDocument& document, bool padParameters)
{
    return apply(readContent(fileName, padParameters), fileName, document);
}

ReadStatus readBytes(const QByteArray& bytes, const QString& fileName, SequenceDocument& document,
                     bool padParameters)
{
    return apply(decode(bytes, padParameters), fileName, document);
}

bool writeContent(const QString& fileName, const SequenceContent& content, QString* problem)
{
    QString why;
    const bool ok = writeChecked(fileName, content, why);
    if (!ok && problem)
        *problem = why;
    return ok;
}

bool write(const QString& fileName, const SequenceDocument& document)
{
    return writeContent(fileName, document.content());
}

bool matches(const QByteArray& fileBytes, const SequenceDocument& document)
{
    // The content is compared, not the checksum; the parameter string as it
    // stands in the file, without padding.
    const SequenceCodec::Decoded d = SequenceCodec::decode(fileBytes, false);
    if (d.status != SequenceCodec::Status::Ok)
        return false;
    const SequenceContent& file = d.content;
    if (file.vehicleCode != document.vehicleCode() || file.parameterString != document.parameterString())
        return false;
    for (int k = 0; k < 2; ++k) {
        const QList<SequenceRow>& fileRows = file.sequences[std::size_t(k)];
        const QList<SequenceRow>& rows = document.table(k).rows();
        if (fileRows.size() != rows.size())
            return false;
        for (qsizetype j = 0; j < rows.size(); ++j) {
            const SequenceRow& a = fileRows.at(j);
            const SequenceRow& b = rows.at(j);
            if (a.interval != b.interval || a.loopMarker.trimmed() != b.loopMarker.trimmed() ||
                a.lamps != b.lamps)
                return false;
        }
    }
    return true;
}

bool documentUnchanged(const SequenceDocument& document)
{
    if (document.isUntitled())
        return document.isEmpty();
    QString problem;
    const std::optional<QByteArray> bytes = load(document.fileName(), problem);
    return bytes && matches(*bytes, document);
}

} // namespace SequenceFile
