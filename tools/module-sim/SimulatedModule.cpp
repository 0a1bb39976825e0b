#include "SimulatedModule.h"

#include <cstdio>

namespace {

std::string hex(const SimulatedModule::Bytes& bytes)
{
    std::string out;
    char buffer[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%s%02X", out.empty() ? "" : " ", b);
        out += buffer;
    }
    return out;
}

// A fault's counter: true when it applies to this message.
bool takeFault(std::map<int, int>& faults, int address)
{
    const auto it = faults.find(address);
    if (it == faults.end() || it->second == 0)
        return false;
    if (it->second > 0)
        --it->second;
    return true;
}

} // namespace

SimulatedModule::SimulatedModule(Options options) : m_options(std::move(options)) {}

SimulatedModule::Bytes SimulatedModule::helloReply() const
{
    auto digits = [](const std::string& text, std::size_t i) {
        return std::uint8_t(i < text.size() ? text[i] : '0');
    };
    Bytes r{'T', digits(m_options.type, 0),    digits(m_options.type, 2),
            'V', digits(m_options.version, 0), digits(m_options.version, 2)};
    if (m_options.extended) {
        const std::uint32_t d = m_options.compileDate;
        for (int shift : {24, 16, 8, 0})
            r.push_back(std::uint8_t(d >> shift));
        r.push_back(std::uint8_t(m_options.codedVehicle));
    }
    return r;
}

SimulatedModule::Bytes SimulatedModule::receive(const Bytes& bytes)
{
    m_pending.insert(m_pending.end(), bytes.begin(), bytes.end());
    Bytes out;
    while (!m_pending.empty()) {
        if (m_pending[0] == '@') {
            static const Bytes helloBytes{'@', '#', '*'};
            const std::size_t n = std::min(m_pending.size(), helloBytes.size());
            if (!std::equal(m_pending.begin(), m_pending.begin() + long(n), helloBytes.begin())) {
                event("ignored " + hex({m_pending[0]}));
                m_pending.erase(m_pending.begin());
                continue;
            }
            if (n < helloBytes.size())
                break;
            m_pending.erase(m_pending.begin(), m_pending.begin() + 3);
            const Bytes r = hello();
            out.insert(out.end(), r.begin(), r.end());
            continue;
        }
        if (m_pending.size() < 3)
            break;
        const Bytes r = frame(m_pending[0], m_pending[1], m_pending[2]);
        m_pending.erase(m_pending.begin(), m_pending.begin() + 3);
        out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

SimulatedModule::Bytes SimulatedModule::pause()
{
    if (m_pending == Bytes{0x00, 0x01}) {
        m_pending.clear();
        return endOfTransfer();
    }
    if (!m_pending.empty())
        event("ignored " + hex(m_pending));
    m_pending.clear();
    return {};
}

SimulatedModule::Bytes SimulatedModule::hello()
{
    if (m_options.noAnswer) {
        event("hello, not answered");
        return {};
    }
    Bytes r;
    if (m_options.busyFirst && !m_busyAnswered) {
        m_busyAnswered = true;
        r = {'@', '#', '*', '3'};
    } else if (m_options.nonsense) {
        r = {'?', 'x', '7', '!', 'q', 'z'};
    } else if (m_options.customReply) {
        r = m_options.reply;
    } else {
        r = helloReply();
    }
    event("hello, answered " + hex(r));
    return r;
}

SimulatedModule::Bytes SimulatedModule::frame(std::uint8_t high, std::uint8_t low, std::uint8_t value)
{
    const int address = high * 256 + low;
    const Bytes received{high, low, value};
    char text[64];
    if (m_options.noAnswer || takeFault(m_options.silentAt, address)) {
        std::snprintf(text, sizeof text, "frame %d %02X, not answered", address, value);
        event(text);
        return {};
    }
    const bool late = takeFault(m_options.lateEcho, address);
    m_late = m_late || late;
    Bytes echo = received;
    if (takeFault(m_options.wrongEcho, address)) {
        echo[2] = std::uint8_t(value ^ 0xFF);
        std::snprintf(text, sizeof text, "frame %d %02X, wrong echo", address, value);
    } else {
        if (!m_framesSinceEnd) {
            // The first frame of a new transfer: forget the previous image.
            m_image.fill(0);
            m_highest = 0;
        }
        if (address >= 1 && address <= Capacity) {
            m_image[std::size_t(address)] = value;
            m_highest = std::max(m_highest, address);
        }
        m_framesSinceEnd = true;
        std::snprintf(text, sizeof text, "frame %d %02X", address, value);
    }
    event(std::string(text) + (late ? ", late" : ""));
    echo.push_back(Acknowledge);
    return echo;
}

SimulatedModule::Bytes SimulatedModule::endOfTransfer()
{
    if (m_options.noAnswer) {
        event("end of transfer, not answered");
        return {};
    }
    if (m_framesSinceEnd) {
        m_completed = true;
        m_framesSinceEnd = false;
    }
    event("end of transfer, " + std::to_string(m_highest) + " bytes kept");
    return {Acknowledge};
}

SimulatedModule::Bytes SimulatedModule::image() const
{
    return Bytes(m_image.begin() + 1, m_image.begin() + 1 + m_highest);
}

bool SimulatedModule::takeLate()
{
    const bool late = m_late;
    m_late = false;
    return late;
}

bool SimulatedModule::takeCompletedTransfer()
{
    const bool completed = m_completed;
    m_completed = false;
    return completed;
}

std::vector<std::string> SimulatedModule::takeEvents()
{
    std::vector<std::string> events;
    events.swap(m_events);
    return events;
}
