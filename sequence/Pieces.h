#pragma once

#include "core/SafeSave.h"
#include "sequence/SequenceRow.h"

#include <QList>
#include <QString>
#include <QStringList>

// The user's own pieces: marked rows saved under a name to be put into a
// show again, loops and all. Each is a small sequence file (its rows as the
// opening sequence) in the program's data folder.
class Pieces
{
public:
    // folder: where the pieces lie; empty for the user's data folder.
    explicit Pieces(const QString& folder = QString());

    QString folder() const { return m_folder; }
    // The names, in alphabetical order.
    QStringList names() const;
    // A name a file can carry: not empty, no slash, not starting with a dot.
    static bool isValidName(const QString& name);
    bool exists(const QString& name) const;

    // Writes the rows under `name`, replacing a piece of that name.
    SafeSave::Result save(const QString& name, const QList<SequenceRow>& rows, const QString& vehicleCode,
                          const QString& parameterString) const;
    // The rows of a piece; empty when it cannot be read.
    QList<SequenceRow> rows(const QString& name) const;
    // False when the piece is missing, the new name is taken or invalid, or the file system refuses.
    bool rename(const QString& name, const QString& newName) const;
    bool remove(const QString& name) const;

private:
    QString fileOf(const QString& name) const;

    QString m_folder;
};
