#pragma once

#include "core/ModuleInfo.h"

#include <QString>
#include <array>
#include <cstdint>

class LangText;
class Prompter;
class SequenceDocument;
class SettingsStore;
struct VehicleConfig;

// The program-wide values every part of the window layer reads: one instance
// for the whole run, owned by the application entry (or by a test).
struct AppContext
{
    AppContext(SettingsStore& settings_, LangText& texts_, Prompter& prompter_, SequenceDocument& document_,
               VehicleConfig& vehicle_, ModuleInfo& module_)
        : settings(settings_), texts(texts_), prompter(prompter_), document(document_), vehicle(vehicle_),
          module(module_)
    {
    }

    SettingsStore& settings;
    LangText& texts;
    Prompter& prompter;
    SequenceDocument& document;
    // The chosen vehicle and what the module said of itself; owned beside the context.
    VehicleConfig& vehicle;
    ModuleInfo& module;
    // The folder of the executable: language files, help and pictures lie here.
    QString programFolder;
    // The current language name, e.g. "Deutsch".
    QString languageName;
    bool developerMode = false;
    // "Symmetrisch": a lamp clicked on one half of the car is set on the other half too.
    bool symmetricEditing = false;
    // The lamps of the step being edited: lampState[b - 1] is lamp byte b (view b).
    std::array<std::uint8_t, 4> lampState{};
};
