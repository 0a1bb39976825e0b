#include "views/HitTest.h"

#include "core/LangText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int FrontOrder[] = {13, 1, 5, 9, 17, 21};
constexpr int RearOrder[] = {41, 25, 37, 29, 33, 45};

bool isLeftView(int view)
{
    return view == 2 || view == 3;
}

int rowOfView(int view)
{
    return view == 1 || view == 2 ? LampAreaTable::FrontRow : LampAreaTable::RearRow;
}

int mirrorOffset(int view, const LampAreaTable& areas)
{
    if (view == 1)
        return areas.frontMirrorOffset;
    if (view == 3)
        return areas.rearMirrorOffset;
    return 0;
}

bool isZero(const std::array<std::int16_t, 4>& a)
{
    return a[0] == 0 && a[1] == 0 && a[2] == 0 && a[3] == 0;
}

// Text and suffix of a rear area's tooltip (without the side letter choice).
void rearText(int area, int model, bool left, bool oneFog, HitTest::Hit& hit)
{
    const QString side = left ? QStringLiteral("L") : QStringLiteral("R");
    const bool sixer = LampRules::isSixer(model);
    switch (area) {
    case 41:
        hit.textNumber = 122;
        hit.suffix = u'_' + side;
        break;
    case 25:
        hit.textNumber = 124;
        if (model == 231)
            hit.suffix = u'_' + side;
        else if (model == 731 || model == 611)
            hit.suffix = u'_' + side + QStringLiteral("O");
        else if (sixer)
            hit.suffix = u'_' + side + QStringLiteral("O_U");
        else if (model == 841) {
            hit.textNumber = 123;
            hit.suffix = u'_' + side;
        } else
            hit.suffix = u'_' + side + QStringLiteral("A");
        break;
    case 37:
        hit.textNumber = 125;
        hit.suffix = u'_' + side;
        break;
    case 29:
        hit.textNumber = 124;
        if (model == 111 || model == 112 || model == 231 || model == 841)
            hit.suffix = u'_' + side;
        else if (model == 731 || model == 611 || sixer)
            hit.suffix = u'_' + side + QStringLiteral("U");
        else
            hit.suffix = u'_' + side + QStringLiteral("I");
        break;
    case 33:
        hit.textNumber = 124;
        hit.suffix = QStringLiteral("_M");
        break;
    case 45:
        hit.textNumber = 120;
        hit.suffix = oneFog ? QStringLiteral("_M") : u'_' + side;
        break;
    default:
        break;
    }
}

} // namespace

QString HitTest::lampName(int textNumber, const QString& suffix, const LangText& texts)
{
    static const QString parts[] = {QStringLiteral("O"), QStringLiteral("O_U"), QStringLiteral("A"),
                                    QStringLiteral("U"), QStringLiteral("I")};
    QString shown = suffix;
    if (suffix.size() > 2 && suffix.at(0) == u'_' && (suffix.at(1) == u'L' || suffix.at(1) == u'R')) {
        const QString part = suffix.mid(2);
        for (int i = 0; i < 5; ++i)
            if (part == parts[i])
                shown = suffix.left(2) + texts.text(FirstPartText + i);
    }
    return texts.text(textNumber) + shown;
}

int HitTest::areaOfLamp(bool rear, int lamp)
{
    static constexpr int front[] = {13, 5, 9, 1, 17, 21};
    static constexpr int back[] = {41, 29, 25, 37, 33, 45};
    if (lamp < 0 || lamp > 5)
        return 0;
    return rear ? back[lamp] : front[lamp];
}

int HitTest::lampOfArea(int area)
{
    switch (area) {
    case 13:
    case 41:
        return 0;
    case 5:
    case 29:
        return 1;
    case 9:
    case 25:
        return 2;
    case 1:
    case 37:
        return 3;
    case 17:
    case 33:
        return 4;
    case 21:
    case 45:
        return 5;
    default:
        return -1;
    }
}

bool HitTest::isRearArea(int area)
{
    return area >= 25;
}

int HitTest::areaX(int view, double x, const LampAreaTable& areas)
{
    double mirrored = x;
    if (view == 1 || view == 3)
        mirrored = ViewWidthTwips - x + mirrorOffset(view, areas);
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(mirrored);
    constexpr double lo = std::numeric_limits<std::int16_t>::min();
    constexpr double hi = std::numeric_limits<std::int16_t>::max();
    if (!(rounded >= lo)) // also NaN
        return int(lo);
    return int(std::min(rounded, hi));
}

HitTest::Result HitTest::test(int view, double x, double y, const LampAreaTable& areas, const LampOptions& o)
{
    Result result;
    if (view < 1 || view > 4)
        return result;
    const int row = rowOfView(view);
    const int ax = areaX(view, x, areas);
    const bool left = isLeftView(view);

    auto inside = [&](int code) {
        const auto a = areas.area(row, code);
        return a[0] < ax && ax < a[1] && a[2] < y && y < a[3];
    };

    if (row == LampAreaTable::FrontRow) {
        const QString side = left ? QStringLiteral("_L") : QStringLiteral("_R");
        for (int code : FrontOrder) {
            if (code == 1 && !o.ringLights)
                continue;
            if (code == 9 && !o.highBeam && !o.cornering)
                continue;
            if (!inside(code))
                continue;
            Hit hit;
            hit.area = code;
            hit.lamp = lampOfArea(code);
            hit.suffix = side;
            hit.outlineView = view;
            switch (code) {
            case 13:
                hit.textNumber = 122;
                break;
            case 1:
                hit.textNumber = 117;
                break;
            case 5:
                hit.textNumber = 118;
                break;
            case 9:
                hit.textNumber = o.cornering ? 61 : 119;
                break;
            case 17:
                hit.textNumber = 120;
                break;
            default:
                hit.textNumber = 121;
                break;
            }
            result.hits.push_back(hit);
        }
        return result;
    }

    for (int code : RearOrder) {
        if (!inside(code))
            continue;
        Hit hit;
        hit.area = code;
        hit.lamp = lampOfArea(code);
        hit.outlineView = view;
        if (code == 37 && o.model == 751 && view == 3) {
            // The Clubman has no reversing light on its left: the hit only counts.
            hit.processed = false;
            result.hits.push_back(hit);
            continue;
        }
        rearText(code, o.model, left, o.oneRearFogLamp, hit);
        if (code == 33 || (code == 45 && o.oneRearFogLamp))
            hit.outlineView = BothRearViews;
        result.hits.push_back(hit);
        if (code == 37)
            break; // the reversing light ends the test
    }
    return result;
}

QRectF HitTest::areaRect(int view, int area, const LampAreaTable& areas)
{
    if (view < 1 || view > 4 || area < 1 || area > 45)
        return {};
    const int row = rowOfView(view);
    if (isRearArea(area) != (row == LampAreaTable::RearRow))
        return {};
    const auto a = areas.area(row, area);
    if (isZero(a))
        return {};
    double left = a[0];
    double right = a[1];
    if (view == 1 || view == 3) {
        const int off = mirrorOffset(view, areas);
        left = ViewWidthTwips - a[1] + off;
        right = ViewWidthTwips - a[0] + off;
    }
    return QRectF(QPointF(left / TwipsPerPixel, a[2] / double(TwipsPerPixel)),
                  QPointF(right / TwipsPerPixel, a[3] / double(TwipsPerPixel)));
}

std::vector<HitTest::ViewRect> HitTest::outlineRects(int view, int area, const LampAreaTable& areas,
                                                     int model)
{
    std::vector<ViewRect> out;
    std::vector<int> views;
    if (view == BothRearViews)
        views = {3, 4};
    else if (view >= 1 && view <= 4)
        views = {view};
    for (int v : views) {
        std::vector<int> codes{area};
        // The 6er's rear light: its lower part is outlined with the upper one.
        if (area == 25 && (v == 3 || v == 4) && LampRules::isSixer(model))
            codes.push_back(29);
        for (int c : codes) {
            const QRectF r = areaRect(v, c, areas);
            if (!r.isEmpty())
                out.push_back({v, r});
        }
    }
    return out;
}

std::vector<HitTest::ViewRect> HitTest::areaDisplay(const LampAreaTable& areas, const LampOptions& o)
{
    std::vector<ViewRect> out;
    const bool mini = o.model == 731 || o.model == 741 || o.model == 751;
    for (int c = 1; c <= 45; c += 4) {
        const bool front = !isRearArea(c);
        if (front) {
            if (c == 1 && !o.ringLights && !mini)
                continue;
            if (c == 9 && !o.highBeam && !o.cornering)
                continue;
        } else if (c == 45 && o.model == 751) {
            continue; // the Clubman's fog lamp shares the reversing light's place
        }
        const std::array<int, 2> views = front ? std::array<int, 2>{2, 1} : std::array<int, 2>{4, 3};
        for (int v : views) {
            const QRectF r = areaRect(v, c, areas);
            if (!r.isEmpty())
                out.push_back({v, r});
        }
    }
    return out;
}
