#pragma once

#include "vehicle/ModelLayout.h"
#include "views/CarViewsGeometry.h"

#include <QRect>
#include <QWidget>
#include <array>

class CarViewWidget;
class QLabel;
class QToolButton;

// The four car views as one block that grows and shrinks with the room the
// window gives it, keeping the pictures' proportions, with the licence plates
// over the junctions of the pairs. It places the views; they draw themselves.
class CarViewsPanel : public QWidget
{
    Q_OBJECT
public:
    explicit CarViewsPanel(QWidget* parent = nullptr);

    // View 1 front right, 2 front left, 3 rear left, 4 rear right.
    CarViewWidget* view(int number) const { return m_views[std::size_t(number - 1)]; }
    QLabel* frontPlate() const { return m_plates[0]; }
    // The switch of the night view, in the sky over the front views' outer corner.
    QToolButton* nightButton() const { return m_night; }
    QLabel* rearPlate() const { return m_plates[1]; }
    // The plate boxes in the window's client area at the pictures' own size.
    void setPlates(const QRect& front, const QRect& rear);
    ModelLayout::Plates plateBoxes() const { return {m_plateBoxes[0], m_plateBoxes[1]}; }

    const CarViewsGeometry& geometry() const { return m_geometry; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;

private:
    void arrange();

    std::array<CarViewWidget*, 4> m_views{};
    std::array<QLabel*, 2> m_plates{};
    QToolButton* m_night = nullptr;
    std::array<QRect, 2> m_plateBoxes{};
    CarViewsGeometry m_geometry;
};
