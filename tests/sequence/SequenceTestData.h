#pragma once

#include "sequence/SequenceCodec.h"
#include "sequence/SequenceDocument.h"
#include "tests/support/TestFiles.h"

#include <QByteArray>

// Rows and files for the sequence tests.
namespace TestData {

// Row j of a test table: interval "j,5", no loop, lamp bytes j, j+1, j+2, j+3 (kept below 64).
inline SequenceRow row(int j, const QString& marker = QString())
{
    const auto b = [j](int i) { return std::uint8_t((j + i) % 64); };
    return {QString::number(j) + QStringLiteral(",5"), marker, {b(0), b(1), b(2), b(3)}};
}

// The row numbers from to to.
inline QList<int> span(int from, int to)
{
    QList<int> out;
    for (int j = from; j <= to; ++j)
        out.append(j);
    return out;
}

inline QList<SequenceRow> rows(int count)
{
    QList<SequenceRow> out;
    for (int j = 1; j <= count; ++j)
        out.append(row(j));
    return out;
}

// Fills table k with count test rows.
inline void fill(SequenceDocument& doc, int k, int count)
{
    doc.table(k).setRows(rows(count));
}

inline void setMarker(SequenceDocument& doc, int k, int from, int to, const QString& marker)
{
    for (int j = from; j <= to; ++j)
        doc.table(k).setLoopMarker(j, marker);
}

inline void select(SequenceDocument& doc, int k, const QList<int>& rows, int focused = 0)
{
    doc.clearSelection(k);
    for (int j : rows)
        doc.setSelected(k, j, true);
    doc.setFocusedRow(k, focused);
}

inline QStringList markers(const SequenceDocument& doc, int k)
{
    QStringList out;
    for (const SequenceRow& r : doc.table(k).rows())
        out.append(r.loopMarker);
    return out;
}

// A file made by hand from its plain body text (everything up to the
// checksum), as the format describes it: separators "F", "P", "Z" as 4-byte
// units, every other character as a 2-byte unit, each exclusive-or the key,
// then the checksum digits. checksumDelta spoils the checksum on purpose.
inline QByteArray fileFromPlain(const QByteArray& plain, int checksumDelta = 0,
                                const QByteArray& header = "hand-made test file\r\n")
{
    QByteArray out = header;
    std::uint8_t checksum = 85;
    auto unit = [&out](char c, int size) {
        out.append(char(std::uint8_t(c) ^ SequenceCodec::FileKey));
        out.append(size - 1, '\0');
    };
    for (char c : plain) {
        unit(c, (c == 'F' || c == 'P' || c == 'Z') ? 4 : 2);
        checksum ^= std::uint8_t(c);
    }
    for (char d : QByteArray::number((checksum + checksumDelta) & 0xff))
        unit(d, 2);
    return out;
}

} // namespace TestData
