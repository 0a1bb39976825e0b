#pragma once

#include "views/CarViewsGeometry.h"

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

// One of the four car views: shows a picture of one corner-half of the car
// at whatever size the window gives it, and reports pointer movement and
// presses in twips of the picture (15 per picture pixel), the unit the lamp
// areas are given in. Over the picture it draws the hover outline (inverting
// what lies under it) and the boxes of the area display; both go when the
// next picture is shown.
class CarViewWidget : public QWidget
{
    Q_OBJECT
public:
    CarViewWidget(int viewNumber, QWidget* parent = nullptr);

    int viewNumber() const { return m_viewNumber; }
    void setPicture(const QPixmap& picture);
    // The same picture drawn at another size: the outline and boxes stay.
    void replacePicture(const QPixmap& picture);
    // The size in device pixels a picture needs to be drawn unscaled.
    QSize pixelSize() const;
    const ViewScale& scale() const { return m_scale; }
    const QPixmap& picture() const { return m_picture; }

    // Rectangles in pixels of the picture at its own size.
    void setOutline(const QList<QRectF>& rects);
    void clearOutline() { setOutline({}); }
    const QList<QRectF>& outline() const { return m_outline; }
    void addAreaBoxes(const QList<QRectF>& rects);
    const QList<QRectF>& areaBoxes() const { return m_areaBoxes; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // button: 1 left, 2 right, 4 middle.
    void pointerPressed(int button, double xTwips, double yTwips);
    void pointerMoved(double xTwips, double yTwips);
    // The picture shown is not drawn for the view's present size (after a
    // resize or a move to a screen of another density).
    void pictureSizeWanted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_viewNumber;
    QPixmap m_picture;
    ViewScale m_scale;
    QList<QRectF> m_outline;
    QList<QRectF> m_areaBoxes;
};
