#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTableView>

class ShowGridModel;

// The show grid on screen: steps across, lamps down, lit cells in the lamp's
// colour. A click on a cell toggles its lamp and marks its step, a drag
// along a row paints it, Shift and Ctrl only mark; arrows move between
// cells and Space toggles. While playback runs the grid only watches.
class ShowGridView : public QTableView
{
    Q_OBJECT
public:
    explicit ShowGridView(QWidget* parent = nullptr);

    // The grid's model and the selection it shares with the step table.
    void setGrid(ShowGridModel* model, QItemSelectionModel* selection);
    ShowGridModel* grid() const { return m_grid; }

    // Scrolls sideways until column c is in view.
    void showColumn(int column);

    // The time axis stretched by `zoom` (steps are as wide as their duration
    // times the zoom); kept within MinZoom and MaxZoom.
    static constexpr double MinZoom = 0.25;
    static constexpr double MaxZoom = 4.0;
    static constexpr double ZoomStep = 1.25;
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    void zoomIn() { setZoom(m_zoom * ZoomStep); }
    void zoomOut() { setZoom(m_zoom / ZoomStep); }
    // The zoom at which the whole sequence fills the grid's width.
    void zoomToFit();

    // Rows grow with the room the grid has, up to this height.
    static constexpr int RowHeight = 19;
    static constexpr int MaxRowHeight = 30;

signals:
    void zoomChanged(double zoom);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitRows();
    void applyWidths(int first, int last);
    void lockHeader();

    ShowGridModel* m_grid = nullptr;
    double m_zoom = 1.0;
};

// Column headings: the loop brackets, the step's number and its interval;
// marked steps and the step playback shows stand out.
class ShowGridStepHeader : public QHeaderView
{
    Q_OBJECT
public:
    static constexpr int LoopBand = 16;

    explicit ShowGridStepHeader(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;
};

// Row headings: the lamp's colour and name, grouped under the name of its view.
class ShowGridLampHeader : public QHeaderView
{
    Q_OBJECT
public:
    static constexpr int GroupBand = 18;
    static constexpr int Swatch = 10;

    explicit ShowGridLampHeader(QWidget* parent = nullptr);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;
};

// One cell: the lamp's glass, filled with its colour when lit.
class ShowGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
