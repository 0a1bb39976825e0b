#include "views/CarViewWidget.h"

#include "views/PictureBook.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace {

// A box from corner to corner, both corners included: a stroked QRect
// covers its size plus the pen.
QRect boxPixels(const QRectF& r)
{
    const int l = int(std::floor(r.left()));
    const int t = int(std::floor(r.top()));
    return QRect(l, t, int(std::floor(r.right())) - l, int(std::floor(r.bottom())) - t);
}

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

CarViewWidget::CarViewWidget(int viewNumber, QWidget* parent) : QWidget(parent), m_viewNumber(viewNumber)
{
    setFixedSize(PictureBook::Width, PictureBook::Height);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CarViewWidget::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    // A new picture carries no outline and no area boxes.
    m_outline.clear();
    m_areaBoxes.clear();
    update();
}

void CarViewWidget::setOutline(const QList<QRectF>& rects)
{
    if (rects == m_outline)
        return;
    m_outline = rects;
    update();
}

void CarViewWidget::addAreaBoxes(const QList<QRectF>& rects)
{
    m_areaBoxes.append(rects);
    update();
}

QSize CarViewWidget::sizeHint() const
{
    return {PictureBook::Width, PictureBook::Height};
}

void CarViewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), palette().base());
    else
        painter.drawPixmap(rect(), m_picture);

    painter.setBrush(Qt::NoBrush);
    if (!m_areaBoxes.isEmpty()) {
        painter.setPen(QPen(QColor(0, 255, 0), 1));
        for (const QRectF& r : std::as_const(m_areaBoxes))
            painter.drawRect(boxPixels(r));
    }
    if (!m_outline.isEmpty()) {
        // The outline inverts the picture under it, so it shows on any colour.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::white, 1));
        for (const QRectF& r : std::as_const(m_outline))
            painter.drawRect(boxPixels(r));
    }
}

void CarViewWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit pointerPressed(buttonNumber(event->button()), p.x() * TwipsPerPixel, p.y() * TwipsPerPixel);
}

void CarViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit pointerMoved(p.x() * TwipsPerPixel, p.y() * TwipsPerPixel);
}
