#pragma once

#include "sequence/SequenceContent.h"
#include "sequence/SequenceTableModel.h"
#include "sequence/TableState.h"

#include <QItemSelectionModel>
#include <QObject>
#include <array>

// A light show: the vehicle it was made for, its options, and two step
// tables: sequence 0 is played when the car is unlocked, sequence 1 when it
// is locked. The selection and focused row of each table live here too,
// because the editing commands work on them; the list views share them.
class SequenceDocument : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* DefaultParameterString = "12100000000000000000";

    explicit SequenceDocument(QObject* parent = nullptr);

    SequenceTableModel& table(int k) { return *m_tables.at(std::size_t(k & 1)); }
    const SequenceTableModel& table(int k) const { return *m_tables.at(std::size_t(k & 1)); }
    QItemSelectionModel& selection(int k) { return *m_selections.at(std::size_t(k & 1)); }
    const QItemSelectionModel& selection(int k) const { return *m_selections.at(std::size_t(k & 1)); }

    // The sequence the editing, preview and playback commands act on (0 or 1).
    int activeSequence() const { return m_active; }
    void setActiveSequence(int k);
    SequenceTableModel& activeTable() { return table(m_active); }
    QItemSelectionModel& activeSelection() { return selection(m_active); }

    QString vehicleCode() const { return m_vehicleCode; }
    void setVehicleCode(const QString& code) { m_vehicleCode = code; }
    QString parameterString() const { return m_parameterString; }
    void setParameterString(const QString& parameters) { m_parameterString = parameters; }

    // The vehicle code and the option string together.
    struct Vehicle
    {
        QString code;
        QString parameterString;
        friend bool operator==(const Vehicle&, const Vehicle&) = default;
    };
    Vehicle vehicle() const { return {m_vehicleCode, m_parameterString}; }
    // The user's choice of vehicle took effect: the document's vehicle and
    // options went from before to what they are now. Emits vehicleEdited when
    // they differ, which makes the change one step for undo.
    void noteVehicleChange(const Vehicle& before);

    // Full path of the file last read or written; empty when untitled.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);
    bool isUntitled() const { return m_fileName.isEmpty(); }

    // Removes every row of both tables; vehicle and options stay.
    void clear();
    // The vehicle, options and rows as a file holds them.
    SequenceContent content() const;
    // Replaces vehicle, options and both tables (a file was read); selections are cleared.
    void setContent(const SequenceContent& content);
    bool isEmpty() const { return table(0).count() == 0 && table(1).count() == 0; }

    // Selection of table k by 1-based row numbers.
    bool isSelected(int k, int j) const;
    void setSelected(int k, int j, bool selected);
    void clearSelection(int k);
    QList<int> selectedRows(int k) const; // ascending
    int firstSelectedRow(int k) const;    // 0 when none
    // The focused row (the list's current item); 0 when there is none.
    int focusedRow(int k) const;
    void setFocusedRow(int k, int j);

    // Table k with its selection and focus, for an editing command to work on.
    TableState tableState(int k) const;
    // The one place where the editing commands change a table: rows,
    // selection and focus of table k become those of state. Emits
    // tableEdited when the rows changed. False (nothing changed) when the
    // state holds more rows than a table can.
    bool applyTableState(int k, const TableState& state);

    // The table edits made between begin and end are one change for the undo
    // history, e.g. a command that applies its table twice. Groups nest; the
    // outermost end emits editGroupEnded.
    void beginEditGroup() { ++m_editGroupDepth; }
    void endEditGroup();
    bool inEditGroup() const { return m_editGroupDepth > 0; }
    // Begins a group for the lifetime of the object.
    class EditGroup
    {
    public:
        explicit EditGroup(SequenceDocument& document) : m_document(document) { m_document.beginEditGroup(); }
        ~EditGroup() { m_document.endEditGroup(); }
        EditGroup(const EditGroup&) = delete;
        EditGroup& operator=(const EditGroup&) = delete;

    private:
        SequenceDocument& m_document;
    };

signals:
    void activeSequenceChanged(int k);
    // An editing command changed the rows of table k (for an undo history).
    void tableEdited(int k, const QList<SequenceRow>& before, const QList<SequenceRow>& after);
    // The user changed the vehicle or its options (for an undo history).
    void vehicleEdited(const SequenceDocument::Vehicle& before, const SequenceDocument::Vehicle& after);
    // Both tables were replaced or emptied as a whole (New, Open, start-up file).
    void contentReplaced();
    // The outermost edit group has ended.
    void editGroupEnded();
    void fileNameChanged(const QString& fileName);

private:
    std::array<SequenceTableModel*, 2> m_tables{};
    std::array<QItemSelectionModel*, 2> m_selections{};
    int m_active = 0;
    QString m_vehicleCode = QStringLiteral("112");
    QString m_parameterString = QString::fromLatin1(DefaultParameterString);
    QString m_fileName;
    int m_editGroupDepth = 0;
};
