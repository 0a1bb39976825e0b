#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The files last opened or saved, newest first, kept in the settings file in
// a section of their own ("Recent", keys "File1" to "File5").
class RecentFiles
{
public:
    static constexpr int Capacity = 5;
    static constexpr const char* Section = "Recent";

    explicit RecentFiles(SettingsStore& settings) : m_settings(settings) {}

    // Read from the settings each time, so a second running program sees the
    // same list.
    QStringList files() const;
    // Puts the file first; the same file further down and the oldest file
    // beyond the capacity leave the list.
    void add(const QString& fileName);
    void remove(const QString& fileName);

private:
    void store(const QStringList& files);

    SettingsStore& m_settings;
};
