#pragma once

#include "module/ModuleInfo.h"
#include "vehicle/VehicleConfig.h"

#include <QString>
#include <array>
#include <cstdint>

class LangText;
class Prompter;
class SequenceDocument;
class SettingsStore;

// The program-wide values every part of the window layer reads: one instance
// for the whole run, owned by the application entry (or by a test).
struct AppContext
{
    AppContext(SettingsStore& settings_, LangText& texts_, Prompter& prompter_, SequenceDocument& document_)
        : settings(settings_), texts(texts_), prompter(prompter_), document(document_)
    {
    }

    SettingsStore& settings;
    LangText& texts;
    Prompter& prompter;
    SequenceDocument& document;
    VehicleConfig vehicle;
    ModuleInfo module;
    // The folder of the executable: language files, help and pictures lie here.
    QString programFolder;
    // The current language name, e.g. "Deutsch".
    QString languageName;
    bool developerMode = false;
    // The lamps of the step being edited: lampState[b - 1] is lamp byte b (view b).
    std::array<std::uint8_t, 4> lampState{};
};
