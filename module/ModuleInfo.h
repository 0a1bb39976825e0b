#pragma once

#include <QString>

// What the module last told us about itself. Both stay empty until a module
// has been identified.
struct ModuleInfo
{
    QString moduleType;    // edition, "5.0" to "6.2"
    QString moduleVersion; // firmware version, e.g. "2.4"
    // Module memory available for the image, in bytes.
    int memoryLimit = 510;
    // The port menu's choice, "Com 1" to "Com 20".
    int portNumber = 1;
};
