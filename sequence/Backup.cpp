#include "sequence/Backup.h"

#include "sequence/SequenceDocument.h"
#include "sequence/SequenceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

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
    m_lock = std::make_unique<QLockFile>(lockFile());
    // Only a lock whose program is no longer running is taken over, however old.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    // A normal end removes the copy, so one still here was left by a crash.
    if (!setAsideCrashCopy()) {
        // Writing copies now would overwrite it; the next start tries again.
        m_lock.reset();
        return false;
    }
    m_running = true;
    m_written.reset();
    m_timer.start();
    return true;
}

namespace {

const QString KeptPrefix = QStringLiteral("kept-");

// The numbers N of the kept copies "kept-N.zfx" in the folder.
QList<int> keptNumbers(const QString& folder)
{
    QList<int> numbers;
    const QStringList names = QDir(folder).entryList({KeptPrefix + QStringLiteral("*.zfx")}, QDir::Files);
    for (const QString& name : names) {
        bool ok = false;
        const int n = name.mid(KeptPrefix.size(), name.size() - KeptPrefix.size() - 4).toInt(&ok);
        if (ok && n > 0)
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QString keptFile(const QString& folder, int n, const char* suffix)
{
    return QDir(folder).filePath(KeptPrefix + QString::number(n) + QLatin1String(suffix));
}

} // namespace

bool Backup::setAsideCrashCopy()
{
    if (!QFileInfo(backupFile()).isFile())
        return true;
    const QList<int> numbers = keptNumbers(m_folder);
    const int n = numbers.isEmpty() ? 1 : numbers.last() + 1;
    // The name first: a kept copy never stands beside the name of another document.
    const QString name = keptFile(m_folder, n, ".name");
    QFile::remove(name);
    if (QFileInfo::exists(nameFile()) && !QFile::rename(nameFile(), name))
        return false;
    return QFile::rename(backupFile(), keptFile(m_folder, n, ".zfx"));
}

QList<Backup::KeptCopy> Backup::keptCopies() const
{
    QList<KeptCopy> copies;
    if (!m_running)
        return copies;
    const QList<int> numbers = keptNumbers(m_folder);
    for (auto it = numbers.crbegin(); it != numbers.crend(); ++it) {
        KeptCopy copy{keptFile(m_folder, *it, ".zfx"), QString()};
        QFile file(keptFile(m_folder, *it, ".name"));
        if (file.open(QIODevice::ReadOnly))
            copy.name = QString::fromUtf8(file.readAll()).trimmed();
        copies.append(copy);
    }
    return copies;
}

void Backup::removeKeptCopy(const KeptCopy& copy)
{
    QFile::remove(copy.file);
    QString name = copy.file;
    name.replace(name.size() - 4, 4, QStringLiteral(".name"));
    QFile::remove(name);
}

bool Backup::update()
{
    if (!m_running)
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
    if (!m_running)
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
