#pragma once

#include <QString>

// What the module last told us about itself, and the state of the link.
struct ModuleInfo
{
    // The memory limit until a module has been identified: the upload's.
    static constexpr int DefaultMemoryLimit = 510;

    QString moduleType;    // edition, "5.0" to "6.2"; empty until a module answered
    QString moduleVersion; // firmware version, e.g. "2.4"
    // Only filled from the long reply a module gives in developer mode.
    QString compileDate;  // e.g. "15.03.2009"; empty when not received
    int codedVehicle = 0; // number of the vehicle the module is coded for
    // True after a successful handshake, false after a failed one.
    bool connected = false;
    // Set while the memory requirement is computed; an upload or an
    // identification clears it before it connects.
    bool memoryOnly = false;
    // Module memory available for the image, in bytes.
    int memoryLimit = DefaultMemoryLimit;
    // The port menu's choice, "Com 1" to "Com 20".
    int portNumber = 1;
};
