#pragma once

#include "sequence/SequenceRow.h"

#include <QAbstractTableModel>
#include <QList>

// One step table ("Intervall", "Schleife") with the lamp bytes of its rows.
// Rows are numbered from 1 in the program's operations, as the user sees them;
// the model's own indexes are 0-based as Qt expects. A third column shows the
// step's number; it comes last among the model's columns so that the first
// two keep their indexes, and the window shows it first. Rows of a loop
// carry the loop's band colour.
class SequenceTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int MaxRows = 500;
    enum Column
    {
        IntervalColumn = 0,
        LoopColumn = 1,
        NumberColumn = 2,
        ColumnCount = 3
    };

    explicit SequenceTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Column headings, the decimal separator intervals are shown with and the
    // loop format (see LoopMarker::shown), in the program's language; the
    // rows keep the text they were given.
    void setDisplayTexts(const QString& interval, const QString& loop, QChar decimalPoint,
                         const QString& loopFormat = QString());
    void setNumberHeading(const QString& heading);

    // 1-based access. Rows outside 1..count are a programming error.
    int count() const { return int(m_rows.size()); }
    bool isFull() const { return count() >= MaxRows; }
    const SequenceRow& row(int j) const;
    const QList<SequenceRow>& rows() const { return m_rows; }

    // All return false and change nothing when they would break the 500-row limit
    // or name a row that does not exist.
    bool appendRow(const SequenceRow& row);
    bool insertRowAt(int j, const SequenceRow& row); // the new row becomes row j
    bool removeRowAt(int j);
    bool setRow(int j, const SequenceRow& row);
    bool setInterval(int j, const QString& interval);
    bool setLoopMarker(int j, const QString& marker);
    bool setLamps(int j, const std::array<std::uint8_t, 4>& lamps);
    bool swapRows(int a, int b);
    void setRows(const QList<SequenceRow>& rows); // replaces everything (at most 500 rows kept)
    // Replaces the rows with as few inserts and removals as the change needs,
    // so the views keep their scroll position; false (nothing changed) above 500 rows.
    bool replaceRows(const QList<SequenceRow>& rows);
    void clear();

signals:
    // Any change of the rows' content (not of the selection).
    void contentChanged();

private:
    bool valid(int j) const { return j >= 1 && j <= count(); }
    void rowChanged(int j);
    QList<SequenceRow> m_rows;
    QString m_intervalHeading = QStringLiteral("Intervall");
    QString m_loopHeading = QStringLiteral("Schleife");
    QString m_numberHeading = QStringLiteral("Nr.");
    QChar m_decimalPoint = QLatin1Char(',');
    QString m_loopFormat;
};
