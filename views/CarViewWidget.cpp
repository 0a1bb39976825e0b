#include "views/CarViewWidget.h"

#include "app/MainWindowUi.h"

#include <QMouseEvent>
#include <QPainter>

CarViewWidget::CarViewWidget(int viewNumber, QWidget* parent) : QWidget(parent), m_viewNumber(viewNumber)
{
    setFixedSize(MainWindowUi::ViewWidth, MainWindowUi::ViewHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CarViewWidget::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

QSize CarViewWidget::sizeHint() const
{
    return {MainWindowUi::ViewWidth, MainWindowUi::ViewHeight};
}

void CarViewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), palette().base());
    else
        painter.drawPixmap(rect(), m_picture);
}

namespace {
int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}
} // namespace

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
