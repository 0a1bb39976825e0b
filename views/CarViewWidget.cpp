#include "views/CarViewWidget.h"

#include "views/PictureBook.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
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

// Lines as thick as a picture pixel is wide on screen, at least one pixel.
int lineWidth(const ViewScale& s)
{
    return std::max(1, int(std::lround(std::min(s.x(), s.y()))));
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
    setMinimumSize(PictureBook::Width, PictureBook::Height);
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

void CarViewWidget::replacePicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

QSize CarViewWidget::pixelSize() const
{
    const qreal ratio = devicePixelRatioF();
    return {int(std::lround(width() * ratio)), int(std::lround(height() * ratio))};
}

void CarViewWidget::resizeEvent(QResizeEvent*)
{
    m_scale = ViewScale::of(size());
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
    if (m_picture.isNull()) {
        painter.fillRect(rect(), palette().base());
    } else {
        // Until the picture for this size is drawn, the one there is is scaled.
        if (m_picture.size() != pixelSize()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            emit pictureSizeWanted();
        }
        painter.drawPixmap(rect(), m_picture);
    }

    painter.setBrush(Qt::NoBrush);
    const int pen = lineWidth(m_scale);
    if (!m_areaBoxes.isEmpty()) {
        painter.setPen(QPen(QColor(0, 255, 0), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        for (const QRectF& r : std::as_const(m_areaBoxes))
            painter.drawRect(boxPixels(m_scale.toView(r)));
    }
    if (!m_outline.isEmpty()) {
        // The outline inverts the picture under it, so it shows on any colour.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::white, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        for (const QRectF& r : std::as_const(m_outline))
            painter.drawRect(boxPixels(m_scale.toView(r)));
    }
}

void CarViewWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = m_scale.toTwips(event->position());
    emit pointerPressed(buttonNumber(event->button()), p.x(), p.y());
}

void CarViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = m_scale.toTwips(event->position());
    emit pointerMoved(p.x(), p.y());
}
