#pragma once

#include <QPixmap>
#include <QWidget>

// One of the four car views: shows a picture of one corner-half of the car
// and reports pointer movement and presses in twips (15 per pixel), the unit
// the lamp areas are given in.
class CarViewWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TwipsPerPixel = 15;

    CarViewWidget(int viewNumber, QWidget* parent = nullptr);

    int viewNumber() const { return m_viewNumber; }
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

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
};
