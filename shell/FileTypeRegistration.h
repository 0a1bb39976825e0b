#pragma once

#include <QString>

// Makes the desktop open sequence files with this program. Failures are silent.
struct FileTypeRegistration
{
    QString displayName;  // the program's display name
    QString programFile;  // full path of the program
    QString typeName;     // e.g. "Vantor_E6x"
    QString extension;    // "zfx"
    QString iconFile;     // full path of the file-type icon
};

void registerFileType(const FileTypeRegistration& registration);
