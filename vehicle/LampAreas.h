#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <cstdint>

// The clickable lamp areas of a vehicle, in twips (15 per pixel) of a car
// view. Row 1 holds the front areas, given for view 2 (imaVL); row 2 the rear
// areas, given for view 4 (imaHR). Area code c occupies the points c to c + 3
// of its row: left x, right x, top y, bottom y. Front codes are 1, 5, 9, 13,
// 17, 21; rear codes 25, 29, 33, 37, 41, 45. Views 1 and 3 are mirror images:
// x' = 2925 - x + mirror offset.
struct LampAreaTable
{
    static constexpr int FrontRow = 1;
    static constexpr int RearRow = 2;

    std::array<std::array<std::int16_t, 49>, 3> points{};
    std::int16_t frontMirrorOffset = 0; // for view 1 (imaVR)
    std::int16_t rearMirrorOffset = 0;  // for view 3 (imaHL)

    std::int16_t point(int row, int n) const { return points.at(std::size_t(row)).at(std::size_t(n)); }
    // left, right, top, bottom of area `code` in its row; all 0 when the vehicle has no such area.
    std::array<std::int16_t, 4> area(int row, int code) const
    {
        return {point(row, code), point(row, code + 1), point(row, code + 2), point(row, code + 3)};
    }

    friend bool operator==(const LampAreaTable&, const LampAreaTable&) = default;
};

// The areas of a vehicle code with its headlamp flags and rear fog choice.
// A code with no areas of its own gives an empty table.
LampAreaTable lampAreasFor(const QString& vehicleCode, bool highBeam, bool cornering, bool oneRearFogLamp);
