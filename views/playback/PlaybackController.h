#pragma once

#include "views/playback/PlaybackMachine.h"
#include "views/playback/StepSchedule.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

struct AppContext;
class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeView;
class QTimer;
class WindowOps;

// Plays the active sequence on the car views with its real timing, bound to
// cmdSilulation (from the first row), cmdSimWeiter (from the selected row)
// and the step timer TimerE. Either button stops a running playback.
//
// While playback runs, the controls that would change the document or the
// vehicle are disabled (the editing commands by their CommandEnabler, which
// listens to playingChanged); should the table still lose rows or the active
// sequence change, playback stops as if a button had been pressed.
class PlaybackController : public QObject
{
    Q_OBJECT
public:
    // The pause between switching the lamps off and the first step.
    static constexpr int StartPauseMs = 500;

    // The main window's controls this part binds to.
    struct Controls
    {
        std::array<QTreeView*, 2> List1{}; // the step tables, as in the main window
        QPushButton* cmdSilulation = nullptr;
        QPushButton* cmdSimWeiter = nullptr;
        QTimer* TimerE = nullptr; // null: the controller makes its own
        // Locked while playing, with the menu entries and the remote-control options.
        QAction* Konfig = nullptr;
        std::array<QAction*, 10> Menu{};
        std::array<QRadioButton*, 2> optAuf_Zu{};
        // The speed: 1x, 1/2x and 1/4x, and the status field that names it.
        QComboBox* combTempo = nullptr;
        QLabel* labTempo = nullptr;
        // Plays the marked rows over and over.
        QAction* WiederholtAbspielen = nullptr;
    };

    // Language texts of the speed and the repeated passage.
    static constexpr int SpeedText = 409;
    static constexpr int RepeatText = 410;
    static constexpr int RepeatingText = 411;
    static constexpr int SpeedTipText = 412;
    // The speeds offered: steps last 1, 2 or 4 times their interval.
    static constexpr std::array<int, 3> Slowdowns{1, 2, 4};
    // How a speed reads: "1×", "½×", "¼×".
    static QString speedName(int slowdown);

    PlaybackController(AppContext& ctx, const Controls& controls, WindowOps& ops, QObject* parent = nullptr);

    // From the click of a button until the end of the sequence or a stop.
    bool isPlaying() const { return m_phase != Phase::Idle; }
    // Stops playback if it runs (used before commands that change the table).
    void stop();

    // Slow motion: every step is shown `factor` times as long as its interval
    // (1, 2 or 4); from the next step on while playing. The module's own
    // timing is not touched.
    void setSlowdown(int factor);
    int slowdown() const { return m_slowdown; }
    // Plays the marked rows of the active table, in order and with the loops
    // among them, over and over until a button or Escape stops it; the marks
    // come back then. False when no row is marked or playback runs.
    bool playMarkedRepeatedly();
    bool isRepeating() const { return isPlaying() && !m_passage.isEmpty(); }
    // Speed names and the status field in the current language.
    void applyTexts();

    // The steady clock the steps are timed by, in nanoseconds. Tests replace it.
    void setClock(std::function<qint64()> nowNs) { m_now = std::move(nowNs); }
    // The timer that ends the start pause (TimerE times the steps).
    QTimer* startPauseTimer() const { return m_pauseTimer; }

public slots:
    void cmdSilulationClicked();
    void cmdSimWeiterClicked();
    // The start pause is over: the first step is shown.
    void startPauseElapsed();
    // TimerE has fired: the next step is shown when it is due.
    void timerTick();

signals:
    void playingChanged(bool playing);
    // Playback shows row `row` of table `sequence` now; row 0 when it has ended.
    void stepShown(int sequence, int row);

private:
    enum class Phase
    {
        Idle,
        Starting,
        Playing
    };

    void begin(int position);
    void finish(PlaybackEnd end);
    void apply(const PlaybackStep& step);
    void armTimer();
    void setCaptions(const PlaybackCaptions& captions);
    void lockControls();
    void unlockControls();
    void watchTable(int k);
    QList<SequenceRow> rowsToPlay() const;
    int tableRow(int played) const;
    void showSpeed();
    void refreshRepeatCommand();
    void tableChanged(int k, bool onlyAppended);

    AppContext& m_ctx;
    Controls m_ui;
    WindowOps& m_ops;
    QTimer* m_timer = nullptr;      // TimerE
    QTimer* m_pauseTimer = nullptr; // the start pause
    QElapsedTimer m_clock;
    std::function<qint64()> m_now;

    Phase m_phase = Phase::Idle;
    int m_sequence = 0;      // the table being played
    int m_startPosition = 0; // the row playback starts from
    int m_rowsPlayed = 0;    // rows of the table when its content was taken
    int m_slowdown = 1;
    QList<int> m_passage; // the marked rows played over and over; empty for the whole sequence
    PlaybackMachine m_machine;
    StepSchedule m_schedule;
    QList<QPointer<QObject>> m_locked; // controls disabled while playing
};
