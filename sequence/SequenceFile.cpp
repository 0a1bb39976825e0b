#include "sequence/SequenceFile.h"

#include "core/LimitedRead.h"
#include "sequence/SequenceDocument.h"

#include <optional>

namespace SequenceFile {

namespace {

constexpr int ParameterLength = 20;

// The whole file, or nothing when it cannot be read or is far too large.
std::optional<QByteArray> load(const QString& fileName, QString& problem)
{
    LimitedRead read = LimitedRead::of(fileName, SequenceCodec::MaxFileSize);
    switch (read.status) {
    case LimitedRead::Status::Ok:
        return std::move(read.bytes);
    case LimitedRead::Status::TooLarge:
        problem = QStringLiteral("the file is too large for a sequence file");
        break;
    case LimitedRead::Status::CannotOpen:
        problem = read.problem;
        break;
    }
    return std::nullopt;
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

} // namespace

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

SafeSave::Result writeContent(const QString& fileName, const SequenceContent& content)
{
    const QByteArray bytes = SequenceCodec::encode(content);
    if (bytes.isEmpty())
        return {SafeSave::Error::ContentFailed, SequenceCodec::encodeProblem(content)};
    return SafeSave::writeFile(fileName, bytes);
}

SafeSave::Result write(const QString& fileName, const SequenceDocument& document)
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
