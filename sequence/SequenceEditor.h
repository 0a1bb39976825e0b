#pragma once

#include "sequence/CommandEnabler.h"
#include "sequence/RowClipboard.h"
#include "sequence/SequenceRow.h"

#include <QObject>
#include <QTimer>
#include <array>

struct AppContext;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSlider;
class QTreeView;
class QPoint;
class WindowOps;

// Binds the step tables and the editing controls of the main window to the
// document's commands: the active table, the interval slider and its label,
// append, insert, overwrite, delete, loops and the tables' context menu.
//
// The commands change the table through the document only, so playback,
// which watches the tables, stops itself when rows under it move.
//
// The first marked row of the active table is shown as it changes, however
// it was marked (a click of either button, a paste, undo): the car views,
// "Position N" and the slider, which takes the row's interval so that
// cmdÄndern keeps it unless the user moves the slider.
class SequenceEditor : public QObject
{
    Q_OBJECT
public:
    // The main window's controls this part binds to.
    struct Controls
    {
        std::array<QTreeView*, 2> List1{}; // [0] unlock sequence, [1] lock sequence
        std::array<QRadioButton*, 2> optAuf_Zu{};
        QSlider* sliderZeitein = nullptr;
        QLabel* labZeitein = nullptr;
        QLabel* labPos = nullptr;
        QPushButton* cmdWeiter = nullptr;
        QPushButton* cmdEinfuegen = nullptr;
        QPushButton* cmdAendern = nullptr;
        QPushButton* cmdLoeschen = nullptr;
        QPushButton* cmdSchleife = nullptr;
        QPushButton* cmdSchleife_L = nullptr;
        QMenu* Tabelle = nullptr; // the tables' context menu
        std::array<QAction*, 5> List_1{};
        CommandEnabler::Controls commands{}; // what the editing commands enable
        // The submenu of "Dauer skalieren": each item carries its factor as
        // data; an item without one asks for the factor.
        QMenu* Skalieren = nullptr;
        QLabel* labInfo = nullptr; // the status line: says what cmdÄndern did
    };

    // Language texts of the Edit menu's items and of cmdÄndern's explanation.
    static constexpr int PatternText = 274;
    static constexpr int OverwriteTipText = 279;
    static constexpr int OverwrittenText = 280;
    static constexpr int SelectAllText = 281;
    // How long the status line tells what cmdÄndern did.
    static constexpr int StatusMs = 4000;

    SequenceEditor(AppContext& ctx, const Controls& controls, WindowOps& ops, QObject* parent = nullptr);

    // Captions of the Edit menu's tools and cmdÄndern's tooltip in the current language.
    void applyTexts();
    // Refreshes the interval label from the slider (interval text + text 76).
    void refreshIntervalLabel();
    // The slider's interval as the tables store it.
    QString intervalText() const;
    // Selects the active sequence and shows its table.
    void selectSequence(int k);

    // cmdWeiter: appends the current lamp state as a new last row, then all lamps off.
    void appendStep();
    // cmdEinfügen: an empty step at the focused row, then all lamps off.
    void insertStep();
    // cmdÄndern (mouse press only): the slider's interval into the selected rows.
    void overwriteRows();
    // cmdLöschen: deletes the selected rows after asking, then all lamps off.
    void deleteRows();
    // cmdSchleife and cmdSchleife_L.
    void createLoop();
    void removeLoop();

    // The Edit menu's tools (see ComposeTools), each one step for undo.
    void mirrorRows();
    void reverseRows();
    // Scales by factor; 0 asks for the factor first.
    void scaleRows(double factor);
    // Makes the lock sequence from the unlock sequence and shows it.
    void farewellFromGreeting();
    void selectAll();

    // Readies the context menu Tabelle for the active table: false when the
    // table is empty (no menu). Its items are kept enabled by commands().
    bool prepareTableMenu();
    // List_1(index): 1 copy, 2 cut, 3 paste at the focused row, 4 paste at the end.
    void tableMenuClick(int index);
    RowClipboard& clipboard() { return m_clipboard; }
    // Enables the commands while they can act.
    CommandEnabler& commands() { return m_commands; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTableMenu(int k, const QPoint& pos);
    void scrollToFocus();
    // Shows the first marked row of the active table when it is another row
    // than last shown, or the same row with other content.
    void followMarkedRow();
    // Tells in the status line, for a while, that n rows took the slider's interval.
    void sayOverwritten(int n);

    AppContext& m_ctx;
    Controls m_ui;
    WindowOps& m_ops;
    RowClipboard m_clipboard;
    CommandEnabler m_commands;
    // What followMarkedRow() showed last: sequence, row (0: none), its content.
    int m_followedSequence = -1;
    int m_followedRow = -1;
    SequenceRow m_followedContent;
    // A mark changed during an editing command: it is followed once the command is done.
    bool m_followPending = false;
    // The status line's own text while it tells what cmdÄndern did.
    QTimer m_statusTimer;
    QString m_statusShown;
    QString m_statusResting;
};
