#include "views/CarViewsGeometry.h"

#include "views/PictureBook.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest number of logical pixels that is a whole number of device
// pixels at `ratio` (2 at 150 %, 4 at 125 % and 175 %); 1 where none is near.
int snapUnit(double ratio)
{
    for (int k = 1; k <= 8; ++k) {
        const double device = k * ratio;
        if (std::abs(device - std::round(device)) < 1e-3)
            return k;
    }
    return 1;
}

int floorTo(double value, int unit)
{
    return std::max(unit, int(std::floor(value / unit)) * unit);
}

// The smallest value >= `value` with (value + offset) a multiple of unit.
int alignUp(int value, int offset, int unit)
{
    const int rest = ((value + offset) % unit + unit) % unit;
    return rest ? value + unit - rest : value;
}

} // namespace

ViewScale ViewScale::of(QSizeF viewSize)
{
    ViewScale s;
    if (viewSize.width() > 0 && viewSize.height() > 0) {
        s.m_x = viewSize.width() / PictureBook::Width;
        s.m_y = viewSize.height() / PictureBook::Height;
    }
    return s;
}

QSize CarViewsGeometry::blockSize()
{
    return {2 * PictureBook::Width, 2 * PictureBook::Height + RowGap};
}

int CarViewsGeometry::widthForHeight(int height)
{
    const QSize block = blockSize();
    return int(std::ceil(double(height) * block.width() / block.height()));
}

CarViewsGeometry::CarViewsGeometry(QSize area, double devicePixelRatio, QPoint panelInWindow)
{
    const QSize block = blockSize();
    if (!area.isValid() || area.isEmpty())
        area = block;
    const double scale =
        std::min(double(area.width()) / block.width(), double(area.height()) / block.height());
    const int unit = snapUnit(devicePixelRatio > 0 ? devicePixelRatio : 1.0);
    m_view = QSize(floorTo(PictureBook::Width * scale, unit), floorTo(PictureBook::Height * scale, unit));
    m_gap = std::max(0, int(std::lround(RowGap * scale / unit)) * unit);
    // Centred across, at the top; both moved onto whole device pixels.
    const int left = std::max(0, (area.width() - 2 * m_view.width()) / 2);
    m_origin = QPoint(alignUp(left, panelInWindow.x(), unit), alignUp(0, panelInWindow.y(), unit));
}

QRect CarViewsGeometry::viewRect(int view) const
{
    const bool right = view == 2 || view == 4;
    const bool rear = view == 3 || view == 4;
    return {m_origin + QPoint(right ? m_view.width() : 0, rear ? m_view.height() + m_gap : 0), m_view};
}

QRect CarViewsGeometry::plateRect(const QRect& clientBox) const
{
    // Plate boxes lie over one pair; they are placed relative to that pair's row.
    const QRect box = clientBox.translated(-ClientOrigin);
    const int rearTop = PictureBook::Height + RowGap;
    const bool rear = box.center().y() >= rearTop;
    const QPointF local(box.x(), box.y() - (rear ? rearTop : 0));
    const ViewScale s = viewScale();
    const QPointF rowOrigin = (rear ? viewRect(3) : viewRect(1)).topLeft();
    const QRectF mapped(rowOrigin + s.toView(local), QSizeF(box.width() * s.x(), box.height() * s.y()));
    return mapped.toRect();
}
