#pragma once

#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QWidget>

// One of the four car views: shows a picture of one corner-half of the car
// and reports pointer movement and presses in twips (15 per pixel), the unit
// the lamp areas are given in. Over the picture it draws the hover outline
// (inverting what lies under it) and the boxes of the area display; both go
// when the next picture is shown.
class CarViewWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TwipsPerPixel = 15;

    CarViewWidget(int viewNumber, QWidget* parent = nullptr);

    int viewNumber() const { return m_viewNumber; }
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

    // Rectangles in pixels of the view.
    void setOutline(const QList<QRectF>& rects);
    void clearOutline() { setOutline({}); }
    const QList<QRectF>& outline() const { return m_outline; }
    void addAreaBoxes(const QList<QRectF>& rects);
    const QList<QRectF>& areaBoxes() const { return m_areaBoxes; }

    QSize sizeHint() const override;

signals:
    // button: 1 left, 2 right, 4 middle.
    void pointerPressed(int button, double xTwips, double yTwips);
    void pointerMoved(double xTwips, double yTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int m_viewNumber;
    QPixmap m_picture;
    QList<QRectF> m_outline;
    QList<QRectF> m_areaBoxes;
};
