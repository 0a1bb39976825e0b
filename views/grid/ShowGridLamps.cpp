#include "views/grid/ShowGridLamps.h"

#include "vehicle/LampAreas.h"
#include "views/HitTest.h"

#include <algorithm>

namespace {

const QColor Amber(255, 146, 16);
const QColor WarmWhite(255, 226, 150);
const QColor White(236, 242, 255);
const QColor CoolWhite(160, 206, 255);
const QColor Red(226, 22, 32);
const QColor BrightRed(255, 72, 48);

} // namespace

QColor ShowGridLamps::colourOf(int view, int bit)
{
    static const QColor front[] = {Amber, WarmWhite, White, CoolWhite, WarmWhite, Amber};
    static const QColor rear[] = {Amber, Red, Red, White, Red, BrightRed};
    if (bit < 0 || bit > 5)
        return White;
    return view >= 3 ? rear[bit] : front[bit];
}

std::vector<GridLamp> ShowGridLamps::of(const LampAreaTable& areas, const LampOptions& options)
{
    std::vector<GridLamp> lamps;
    for (int view = 1; view <= 4; ++view) {
        const bool rear = view >= 3;
        for (int bit = 0; bit <= 5; ++bit) {
            const int area = HitTest::areaOfLamp(rear, bit);
            const QRectF place = HitTest::areaRect(view, area, areas);
            if (place.isEmpty())
                continue;
            // Asked where the lamp is drawn, the hit test names it as the tooltip
            // does, and leaves out what the view does not answer to.
            const QPointF centre = place.center() * HitTest::TwipsPerPixel;
            const HitTest::Result hits = HitTest::test(view, centre.x(), centre.y(), areas, options);
            const auto hit = std::find_if(hits.hits.begin(), hits.hits.end(), [area](const HitTest::Hit& h) {
                return h.area == area && h.processed;
            });
            if (hit == hits.hits.end())
                continue;
            LampBytes only{};
            only[std::size_t(view - 1)] = std::uint8_t(1u << bit);
            if (LampRules::sanitiseRow(only, options)[std::size_t(view - 1)] == 0)
                continue;
            lamps.push_back({view, bit, hit->textNumber, hit->suffix, colourOf(view, bit)});
        }
    }
    return lamps;
}

std::vector<ShowGridLamps::MissingLamp> ShowGridLamps::missing(const std::vector<GridLamp>& before,
                                                               const LampOptions& beforeOptions,
                                                               const std::vector<GridLamp>& after,
                                                               const QList<QList<SequenceRow>>& sequences)
{
    std::vector<MissingLamp> out;
    for (const GridLamp& lamp : before) {
        const bool kept = std::any_of(after.begin(), after.end(), [&lamp](const GridLamp& other) {
            return other.view == lamp.view && other.bit == lamp.bit;
        });
        if (kept)
            continue;
        int steps = 0;
        for (const QList<SequenceRow>& rows : sequences) {
            for (const SequenceRow& row : rows) {
                if (LampRules::displayMask(lamp.view, row.lamps, beforeOptions) & lamp.mask())
                    ++steps;
            }
        }
        if (steps > 0)
            out.push_back({lamp, steps});
    }
    return out;
}
