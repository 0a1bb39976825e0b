#include "views/CarViewsPanel.h"

#include "views/CarViewWidget.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

CarViewsPanel::CarViewsPanel(QWidget* parent) : QWidget(parent)
{
    for (int v = 1; v <= 4; ++v)
        m_views[std::size_t(v - 1)] = new CarViewWidget(v, this);
    // The plates as they first stood; the vehicle's own come with its layout.
    m_plateBoxes = {QRect(161, 203, 90, 18), QRect(167, 469, 85, 18)};
    for (QLabel*& plate : m_plates) {
        plate = new QLabel(this);
        plate->setAlignment(Qt::AlignCenter);
        plate->setStyleSheet(QStringLiteral(
            "background: #f4f4f0; color: #202020; border: 1px solid #303030; border-radius: 2px;"));
        plate->setText(QStringLiteral("VANTOR"));
        plate->raise();
    }
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
}
