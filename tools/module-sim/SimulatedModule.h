#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The module as it behaves on the wire, without the wire: it takes the bytes
// that arrive and says what to answer. Messages are told apart by their
// first byte ('@' starts the handshake "@#*", anything else a frame of three
// bytes) and, for the two end-of-transfer bytes 0x00 0x01, by the pause that
// follows them.
class SimulatedModule
{
public:
    using Bytes = std::vector<std::uint8_t>;

    struct Options
    {
        std::string type = "6.1";
        std::string version = "2.4";
        bool extended = false;
        std::uint32_t compileDate = 15032009;
        int codedVehicle = 0;
        bool customReply = false;
        Bytes reply;            // the handshake reply when customReply is set
        bool busyFirst = false; // the first handshake is answered "@#*3"
        bool noAnswer = false;
        bool nonsense = false;
        // Faults at one address: remaining count, -1 for always.
        std::map<int, int> wrongEcho;
        std::map<int, int> silentAt;
        std::map<int, int> lateEcho;
    };

    static constexpr int Capacity = 1015;
    static constexpr std::uint8_t Acknowledge = 'K';

    explicit SimulatedModule(Options options);

    // Bytes arrived. Returns the answers to the messages they completed.
    Bytes receive(const Bytes& bytes);
    // True once after receive() when one of its answers is to come late
    // (--late-echo): the whole answer is held back.
    bool takeLate();
    // No byte has arrived for a while: ends a waiting message (the end of
    // transfer, or a fragment that is thrown away).
    Bytes pause();
    bool waiting() const { return !m_pending.empty(); }

    // The image kept: addresses 1 to the highest address received.
    Bytes image() const;
    // True once after an end of transfer that followed frames.
    bool takeCompletedTransfer();
    // What happened, one line per message (for the log).
    std::vector<std::string> takeEvents();

    // The reply to "@#*" when no fault is set.
    Bytes helloReply() const;

private:
    Bytes hello();
    Bytes frame(std::uint8_t high, std::uint8_t low, std::uint8_t value);
    Bytes endOfTransfer();
    void event(std::string text) { m_events.push_back(std::move(text)); }

    Options m_options;
    Bytes m_pending;
    std::array<std::uint8_t, Capacity + 1> m_image{};
    int m_highest = 0;
    bool m_framesSinceEnd = false;
    bool m_completed = false;
    bool m_busyAnswered = false;
    bool m_late = false;
    std::vector<std::string> m_events;
};
