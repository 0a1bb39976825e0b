#pragma once

#include "sequence/SequenceRow.h"
#include "tests/support/TestFiles.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>

// Small builders shared by the module tests.
inline SequenceRow row(const char* interval, std::array<std::uint8_t, 4> lamps, const char* marker = "")
{
    SequenceRow r;
    r.interval = QString::fromLatin1(interval);
    r.loopMarker = QString::fromLatin1(marker);
    r.lamps = lamps;
    return r;
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// An image as the simulated module writes it: upper-case hex, 16 to a line.
inline QString hexLines(const QByteArray& image)
{
    QString out;
    for (int i = 0; i < image.size(); ++i) {
        out += QStringLiteral("%1").arg(uchar(image.at(i)), 2, 16, QLatin1Char('0')).toUpper();
        out += (i % 16 == 15 || i + 1 == image.size()) ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return out;
}

inline QString readFile(const QString& name)
{
    return QString::fromLatin1(TestData::readAll(name));
}
