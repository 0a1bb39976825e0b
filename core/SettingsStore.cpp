#include "core/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

SettingsStore::SettingsStore() : SettingsStore(defaultFileName()) {}

SettingsStore::SettingsStore(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::defaultFileName()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath(QStringLiteral("Vantor/Vantor.ini"));
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString SettingsStore::groupFor(const QString& section) const
{
    const QStringList groups = m_settings->childGroups();
    for (const QString& group : groups) {
        if (group.compare(section, Qt::CaseInsensitive) == 0)
            return group;
    }
    return section;
}

QString SettingsStore::get(const QString& section, const QString& key) const
{
    const QVariant value = m_settings->value(groupFor(section) + QLatin1Char('/') + key);
    // A list (a value with commas written by hand) reads back as its text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void SettingsStore::save(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(groupFor(section) + QLatin1Char('/') + key, value);
    m_settings->sync();
}

void SettingsStore::remove(const QString& section, const QString& key)
{
    const QString path = groupFor(section) + QLatin1Char('/') + key;
    if (!m_settings->contains(path))
        return;
    m_settings->remove(path);
    m_settings->sync();
}

std::optional<int> SettingsStore::number(const QString& section, const QString& key) const
{
    bool ok = false;
    const int value = get(section, key).trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

void SettingsStore::sync()
{
    m_settings->sync();
}
