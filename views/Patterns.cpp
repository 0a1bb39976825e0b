#include "views/Patterns.h"

#include "sequence/ComposeTools.h"
#include "sequence/Interval.h"
#include "views/HitTest.h"

#include <algorithm>
#include <optional>

namespace Patterns {

namespace {

// The tooltip's hit of an area, found at some point of it that no other
// area hides; nothing when a click cannot reach it.
std::optional<HitTest::Hit> hitOf(int view, int area, const QRectF& rect, const LampAreaTable& areas,
                                  const LampOptions& options)
{
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            const QPointF p = rect.topLeft() + QPointF(rect.width() * i / 6, rect.height() * j / 6);
            const HitTest::Result result = HitTest::test(view, p.x() * HitTest::TwipsPerPixel,
                                                         p.y() * HitTest::TwipsPerPixel, areas, options);
            for (const HitTest::Hit& hit : result.hits) {
                if (hit.area == area && hit.processed)
                    return hit;
            }
        }
    }
    return std::nullopt;
}

LampBytes operator|(LampBytes a, const LampBytes& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] |= b[i];
    return a;
}

// Bytes 1 and 4 are the car's right half (views 1 and 4), bytes 2 and 3 its left.
LampBytes rightHalf(const LampBytes& b)
{
    return {b[0], 0, 0, b[3]};
}

LampBytes leftHalf(const LampBytes& b)
{
    return {0, b[1], b[2], 0};
}

} // namespace

std::vector<Lamp> lampsOf(const LampAreaTable& areas, const LampOptions& options)
{
    LampOptions plain = options;
    plain.symmetric = false;
    struct Found
    {
        Lamp lamp;
        bool rear;
        double x; // across both views of its row, in pixels
    };
    std::vector<Found> found;
    constexpr double viewWidth = double(HitTest::ViewWidthTwips) / HitTest::TwipsPerPixel;
    for (int view : {1, 2, 3, 4}) {
        const bool rear = view >= 3;
        for (int bit = 0; bit <= 5; ++bit) {
            const int area = HitTest::areaOfLamp(rear, bit);
            const QRectF rect = HitTest::areaRect(view, area, areas);
            if (rect.isEmpty())
                continue;
            const std::optional<HitTest::Hit> hit = hitOf(view, area, rect, areas, plain);
            const LampBytes bytes =
                LampRules::sanitiseRow(LampRules::toggle({}, bit, view, 1, plain).bytes, plain);
            if (!hit || bytes == LampBytes{})
                continue;
            const double x = rect.center().x() + (view == 2 || view == 4 ? viewWidth : 0.0);
            found.push_back({{view, hit->textNumber, hit->suffix, bytes}, rear, x});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.rear != b.rear ? b.rear : a.x < b.x; });
    std::vector<Lamp> lamps;
    for (const Found& f : found) {
        // A lamp seen from both views of its row is offered once.
        const bool seen =
            std::any_of(lamps.begin(), lamps.end(), [&f](const Lamp& l) { return l.bytes == f.lamp.bytes; });
        if (!seen)
            lamps.push_back(f.lamp);
    }
    return lamps;
}

QList<SequenceRow> generate(const Settings& s, const QLocale& locale)
{
    const auto interval = [&locale](int tenths) {
        return Interval::fromSlider(std::clamp(tenths, Interval::MinTenths, Interval::MaxTenths), locale);
    };
    const QString on = interval(s.onTenths);
    const int repeats = std::max(s.repeats, 1);
    QList<SequenceRow> rows;
    const std::vector<LampBytes>& lamps = s.lamps;
    if (lamps.empty())
        return rows;

    switch (s.kind) {
    case Kind::Blink: {
        LampBytes all{};
        for (const LampBytes& l : lamps)
            all = all | l;
        for (int n = 0; n < repeats; ++n) {
            rows.append({on, QString(), all});
            rows.append({interval(s.offTenths), QString(), {}});
        }
        break;
    }
    case Kind::Chase: {
        const int count = int(lamps.size());
        const bool back = s.withReturn && count > 1;
        for (int n = 0; n < repeats; ++n) {
            for (int i = 0; i < count; ++i)
                rows.append({on, QString(), lamps[std::size_t(i)]});
            for (int i = count - 2; back && i >= 1; --i)
                rows.append({on, QString(), lamps[std::size_t(i)]});
        }
        if (back)
            rows.append({on, QString(), lamps.front()});
        break;
    }
    case Kind::Alternate: {
        // The chosen lamps with their counterparts on the other half.
        LampBytes both{};
        for (const LampBytes& l : lamps) {
            if (rightHalf(l) != LampBytes{} && leftHalf(l) != LampBytes{})
                continue;
            both = both | l | ComposeTools::mirrored(l);
        }
        if (both == LampBytes{})
            break;
        for (int n = 0; n < repeats; ++n) {
            rows.append({on, QString(), leftHalf(both)});
            rows.append({on, QString(), rightHalf(both)});
        }
        break;
    }
    }
    return rows;
}

} // namespace Patterns
