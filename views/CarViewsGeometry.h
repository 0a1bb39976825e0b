#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

// A car view's picture at its size on screen. Lamp areas, outlines and plates
// are given in the picture's own pixels (195 × 269 a view, 15 twips each);
// this maps them to the view's pixels and the pointer back. Nothing else
// multiplies picture coordinates.
class ViewScale
{
public:
    static constexpr int TwipsPerPixel = 15;

    ViewScale() = default;
    // The scale of a view of `viewSize` pixels.
    static ViewScale of(QSizeF viewSize);

    double x() const { return m_x; }
    double y() const { return m_y; }

    QPointF toTwips(QPointF viewPoint) const
    {
        return {viewPoint.x() / m_x * TwipsPerPixel, viewPoint.y() / m_y * TwipsPerPixel};
    }
    QPointF toView(QPointF picturePoint) const { return {picturePoint.x() * m_x, picturePoint.y() * m_y}; }
    QRectF toView(const QRectF& pictureRect) const
    {
        return {toView(pictureRect.topLeft()), toView(pictureRect.bottomRight())};
    }

private:
    double m_x = 1.0;
    double m_y = 1.0;
};

// The four car views as one 2 × 2 block: front pair above, rear pair below,
// the halves of each pair meeting in the middle. The block is as large as its
// area allows, and every view's edge falls on a whole device pixel of the
// window, so the halves meet without a seam at any scale factor.
class CarViewsGeometry
{
public:
    // At the pictures' own size: the gap between the pairs and the block's
    // place in the window's client area, where the plate boxes are given.
    static constexpr int RowGap = 8;
    static constexpr QPoint ClientOrigin{11, 8};
    static QSize blockSize(); // 390 × 546

    CarViewsGeometry() : CarViewsGeometry(QSize(), 1.0, QPoint()) {}
    // The block in a panel of `area` logical pixels whose top-left corner lies
    // at `panelInWindow` in a window drawn at `devicePixelRatio`.
    CarViewsGeometry(QSize area, double devicePixelRatio, QPoint panelInWindow);

    // View 1 front right, 2 front left, 3 rear left, 4 rear right; in the panel.
    QRect viewRect(int view) const;
    QRect blockRect() const { return viewRect(1).united(viewRect(4)); }
    ViewScale viewScale() const { return ViewScale::of(m_view); }
    // A licence-plate box given in the client area at the pictures' own size.
    QRect plateRect(const QRect& clientBox) const;
    // The width the block needs at `height` (rounded up), for layouts that
    // give the cars the room their height allows.
    static int widthForHeight(int height);

private:
    QPoint m_origin;
    QSize m_view;
    int m_gap = RowGap;
};
