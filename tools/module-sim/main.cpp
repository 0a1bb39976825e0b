// vantor-module-sim: a stand-in for the Vantor module on a pseudo-terminal.
// It prints the terminal's device path and then answers the program as the
// module does: the handshake, the echo of every frame, the end of transfer.
// With --count it serves several terminals at once, each its own module.

#include "SimulatedModule.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = SimulatedModule::Bytes;

// One character on a 9600-baud line: start bit, eight data bits, stop bit.
constexpr auto kCharacterTime = std::chrono::microseconds(10'000'000 / 9600);
// A message whose bytes stop coming for this long is complete.
constexpr auto kMessageGap = std::chrono::milliseconds(8);
// How long a late echo is held back: longer than the program's wait of 50 ms
// for an answer, so it arrives while the program sends the frame again.
constexpr auto kLateEcho = std::chrono::milliseconds(80);

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int)
{
    g_stop = 1;
}

const char* const kUsage =
    "Usage: vantor-module-sim [options]\n"
    "Opens a pseudo-terminal, prints its device path and behaves as the Vantor\n"
    "module on it. Name the path as a port of the program (settings section\n"
    "[Ports], e.g. Com1=/dev/pts/3) or pass it to zfxtool upload --port.\n"
    "\n"
    "  --count N           open N pseudo-terminals (1 to 32), each a module of its own\n"
    "                      with these options; one device line each\n"
    "  --silent            never answer anything, like a port with nothing on it\n"
    "  --type T.E          module type (default 6.1)\n"
    "  --version M.N       firmware version (default 2.4)\n"
    "  --extended          answer with the 11-character reply: compile date and coded vehicle\n"
    "  --date DDMMYYYY     compile date of the extended reply (default 15032009)\n"
    "  --vehicle N         coded vehicle of the extended reply, 0 to 255 (default 0)\n"
    "  --reply-hex HEX     answer the handshake with these bytes, e.g. \"54 35 31 56\"\n"
    "  --busy-first        answer the first handshake with \"@#*3\"\n"
    "  --no-answer         the same as --silent\n"
    "  --nonsense          answer the handshake with a reply that is nonsense\n"
    "  --wrong-echo A[:N]  echo the frame for address A wrongly (N times; default always)\n"
    "  --silent-at A[:N]   leave the frame for address A unanswered (N times; default always)\n"
    "  --late-echo A[:N]   echo the frame for address A 80 ms late (N times; default always)\n"
    "  --pace              answer at the speed of a 9600-baud line\n"
    "  --image FILE        after each transfer write the kept image to FILE, as hex\n"
    "                      bytes, 16 to a line\n"
    "  --log               print every message received on standard output\n"
    "  --help              show this text\n";

[[noreturn]] void usageError(const std::string& text)
{
    std::fprintf(stderr, "vantor-module-sim: %s\n\n%s", text.c_str(), kUsage);
    std::exit(2);
}

long number(const std::string& text, long low, long high, const char* what)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high)
        usageError(std::string("bad ") + what + ": " + text);
    return value;
}

void addFault(std::map<int, int>& faults, const std::string& text)
{
    const std::size_t colon = text.find(':');
    const int address = int(number(text.substr(0, colon), 1, 65535, "address"));
    const int count =
        colon == std::string::npos ? -1 : int(number(text.substr(colon + 1), 1, 1000000, "count"));
    faults[address] = count;
}

Bytes parseHex(const std::string& text)
{
    Bytes bytes;
    std::string digits;
    for (char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += c;
        else if (c != ' ' && c != ',')
            usageError("bad hex reply: " + text);
    }
    if (digits.size() % 2 != 0)
        usageError("odd number of hex digits: " + text);
    for (std::size_t i = 0; i < digits.size(); i += 2)
        bytes.push_back(std::uint8_t(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string hexLines(const Bytes& bytes)
{
    std::string out;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
        out += buffer;
        out += (i % 16 == 15 || i + 1 == bytes.size()) ? '\n' : ' ';
    }
    return out;
}

struct Settings
{
    SimulatedModule::Options module;
    bool pace = false;
    bool log = false;
    int count = 1;
    std::string imageFile;
};

Settings parseArguments(int argc, char** argv)
{
    Settings s;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                usageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        } else if (arg == "--type") {
            s.module.type = value();
        } else if (arg == "--version") {
            s.module.version = value();
        } else if (arg == "--extended") {
            s.module.extended = true;
        } else if (arg == "--date") {
            s.module.compileDate = std::uint32_t(number(value(), 0, 4294967295L, "date"));
        } else if (arg == "--vehicle") {
            s.module.codedVehicle = int(number(value(), 0, 255, "vehicle"));
        } else if (arg == "--reply-hex") {
            s.module.customReply = true;
            s.module.reply = parseHex(value());
        } else if (arg == "--busy-first") {
            s.module.busyFirst = true;
        } else if (arg == "--count") {
            s.count = int(number(value(), 1, 32, "count"));
        } else if (arg == "--no-answer" || arg == "--silent") {
            s.module.noAnswer = true;
        } else if (arg == "--nonsense") {
            s.module.nonsense = true;
        } else if (arg == "--wrong-echo") {
            addFault(s.module.wrongEcho, value());
        } else if (arg == "--silent-at") {
            addFault(s.module.silentAt, value());
        } else if (arg == "--late-echo") {
            addFault(s.module.lateEcho, value());
        } else if (arg == "--pace") {
            s.pace = true;
        } else if (arg == "--image") {
            s.imageFile = value();
        } else if (arg == "--log") {
            s.log = true;
        } else {
            usageError("unknown option " + arg);
        }
    }
    return s;
}

// Bytes waiting to go out, each with the moment it is due.
struct Outgoing
{
    Clock::time_point due;
    std::uint8_t byte;
};

class Wire
{
public:
    Wire(int master, bool pace) : m_master(master), m_pace(pace) {}

    // Answer bytes to a message of messageLength bytes that has just arrived,
    // held back by delay. The line keeps its order: what follows a held-back
    // answer waits for it.
    void send(const Bytes& bytes, std::size_t messageLength, Clock::duration delay = {})
    {
        if (bytes.empty())
            return;
        if (!m_pace && delay == Clock::duration() && m_queue.empty()) {
            write(bytes);
            return;
        }
        // The message itself took its time on the line before the module saw it.
        const auto character = m_pace ? kCharacterTime : Clock::duration();
        auto t = std::max(Clock::now() + delay + character * long(messageLength),
                          m_queue.empty() ? Clock::time_point() : m_queue.back().due);
        for (std::uint8_t b : bytes) {
            t += character;
            m_queue.push_back({t, b});
        }
    }

    void flushDue()
    {
        Bytes due;
        const auto now = Clock::now();
        while (!m_queue.empty() && m_queue.front().due <= now) {
            due.push_back(m_queue.front().byte);
            m_queue.pop_front();
        }
        write(due);
    }

    std::optional<Clock::time_point> nextDue() const
    {
        if (m_queue.empty())
            return std::nullopt;
        return m_queue.front().due;
    }

private:
    void write(const Bytes& bytes)
    {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return; // nobody reads: the answer is lost, as on a real line
            done += std::size_t(n);
        }
    }

    int m_master;
    bool m_pace;
    std::deque<Outgoing> m_queue;
};

int openTerminal(std::string& device, int& slave)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("vantor-module-sim: cannot open a pseudo-terminal");
        return -1;
    }
    const char* name = ptsname(master);
    if (!name) {
        std::perror("vantor-module-sim: ptsname");
        return -1;
    }
    device = name;
    // Keep the terminal's other end open: without a reader the master side
    // would report a hang-up each time the program closes its port. The
    // line is raw, so nothing is echoed or translated.
    slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave >= 0) {
        termios tio{};
        if (tcgetattr(slave, &tio) == 0) {
            cfmakeraw(&tio);
            cfsetispeed(&tio, B9600);
            cfsetospeed(&tio, B9600);
            tcsetattr(slave, TCSANOW, &tio);
        }
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    return master;
}

void writeImage(const std::string& file, const Bytes& image)
{
    const std::string temporary = file + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << hexLines(image);
        if (!out)
            return;
    }
    std::rename(temporary.c_str(), file.c_str());
}

// One pseudo-terminal with the module behind it.
struct Terminal
{
    Terminal(std::string device_, int master_, int slave_, const Settings& settings)
        : device(std::move(device_)), master(master_), slave(slave_), module(settings.module),
          wire(master_, settings.pace)
    {
    }

    std::string device;
    int master;
    int slave;
    SimulatedModule module;
    Wire wire;
    Clock::time_point lastByte = Clock::now();
};

// When the terminal next needs attention without input: an answer falls due
// or a message is complete.
std::optional<Clock::time_point> wakeTime(const Terminal& t)
{
    std::optional<Clock::time_point> wake = t.wire.nextDue();
    if (t.module.waiting()) {
        const auto gapEnd = t.lastByte + kMessageGap;
        wake = wake ? std::min(*wake, gapEnd) : gapEnd;
    }
    return wake;
}

void serve(Terminal& t, short revents, const Settings& settings, bool named)
{
    if (revents & POLLIN) {
        std::uint8_t buffer[4096];
        const ssize_t n = ::read(t.master, buffer, sizeof buffer);
        if (n > 0) {
            t.lastByte = Clock::now();
            const Bytes answer = t.module.receive(Bytes(buffer, buffer + n));
            t.wire.send(answer, std::size_t(n), t.module.takeLate() ? kLateEcho : Clock::duration());
        }
    } else if (revents & (POLLHUP | POLLERR)) {
        ::usleep(10'000); // the other end is away; do not spin
    }
    if (t.module.waiting() && Clock::now() - t.lastByte >= kMessageGap)
        t.wire.send(t.module.pause(), 0);
    t.wire.flushDue();

    if (t.module.takeCompletedTransfer() && !settings.imageFile.empty())
        writeImage(settings.imageFile, t.module.image());
    const std::vector<std::string> events = t.module.takeEvents();
    if (settings.log && !events.empty()) {
        for (const std::string& e : events)
            std::printf("%s%s\n", named ? (t.device + ": ").c_str() : "", e.c_str());
        std::fflush(stdout);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const Settings settings = parseArguments(argc, argv);

    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &action, nullptr);

    std::vector<std::unique_ptr<Terminal>> terminals;
    for (int i = 0; i < settings.count; ++i) {
        std::string device;
        int slave = -1;
        const int master = openTerminal(device, slave);
        if (master < 0)
            return 1;
        terminals.push_back(std::make_unique<Terminal>(device, master, slave, settings));
    }
    for (const auto& t : terminals)
        std::printf("vantor-module-sim: %s module on %s\n", settings.module.noAnswer ? "silent" : "simulated",
                    t->device.c_str());
    std::fflush(stdout);

    // With several terminals each logged line names its terminal.
    const bool named = terminals.size() > 1;
    std::vector<pollfd> fds(terminals.size());
    while (!g_stop) {
        // Sleep until input arrives or the next thing falls due.
        std::optional<Clock::time_point> wake;
        for (const auto& t : terminals) {
            if (const auto w = wakeTime(*t))
                wake = wake ? std::min(*wake, *w) : *w;
        }
        int timeout = -1;
        if (wake) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*wake - Clock::now());
            timeout = int(std::max<long long>(0, wait.count()));
        }
        for (std::size_t i = 0; i < terminals.size(); ++i)
            fds[i] = pollfd{terminals[i]->master, POLLIN, 0};
        const int ready = ::poll(fds.data(), nfds_t(fds.size()), timeout);
        if (ready < 0 && errno != EINTR)
            break;
        for (std::size_t i = 0; i < terminals.size(); ++i)
            serve(*terminals[i], ready > 0 ? fds[i].revents : 0, settings, named);
    }
    for (const auto& t : terminals) {
        if (t->slave >= 0)
            ::close(t->slave);
        ::close(t->master);
    }
    return 0;
}
