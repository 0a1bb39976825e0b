#pragma once

#include "core/SafeSave.h"
#include "sequence/SequenceContent.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class QLockFile;
class SequenceDocument;

// Keeps a copy of a document with unsaved changes in the user's data folder,
// so that work survives a crash. While the document differs from its file, a
// copy ("backup.zfx", beside it "backup.name" with the document's own file
// name) is written at every interval; once it no longer differs, the copy
// goes, and a normal end removes it. A lock file ("session.lock") is held for
// the whole run.
//
// A copy found at the start belongs to a run that ended without closing. It
// is set aside as a kept copy ("kept-N.zfx" and "kept-N.name"), which no run
// ever writes, and stays until the user restores or discards it, however
// many runs come and go meanwhile.
//
// A second program running at the same time finds the lock taken: it keeps
// no copies and offers none, so it never touches the first program's files.
class Backup : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultIntervalMs = 60'000;

    explicit Backup(SequenceDocument& document, QObject* parent = nullptr);
    ~Backup() override;

    // "<user's data folder>/Vantor".
    static QString defaultFolder();
    // Both take effect at the next start().
    void setFolder(const QString& folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    void setInterval(int ms) { m_timer.setInterval(ms); }
    int interval() const { return m_timer.interval(); }

    QString backupFile() const;
    QString nameFile() const;
    QString lockFile() const;

    // Takes the lock and starts the timer. False when another running program
    // holds the lock or the folder cannot be made; no copies are kept then.
    bool start();
    bool isRunning() const { return m_running; }

    // A copy of an earlier run's work, waiting for the user's answer.
    struct KeptCopy
    {
        QString file;
        // The document's own file name; empty when it was untitled.
        QString name;
        bool operator==(const KeptCopy&) const = default;
    };
    // After start(): the kept copies, newest first.
    QList<KeptCopy> keptCopies() const;
    // Removes a kept copy: it was restored or discarded.
    static void removeKeptCopy(const KeptCopy& copy);

    // Writes the copy when the document has unsaved changes, removes it when
    // it has none. True when a copy of the current document exists afterwards.
    bool update();
    // Removes the copy (the document was saved).
    void remove();
    // A normal end: removes the copy and gives the lock back.
    void stop();

signals:
    // A copy could not be written (result says why), for the first time
    // since one was written or removed.
    void writeFailed(const SafeSave::Result& result);

private:
    // Moves a copy left by a run that ended without closing to the next kept name.
    bool setAsideCrashCopy();

    SequenceDocument& m_document;
    QString m_folder;
    QTimer m_timer;
    std::unique_ptr<QLockFile> m_lock;
    bool m_running = false;
    bool m_failing = false; // the last write failed
    // What the copy on disk holds, to skip writing the same again.
    std::optional<SequenceContent> m_written;
    QString m_writtenName;
};
