#pragma once

#include "views/LampRules.h"
#include "views/grid/ShowGridLamps.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <array>
#include <memory>
#include <vector>

struct AppContext;
class SequenceDocument;

// The active sequence as a grid: one column per step, one row per lamp of
// the vehicle (ShowGridLamps), a cell lit where showing the step lights the
// lamp. Cells and headers carry their texts in the program's language, so a
// screen reader can read the grid. Editing goes through the document, as
// every table edit does, and so reaches the undo history.
class ShowGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role
    {
        LitRole = Qt::UserRole + 1, // bool: the cell's lamp shows lit in the step
        LampColourRole,             // QColor of the row's lamp
        ViewRole,                   // vertical header: the lamp's view (1 to 4)
        GroupRole,                  // vertical header: the name of the lamp's view
        IntervalRole,               // horizontal header: the step's interval as shown
        PlayCursorRole,             // bool: playback shows this step
    };

    // The names of the views: 260 front right, 261 front left, 262 rear left, 263 rear right.
    static constexpr int ViewNameText = 260;

    // Column widths in pixels: the step's duration, within these bounds.
    static constexpr int MinColumnWidth = 22;
    static constexpr int MaxColumnWidth = 160;
    static int columnWidthOf(qint64 milliseconds);

    explicit ShowGridModel(AppContext& ctx, QObject* parent = nullptr);
    ~ShowGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The sequence shown: always the document's active one.
    int sequence() const { return m_sequence; }
    const std::vector<GridLamp>& lamps() const { return m_lamps; }
    bool isLit(int row, int column) const;
    int columnWidth(int column) const;

    // A loop over adjacent steps: its columns, repeat count and colour.
    struct LoopSpan
    {
        int first = 0;
        int last = 0;
        int repeats = 0;
        QColor colour;
    };
    const QList<LoopSpan>& loops() const { return m_loops; }

    // The lamps again, after the vehicle or its equipment changed.
    void refreshVehicle();
    // The names and cell texts again, after the language changed.
    void refreshTexts();

    // Nothing is edited while playback or an upload runs; nothing is marked
    // while playback runs, which marks the step it shows.
    void setPlaying(bool playing);
    void setUploading(bool uploading);
    bool isPlaying() const { return m_playing; }
    bool canEdit() const { return !m_playing && !m_uploading; }

    // A click on a cell: its lamp goes on when dark, off when lit, by the
    // rules of a click on the car view (partner lamps, symmetric editing).
    // One undo step. False when nothing changed.
    bool toggle(const QModelIndex& cell);
    // A drag along a lamp row: the first cell is toggled and every cell the
    // drag passes takes the same state; from begin to end one undo step.
    bool beginStroke(const QModelIndex& cell);
    void strokeTo(int column);
    void endStroke();
    bool inStroke() const { return m_stroke != nullptr; }

    // The column playback shows, -1 for none.
    int playColumn() const { return m_playColumn; }
    void setPlayStep(int sequence, int row);

signals:
    void playColumnChanged(int column);
    // Playback or an upload began or ended.
    void lockChanged();

private:
    struct Stroke;
    LampOptions options() const;
    void watchTable(int k);
    void activeSequenceChanged(int k);
    void recompute();
    bool setCell(int row, int column, bool lit);
    QString cellText(bool lit) const;
    QString stepHeading(int column) const;
    QString intervalShown(int column) const;

    AppContext& m_ctx;
    SequenceDocument& m_document;
    int m_sequence = 0;
    std::vector<GridLamp> m_lamps;
    std::array<std::uint8_t, 4> m_haveMasks{}; // the lamps of each view that are rows
    // Per step: the masks the four views show, and the column width.
    std::vector<std::array<std::uint8_t, 4>> m_shown;
    std::vector<int> m_widths;
    QList<LoopSpan> m_loops;
    QChar m_decimalPoint = QLatin1Char(',');
    bool m_playing = false;
    bool m_uploading = false;
    int m_playColumn = -1;
    std::unique_ptr<Stroke> m_stroke; // the drag under way
};
