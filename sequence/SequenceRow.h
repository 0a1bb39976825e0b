#pragma once

#include <QString>
#include <array>
#include <cstdint>

// One step of a light sequence: how long it lasts, the loop it belongs to,
// and the lamps it lights (byte b belongs to car view b, b = 1 to 4).
struct SequenceRow
{
    QString interval;                    // seconds as text, decimal comma or point ("0,5", "1", "2.3")
    QString loopMarker;                  // "" or a loop marker such as "S  1 / 3 x"
    std::array<std::uint8_t, 4> lamps{}; // lamps[0] is lamp byte 1 ... lamps[3] lamp byte 4

    std::uint8_t lampByte(int b) const { return lamps.at(std::size_t(b - 1)); }
    void setLampByte(int b, std::uint8_t value) { lamps.at(std::size_t(b - 1)) = value; }

    friend bool operator==(const SequenceRow&, const SequenceRow&) = default;
};
