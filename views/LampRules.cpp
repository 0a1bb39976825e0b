#include "views/LampRules.h"

#include "vehicle/VehicleConfig.h"

namespace {

constexpr std::uint8_t bit(int k)
{
    return std::uint8_t(1u << k);
}

bool isOneOf(int model, std::initializer_list<int> models)
{
    for (int m : models) {
        if (m == model)
            return true;
    }
    return false;
}

std::uint8_t& byteOf(LampBytes& bytes, int view)
{
    return bytes.at(std::size_t(view - 1));
}

// The view that shows the other half of the same row of the car.
int mirrorView(int view)
{
    return view == 1 ? 2 : view == 2 ? 1 : view == 3 ? 4 : 3;
}

// Lamps seen from two views: the view that shares lamp k with `view`, or 0.
int partnerView(int lamp, int view, const LampOptions& o)
{
    const bool rear = view == 3 || view == 4;
    const int other = mirrorView(view);
    if (rear && lamp == 4)
        return other; // centre brake light
    if (rear && lamp == 5 && o.oneRearFogLamp)
        return other; // single centre fog lamp
    if (!rear && lamp == 5)
        return other; // side repeaters: one channel for both sides
    if (rear && lamp == 3 && isOneOf(o.model, {111, 211, 221}))
        return other; // one reversing channel for both sides
    return 0;
}

} // namespace

LampOptions LampOptions::of(const QString& vehicleCode, const VehicleConfig& vehicle)
{
    LampOptions o;
    bool ok = false;
    const int model = vehicleCode.trimmed().toInt(&ok);
    o.model = ok ? model : 0;
    o.highBeam = vehicle.headlampHighBeam != 0;
    o.cornering = vehicle.headlampCornering != 0;
    o.drlBulb = vehicle.headlampDrlBulb != 0;
    o.ringLights = vehicle.ringLights != 0;
    o.oneRearFogLamp = vehicle.oneRearFogLamp;
    return o;
}

bool LampRules::isSixer(int model)
{
    return isOneOf(model, {431, 432, 433, 441, 442, 443});
}

std::array<std::uint8_t, 4> LampRules::displayMasks(const LampBytes& b, const LampOptions& o)
{
    std::array<std::uint8_t, 4> d = b;
    // Front: the daytime bulb lights in the high-beam reflector.
    if (o.drlBulb) {
        for (int i : {0, 1}) {
            if (b[std::size_t(i)] & bit(3))
                d[std::size_t(i)] = std::uint8_t(b[std::size_t(i)] | bit(2));
        }
    }
    // Rear: the 6er's rear light shows both its parts.
    if (isSixer(o.model)) {
        for (int i : {2, 3}) {
            if (b[std::size_t(i)] & bit(2))
                d[std::size_t(i)] = std::uint8_t(b[std::size_t(i)] | bit(1));
        }
    }
    // A single fog lamp in the middle is seen from both rear views.
    if (o.oneRearFogLamp) {
        if (b[2] & bit(5))
            d[3] = std::uint8_t(b[3] | bit(5));
        if (b[3] & bit(5))
            d[2] = std::uint8_t(b[2] | bit(5));
    }
    return d;
}

std::uint8_t LampRules::displayMask(int view, const LampBytes& bytes, const LampOptions& options)
{
    if (view < 1 || view > 4)
        return 0;
    return displayMasks(bytes, options)[std::size_t(view - 1)];
}

LampRules::ToggleResult LampRules::toggle(const LampBytes& bytes, int lamp, int view, int button,
                                          const LampOptions& o)
{
    ToggleResult r{bytes, {}};
    if (button == 0 || view < 1 || view > 4 || lamp < 0 || lamp > 7)
        return r;

    // Symmetric editing: the same lamp of the other half ends in the state
    // the click gives this one, by that half's own rules. A lamp seen from
    // both halves already changes on both; it is toggled once.
    if (o.symmetric && partnerView(lamp, view, o) == 0) {
        LampOptions plain = o;
        plain.symmetric = false;
        r = toggle(bytes, lamp, view, button, plain);
        const int other = mirrorView(view);
        const bool lit = byteOf(r.bytes, view) & bit(lamp);
        if (bool(byteOf(r.bytes, other) & bit(lamp)) != lit) {
            const ToggleResult mirror = toggle(r.bytes, lamp, other, button, plain);
            r.bytes = mirror.bytes;
            // The other half is loaded first, as a partner view is.
            r.reload.insert(r.reload.begin(), mirror.reload.begin(), mirror.reload.end());
        }
        return r;
    }

    // 1. The same lamp seen from the partner view.
    if (const int partner = partnerView(lamp, view, o)) {
        byteOf(r.bytes, partner) ^= bit(lamp);
        r.reload.push_back(partner);
    }

    // 2. The clicked view's own bit; the 1er has no separate outer rear light
    //    and shows its side repeaters through the partner view only.
    const bool rear = view == 3 || view == 4;
    const bool er1 = o.model == 111 || o.model == 112;
    const bool kept = er1 && ((rear && lamp == 2) || (!rear && lamp == 5));
    std::uint8_t& own = byteOf(r.bytes, view);
    if (!kept)
        own ^= bit(lamp);

    // 4. The 6er's rear light and its lower part exclude each other when stored.
    if (rear && isSixer(o.model)) {
        if (lamp == 1)
            own &= std::uint8_t(~bit(2));
        else if (lamp == 2 && (own & bit(2)))
            own &= std::uint8_t(~bit(1));
    }

    // 5. The clicked view is loaded again.
    r.reload.push_back(view);
    return r;
}

LampBytes LampRules::sanitiseRow(LampBytes b, const LampOptions& o)
{
    auto clear = [&b](int byte, int k) { b[std::size_t(byte - 1)] &= std::uint8_t(~bit(k)); };
    auto isSet = [&b](int byte, int k) { return (b[std::size_t(byte - 1)] & bit(k)) != 0; };

    if (!isOneOf(o.model, {311, 312, 313, 321, 322, 323})) {
        clear(2, 5);
        clear(1, 5);
    }
    if (o.model == 432 || o.model == 442) {
        clear(2, 0);
        clear(1, 0);
    }
    if (o.model == 111 || o.model == 112) {
        clear(3, 2);
        clear(4, 2);
    }
    if (!o.highBeam && !o.cornering) {
        clear(2, 2);
        clear(1, 2);
    }
    if (!o.ringLights) {
        clear(2, 3);
        clear(1, 3);
    }
    if (o.model == 751) {
        clear(3, 2);
        clear(4, 2);
        clear(3, 3);
        clear(4, 5);
    }
    if (isOneOf(o.model, {111, 211, 221})) {
        if (isSet(3, 3))
            b[3] |= bit(3);
        if (isSet(4, 3))
            b[2] |= bit(3);
    }
    return b;
}
