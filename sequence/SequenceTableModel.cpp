#include "sequence/SequenceTableModel.h"

#include "sequence/Interval.h"
#include "sequence/LoopMarker.h"
#include "sequence/LoopPalette.h"

SequenceTableModel::SequenceTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int SequenceTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int SequenceTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SequenceTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const SequenceRow& r = m_rows.at(index.row());
    const bool inLoop = LoopMarker::isLoop(r.loopMarker);
    switch (role) {
    case Qt::DisplayRole:
        break;
    case Qt::BackgroundRole:
        return inLoop ? QVariant(LoopPalette::band(LoopMarker::number(r.loopMarker))) : QVariant();
    case Qt::DecorationRole:
        return inLoop && index.column() == LoopColumn ? QVariant(LoopPalette::colourOf(r.loopMarker))
                                                      : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() == NumberColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
    if (index.column() == NumberColumn)
        return QString::number(index.row() + 1);
    if (index.column() == LoopColumn)
        return LoopMarker::shown(r.loopMarker, m_loopFormat);
    return Interval::shown(r.interval, m_decimalPoint);
}

QVariant SequenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole && section == NumberColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case IntervalColumn:
        return m_intervalHeading;
    case LoopColumn:
        return m_loopHeading;
    default:
        return m_numberHeading;
    }
}

void SequenceTableModel::setDisplayTexts(const QString& interval, const QString& loop, QChar decimalPoint,
                                         const QString& loopFormat)
{
    m_intervalHeading = interval;
    m_loopHeading = loop;
    m_decimalPoint = decimalPoint;
    m_loopFormat = loopFormat;
    emit headerDataChanged(Qt::Horizontal, IntervalColumn, LoopColumn);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, IntervalColumn), index(int(m_rows.size()) - 1, LoopColumn));
}

void SequenceTableModel::setNumberHeading(const QString& heading)
{
    m_numberHeading = heading;
    emit headerDataChanged(Qt::Horizontal, NumberColumn, NumberColumn);
}

const SequenceRow& SequenceTableModel::row(int j) const
{
    Q_ASSERT(valid(j));
    return m_rows.at(j - 1);
}

bool SequenceTableModel::appendRow(const SequenceRow& row)
{
    return insertRowAt(count() + 1, row);
}

bool SequenceTableModel::insertRowAt(int j, const SequenceRow& row)
{
    if (isFull() || j < 1 || j > count() + 1)
        return false;
    beginInsertRows({}, j - 1, j - 1);
    m_rows.insert(j - 1, row);
    endInsertRows();
    emit contentChanged();
    return true;
}

bool SequenceTableModel::removeRowAt(int j)
{
    if (!valid(j))
        return false;
    beginRemoveRows({}, j - 1, j - 1);
    m_rows.removeAt(j - 1);
    endRemoveRows();
    emit contentChanged();
    return true;
}

bool SequenceTableModel::setRow(int j, const SequenceRow& row)
{
    if (!valid(j))
        return false;
    if (m_rows[j - 1] != row) {
        m_rows[j - 1] = row;
        rowChanged(j);
    }
    return true;
}

bool SequenceTableModel::setInterval(int j, const QString& interval)
{
    if (!valid(j))
        return false;
    SequenceRow r = m_rows.at(j - 1);
    r.interval = interval;
    return setRow(j, r);
}

bool SequenceTableModel::setLoopMarker(int j, const QString& marker)
{
    if (!valid(j))
        return false;
    SequenceRow r = m_rows.at(j - 1);
    r.loopMarker = marker;
    return setRow(j, r);
}

bool SequenceTableModel::setLamps(int j, const std::array<std::uint8_t, 4>& lamps)
{
    if (!valid(j))
        return false;
    SequenceRow r = m_rows.at(j - 1);
    r.lamps = lamps;
    return setRow(j, r);
}

bool SequenceTableModel::swapRows(int a, int b)
{
    if (!valid(a) || !valid(b))
        return false;
    if (a != b) {
        m_rows.swapItemsAt(a - 1, b - 1);
        rowChanged(a);
        rowChanged(b);
    }
    return true;
}

void SequenceTableModel::setRows(const QList<SequenceRow>& rows)
{
    beginResetModel();
    m_rows = rows.mid(0, MaxRows);
    endResetModel();
    emit contentChanged();
}

bool SequenceTableModel::replaceRows(const QList<SequenceRow>& rows)
{
    if (rows.size() > MaxRows)
        return false;
    const qsizetype oldCount = m_rows.size();
    const qsizetype newCount = rows.size();
    // The rows both lists share at their start and at their end stay untouched.
    qsizetype head = 0;
    while (head < oldCount && head < newCount && m_rows.at(head) == rows.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < oldCount - head && tail < newCount - head &&
           m_rows.at(oldCount - 1 - tail) == rows.at(newCount - 1 - tail))
        ++tail;
    const qsizetype oldMiddle = oldCount - head - tail;
    const qsizetype newMiddle = newCount - head - tail;
    if (oldMiddle == 0 && newMiddle == 0)
        return true;
    if (oldMiddle == newMiddle) {
        for (qsizetype i = head; i < head + newMiddle; ++i)
            m_rows[i] = rows.at(i);
        emit dataChanged(index(int(head), 0), index(int(head + newMiddle - 1), ColumnCount - 1));
    } else {
        if (oldMiddle > 0) {
            beginRemoveRows({}, int(head), int(head + oldMiddle - 1));
            m_rows.remove(head, oldMiddle);
            endRemoveRows();
        }
        if (newMiddle > 0) {
            beginInsertRows({}, int(head), int(head + newMiddle - 1));
            for (qsizetype i = head; i < head + newMiddle; ++i)
                m_rows.insert(i, rows.at(i));
            endInsertRows();
        }
    }
    emit contentChanged();
    return true;
}

void SequenceTableModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
    emit contentChanged();
}

void SequenceTableModel::rowChanged(int j)
{
    emit dataChanged(index(j - 1, 0), index(j - 1, ColumnCount - 1));
    emit contentChanged();
}
