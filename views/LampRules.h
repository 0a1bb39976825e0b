#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct VehicleConfig;

// The four lamp bytes of a step: bytes[b - 1] is lamp byte b, the lamps of
// view b (1 imaVR, 2 imaVL, 3 imaHL, 4 imaHR); bit k is lamp k of that view.
using LampBytes = std::array<std::uint8_t, 4>;

// What the lamp rules read of the chosen vehicle.
struct LampOptions
{
    int model = 0; // the vehicle code as a number (111, 431, ...); 0 when it is not a number
    bool highBeam = false;
    bool cornering = false;
    bool drlBulb = false;
    bool ringLights = false;
    bool oneRearFogLamp = false;
    // Symmetric editing: a toggle also sets the same lamp on the other half.
    bool symmetric = false;

    static LampOptions of(const QString& vehicleCode, const VehicleConfig& vehicle);
};

namespace LampRules {

// The 6er (codes 431 to 443) with its two-part rear light.
bool isSixer(int model);

// The mask a view shows for the stored bytes: the daytime bulb sits in the
// high-beam reflector, the 6er lights both parts of its rear light together,
// and a single centre fog lamp is seen from both rear views.
std::uint8_t displayMask(int view, const LampBytes& bytes, const LampOptions& options);
std::array<std::uint8_t, 4> displayMasks(const LampBytes& bytes, const LampOptions& options);

struct ToggleResult
{
    LampBytes bytes;
    // The views to load again, in order: the partner view first, then the clicked one.
    std::vector<int> reload;
};

// A click with `button` (0 none, 1 left, 2 right) on lamp `lamp` of `view`.
// Button 0 changes nothing and reloads nothing.
ToggleResult toggle(const LampBytes& bytes, int lamp, int view, int button, const LampOptions& options);

// The bytes of a stored row as the vehicle can show them: lamps it does not
// have are dropped, and the two reversing lights of models with one channel
// for both are made equal.
LampBytes sanitiseRow(LampBytes bytes, const LampOptions& options);

} // namespace LampRules
