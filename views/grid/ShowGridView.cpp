#include "views/grid/ShowGridView.h"

#include "views/grid/ShowGridModel.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// The board: dark like the unlit glass of the pictures, so lit lamps stand out.
const QColor Board(34, 40, 48);
const QColor MarkedBoard(46, 82, 128);
const QColor PlayBoard(150, 118, 24);
const QColor Glass(58, 68, 80);
const QColor GlassEdge(78, 90, 104);
const QColor Separator(110, 122, 136);
const QColor Focus(255, 255, 255);
// Headings.
const QColor PlayHeading(255, 200, 48);
const QColor MarkedHeading(196, 218, 244);
const QColor GroupBandFill(76, 88, 102);
const QColor SoftInk(84, 90, 98);

constexpr int RowHeight = ShowGridView::RowHeight;
// A step is never narrower than this, however far the grid is zoomed out.
constexpr int NarrowestColumn = 6;

QFont pixelFont(const QFont& base, int pixels, bool bold)
{
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

int viewOfRow(const QAbstractItemModel* model, int row)
{
    return model->headerData(row, Qt::Vertical, ShowGridModel::ViewRole).toInt();
}

} // namespace

ShowGridView::ShowGridView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("ShowGrid"));
    setHorizontalHeader(new ShowGridStepHeader(this));
    setVerticalHeader(new ShowGridLampHeader(this));
    setItemDelegate(new ShowGridDelegate(this));
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionBehavior(SelectColumns);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(ShowGridModel::MinColumnWidth);
    horizontalHeader()->setDefaultSectionSize(ShowGridModel::MinColumnWidth);
    horizontalHeader()->setMinimumSectionSize(NarrowestColumn);
    QPalette board = viewport()->palette();
    board.setColor(QPalette::Base, Board);
    viewport()->setPalette(board);

    // The zoom keys answer anywhere in the window, as the wheel does over the grid.
    auto key = [this](const char* name, QList<QKeySequence> keys, auto slot) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    key("GridZoomIn", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &ShowGridView::zoomIn);
    key("GridZoomOut", {QKeySequence::ZoomOut}, &ShowGridView::zoomOut);
    key("GridZoomFit", {QKeySequence(Qt::CTRL | Qt::Key_0)}, &ShowGridView::zoomToFit);
}

void ShowGridView::setZoom(double zoom)
{
    zoom = qBound(MinZoom, zoom, MaxZoom);
    if (!(zoom > 0) || qFuzzyCompare(zoom, m_zoom))
        return;
    // The step at the left edge stays where it is.
    const int anchor = columnAt(0);
    m_zoom = zoom;
    if (m_grid)
        applyWidths(0, m_grid->columnCount() - 1);
    if (anchor >= 0)
        horizontalScrollBar()->setValue(horizontalHeader()->sectionPosition(anchor));
    emit zoomChanged(m_zoom);
}

void ShowGridView::zoomToFit()
{
    if (!m_grid || m_grid->columnCount() == 0)
        return;
    qint64 total = 0;
    for (int c = 0; c < m_grid->columnCount(); ++c)
        total += m_grid->columnWidth(c);
    if (total > 0)
        setZoom(double(viewport()->width()) / double(total));
}

void ShowGridView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            setZoom(m_zoom * std::pow(ZoomStep, steps));
        event->accept();
        return;
    }
    QTableView::wheelEvent(event);
}

void ShowGridView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    fitRows();
}

void ShowGridView::fitRows()
{
    // Taller rows while there is room; past the comfortable height the rest stays empty.
    const int rows = model() ? model()->rowCount() : 0;
    if (rows <= 0)
        return;
    const int height = qBound(RowHeight, viewport()->height() / rows, MaxRowHeight);
    if (verticalHeader()->defaultSectionSize() != height)
        verticalHeader()->setDefaultSectionSize(height);
}

void ShowGridView::setGrid(ShowGridModel* model, QItemSelectionModel* selection)
{
    if (m_grid)
        m_grid->disconnect(this);
    m_grid = model;
    setModel(model);
    if (selectionModel() != selection) {
        QItemSelectionModel* made = selectionModel();
        setSelectionModel(selection);
        delete made;
    }
    if (!model)
        return;
    auto redrawHeadings = [this] { horizontalHeader()->viewport()->update(); };
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        applyWidths(0, m_grid->columnCount() - 1);
        fitRows();
    });
    connect(model, &QAbstractItemModel::rowsInserted, this, &ShowGridView::fitRows);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &ShowGridView::fitRows);
    connect(model, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) { applyWidths(first, last); });
    connect(model, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation o, int first, int last) {
                if (o == Qt::Horizontal) {
                    applyWidths(first, last);
                } else {
                    updateGeometries();
                    verticalHeader()->viewport()->update();
                }
            });
    // The brackets and the marks span several headings: the whole row of headings is drawn again.
    connect(model, &QAbstractItemModel::headerDataChanged, this, redrawHeadings);
    connect(model, &QAbstractItemModel::columnsRemoved, this, redrawHeadings);
    connect(selection, &QItemSelectionModel::selectionChanged, this, redrawHeadings);
    connect(model, &ShowGridModel::playColumnChanged, this, [this](int column) {
        if (column >= 0)
            showColumn(column);
    });
    connect(model, &ShowGridModel::lockChanged, this, &ShowGridView::lockHeader);
    applyWidths(0, model->columnCount() - 1);
    fitRows();
    lockHeader();
}

void ShowGridView::applyWidths(int first, int last)
{
    if (!m_grid)
        return;
    QHeaderView* header = horizontalHeader();
    last = qMin(last, m_grid->columnCount() - 1);
    for (int c = qMax(0, first); c <= last; ++c) {
        const int width = std::max(NarrowestColumn, int(std::lround(m_grid->columnWidth(c) * m_zoom)));
        if (header->sectionSize(c) != width)
            header->resizeSection(c, width);
    }
}

void ShowGridView::lockHeader()
{
    // While playback runs a click on a heading marks nothing.
    horizontalHeader()->setSectionsClickable(m_grid && !m_grid->isPlaying());
}

void ShowGridView::showColumn(int column)
{
    const QHeaderView* header = horizontalHeader();
    if (column < 0 || column >= header->count())
        return;
    const int x = header->sectionViewportPosition(column);
    const int width = header->sectionSize(column);
    QScrollBar* bar = horizontalScrollBar();
    if (x < 0)
        bar->setValue(bar->value() + x);
    else if (x + width > viewport()->width())
        bar->setValue(bar->value() + x + width - viewport()->width());
}

void ShowGridView::mousePressEvent(QMouseEvent* event)
{
    if (!m_grid || m_grid->isPlaying()) {
        event->accept();
        return;
    }
    // The stroke opens before the step is marked: lamp and mark are one change,
    // and the car views show the step once, when the button is let go.
    const QModelIndex cell = indexAt(event->position().toPoint());
    const bool onlyMark = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (event->button() == Qt::LeftButton && cell.isValid() && !onlyMark)
        m_grid->beginStroke(cell);
    QTableView::mousePressEvent(event);
}

void ShowGridView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_grid || m_grid->isPlaying()) {
        event->accept();
        return;
    }
    if (m_grid->inStroke()) {
        const int x = qBound(0, int(event->position().x()), viewport()->width() - 1);
        const int column = columnAt(x);
        m_grid->strokeTo(column >= 0 ? column : m_grid->columnCount() - 1);
    }
    QTableView::mouseMoveEvent(event);
}

void ShowGridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (m_grid)
        m_grid->endStroke();
}

void ShowGridView::keyPressEvent(QKeyEvent* event)
{
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (m_grid && m_grid->isPlaying() && !tab) {
        event->accept();
        return;
    }
    if (m_grid && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        m_grid->toggle(currentIndex());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// ---------------------------------------------------------------------------

ShowGridStepHeader::ShowGridStepHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
}

QSize ShowGridStepHeader::sizeHint() const
{
    // Fixed: the base class would measure the text of a few hundred headings after every edit.
    return {ShowGridModel::MaxColumnWidth, LoopBand + 32};
}

void ShowGridStepHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid() || !model())
        return;
    const QAbstractItemModel* m = model();
    const bool play = m->headerData(logicalIndex, Qt::Horizontal, ShowGridModel::PlayCursorRole).toBool();
    const bool marked = selectionModel() && selectionModel()->columnIntersectsSelection(logicalIndex, {});
    const QPalette& pal = palette();
    const QRect band(rect.left(), rect.top(), rect.width(), LoopBand);
    const QRect heading = rect.adjusted(0, LoopBand, 0, 0);
    painter->fillRect(band, pal.color(QPalette::Window));
    painter->fillRect(heading, play ? PlayHeading : marked ? MarkedHeading : pal.color(QPalette::Button));
    painter->setPen(pal.color(QPalette::Mid));
    painter->drawLine(heading.topRight(), heading.bottomRight());
    painter->drawLine(heading.topLeft(), heading.topRight());
    painter->drawLine(heading.bottomLeft(), heading.bottomRight());

    painter->setPen(pal.color(QPalette::ButtonText));
    painter->setFont(pixelFont(font(), 10, true));
    painter->drawText(QRect(heading.left(), heading.top() + 2, heading.width(), 14), Qt::AlignCenter,
                      m->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString());
    painter->setPen(play ? pal.color(QPalette::ButtonText) : SoftInk);
    painter->setFont(pixelFont(font(), 9, false));
    painter->drawText(QRect(heading.left(), heading.top() + 16, heading.width(), 13), Qt::AlignCenter,
                      m->headerData(logicalIndex, Qt::Horizontal, ShowGridModel::IntervalRole).toString());
}

void ShowGridStepHeader::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    const auto* grid = qobject_cast<const ShowGridModel*>(model());
    if (!grid || grid->loops().isEmpty())
        return;
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    const QFont labelFont = pixelFont(font(), 10, true);
    p.setFont(labelFont);
    const QFontMetrics metrics(labelFont);
    const int width = viewport()->width();
    for (const ShowGridModel::LoopSpan& loop : grid->loops()) {
        const int left = sectionViewportPosition(loop.first);
        const int right = sectionViewportPosition(loop.last) + sectionSize(loop.last);
        if (right < 0 || left > width)
            continue;
        // A bracket over the loop's steps with its repeat count in the middle.
        const double x0 = left + 3.0;
        const double x1 = right - 3.0;
        const double y = 7.5;
        QPainterPath bracket;
        bracket.moveTo(x0, LoopBand - 1.0);
        bracket.lineTo(x0, y);
        bracket.lineTo(x1, y);
        bracket.lineTo(x1, LoopBand - 1.0);
        QPen pen(loop.colour, 2.0);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(bracket);
        const QString label = QChar(0x00D7) + QString::number(loop.repeats);
        const int labelWidth = metrics.horizontalAdvance(label) + 6;
        const QRectF place((x0 + x1 - labelWidth) / 2.0, 0, labelWidth, LoopBand - 3);
        p.fillRect(place, palette().color(QPalette::Window));
        p.drawText(place, Qt::AlignCenter, label);
    }
}

// ---------------------------------------------------------------------------

ShowGridLampHeader::ShowGridLampHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

QSize ShowGridLampHeader::sectionSizeFromContents(int logicalIndex) const
{
    const QString name = model() ? model()->headerData(logicalIndex, Qt::Vertical).toString() : QString();
    return {GroupBand + Swatch + 18 + fontMetrics().horizontalAdvance(name), RowHeight};
}

void ShowGridLampHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid() || !model())
        return;
    const QPalette& pal = palette();
    const QRect r = rect.adjusted(GroupBand, 0, 0, 0);
    painter->fillRect(rect, pal.color(QPalette::Button));
    painter->setPen(pal.color(QPalette::Midlight));
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->setPen(pal.color(QPalette::Mid));
    painter->drawLine(r.topRight(), r.bottomRight());

    const QColor colour =
        model()->headerData(logicalIndex, Qt::Vertical, ShowGridModel::LampColourRole).value<QColor>();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(colour.darker(160), 1.0));
    painter->setBrush(colour);
    painter->drawRoundedRect(QRectF(r.left() + 6.5, r.center().y() - Swatch / 2.0 + 1.0, Swatch, Swatch), 2.5,
                             2.5);

    const QRect text = r.adjusted(12 + Swatch, 0, -4, 0);
    const QString name = model()->headerData(logicalIndex, Qt::Vertical).toString();
    painter->setPen(pal.color(QPalette::ButtonText));
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                      fontMetrics().elidedText(name, Qt::ElideRight, text.width()));
}

void ShowGridLampHeader::paintEvent(QPaintEvent* event)
{
    QHeaderView::paintEvent(event);
    const QAbstractItemModel* m = model();
    if (!m || count() == 0)
        return;
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(pixelFont(font(), 10, true));
    for (int first = 0; first < count();) {
        const int view = viewOfRow(m, first);
        int last = first;
        while (last + 1 < count() && viewOfRow(m, last + 1) == view)
            ++last;
        const int top = sectionViewportPosition(first);
        const int bottom = sectionViewportPosition(last) + sectionSize(last);
        // The view's name down a band beside its lamps, a line between the views.
        const QRectF band(1.5, top + 1.5, GroupBand - 3.0, bottom - top - 3.0);
        p.setPen(Qt::NoPen);
        p.setBrush(GroupBandFill);
        p.drawRoundedRect(band, 3, 3);
        if (first > 0) {
            p.setPen(QPen(SoftInk, 1.0));
            p.drawLine(QPointF(0, top + 0.5), QPointF(width(), top + 0.5));
        }
        const QString group = m->headerData(first, Qt::Vertical, ShowGridModel::GroupRole).toString();
        p.save();
        p.translate(band.center());
        p.rotate(-90);
        const QRectF along(-band.height() / 2.0, -band.width() / 2.0, band.height(), band.width());
        p.setPen(Qt::white);
        p.drawText(along, Qt::AlignCenter,
                   QFontMetrics(p.font()).elidedText(group, Qt::ElideRight, int(along.width()) - 4));
        p.restore();
        first = last + 1;
    }
}

// ---------------------------------------------------------------------------

void ShowGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const QRect r = option.rect;
    const bool play = index.data(ShowGridModel::PlayCursorRole).toBool();
    const bool marked = option.state & QStyle::State_Selected;
    painter->fillRect(r, play ? PlayBoard : marked ? MarkedBoard : Board);
    const int row = index.row();
    if (row > 0 && viewOfRow(index.model(), row - 1) != viewOfRow(index.model(), row))
        painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), Separator);

    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF lamp = QRectF(r).adjusted(3.5, 3.5, -3.5, -3.5);
    if (index.data(ShowGridModel::LitRole).toBool()) {
        const QColor colour = index.data(ShowGridModel::LampColourRole).value<QColor>();
        painter->setPen(QPen(colour.darker(135), 1.0));
        painter->setBrush(colour);
        painter->drawRoundedRect(lamp, 3, 3);
        // A sheen on the upper half, as on lit glass.
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(255, 255, 255, 80));
        painter->drawRoundedRect(lamp.adjusted(2, 1.5, -2, -lamp.height() / 2.0), 2, 2);
    } else {
        painter->setPen(QPen(GlassEdge, 1.0));
        painter->setBrush(Glass);
        painter->drawRoundedRect(lamp, 3, 3);
    }
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(Focus, 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(r).adjusted(1.25, 1.25, -1.25, -1.25), 3, 3);
    }
}

QSize ShowGridDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return {ShowGridModel::MinColumnWidth, RowHeight};
}
