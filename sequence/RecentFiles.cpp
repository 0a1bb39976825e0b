#include "sequence/RecentFiles.h"

#include "core/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString key(int i)
{
    return QStringLiteral("File%1").arg(i);
}

// Absolute and clean, so one file is listed once however it was named.
QString normalised(const QString& fileName)
{
    return QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}

bool sameFile(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

} // namespace

QStringList RecentFiles::files() const
{
    const QString section = QString::fromLatin1(Section);
    QStringList out;
    for (int i = 1; i <= Capacity; ++i) {
        const QString name = m_settings.get(section, key(i));
        if (name.isEmpty())
            continue;
        bool listed = false;
        for (const QString& seen : std::as_const(out))
            listed = listed || sameFile(seen, name);
        if (!listed)
            out.append(name);
    }
    return out;
}

void RecentFiles::add(const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    const QString name = normalised(fileName);
    QStringList list = files();
    list.removeIf([&name](const QString& other) { return sameFile(other, name); });
    list.prepend(name);
    store(list.mid(0, Capacity));
}

void RecentFiles::remove(const QString& fileName)
{
    const QString name = normalised(fileName);
    QStringList list = files();
    const qsizetype before = list.size();
    list.removeIf([&](const QString& other) { return sameFile(other, fileName) || sameFile(other, name); });
    if (list.size() != before)
        store(list);
}

void RecentFiles::store(const QStringList& files)
{
    const QString section = QString::fromLatin1(Section);
    for (int i = 1; i <= Capacity; ++i) {
        // A place the list no longer fills leaves the file instead of staying as "File2=".
        if (i > files.size())
            m_settings.remove(section, key(i));
        else if (m_settings.get(section, key(i)) != files.at(i - 1))
            m_settings.save(section, key(i), files.at(i - 1));
    }
}
