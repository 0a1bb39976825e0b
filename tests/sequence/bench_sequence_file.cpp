// Speed of the sequence file: writing and reading a document with 500 rows in
// each sequence, and the unchanged test on it. Run by hand; prints figures.
#include "sequence/SequenceFile.h"
#include "tests/sequence/SequenceTestData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Median and worst time of runs calls, in milliseconds.
void measure(const char* what, int runs, const std::function<bool()>& step)
{
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const bool ok = step();
        ms.append(double(timer.nsecsElapsed()) / 1e6);
        if (!ok) {
            std::printf("%-34s FAILED\n", what);
            return;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s median %7.3f ms   worst %7.3f ms   (%d runs)\n", what, ms.at(ms.size() / 2), ms.last(),
                runs);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Gross.zfx"));

    SequenceDocument doc;
    QList<SequenceRow> rows = TestData::rows(500);
    for (int j = 0; j < 500; j += 4) // every other pair of rows in a loop
        rows[j].loopMarker = rows[j + 1].loopMarker = QStringLiteral("S %1 / 3 x").arg(j / 4 % 99 + 1, 2);
    doc.setContent({QStringLiteral("312"), QStringLiteral("12100000000000000000"), {rows, rows}});
    doc.setFileName(file);
    const int runs = 200;

    measure("write 500 + 500 rows", runs, [&] { return SequenceFile::write(file, doc).ok(); });
    // The same bytes without the temporary file and the flush to disk that
    // make the save safe, to show what that safety costs.
    measure("  bytes alone, no sync or rename", runs, [&] {
        QFile plain(dir.filePath(QStringLiteral("Ohne.zfx")));
        return plain.open(QIODevice::WriteOnly) && plain.write(SequenceCodec::encode(doc.content())) > 0;
    });
    SequenceDocument back;
    measure("read 500 + 500 rows", runs,
            [&] { return SequenceFile::read(file, back, true) == SequenceFile::ReadStatus::Ok; });
    // Unchanged: every byte of the file is compared.
    measure("unchanged test", runs, [&] { return SequenceFile::documentUnchanged(doc); });
    measure("encode in memory", runs, [&] { return !SequenceCodec::encode(doc.content()).isEmpty(); });
    return 0;
}
