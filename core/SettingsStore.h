#pragma once

#include <QString>
#include <memory>
#include <optional>

class QSettings;

// The settings kept between runs: a per-user INI file. Section names are
// matched without regard to case, so "Quandor_E6x" and "Quandor_E6X" reach
// the same values whichever spelling is in the file.
class SettingsStore
{
public:
    static constexpr const char* Section = "Quandor_E6x";
    static constexpr const char* SectionUpper = "Quandor_E6X";

    // The store of the current user ("<config folder>/Vantor/Vantor.ini").
    SettingsStore();
    // A store in the given file (tests, tools).
    explicit SettingsStore(const QString& fileName);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    static QString defaultFileName();
    QString fileName() const;

    // "" when absent.
    QString get(const QString& section, const QString& key) const;
    void save(const QString& section, const QString& key, const QString& value);
    // Takes the key out of the file; nothing happens when it is absent.
    void remove(const QString& section, const QString& key);

    // The value read as a whole number; nullopt when absent, empty or not a number.
    std::optional<int> number(const QString& section, const QString& key) const;

    // Shortcuts for the program's own section.
    QString get(const QString& key) const { return get(QString::fromLatin1(Section), key); }
    void save(const QString& key, const QString& value) { save(QString::fromLatin1(Section), key, value); }

    void sync();

private:
    QString groupFor(const QString& section) const;
    std::unique_ptr<QSettings> m_settings;
};
