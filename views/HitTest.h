#pragma once

#include "vehicle/LampAreas.h"
#include "views/LampRules.h"

#include <QRectF>
#include <QString>
#include <vector>

class LangText;

// The lamp areas of the four car views: which lamp the pointer is over, what
// its tooltip says and where its outline goes. Coordinates are twips (15 per
// pixel) of a view; areas are given for views 2 and 4 and mirrored for 1 and 3.
namespace HitTest {

constexpr int ViewWidthTwips = 2925;
constexpr int TwipsPerPixel = 15;
// The outline view value that stands for both rear views.
constexpr int BothRearViews = 5;

struct Hit
{
    int area = 0; // area code
    int lamp = 0; // lamp bit of the view
    // False for a hit that only counts (area 37 on the Clubman's left view):
    // no tooltip, no outline, no toggle.
    bool processed = true;
    int textNumber = 0;  // the language text of the lamp name
    QString suffix;      // "_L", "_RO_U", "_M", ...
    int outlineView = 0; // the view to outline on, or BothRearViews
};

// The lamp name as the user reads it: text `textNumber` followed by the
// suffix, whose part letters after the side ("O", "U", "A", "I", "O_U") are
// words of the language in use ("_LA" reads "_L outer" in English).
QString lampName(int textNumber, const QString& suffix, const LangText& texts);
// The first of the language texts for the part letters.
inline constexpr int FirstPartText = 394;

struct Result
{
    std::vector<Hit> hits; // in test order
    bool anyHit() const { return !hits.empty(); }
};

// The pointer's x as the areas see it: mirrored on views 1 and 3, rounded
// to a whole twip, halves to even.
int areaX(int view, double x, const LampAreaTable& areas);

// Every area under the point (x, y) of `view`, in the order the areas are tested.
Result test(int view, double x, double y, const LampAreaTable& areas, const LampOptions& options);

// The area code of lamp bit `lamp` in a front or rear row, and the reverse.
int areaOfLamp(bool rear, int lamp);
int lampOfArea(int area);
bool isRearArea(int area);

struct ViewRect
{
    int view = 0;
    QRectF rect; // pixels of the view
};

// Area `area` of its row as a pixel rectangle on `view` (mirrored on 1 and 3);
// empty when the vehicle has no such area.
QRectF areaRect(int view, int area, const LampAreaTable& areas);

// The rectangles the hover outline of (view, area) covers: both rear views
// for BothRearViews, and on the 6er the lower part of the rear light with the upper.
std::vector<ViewRect> outlineRects(int view, int area, const LampAreaTable& areas, int model);

// The boxes of the area display ("Bereiche anzeigen") on all four views.
std::vector<ViewRect> areaDisplay(const LampAreaTable& areas, const LampOptions& options);

} // namespace HitTest
