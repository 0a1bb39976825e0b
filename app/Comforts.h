#pragma once

#include "sequence/Backup.h"
#include "sequence/RecentFiles.h"
#include "sequence/UndoHistory.h"

#include <QObject>
#include <QString>
#include <functional>

struct AppContext;
class MainWindow;
class QKeySequence;
class QMimeData;
class QShortcut;

// The editor's comforts, bound to the main window: undo and redo of the
// table edits, the keyboard shortcuts, the recent files of the File menu,
// opening a file dropped on the window, the backup copy of unsaved work with
// its restore after a crash, and the storyboard export.
class Comforts : public QObject
{
    Q_OBJECT
public:
    // The language texts of the comforts (Edit menu, messages).
    static constexpr int EditMenuText = 178;
    static constexpr int UndoText = 179;
    static constexpr int RedoText = 180;
    static constexpr int StoryboardText = 181;
    static constexpr int RecentMissingText = 182;
    static constexpr int RestoreText = 183;
    // Its answers, and the question before a copy is deleted.
    static constexpr int RestoreButtonText = 320;
    static constexpr int DiscardButtonText = 321;
    static constexpr int LaterButtonText = 322;
    static constexpr int DiscardQuestionText = 323;
    static constexpr int NothingToExportText = 184;
    // A backup copy could not be written: before the reason, and what that means after it.
    static constexpr int BackupFailedText = 355;
    static constexpr int BackupAdviceText = 356;

    // Built once the window's parts exist.
    Comforts(AppContext& ctx, MainWindow& window);

    UndoHistory& history() { return m_history; }
    RecentFiles& recentFiles() { return m_recent; }
    Backup& backup() { return m_backup; }

    // Captions of the Edit menu and the export entry in the current language.
    void applyTexts();

    void undo();
    void redo();

    // Rebuilds the recent entries of the File menu from the settings.
    void refreshRecentMenu();
    // Recent entry i (0 = newest): opens it as Open does, or, when the file
    // is gone, takes it off the list and says so.
    void openRecent(int i);

    // The sequence file among dropped data: the first local file ending in
    // ".zfx"; empty when there is none or playback runs.
    QString droppedFile(const QMimeData* data) const;
    // Opens the dropped file as Open does, once the drop has finished.
    void dropFile(const QString& fileName);

    // File > export: the active sequence as a PNG or PDF storyboard.
    void exportStoryboard();

    // Start-up, once the window is loaded: the start-up file joins the
    // recent files; takes the backup lock and starts the backup timer.
    void startSession();
    // After a start that followed a crash: a copy waits to be offered.
    bool restorePending() const { return !m_backup.keptCopies().isEmpty(); }
    // Offers the kept copies, newest first: restore one (which ends the
    // offer), discard it after one more question, or leave it for the next
    // start (Escape and the close button do that), which ends the offer too.
    void offerRestore();
    // A normal close: the copy goes and the lock is given back.
    void endSession();

private:
    void bindShortcuts();
    QShortcut* shortcut(const QKeySequence& keys, const std::function<void()>& action);
    void refreshEditActions();
    void setPlaying(bool playing);
    void showRestored(int k);
    QString storyboardTitle() const;
    // Once per run of failed copies: the work is not safe from a crash.
    void reportBackupFailure(const SafeSave::Result& result);

    AppContext& m_ctx;
    MainWindow& m_window;
    UndoHistory m_history;
    RecentFiles m_recent;
    Backup m_backup;
    bool m_playing = false;
};
