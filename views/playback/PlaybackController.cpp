#include "views/playback/PlaybackController.h"

#include "core/AppContext.h"
#include "core/LangText.h"
#include "sequence/SequenceDocument.h"
#include "ui/WindowOps.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

namespace {

void setEnabledOn(QObject* control, bool enabled)
{
    if (auto* widget = qobject_cast<QWidget*>(control))
        widget->setEnabled(enabled);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setEnabled(enabled);
}

bool isEnabledOn(const QObject* control)
{
    if (auto* widget = qobject_cast<const QWidget*>(control))
        return widget->isEnabled();
    if (auto* action = qobject_cast<const QAction*>(control))
        return action->isEnabled();
    return false;
}

} // namespace

PlaybackController::PlaybackController(AppContext& ctx, const Controls& controls, WindowOps& ops,
                                       QObject* parent)
    : QObject(parent), m_ctx(ctx), m_ui(controls), m_ops(ops)
{
    m_clock.start();
    m_now = [this] { return m_clock.nsecsElapsed(); };

    // TimerE fires once per wait; each wait is computed from the step's deadline.
    m_timer = m_ui.TimerE ? m_ui.TimerE : new QTimer(this);
    if (m_timer->objectName().isEmpty())
        m_timer->setObjectName(QStringLiteral("TimerE"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setSingleShot(true);
    m_timer->stop();
    connect(m_timer, &QTimer::timeout, this, &PlaybackController::timerTick);

    m_pauseTimer = new QTimer(this);
    m_pauseTimer->setObjectName(QStringLiteral("TimerStartPause"));
    m_pauseTimer->setTimerType(Qt::PreciseTimer);
    m_pauseTimer->setSingleShot(true);
    m_pauseTimer->setInterval(StartPauseMs);
    connect(m_pauseTimer, &QTimer::timeout, this, &PlaybackController::startPauseElapsed);

    if (m_ui.cmdSilulation)
        connect(m_ui.cmdSilulation, &QPushButton::clicked, this, &PlaybackController::cmdSilulationClicked);
    if (m_ui.cmdSimWeiter)
        connect(m_ui.cmdSimWeiter, &QPushButton::clicked, this, &PlaybackController::cmdSimWeiterClicked);

    if (m_ui.combTempo) {
        m_ui.combTempo->clear();
        for (int slowdown : Slowdowns)
            m_ui.combTempo->addItem(speedName(slowdown));
        connect(m_ui.combTempo, &QComboBox::currentIndexChanged, this, [this](int i) {
            if (i >= 0 && i < int(Slowdowns.size()))
                setSlowdown(Slowdowns.at(std::size_t(i)));
        });
    }
    if (m_ui.WiederholtAbspielen)
        connect(m_ui.WiederholtAbspielen, &QAction::triggered, this,
                &PlaybackController::playMarkedRepeatedly);

    SequenceDocument& doc = m_ctx.document;
    watchTable(0);
    watchTable(1);
    connect(&doc, &SequenceDocument::activeSequenceChanged, this, [this](int k) {
        if (isPlaying() && k != m_sequence)
            stop();
        refreshRepeatCommand();
    });
    for (int k = 0; k < 2; ++k)
        connect(&doc.selection(k), &QItemSelectionModel::selectionChanged, this,
                &PlaybackController::refreshRepeatCommand);
    refreshRepeatCommand();
    showSpeed();
}

QString PlaybackController::speedName(int slowdown)
{
    switch (slowdown) {
    case 2:
        return QStringLiteral("\u00bd\u00d7");
    case 4:
        return QStringLiteral("\u00bc\u00d7");
    default:
        return QStringLiteral("1\u00d7");
    }
}

void PlaybackController::setSlowdown(int factor)
{
    const auto offered = std::find(Slowdowns.begin(), Slowdowns.end(), factor);
    if (offered == Slowdowns.end())
        return;
    m_slowdown = factor;
    const int i = int(offered - Slowdowns.begin());
    if (m_ui.combTempo && m_ui.combTempo->currentIndex() != i)
        m_ui.combTempo->setCurrentIndex(i);
    showSpeed();
}

void PlaybackController::applyTexts()
{
    if (m_ui.combTempo) {
        m_ui.combTempo->setToolTip(m_ctx.texts.text(SpeedTipText));
        m_ui.combTempo->setAccessibleName(m_ctx.texts.text(SpeedText));
    }
    if (m_ui.WiederholtAbspielen)
        m_ui.WiederholtAbspielen->setText(m_ctx.texts.text(RepeatText));
    showSpeed();
}

void PlaybackController::showSpeed()
{
    // The status names the speed whenever it is not real time, and what plays.
    if (!m_ui.labTempo)
        return;
    QString text;
    if (m_slowdown != 1 || isRepeating()) {
        text = QLatin1Char(' ') + m_ctx.texts.text(SpeedText) + QLatin1Char(' ') + speedName(m_slowdown);
        if (isRepeating())
            text += QStringLiteral(" \u2013 ") + m_ctx.texts.text(RepeatingText);
    }
    m_ui.labTempo->setText(text);
    m_ui.labTempo->setVisible(!text.isEmpty());
}

void PlaybackController::refreshRepeatCommand()
{
    if (m_ui.WiederholtAbspielen)
        m_ui.WiederholtAbspielen->setEnabled(
            !isPlaying() && m_ctx.document.firstSelectedRow(m_ctx.document.activeSequence()) != 0);
}

bool PlaybackController::playMarkedRepeatedly()
{
    SequenceDocument& doc = m_ctx.document;
    const int k = doc.activeSequence();
    const QList<int> marked = doc.selectedRows(k);
    if (isPlaying() || marked.isEmpty())
        return false;
    m_passage = marked;
    doc.clearSelection(k);
    begin(1);
    if (!isPlaying()) {
        m_passage.clear();
        return false;
    }
    return true;
}

QList<SequenceRow> PlaybackController::rowsToPlay() const
{
    const QList<SequenceRow>& rows = m_ctx.document.table(m_sequence).rows();
    if (m_passage.isEmpty())
        return rows;
    QList<SequenceRow> passage;
    for (int j : m_passage) {
        if (j >= 1 && j <= rows.size())
            passage.append(rows.at(j - 1));
    }
    return passage;
}

int PlaybackController::tableRow(int played) const
{
    if (m_passage.isEmpty() || played == 0)
        return played;
    return m_passage.value(played - 1);
}

void PlaybackController::watchTable(int k)
{
    SequenceTableModel& table = m_ctx.document.table(k);
    connect(&table, &QAbstractItemModel::rowsInserted, this,
            [this, k](const QModelIndex&, int first, int) { tableChanged(k, first >= m_rowsPlayed); });
    connect(&table, &QAbstractItemModel::rowsRemoved, this, [this, k] { tableChanged(k, false); });
    connect(&table, &QAbstractItemModel::rowsMoved, this, [this, k] { tableChanged(k, false); });
    connect(&table, &QAbstractItemModel::modelReset, this, [this, k] { tableChanged(k, false); });
    connect(&table, &QAbstractItemModel::layoutChanged, this, [this, k] { tableChanged(k, false); });
}

void PlaybackController::tableChanged(int k, bool onlyAppended)
{
    // The rows being played were taken when the first step was shown; rows
    // appended after them (a lamp click with automatic advance) are not
    // played and do no harm. Any other change moves rows under the cursor.
    if (m_phase == Phase::Playing && k == m_sequence && !onlyAppended)
        stop();
}

void PlaybackController::cmdSilulationClicked()
{
    SequenceDocument& doc = m_ctx.document;
    const int k = isPlaying() ? m_sequence : doc.activeSequence();
    doc.clearSelection(k);
    if (isPlaying())
        finish(PlaybackEnd::ButtonStop);
    else
        begin(1);
}

void PlaybackController::cmdSimWeiterClicked()
{
    SequenceDocument& doc = m_ctx.document;
    if (isPlaying()) {
        // The shown row is the selected one; it is deselected as playback stops.
        // Stopping does not depend on a selection, so the button also stops
        // during the start pause.
        const int i = doc.firstSelectedRow(m_sequence);
        if (i != 0)
            doc.setSelected(m_sequence, i, false);
        finish(PlaybackEnd::ButtonStop);
        return;
    }
    const int k = doc.activeSequence();
    const int i = doc.firstSelectedRow(k);
    if (i == 0)
        return;
    doc.setSelected(k, i, false);
    begin(i);
}

void PlaybackController::stop()
{
    if (isPlaying())
        finish(PlaybackEnd::ButtonStop);
}

void PlaybackController::begin(int position)
{
    SequenceDocument& doc = m_ctx.document;
    if (doc.activeTable().count() == 0)
        return;
    m_sequence = doc.activeSequence();
    m_startPosition = position;
    m_rowsPlayed = doc.activeTable().count();
    m_phase = Phase::Starting;
    setCaptions(Playback::playingCaptions(m_ctx.texts));
    lockControls();
    m_ops.lichtAus();
    showSpeed();
    refreshRepeatCommand();
    emit playingChanged(true);
    // The window keeps painting and answering during the pause.
    m_pauseTimer->start();
}

void PlaybackController::startPauseElapsed()
{
    if (m_phase != Phase::Starting)
        return;
    m_pauseTimer->stop();
    const SequenceTableModel& table = m_ctx.document.table(m_sequence);
    m_rowsPlayed = table.count();
    if (!m_machine.start(rowsToPlay(), m_passage.isEmpty() ? m_startPosition : 1)) {
        finish(PlaybackEnd::ButtonStop);
        return;
    }
    m_phase = Phase::Playing;
    m_schedule.start(m_now());
    apply(m_machine.tick());
}

void PlaybackController::timerTick()
{
    if (m_phase != Phase::Playing)
        return;
    if (!m_schedule.isDue(m_now())) {
        // A long interval is waited for in parts.
        armTimer();
        return;
    }
    apply(m_machine.tick());
}

void PlaybackController::apply(const PlaybackStep& step)
{
    SequenceDocument& doc = m_ctx.document;
    if (step.deselect != 0)
        doc.setSelected(m_sequence, tableRow(step.deselect), false);
    if (step.select != 0) {
        // Exactly the shown row is selected, even if the table was clicked meanwhile.
        const int row = tableRow(step.select);
        doc.clearSelection(m_sequence);
        doc.setSelected(m_sequence, row, true);
        if (QTreeView* list = m_ui.List1.at(std::size_t(m_sequence)))
            list->scrollTo(doc.table(m_sequence).index(row - 1, 0));
    }
    if (step.show) {
        emit stepShown(m_sequence, doc.firstSelectedRow(m_sequence));
        m_ops.showRow();
        // A failure message may have let a button stop playback meanwhile.
        if (m_phase != Phase::Playing)
            return;
    }
    if (step.end != PlaybackEnd::None) {
        // A passage starts again at its first row, on the beat of the step that ended.
        if (!m_passage.isEmpty() && m_machine.start(rowsToPlay(), 1)) {
            apply(m_machine.tick());
            return;
        }
        finish(step.end);
        return;
    }
    if (step.intervalMs <= 0) {
        // An interval of 0 stops the ticks: the row stays until a button is pressed.
        m_timer->stop();
        return;
    }
    m_schedule.advance(m_now(), step.intervalMs * m_slowdown);
    armTimer();
}

void PlaybackController::armTimer()
{
    m_timer->start(m_schedule.waitMs(m_now()));
}

void PlaybackController::finish(PlaybackEnd end)
{
    m_timer->stop();
    m_pauseTimer->stop();
    m_phase = Phase::Idle;
    m_machine = PlaybackMachine();
    setCaptions(Playback::idleCaptions(end, m_ctx.texts));
    m_ops.lichtAus();
    // The marks of a repeated passage come back, so that it can be played again.
    const QList<int> marked = std::exchange(m_passage, {});
    SequenceDocument& doc = m_ctx.document;
    if (!marked.isEmpty() && doc.table(m_sequence).count() == m_rowsPlayed) {
        doc.clearSelection(m_sequence);
        for (int j : marked)
            doc.setSelected(m_sequence, j, true);
    }
    unlockControls();
    showSpeed();
    refreshRepeatCommand();
    emit stepShown(m_sequence, 0);
    emit playingChanged(false);
}

void PlaybackController::setCaptions(const PlaybackCaptions& captions)
{
    if (m_ui.cmdSilulation)
        m_ui.cmdSilulation->setText(captions.simulation);
    if (m_ui.cmdSimWeiter)
        m_ui.cmdSimWeiter->setText(captions.simWeiter);
}

void PlaybackController::lockControls()
{
    // Everything that switches the active sequence, replaces the document,
    // changes the vehicle or the language (and so the captions). The editing
    // commands and cmdDaten are not in the list: their CommandEnabler learns
    // of playback from playingChanged and applies its rule at both ends, so
    // the end enables only what can act.
    QList<QObject*> controls{m_ui.Konfig};
    for (std::size_t i = 1; i <= 4; ++i)
        controls << m_ui.Menu.at(i);
    controls << m_ui.Menu.at(6) << m_ui.optAuf_Zu.at(0) << m_ui.optAuf_Zu.at(1);
    m_locked.clear();
    for (QObject* control : std::as_const(controls)) {
        // Controls already disabled for another reason stay as they are.
        if (control && isEnabledOn(control)) {
            setEnabledOn(control, false);
            m_locked.append(control);
        }
    }
}

void PlaybackController::unlockControls()
{
    for (const QPointer<QObject>& control : std::as_const(m_locked)) {
        if (control)
            setEnabledOn(control, true);
    }
    m_locked.clear();
}
