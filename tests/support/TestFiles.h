#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole files read and written in one go, for the tests of every part.
namespace TestData {

// The file's bytes; empty when it cannot be read.
inline QByteArray readAll(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString& name, const QByteArray& bytes)
{
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace TestData
