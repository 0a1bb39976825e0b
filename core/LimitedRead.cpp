#include "core/LimitedRead.h"

#include <QFile>

LimitedRead LimitedRead::of(const QString& fileName, qint64 limit)
{
    const QString tooLarge = QStringLiteral("the file is larger than %1 bytes").arg(limit);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {Status::CannotOpen, {}, file.errorString()};
    // A regular file says its size; devices and pipes say 0 and are read.
    if (file.size() > limit)
        return {Status::TooLarge, {}, tooLarge};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {Status::CannotOpen, {}, file.errorString()};
    if (bytes.size() > limit)
        return {Status::TooLarge, {}, tooLarge};
    return {Status::Ok, bytes, {}};
}
