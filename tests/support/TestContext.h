#pragma once

#include "core/AppContext.h"
#include "core/LangText.h"
#include "core/ModuleInfo.h"
#include "core/SettingsStore.h"
#include "sequence/SequenceDocument.h"
#include "tests/support/ScriptedPrompter.h"
#include "vehicle/VehicleConfig.h"

#include <QCoreApplication>
#include <QTemporaryDir>

// A complete program context over a temporary settings file, with the
// language files of the build beside the test executable.
struct TestContext
{
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    LangText texts;
    ScriptedPrompter prompter;
    SequenceDocument document;
    VehicleConfig vehicle;
    ModuleInfo module;
    AppContext ctx{settings, texts, prompter, document, vehicle, module};

    TestContext()
    {
        ctx.programFolder = QCoreApplication::applicationDirPath();
        ctx.languageName = QStringLiteral("Deutsch");
    }
};

// A context past its first start: a vehicle is stored, so no welcome is asked.
struct SetUpContext : TestContext
{
    SetUpContext() { settings.save(QStringLiteral("Fahrzeug_Type"), QStringLiteral("312")); }
};
