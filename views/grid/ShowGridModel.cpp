#include "views/grid/ShowGridModel.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "sequence/Interval.h"
#include "sequence/LoopMarker.h"
#include "sequence/LoopPalette.h"
#include "sequence/SequenceDocument.h"
#include "vehicle/VehicleConfig.h"
#include "views/HitTest.h"

#include <cmath>

namespace {

constexpr int TextOn = 264;
constexpr int TextOff = 265;
constexpr int TextStep = 266;

} // namespace

// The drag under way: its lamp row, the last column it reached, the state it
// gives the cells, and the edit group that makes it one undo step.
struct ShowGridModel::Stroke
{
    Stroke(SequenceDocument& document, int row_, int column, bool lit_)
        : group(document), row(row_), lastColumn(column), lit(lit_)
    {
    }
    SequenceDocument::EditGroup group;
    int row;
    int lastColumn;
    bool lit;
};

int ShowGridModel::columnWidthOf(qint64 milliseconds)
{
    const double width = 14.0 + 30.0 * double(milliseconds) / 1000.0;
    return int(std::lround(qBound<double>(MinColumnWidth, width, MaxColumnWidth)));
}

ShowGridModel::ShowGridModel(AppContext& ctx, QObject* parent)
    : QAbstractTableModel(parent), m_ctx(ctx), m_document(ctx.document)
{
    m_sequence = m_document.activeSequence();
    watchTable(0);
    watchTable(1);
    connect(&m_document, &SequenceDocument::activeSequenceChanged, this,
            &ShowGridModel::activeSequenceChanged);
    refreshVehicle();
    refreshTexts();
}

ShowGridModel::~ShowGridModel() = default;

LampOptions ShowGridModel::options() const
{
    LampOptions o = LampOptions::of(m_document.vehicleCode(), m_ctx.vehicle);
    o.symmetric = m_ctx.symmetricEditing;
    return o;
}

// The steps of the active table are the columns: its row signals become column signals.
void ShowGridModel::watchTable(int k)
{
    const SequenceTableModel* table = &m_document.table(k);
    auto active = [this, k] { return k == m_sequence; };
    connect(table, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this, active](const QModelIndex&, int first, int last) {
                if (active())
                    beginInsertColumns({}, first, last);
            });
    connect(table, &QAbstractItemModel::rowsInserted, this, [this, active] {
        if (!active())
            return;
        recompute();
        endInsertColumns();
    });
    connect(table, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this, active](const QModelIndex&, int first, int last) {
                if (active())
                    beginRemoveColumns({}, first, last);
            });
    connect(table, &QAbstractItemModel::rowsRemoved, this, [this, active] {
        if (!active())
            return;
        recompute();
        endRemoveColumns();
    });
    connect(table, &QAbstractItemModel::modelAboutToBeReset, this, [this, active] {
        if (active())
            beginResetModel();
    });
    connect(table, &QAbstractItemModel::modelReset, this, [this, active] {
        if (!active())
            return;
        recompute();
        endResetModel();
    });
    connect(table, &QAbstractItemModel::dataChanged, this,
            [this, active](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (!active())
                    return;
                recompute();
                if (rowCount() > 0)
                    emit dataChanged(index(0, topLeft.row()), index(rowCount() - 1, bottomRight.row()));
                // A marker can change the brackets of other columns too.
                emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
            });
}

void ShowGridModel::activeSequenceChanged(int k)
{
    if (k == m_sequence)
        return;
    endStroke();
    beginResetModel();
    m_sequence = k;
    m_playColumn = -1;
    recompute();
    endResetModel();
}

void ShowGridModel::recompute()
{
    const QList<SequenceRow>& rows = m_document.table(m_sequence).rows();
    const LampOptions o = options();
    const auto n = std::size_t(rows.size());
    m_shown.resize(n);
    m_widths.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const SequenceRow& row = rows.at(qsizetype(i));
        m_shown[i] = LampRules::displayMasks(LampRules::sanitiseRow(row.lamps, o), o);
        m_widths[i] = columnWidthOf(Interval::toMilliseconds(row.interval));
    }
    m_loops.clear();
    for (qsizetype i = 0; i < rows.size();) {
        const QString& marker = rows.at(i).loopMarker;
        qsizetype last = i;
        while (last + 1 < rows.size() && rows.at(last + 1).loopMarker == marker)
            ++last;
        if (LoopMarker::isLoop(marker))
            m_loops.append({int(i), int(last), LoopMarker::repeats(marker), LoopPalette::colourOf(marker)});
        i = last + 1;
    }
    if (m_playColumn >= int(n))
        m_playColumn = -1;
}

void ShowGridModel::refreshVehicle()
{
    endStroke();
    beginResetModel();
    m_lamps = ShowGridLamps::of(m_ctx.vehicle.lampAreas, options());
    m_haveMasks = {};
    for (const GridLamp& lamp : m_lamps)
        m_haveMasks[std::size_t(lamp.view - 1)] |= lamp.mask();
    recompute();
    endResetModel();
}

void ShowGridModel::refreshTexts()
{
    m_decimalPoint = languageLocale(m_ctx.languageName).decimalPoint().at(0);
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    if (columnCount() > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ShowGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lamps.size());
}

int ShowGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

bool ShowGridModel::isLit(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    const GridLamp& lamp = m_lamps[std::size_t(row)];
    return (m_shown[std::size_t(column)][std::size_t(lamp.view - 1)] & lamp.mask()) != 0;
}

int ShowGridModel::columnWidth(int column) const
{
    return column >= 0 && column < columnCount() ? m_widths[std::size_t(column)] : MinColumnWidth;
}

QString ShowGridModel::cellText(bool lit) const
{
    return m_ctx.texts.text(lit ? TextOn : TextOff);
}

QString ShowGridModel::intervalShown(int column) const
{
    return Interval::shown(m_document.table(m_sequence).row(column + 1).interval, m_decimalPoint);
}

QString ShowGridModel::stepHeading(int column) const
{
    QString text = m_ctx.texts.text(TextStep) + QLatin1Char(' ') + QString::number(column + 1) +
                   QStringLiteral(", ") + intervalShown(column) + QStringLiteral(" s");
    const QString& marker = m_document.table(m_sequence).row(column + 1).loopMarker;
    if (LoopMarker::isLoop(marker))
        text += QStringLiteral(", ") +
                LoopMarker::shown(marker, m_ctx.texts.text(LoopMarker::FormatText)).simplified();
    return text;
}

QVariant ShowGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const bool lit = isLit(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return cellText(lit);
    case Qt::ToolTipRole:
        return QString(stepHeading(index.column()) + QStringLiteral("\n") +
                       headerData(index.row(), Qt::Vertical, Qt::DisplayRole).toString() +
                       QStringLiteral(": ") + cellText(lit));
    case LitRole:
        return lit;
    case LampColourRole:
        return m_lamps[std::size_t(index.row())].colour;
    case PlayCursorRole:
        return index.column() == m_playColumn;
    default:
        return {};
    }
}

QVariant ShowGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return {};
        switch (role) {
        case Qt::DisplayRole:
            return QString::number(section + 1);
        case IntervalRole:
            return intervalShown(section);
        case Qt::AccessibleTextRole:
        case Qt::ToolTipRole:
            return stepHeading(section);
        case PlayCursorRole:
            return section == m_playColumn;
        default:
            return {};
        }
    }
    if (section < 0 || section >= rowCount())
        return {};
    const GridLamp& lamp = m_lamps[std::size_t(section)];
    const auto name = [&] { return HitTest::lampName(lamp.textNumber, lamp.suffix, m_ctx.texts); };
    const auto group = [&] { return m_ctx.texts.text(ViewNameText + lamp.view - 1); };
    switch (role) {
    case Qt::DisplayRole:
        return name();
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QString(group() + QStringLiteral(", ") + name());
    case ViewRole:
        return lamp.view;
    case GroupRole:
        return group();
    case LampColourRole:
        return lamp.colour;
    default:
        return {};
    }
}

Qt::ItemFlags ShowGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ShowGridModel::setPlaying(bool playing)
{
    if (playing)
        endStroke();
    m_playing = playing;
    emit lockChanged();
}

void ShowGridModel::setUploading(bool uploading)
{
    if (uploading)
        endStroke();
    m_uploading = uploading;
    emit lockChanged();
}

bool ShowGridModel::setCell(int row, int column, bool lit)
{
    if (!canEdit() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return false;
    if (isLit(row, column) == lit)
        return false;
    const GridLamp& lamp = m_lamps[std::size_t(row)];
    const LampOptions o = options();
    TableState state = m_document.tableState(m_sequence);
    SequenceRow& step = state.row(column + 1);
    const LampBytes stored = step.lamps;
    // The click works on the lamps as the step shows them. A lamp that another
    // one lights in the picture (the 6er's rear light) may need a second
    // toggle to reach the state asked for; if even that does not, nothing changes.
    LampBytes bytes = LampRules::sanitiseRow(stored, o);
    for (int attempt = 0; attempt < 2; ++attempt) {
        bytes = LampRules::toggle(bytes, lamp.bit, lamp.view, 1, o).bytes;
        // Lamps the vehicle does not have keep what the step stored.
        for (std::size_t v = 0; v < 4; ++v)
            step.lamps[v] = std::uint8_t((bytes[v] & m_haveMasks[v]) | (stored[v] & ~m_haveMasks[v]));
        const auto shown = LampRules::displayMask(lamp.view, LampRules::sanitiseRow(step.lamps, o), o);
        if (((shown & lamp.mask()) != 0) == lit)
            return step.lamps != stored && m_document.applyTableState(m_sequence, state);
    }
    return false;
}

bool ShowGridModel::toggle(const QModelIndex& cell)
{
    if (!cell.isValid() || !canEdit())
        return false;
    const SequenceDocument::EditGroup group(m_document);
    return setCell(cell.row(), cell.column(), !isLit(cell.row(), cell.column()));
}

bool ShowGridModel::beginStroke(const QModelIndex& cell)
{
    endStroke();
    if (!cell.isValid() || !canEdit())
        return false;
    m_stroke =
        std::make_unique<Stroke>(m_document, cell.row(), cell.column(), !isLit(cell.row(), cell.column()));
    setCell(m_stroke->row, cell.column(), m_stroke->lit);
    return true;
}

void ShowGridModel::strokeTo(int column)
{
    if (!m_stroke || columnCount() == 0)
        return;
    column = qBound(0, column, columnCount() - 1);
    // A fast drag skips columns; they are painted too.
    const int step = column > m_stroke->lastColumn ? 1 : -1;
    for (int c = m_stroke->lastColumn; c != column;) {
        c += step;
        setCell(m_stroke->row, c, m_stroke->lit);
    }
    m_stroke->lastColumn = column;
}

void ShowGridModel::endStroke()
{
    m_stroke.reset();
}

void ShowGridModel::setPlayStep(int sequence, int row)
{
    const int column = sequence == m_sequence && row >= 1 && row <= columnCount() ? row - 1 : -1;
    if (column == m_playColumn)
        return;
    const int old = m_playColumn;
    m_playColumn = column;
    for (int c : {old, column}) {
        if (c < 0 || rowCount() == 0)
            continue;
        emit dataChanged(index(0, c), index(rowCount() - 1, c), {PlayCursorRole});
        emit headerDataChanged(Qt::Horizontal, c, c);
    }
    emit playColumnChanged(column);
}
