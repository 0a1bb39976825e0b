#pragma once

#include <QList>
#include <QString>

// The ready shows installed with the program: a folder of ordinary sequence
// files and their index (Bibliothek.json) with each show's vehicle, its
// model family and its name and description in German and English.
class ShowLibrary
{
public:
    static constexpr const char* IndexName = "Bibliothek.json";

    struct Entry
    {
        QString file;    // full path of the .zfx
        QString vehicle; // the vehicle code it was composed for
        QString family;  // "1er/3er", "5er/6er", "X5/X6", "Z4", "Mini", "Clubman"
        QString nameDe, nameEn;
        QString descriptionDe, descriptionEn;

        QString name(bool german) const { return german ? nameDe : nameEn; }
        QString description(bool german) const { return german ? descriptionDe : descriptionEn; }
    };

    // Reads the index in `folder`; entries whose file is missing are left out.
    // An unreadable or damaged index gives an empty library.
    static ShowLibrary load(const QString& folder);
    // The folder the program installs the library to, beside the program.
    static QString folderBeside(const QString& programFolder);
    // The model family of a vehicle code, as the index names it; empty for an unknown code.
    static QString familyOf(const QString& vehicleCode);

    const QList<Entry>& entries() const { return m_entries; }
    QString problem() const { return m_problem; }

private:
    QList<Entry> m_entries;
    QString m_problem;
};
