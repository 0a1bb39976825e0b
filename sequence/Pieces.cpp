#include "sequence/Pieces.h"

#include "sequence/SequenceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString Suffix = QStringLiteral(".zfx");
}

Pieces::Pieces(const QString& folder)
    : m_folder(folder.isEmpty() ? QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                      .filePath(QStringLiteral("pieces"))
                                : folder)
{
}

QString Pieces::fileOf(const QString& name) const
{
    return QDir(m_folder).filePath(name + Suffix);
}

bool Pieces::isValidName(const QString& name)
{
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && trimmed == name && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.startsWith(QLatin1Char('.')) && name.size() <= 80;
}

QStringList Pieces::names() const
{
    QStringList names;
    const QStringList files =
        QDir(m_folder).entryList({QStringLiteral("*.zfx")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files)
        names.append(file.chopped(Suffix.size()));
    return names;
}

bool Pieces::exists(const QString& name) const
{
    return isValidName(name) && QFileInfo(fileOf(name)).isFile();
}

SafeSave::Result Pieces::save(const QString& name, const QList<SequenceRow>& rows, const QString& vehicleCode,
                              const QString& parameterString) const
{
    if (!isValidName(name))
        return {SafeSave::Error::ContentFailed, QStringLiteral("not a name a file can carry")};
    if (!QDir().mkpath(m_folder))
        return {SafeSave::Error::CannotCreate, QStringLiteral("the folder cannot be made")};
    return SequenceFile::writeContent(fileOf(name), {vehicleCode, parameterString, {rows, {}}});
}

QList<SequenceRow> Pieces::rows(const QString& name) const
{
    if (!exists(name))
        return {};
    const SequenceFile::ReadResult read = SequenceFile::readContent(fileOf(name), true);
    return read.status == SequenceFile::ReadStatus::Ok ? read.content.sequences[0] : QList<SequenceRow>{};
}

bool Pieces::rename(const QString& name, const QString& newName) const
{
    if (!exists(name) || !isValidName(newName) || exists(newName))
        return false;
    return QFile::rename(fileOf(name), fileOf(newName));
}

bool Pieces::remove(const QString& name) const
{
    return exists(name) && QFile::remove(fileOf(name));
}
