#include "sequence/Backup.h"

#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

Backup::Backup(SequenceDocument& document, QObject* parent)
    : QObject(parent), m_document(document), m_folder(defaultFolder())
{
    m_timer.setInterval(DefaultIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Backup::update);
}

Backup::~Backup() = default;

QString Backup::defaultFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath(QStringLiteral("Vantor"));
}

QString Backup::backupFile() const
{
    return QDir(m_folder).filePath(QStringLiteral("backup.zfx"));
}

QString Backup::nameFile() const
{
    return QDir(m_folder).filePath(QStringLiteral("backup.name"));
}

QString Backup::lockFile() const
{
    return QDir(m_folder).filePath(QStringLiteral("session.lock"));
}

bool Backup::start()
{
    if (m_running)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    const bool lockLeft = QFileInfo::exists(lockFile());
    m_lock = std::make_unique<QLockFile>(lockFile());
    // Only a lock whose program is no longer running is taken over, however old.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    m_running = true;
    m_crashCopy = lockLeft && QFileInfo(backupFile()).isFile();
    m_written.reset();
    m_timer.start();
    return true;
}

QString Backup::crashedFileName() const
{
    QFile file(nameFile());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

void Backup::dismissCrashCopy()
{
    m_crashCopy = false;
}

bool Backup::update()
{
    if (!m_running || m_crashCopy)
        return false;
    if (SequenceFile::documentUnchanged(m_document)) {
        remove();
        return false;
    }
    const SequenceContent content = m_document.content();
    const QString name = m_document.fileName();
    if (m_written && *m_written == content && m_writtenName == name && QFileInfo(backupFile()).isFile())
        return true;

    // The name first: a copy is never seen beside the name of another document
    // for longer than this one write.
    SafeSave::Result written = SafeSave::writeFile(nameFile(), name.toUtf8());
    if (written)
        written = SequenceFile::writeContent(backupFile(), content);
    if (!written) {
        // The next interval tries again; the user hears of it once, not every time.
        m_written.reset();
        if (!m_failing) {
            m_failing = true;
            emit writeFailed(written);
        }
        return false;
    }
    m_failing = false;
    m_written = content;
    m_writtenName = name;
    return true;
}

void Backup::remove()
{
    if (!m_running || m_crashCopy)
        return;
    QFile::remove(backupFile());
    QFile::remove(nameFile());
    m_written.reset();
    m_failing = false; // the work is safe; a later failure is news again
}

void Backup::stop()
{
    if (!m_running)
        return;
    m_timer.stop();
    remove();
    m_lock->unlock();
    m_lock.reset();
    m_running = false;
}
