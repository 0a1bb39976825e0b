// Speed of the module search: three silent ports and one that answers, paced
// like a 9600-baud line. Each silent port should cost one handshake's
// timeout (2 tries of 5 x 50 ms) and the answering one about one wait.
// Run by hand: bench_module_search [runs]

#include "module/ModuleSearch.h"
#include "tests/module/SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLatin1(argv[1]).toInt()) : 3;

    SimProcess silent({QStringLiteral("--silent"), QStringLiteral("--count"), QStringLiteral("3")});
    SimProcess module({QStringLiteral("--pace")});
    if (silent.devices().size() != 3 || module.device().isEmpty()) {
        std::fprintf(stderr, "the simulated modules did not start\n");
        return 1;
    }
    QList<ModuleSearch::Port> ports;
    for (const QString& device : silent.devices() + QStringList{module.device()})
        ports.append({device, 0});

    ModuleSearch search;
    QElapsedTimer clock;
    qint64 portStart = 0;
    QObject::connect(&search, &ModuleSearch::trying, [&] { portStart = clock.nsecsElapsed(); });
    QObject::connect(&search, &ModuleSearch::tried, [&](const ModuleSearch::Try& t) {
        std::printf("  %-14s %-8s %7.1f ms\n", qPrintable(t.port.device),
                    t.answered() ? "answered" : "silent", double(clock.nsecsElapsed() - portStart) / 1e6);
    });
    for (int run = 1; run <= runs; ++run) {
        QSignalSpy finished(&search, &ModuleSearch::finished);
        clock.start();
        search.start(ports, false);
        if (!finished.wait(10000) || search.answered().size() != 1) {
            std::fprintf(stderr, "the search did not find the one module\n");
            return 1;
        }
        std::printf("run %d: whole search %.1f ms (3 x 500 ms timeout + one exchange: about 1550 ms)\n", run,
                    double(clock.nsecsElapsed()) / 1e6);
    }
    return 0;
}
