// Speed of a full upload: a 510-byte image sent to the simulated module,
// paced like a 9600-baud line. The protocol's floor is one 50 ms wait per
// byte; the program should stay close to it and use little processor time.
// Run by hand: bench_module_upload [--no-pace]

#include "module/ModuleSession.h"
#include "tests/module/SimProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// 9 header bytes, one row of 6 and 99 rows of 5: 510 bytes.
ImageInput fullImage()
{
    ImageInput in;
    in.codedVehicleNumber = 20;
    for (int i = 0; i < 100; ++i) {
        SequenceRow row;
        row.interval = QStringLiteral("0,5");
        row.lamps = {std::uint8_t(i + 1), 2, 4, 8};
        in.sequences[0].append(row);
    }
    return in;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool pace = !app.arguments().contains(QStringLiteral("--no-pace"));

    const ImageInput input = fullImage();
    const UploadImage image = UploadImage::build(input, 510);
    if (image.status != UploadImage::Status::Ok || image.length != 510) {
        std::fprintf(stderr, "could not make a 510-byte image (%d)\n", image.length);
        return 1;
    }

    SimProcess sim(pace ? QStringList{QStringLiteral("--pace")} : QStringList{});
    if (sim.device().isEmpty()) {
        std::fprintf(stderr, "the simulated module did not start\n");
        return 1;
    }

    ModuleSession session;
    QElapsedTimer clock;
    qint64 connectedAt = 0;
    qint64 lastByteAt = 0;
    QObject::connect(&session, &ModuleSession::connected, [&] { connectedAt = clock.nsecsElapsed(); });
    QObject::connect(&session, &ModuleSession::progress, [&](int a, int n) {
        if (a == n)
            lastByteAt = clock.nsecsElapsed();
    });
    QSignalSpy finished(&session, &ModuleSession::finished);

    const double cpuBefore = cpuSeconds();
    clock.start();
    session.upload(sim.device(), false, QStringLiteral("312"), input,
                   [&input](const HandshakeReply&) { return input; });
    finished.wait(120000);
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    if (finished.isEmpty()) {
        std::fprintf(stderr, "the upload did not finish\n");
        return 1;
    }
    const auto outcome = qvariant_cast<ModuleOutcome>(finished.first().at(0));
    const double transfer = double(lastByteAt - connectedAt) / 1e9;
    const double floor = 510 * 0.050;

    std::printf("module upload, 510 bytes, %s\n", pace ? "paced like 9600 baud" : "unpaced");
    std::printf("  outcome:            %s\n", outcome.kind == ModuleOutcome::Kind::Sent ? "sent" : "FAILED");
    std::printf("  image bytes:        %.3f s  (floor 510 x 50 ms = %.3f s, +%.2f %%)\n", transfer, floor,
                (transfer / floor - 1.0) * 100.0);
    std::printf(
        "  whole upload:       %.3f s  (handshake, image, end of transfer; floor 512 x 50 ms = %.3f s)\n",
        wall, 512 * 0.050);
    std::printf("  processor time:     %.3f s  (%.2f %% of the wall time)\n", cpu, cpu / wall * 100.0);
    return outcome.kind == ModuleOutcome::Kind::Sent ? 0 : 1;
}
