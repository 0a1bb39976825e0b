#include "views/CarViewsPanel.h"

#include "views/CarViewWidget.h"
#include "views/Plates.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <algorithm>

namespace {

// A crescent moon, drawn for the night switch.
QIcon moonIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const double r = size * 0.38;
        const QPointF c(size * 0.5, size * 0.5);
        QPainterPath moon;
        moon.addEllipse(c, r, r);
        QPainterPath bite;
        bite.addEllipse(c + QPointF(r * 0.55, -r * 0.35), r * 0.85, r * 0.85);
        p.setPen(QPen(QColor(70, 76, 96), std::max(1.0, size / 16.0)));
        p.setBrush(QColor(250, 214, 96));
        p.drawPath(moon.subtracted(bite));
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

CarViewsPanel::CarViewsPanel(QWidget* parent) : QWidget(parent)
{
    for (int v = 1; v <= 4; ++v)
        m_views[std::size_t(v - 1)] = new CarViewWidget(v, this);
    // The plates as they first stood; the vehicle's own come with its layout.
    const ModelLayout::Plates standard = Plates::standard();
    m_plateBoxes = {standard.front, standard.rear};
    for (QLabel*& plate : m_plates) {
        plate = new QLabel(this);
        plate->setAlignment(Qt::AlignCenter);
        plate->setStyleSheet(QStringLiteral(
            "background: #f4f4f0; color: #202020; border: 1px solid #303030; border-radius: 2px;"));
        plate->setText(QStringLiteral("VANTOR"));
        plate->raise();
    }
    m_night = new QToolButton(this);
    m_night->setCheckable(true);
    m_night->setAutoRaise(true);
    m_night->setIcon(moonIcon());
    m_night->setIconSize(QSize(20, 20));
    m_night->setFocusPolicy(Qt::TabFocus);
    m_night->raise();
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    arrange();
}

void CarViewsPanel::setPlates(const QRect& front, const QRect& rear)
{
    m_plateBoxes = {front, rear};
    arrange();
}

QSize CarViewsPanel::sizeHint() const
{
    return CarViewsGeometry::blockSize();
}

QSize CarViewsPanel::minimumSizeHint() const
{
    return CarViewsGeometry::blockSize();
}

void CarViewsPanel::resizeEvent(QResizeEvent*)
{
    arrange();
}

void CarViewsPanel::moveEvent(QMoveEvent*)
{
    arrange();
}

bool CarViewsPanel::event(QEvent* event)
{
    // On a screen of another density the views' edges are found afresh.
    if (event->type() == QEvent::ScreenChangeInternal)
        arrange();
    return QWidget::event(event);
}

void CarViewsPanel::arrange()
{
    const QPoint inWindow = window() ? mapTo(window(), QPoint()) : QPoint();
    m_geometry = CarViewsGeometry(size(), devicePixelRatioF(), inWindow);
    for (int v = 1; v <= 4; ++v)
        view(v)->setGeometry(m_geometry.viewRect(v));
    const ViewScale s = m_geometry.viewScale();
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(6, int(9 * s.y() + 0.5)));
    for (std::size_t k = 0; k < m_plates.size(); ++k) {
        m_plates[k]->setGeometry(m_geometry.plateRect(m_plateBoxes[k]));
        m_plates[k]->setFont(font);
    }
    // The top corner of the outer half: sky, no lamp, and near the pictures it changes.
    const QRect corner = m_geometry.viewRect(2);
    const QSize button(28, 28);
    m_night->setGeometry(QRect(corner.topRight() + QPoint(-button.width() - 3, 4), button));
}
