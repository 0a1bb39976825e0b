#include "sequence/ShowLibrary.h"

#include "core/LimitedRead.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString ShowLibrary::folderBeside(const QString& programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("library"));
}

QString ShowLibrary::familyOf(const QString& vehicleCode)
{
    // The code's digits are model, body and year: the model makes the family,
    // and among the Minis the body tells the Clubman.
    if (vehicleCode.size() != 3)
        return {};
    switch (vehicleCode.at(0).toLatin1()) {
    case '1':
    case '2':
        return QStringLiteral("1er/3er");
    case '3':
    case '4':
        return QStringLiteral("5er/6er");
    case '6':
    case '9':
        return QStringLiteral("X5/X6");
    case '8':
        return QStringLiteral("Z4");
    case '7':
        return vehicleCode.at(1) == QLatin1Char('5') ? QStringLiteral("Clubman") : QStringLiteral("Mini");
    default:
        return {};
    }
}

ShowLibrary ShowLibrary::load(const QString& folder)
{
    ShowLibrary library;
    const QString index = QDir(folder).filePath(QString::fromLatin1(IndexName));
    // An index is a few kilobytes; anything far larger is not one.
    const LimitedRead read = LimitedRead::of(index, 1 << 20);
    if (read.status != LimitedRead::Status::Ok) {
        library.m_problem = index + QStringLiteral(": ") + read.problem;
        return library;
    }
    const QByteArray& bytes = read.bytes;
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    if (!json.isObject()) {
        library.m_problem = index + QStringLiteral(": ") + error.errorString();
        return library;
    }
    for (const QJsonValue& value : json.object().value(QStringLiteral("shows")).toArray()) {
        const QJsonObject show = value.toObject();
        Entry entry;
        const QString name = show.value(QStringLiteral("file")).toString();
        // Only a plain file name inside the library's folder.
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
            continue;
        entry.file = QDir(folder).filePath(name);
        if (!QFileInfo(entry.file).isFile())
            continue;
        entry.vehicle = show.value(QStringLiteral("vehicle")).toString();
        entry.family = show.value(QStringLiteral("family")).toString();
        const QJsonObject names = show.value(QStringLiteral("name")).toObject();
        const QJsonObject about = show.value(QStringLiteral("description")).toObject();
        entry.nameDe = names.value(QStringLiteral("de")).toString();
        entry.nameEn = names.value(QStringLiteral("en")).toString(entry.nameDe);
        entry.descriptionDe = about.value(QStringLiteral("de")).toString();
        entry.descriptionEn = about.value(QStringLiteral("en")).toString(entry.descriptionDe);
        library.m_entries.append(entry);
    }
    return library;
}
