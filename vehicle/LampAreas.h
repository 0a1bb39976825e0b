#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <span>

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

// ---------------------------------------------------------------------------
// The car pictures. Every picture id from 101 to 3492 belongs to one block: the
// pictures of one view of one look, one picture per lamp mask (id = first id
// of the block + mask). Vehicles that share a block share its look and its
// lamp areas.

// One look of a car view: the front or the back of a body, with its lamps.
enum class Look : std::uint8_t
{
    // Fronts (views 1 and 2).
    Er1Front,
    Er1CoupeFront,
    Er1CabrioFront,
    Z4Front,
    Er3Front,
    Er3LciFront,
    Er3CoupeFront,
    Er5Front,
    Er6Front,
    X5Front,
    X6Front,
    MiniFrontHighBeam,
    MiniFront,
    // Backs (views 3 and 4).
    Er1Rear,
    Er1LciRear,
    Er1CoupeRear,
    Z4Rear,
    Er3Rear,
    Er3TouringRear,
    Er3LciRear,
    Er3CoupeRear,
    Er3CabrioRear,
    Er5Rear,
    Er5TouringRear,
    Er6Rear,
    Er6LciRear,
    X5Rear,
    X6Rear,
    MiniRearOneFog,
    MiniRear,
    MiniCabrioRearOneFog,
    MiniCabrioRear,
    ClubmanRear,
};
inline constexpr int LookCount = int(Look::ClubmanRear) + 1;

bool isFrontLook(Look look);
// A short English name for tools and diagnostics ("Er3TouringRear").
const char* lookName(Look look);

struct PictureBlock
{
    int firstId = 0;
    int length = 0; // 16, 32 or 64 pictures: masks 0 to length - 1
    int view = 0;   // 1 imaVR, 2 imaVL, 3 imaHL, 4 imaHR
    Look look = Look::Er1Front;
    // Lamp bits this view does not show although the look has the area
    // (the Clubman has its reversing light on the right only, its fog
    // lamp on the left only, in the same place).
    std::uint8_t hiddenBits = 0;
};

// All blocks in ascending order of their first id; together they cover 101 to 3492.
std::span<const PictureBlock> pictureBlocks();
// The block of a picture id, or nullptr outside the book.
const PictureBlock* pictureBlockOf(int id);

// The areas a look is drawn with: only its own row (front or rear) and its
// mirror offset are filled.
LampAreaTable lookAreas(Look look);
